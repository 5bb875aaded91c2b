#include "actions/AddOnInstaller.h"

#include "actions/CommandLine.h"
#include "actions/ModelDlg.h"
#include "probes/Registry.h"

namespace
{
bool RuleMet(AddOnRule rule, const CMenuContext& menu)
{
    switch (rule)
    {
    case AddOnRule::ProWithSuite: return menu.SuiteInstalled() && menu.HardwareModel() == kModelPro;
    case AddOnRule::WithoutSuite: return !menu.SuiteInstalled();
    case AddOnRule::None: break;
    }
    return true;
}

// The status id of whatever refuses the add-on before the disc is asked; 0 for none.
UINT RefusalOf(const ButtonRow& row, const CMenuContext& menu)
{
    if (row.pszProductCode != nullptr && UninstallKeyExists(row.pszProductCode))
        return row.nInstalledId;
    if (!RuleMet(row.rule, menu))
        return row.nRuleId;
    return 0;
}
}  // namespace

ButtonState CAddOnInstaller::Refresh(const ButtonRow& row) const
{
    return m_menu.OfferFromDisc(RefusalOf(row, m_menu), {row.files[0]}, row.nNotFoundId);
}

AfterClick CAddOnInstaller::Install(const ButtonRow& row)
{
    return m_menu.Run(row.launch, QuoteArgument(m_menu.DiscPathOf(row.files[0])), row.files[0]);
}

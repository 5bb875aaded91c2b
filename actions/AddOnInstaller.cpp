#include "actions/AddOnInstaller.h"

#include "actions/CommandLine.h"
#include "actions/ModelDlg.h"
#include "probes/Registry.h"
#include "res/strings.h"

#include <iterator>

namespace
{
enum class Rule
{
    None,
    ProWithSuite,   // the suite installed and a Velquin Pro
    WithoutSuite    // systems without the suite (and its codecs) only
};

enum class Launch
{
    Wait,
    WaitAndReport,  // report a setup still running when the wait ends
    NoWait
};

struct AddOnRow
{
    AddOn key;
    Rule rule;
    UINT nInstalledId;
    UINT nRuleId;
    UINT nNotFoundId;
    bool bLanguageSwitch;
    Launch launch;
    AfterClick afterWait;           // what a waited setup may have changed
};

constexpr AddOnRow kAddOns[] = {
    {AddOn::AfterEffects, Rule::ProWithSuite,
     IDS_STATUS_AFTER_EFFECTS_INSTALLED, IDS_STATUS_AFTER_EFFECTS_RULE, IDS_STATUS_AFTER_EFFECTS_NOT_FOUND,
     true, Launch::Wait, AfterClick::RefreshButton},
    {AddOn::ThreeDsMax, Rule::ProWithSuite,
     IDS_STATUS_3DS_MAX_INSTALLED, IDS_STATUS_3DS_MAX_RULE, IDS_STATUS_3DS_MAX_NOT_FOUND,
     true, Launch::WaitAndReport, AfterClick::RefreshButton},
    {AddOn::LightWave, Rule::ProWithSuite,
     IDS_STATUS_LIGHTWAVE_INSTALLED, IDS_STATUS_LIGHTWAVE_RULE, IDS_STATUS_LIGHTWAVE_NOT_FOUND,
     true, Launch::WaitAndReport, AfterClick::RefreshButton},
    {AddOn::Effects, Rule::ProWithSuite,
     0, IDS_STATUS_EFFECTS_RULE, IDS_STATUS_EFFECTS_NOT_FOUND,
     true, Launch::Wait, AfterClick::RefreshButton},
    {AddOn::Wallpapers, Rule::None,
     IDS_STATUS_WALLPAPERS_INSTALLED, 0, IDS_STATUS_WALLPAPERS_NOT_FOUND,
     true, Launch::WaitAndReport, AfterClick::RefreshButton},
    {AddOn::VfwCodecs, Rule::WithoutSuite,
     IDS_STATUS_VFW_INSTALLED, IDS_STATUS_VFW_RULE, IDS_STATUS_VFW_NOT_FOUND,
     true, Launch::WaitAndReport, AfterClick::RefreshSuiteAndButton},
    {AddOn::SpiceMaster, Rule::None,
     0, 0, IDS_STATUS_SPICEMASTER_NOT_FOUND,
     false, Launch::NoWait, AfterClick::Nothing},
};

constexpr bool RowsFollowTheirKeys()
{
    for (size_t i = 0; i < std::size(kAddOns); ++i)
    {
        if (kAddOns[i].key != static_cast<AddOn>(i))
            return false;
    }
    return true;
}
static_assert(std::size(kAddOns) == static_cast<size_t>(AddOn::Count) && RowsFollowTheirKeys(),
              "one add-on row per AddOn, in the order of the enum");

const AddOnRow& RowOf(AddOn addOn)
{
    return kAddOns[static_cast<size_t>(addOn)];
}

bool RuleMet(Rule rule, const CMenuContext& menu)
{
    switch (rule)
    {
    case Rule::ProWithSuite: return menu.SuiteInstalled() && menu.HardwareModel() == kModelPro;
    case Rule::WithoutSuite: return !menu.SuiteInstalled();
    case Rule::None: break;
    }
    return true;
}

// The status id of whatever refuses the add-on before the disc is asked; 0 for none.
UINT RefusalOf(const AddOnRow& row, const wchar_t* pszProductCode, const CMenuContext& menu)
{
    if (pszProductCode != nullptr && UninstallKeyExists(pszProductCode))
        return row.nInstalledId;
    if (!RuleMet(row.rule, menu))
        return row.nRuleId;
    return 0;
}
}  // namespace

ButtonState CAddOnInstaller::Refresh(AddOn addOn, const ButtonRow& button) const
{
    const AddOnRow& row = RowOf(addOn);
    return m_menu.OfferFromDisc(RefusalOf(row, button.pszProductCode, m_menu), {button.files[0]}, row.nNotFoundId);
}

AfterClick CAddOnInstaller::Install(AddOn addOn, const DiscFileIds& setup)
{
    const AddOnRow& row = RowOf(addOn);
    CString strCommand = QuoteArgument(m_menu.DiscPathOf(setup));
    if (row.bLanguageSwitch)
        strCommand += LanguageSwitch(m_menu.Language().StoredValue());

    if (row.launch == Launch::NoWait)
    {
        m_menu.Launcher().StartProgram(strCommand, nullptr, IDS_TITLE_SPLASH);
        return AfterClick::Nothing;
    }
    m_menu.Launcher().RunProgramHidden(strCommand, nullptr, kInstallTimeoutMs,
                                       row.launch == Launch::WaitAndReport);
    return row.afterWait;
}

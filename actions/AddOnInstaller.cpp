#include "actions/AddOnInstaller.h"

#include "actions/CommandLine.h"
#include "actions/ModelDlg.h"
#include "actions/SuiteInstaller.h"
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
    const wchar_t* pszProductCode;  // null: no installed test
    Rule rule;
    UINT nInstalledId;
    UINT nRuleId;
    UINT nNotFoundId;
    const wchar_t* pszProgram;      // after the disc root
    bool bLanguageSwitch;
    Launch launch;
    AfterClick afterWait;           // what a waited setup may have changed
};

constexpr AddOnRow kAddOns[] = {
    {AddOn::AfterEffects, L"{6FBC8FFB-23FB-464C-8657-24F57CB520A5}", Rule::ProWithSuite,
     IDS_STATUS_AFTER_EFFECTS_INSTALLED, IDS_STATUS_AFTER_EFFECTS_RULE, IDS_STATUS_AFTER_EFFECTS_NOT_FOUND,
     L"\\ExtraPlug-ins\\AfterEffects\\setup.exe", true, Launch::Wait, AfterClick::RefreshButton},
    {AddOn::ThreeDsMax, L"{7A2BAC23-BC7C-4A7C-8A63-8CCE51A607B3}", Rule::ProWithSuite,
     IDS_STATUS_3DS_MAX_INSTALLED, IDS_STATUS_3DS_MAX_RULE, IDS_STATUS_3DS_MAX_NOT_FOUND,
     L"\\ExtraPlug-ins\\3DsMax\\setup.exe", true, Launch::WaitAndReport, AfterClick::RefreshButton},
    {AddOn::LightWave, L"{9E2C41A7-3B5D-4F80-B6C2-1D7E8A94F305}", Rule::ProWithSuite,
     IDS_STATUS_LIGHTWAVE_INSTALLED, IDS_STATUS_LIGHTWAVE_RULE, IDS_STATUS_LIGHTWAVE_NOT_FOUND,
     L"\\ExtraPlug-ins\\LightWave\\setup.exe", true, Launch::WaitAndReport, AfterClick::RefreshButton},
    {AddOn::Effects, nullptr, Rule::ProWithSuite,
     0, IDS_STATUS_EFFECTS_RULE, IDS_STATUS_EFFECTS_NOT_FOUND,
     L"\\ExtraPlug-ins\\Effects\\Setup.exe", true, Launch::Wait, AfterClick::RefreshButton},
    {AddOn::Wallpapers, L"{5F683762-A1AE-4043-9BED-E8443F625D9B}", Rule::None,
     IDS_STATUS_WALLPAPERS_INSTALLED, 0, IDS_STATUS_WALLPAPERS_NOT_FOUND,
     L"\\Bonus\\DesktopWallpapers\\setup.exe", true, Launch::WaitAndReport, AfterClick::RefreshButton},
    {AddOn::VfwCodecs, kVfwCodecsProductCode, Rule::WithoutSuite,
     IDS_STATUS_VFW_INSTALLED, IDS_STATUS_VFW_RULE, IDS_STATUS_VFW_NOT_FOUND,
     L"\\Bonus\\VFWSoftwareCodecs\\setup.exe", true, Launch::WaitAndReport, AfterClick::RefreshSuiteAndButton},
    {AddOn::SpiceMaster, nullptr, Rule::None,
     0, 0, IDS_STATUS_SPICEMASTER_NOT_FOUND,
     L"\\Bonus\\Pixelan\\spicemaster2zelvorademo.exe", false, Launch::NoWait, AfterClick::Nothing},
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
UINT RefusalOf(const AddOnRow& row, const CMenuContext& menu)
{
    if (row.pszProductCode != nullptr && UninstallKeyExists(row.pszProductCode))
        return row.nInstalledId;
    if (!RuleMet(row.rule, menu))
        return row.nRuleId;
    return 0;
}
}  // namespace

ButtonState CAddOnInstaller::Refresh(AddOn addOn, const DiscFileIds& file) const
{
    const AddOnRow& row = RowOf(addOn);
    return m_menu.OfferFromDisc(RefusalOf(row, m_menu), {file}, row.nNotFoundId);
}

AfterClick CAddOnInstaller::Install(AddOn addOn)
{
    const AddOnRow& row = RowOf(addOn);
    CString strCommand = QuoteArgument(m_menu.DiscRoot() + row.pszProgram);
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

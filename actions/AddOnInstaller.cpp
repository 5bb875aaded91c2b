#include "actions/AddOnInstaller.h"

#include "actions/CommandLine.h"
#include "actions/SuiteInstaller.h"
#include "app/LauncherDlg.h"
#include "probes/Registry.h"
#include "res/strings.h"

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
    CHoverButton CLauncherDlg::*pButton;
    AvailableFlag flag;
    const wchar_t* pszProductCode;  // null: no installed test
    Rule rule;
    UINT nFolderId;                 // folder pattern, "%s" the disc root
    UINT nNameId;                   // the file looked for; 0: pszName
    const wchar_t* pszName;
    UINT nCaptionId;
    UINT nDescriptionId;
    UINT nInstalledId;
    UINT nRuleId;
    UINT nNotFoundId;
    const wchar_t* pszProgram;      // after the disc root
    bool bLanguageSwitch;
    Launch launch;
    bool bRefreshSuiteAfter;        // the suite is refused while the codecs are installed
};

const AddOnRow kAddOns[] = {
    {&CLauncherDlg::m_btnAfterEffects, kAvailAfterEffects, L"{6FBC8FFB-23FB-464C-8657-24F57CB520A5}",
     Rule::ProWithSuite, IDS_FOLDER_AFTER_EFFECTS, IDS_FILE_SETUP, nullptr,
     IDS_CAPTION_AFTER_EFFECTS, IDS_DESC_AFTER_EFFECTS, IDS_STATUS_AFTER_EFFECTS_INSTALLED,
     IDS_STATUS_AFTER_EFFECTS_RULE, IDS_STATUS_AFTER_EFFECTS_NOT_FOUND,
     L"\\ExtraPlug-ins\\AfterEffects\\setup.exe", true, Launch::Wait, false},
    {&CLauncherDlg::m_btn3dsMax, kAvail3dsMax, L"{7A2BAC23-BC7C-4A7C-8A63-8CCE51A607B3}",
     Rule::ProWithSuite, IDS_FOLDER_3DS_MAX, IDS_FILE_SETUP, nullptr,
     IDS_CAPTION_3DS_MAX, IDS_DESC_3DS_MAX, IDS_STATUS_3DS_MAX_INSTALLED,
     IDS_STATUS_3DS_MAX_RULE, IDS_STATUS_3DS_MAX_NOT_FOUND,
     L"\\ExtraPlug-ins\\3DsMax\\setup.exe", true, Launch::WaitAndReport, false},
    {&CLauncherDlg::m_btnLightWave, kAvailLightWave, L"{9E2C41A7-3B5D-4F80-B6C2-1D7E8A94F305}",
     Rule::ProWithSuite, IDS_FOLDER_LIGHTWAVE, IDS_FILE_SETUP, nullptr,
     IDS_CAPTION_LIGHTWAVE, IDS_DESC_LIGHTWAVE, IDS_STATUS_LIGHTWAVE_INSTALLED,
     IDS_STATUS_LIGHTWAVE_RULE, IDS_STATUS_LIGHTWAVE_NOT_FOUND,
     L"\\ExtraPlug-ins\\LightWave\\setup.exe", true, Launch::WaitAndReport, false},
    {&CLauncherDlg::m_btnEffects, kAvailEffects, nullptr,
     Rule::ProWithSuite, IDS_FOLDER_EFFECTS, IDS_FILE_EFFECTS_SETUP, nullptr,
     IDS_CAPTION_EFFECTS, IDS_DESC_EFFECTS, 0,
     IDS_STATUS_EFFECTS_RULE, IDS_STATUS_EFFECTS_NOT_FOUND,
     L"\\ExtraPlug-ins\\Effects\\Setup.exe", true, Launch::Wait, false},
    {&CLauncherDlg::m_btnWallpapers, kAvailWallpapers, L"{5F683762-A1AE-4043-9BED-E8443F625D9B}",
     Rule::None, IDS_FOLDER_WALLPAPERS, IDS_FILE_SETUP, nullptr,
     IDS_CAPTION_WALLPAPERS, IDS_DESC_WALLPAPERS, IDS_STATUS_WALLPAPERS_INSTALLED,
     0, IDS_STATUS_WALLPAPERS_NOT_FOUND,
     L"\\Bonus\\DesktopWallpapers\\setup.exe", true, Launch::WaitAndReport, false},
    {&CLauncherDlg::m_btnVfwCodecs, kAvailVfwCodecs, kVfwCodecsProductCode,
     Rule::WithoutSuite, IDS_FOLDER_VFW_CODECS, IDS_FILE_SETUP, nullptr,
     IDS_CAPTION_VFW_CODECS, IDS_DESC_VFW_CODECS, IDS_STATUS_VFW_INSTALLED,
     IDS_STATUS_VFW_RULE, IDS_STATUS_VFW_NOT_FOUND,
     L"\\Bonus\\VFWSoftwareCodecs\\setup.exe", true, Launch::WaitAndReport, true},
    {&CLauncherDlg::m_btnSpiceMaster, kAvailSpiceMaster, nullptr,
     Rule::None, IDS_FOLDER_PIXELAN, 0, L"spicemaster2zelvorademo.exe",
     IDS_CAPTION_SPICEMASTER, IDS_DESC_SPICEMASTER, 0,
     0, IDS_STATUS_SPICEMASTER_NOT_FOUND,
     L"\\Bonus\\Pixelan\\spicemaster2zelvorademo.exe", false, Launch::NoWait, false},
};

const AddOnRow& RowOf(AddOn addOn)
{
    return kAddOns[static_cast<int>(addOn)];
}

CString FileNameOf(const AddOnRow& row)
{
    return row.nNameId != 0 ? CLauncherDlg::LoadFixed(row.nNameId) : CString(row.pszName);
}

bool RuleMet(Rule rule, const CLauncherDlg& menu)
{
    switch (rule)
    {
    case Rule::ProWithSuite: return menu.m_bSuiteInstalled && menu.m_nHardwareModel == kModelPro;
    case Rule::WithoutSuite: return !menu.m_bSuiteInstalled;
    case Rule::None: break;
    }
    return true;
}
}  // namespace

void CAddOnInstaller::Refresh(AddOn addOn)
{
    const AddOnRow& row = RowOf(addOn);
    BOOL bAvailable = FALSE;
    CString strStatus;
    if (row.pszProductCode != nullptr && UninstallKeyExists(row.pszProductCode))
    {
        strStatus = m_menu.LoadText(row.nInstalledId);
    }
    else if (!RuleMet(row.rule, m_menu))
    {
        strStatus = m_menu.LoadText(row.nRuleId);
    }
    else
    {
        bAvailable = m_menu.DiscFolderContains(row.nFolderId, FileNameOf(row));
        if (!bAvailable)
            strStatus = m_menu.LoadText(row.nNotFoundId);
    }
    m_menu.ShowButtonState(row.flag, m_menu.*row.pButton, bAvailable, row.nCaptionId, row.nDescriptionId, strStatus);
}

void CAddOnInstaller::Install(AddOn addOn)
{
    const AddOnRow& row = RowOf(addOn);
    CString strCommand = QuoteArgument(m_menu.m_strDiscRoot + row.pszProgram);
    if (row.bLanguageSwitch)
        strCommand += LanguageSwitch(m_menu.m_nLanguageValue);

    if (row.launch == Launch::NoWait)
    {
        m_menu.Launcher().StartProgram(strCommand, nullptr, IDS_TITLE_SPLASH);
        return;
    }
    m_menu.Launcher().RunProgramHidden(strCommand, nullptr, kInstallTimeoutMs,
                                       row.launch == Launch::WaitAndReport);
    if (row.bRefreshSuiteAfter)
        m_menu.RefreshSuite();
    Refresh(addOn);
}

ButtonDiscFiles CAddOnInstaller::DiscFiles(AddOn addOn)
{
    const AddOnRow& row = RowOf(addOn);
    return {row.nCaptionId, true, {{L"", {DiscFile::FromPattern(row.nFolderId, FileNameOf(row))}}}};
}

#include "actions/SuiteInstaller.h"

#include "actions/CommandLine.h"
#include "app/Language.h"
#include "app/LauncherDlg.h"
#include "probes/DirectX.h"
#include "probes/Registry.h"
#include "probes/WindowsVersion.h"
#include "res/strings.h"

const wchar_t kVfwCodecsProductCode[] = L"{c8ba4e9d-9f8e-4cc3-9d78-ff0f5ee5a4ac}";

namespace
{
const wchar_t kZelvoraKey[] = L"SOFTWARE\\Zelvora";
const wchar_t kSplashPathValueName[] = L"SplashPath";
const wchar_t kDiscSetup[] = L"\\setup.exe";
const wchar_t kSuiteSetup[] = L"\\Corla\\setup.exe";
const wchar_t kSuiteFolder[] = L"\\Corla";
const wchar_t kDirectXFolder[] = L"\\Corla\\Support\\Directx8\\";
const wchar_t kDirectXInstaller[] = L"\\dx81.exe";
}  // namespace

LPCWSTR DirectXLanguageFolder(WORD wPrimaryLanguage)
{
    switch (wPrimaryLanguage)
    {
    case LANG_GERMAN: return L"German";
    case LANG_SPANISH: return L"Spanish";
    case LANG_FRENCH: return L"French";
    case LANG_ITALIAN: return L"Italian";
    case LANG_JAPANESE: return L"Japanese";
    default: return L"english";
    }
}

CString DirectXInstallerPath(WORD wPrimaryLanguage)
{
    return kDirectXFolder + CString(DirectXLanguageFolder(wPrimaryLanguage)) + kDirectXInstaller;
}

ButtonDiscFiles CSuiteInstaller::DiscFiles()
{
    ButtonDiscFiles files{IDS_CAPTION_SUITE, true,
                          {{L"", {DiscFile::FromPattern(IDS_FOLDER_CORLA, CLauncherDlg::LoadFixed(IDS_FILE_SETUP))}},
                           {L"Windows 2000, DirectX check", {DiscFile::FromPath(kDSetupPath)}}}};
    for (int nIndex = 0; nIndex < kLanguageCount; ++nIndex)
    {
        files.needs.push_back({CString(L"Windows 2000 in ") + EnglishLanguageName(nIndex) + L", DirectX 8.1 setup",
                               {DiscFile::FromPath(DirectXInstallerPath(GetLanguage(nIndex).wPrimaryLanguage))}});
    }
    files.needs.push_back({L"Windows 2000, restart after DirectX", {DiscFile::FromPath(kDiscSetup)}});
    return files;
}

void CSuiteInstaller::Refresh()
{
    CString strStatus;
    BOOL bAvailable = FALSE;
    if (UninstallKeyExists(kVfwCodecsProductCode))
    {
        strStatus = m_menu.LoadText(IDS_STATUS_SUITE_VFW_INSTALLED);
    }
    else if (m_menu.m_bSuiteInstalled)
    {
        strStatus = m_menu.LoadText(IDS_STATUS_SUITE_INSTALLED);
    }
    else
    {
        bAvailable = m_menu.DiscFolderContains(IDS_FOLDER_CORLA, CLauncherDlg::LoadFixed(IDS_FILE_SETUP));
        if (!bAvailable)
            strStatus = m_menu.LoadText(IDS_STATUS_SUITE_NOT_FOUND);
    }
    m_menu.ShowButtonState(m_menu.m_btnSuite, bAvailable, IDS_CAPTION_SUITE, IDS_DESC_SUITE, strStatus);
}

CString CSuiteInstaller::ResumeCommand() const
{
    return m_menu.m_strDiscRoot + kDiscSetup;
}

void CSuiteInstaller::Install()
{
    WriteRegistryString(kZelvoraKey, kSplashPathValueName, ResumeCommand());
    switch (ClassifyWindowsVersion())
    {
    case kWindowsXP:
    case kWindowsNewer:
        RunSuiteSetup();
        break;
    case kWindows2000:
        if (HasDirectX8(m_menu.m_strDiscRoot))
            RunSuiteSetup();
        else
            InstallDirectX();
        break;
    case kWindowsOther:
        break;
    }
}

void CSuiteInstaller::InstallDirectX()
{
    // The question stays English whatever the menu's language.
    if (m_menu.MessageBox(CLauncherDlg::LoadFixed(IDS_MSG_DIRECTX_QUESTION),
                          CLauncherDlg::LoadFixed(IDS_TITLE_DIRECTX), MB_YESNO) != IDYES)
        return;

    const CString strInstaller = m_menu.m_strDiscRoot + DirectXInstallerPath(PRIMARYLANGID(::GetSystemDefaultLangID()));
    if (!m_menu.Launcher().StartProgram(QuoteArgument(strInstaller), nullptr, IDS_TITLE_DIRECTX))
        return;
    // The Run value is a command line: quoted like every other one.
    WriteRegistryString(kRunKey, kRunValueName, QuoteArgument(ResumeCommand()));
    m_menu.EndDialog(0);
}

void CSuiteInstaller::RunSuiteSetup()
{
    const CString strCommand = QuoteArgument(m_menu.m_strDiscRoot + kSuiteSetup) +
                               LanguageSwitch(m_menu.m_nLanguageValue);
    const CString strFolder = m_menu.m_strDiscRoot + kSuiteFolder;
    m_menu.Launcher().RunProgramHidden(strCommand, strFolder, INFINITE, true);
}

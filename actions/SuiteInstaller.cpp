#include "actions/SuiteInstaller.h"

#include "actions/CommandLine.h"
#include "actions/ZelvoraKey.h"
#include "actions/RunKeyResume.h"
#include "probes/DirectX.h"
#include "probes/Registry.h"
#include "probes/WindowsVersion.h"
#include "res/strings.h"

const wchar_t kSuiteProductCode[] = L"{5FDD4E6F-84E5-4E1A-AC16-F471369201A1}";
const wchar_t kVfwCodecsProductCode[] = L"{c8ba4e9d-9f8e-4cc3-9d78-ff0f5ee5a4ac}";

namespace
{
const wchar_t kSplashPathValueName[] = L"SplashPath";
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

ButtonState CSuiteInstaller::Refresh(const DiscFileIds& setup) const
{
    UINT nRefusalId = 0;
    if (UninstallKeyExists(kVfwCodecsProductCode))
        nRefusalId = IDS_STATUS_SUITE_VFW_INSTALLED;
    else if (m_menu.SuiteInstalled())
        nRefusalId = IDS_STATUS_SUITE_INSTALLED;
    return m_menu.OfferFromDisc(nRefusalId, {setup}, IDS_STATUS_SUITE_NOT_FOUND);
}

AfterClick CSuiteInstaller::Install(const DiscFileIds& setup)
{
    WriteRegistryString(kZelvoraKey, kSplashPathValueName, ResumeCommand(m_menu.DiscRoot()));
    switch (ClassifyWindowsVersion())
    {
    case kWindowsXP:
    case kWindowsNewer:
        RunSuiteSetup(setup);
        break;
    case kWindows2000:
        if (!HasDirectX8(m_menu.DiscRoot()))
            return InstallDirectX();
        RunSuiteSetup(setup);
        break;
    case kWindowsOther:
        break;
    }
    return AfterClick::Nothing;
}

AfterClick CSuiteInstaller::InstallDirectX()
{
    // The question stays English whatever the menu's language.
    if (MenuMessageBox(m_menu.Owner(), CMenuContext::LoadFixed(IDS_MSG_DIRECTX_QUESTION),
                       CMenuContext::LoadFixed(IDS_TITLE_DIRECTX), MB_YESNO) != IDYES)
        return AfterClick::Nothing;

    const CString strInstaller = m_menu.DiscRoot() + DirectXInstallerPath(PRIMARYLANGID(::GetSystemDefaultLangID()));
    if (!m_menu.Launcher().StartProgram(QuoteArgument(strInstaller), nullptr, IDS_TITLE_DIRECTX))
        return AfterClick::Nothing;
    RegisterResume(m_menu.DiscRoot());
    return AfterClick::EndMenu;
}

void CSuiteInstaller::RunSuiteSetup(const DiscFileIds& setup)
{
    const CString strCommand =
        QuoteArgument(m_menu.DiscPathOf(setup)) + LanguageSwitch(m_menu.Language().StoredValue());
    // The setup runs in its own folder.
    const CString strFolder = m_menu.DiscFolder(setup.nFolderPatternId);
    m_menu.Launcher().RunProgramHidden(strCommand, strFolder, INFINITE, true);
}

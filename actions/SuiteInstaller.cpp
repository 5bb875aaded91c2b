#include "actions/SuiteInstaller.h"

#include "actions/CommandLine.h"
#include "actions/RunKeyResume.h"
#include "actions/ZelvoraKey.h"
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

CString DirectXInstallerPath(WORD wPrimaryLanguage)
{
    return kDirectXFolder + CString(LanguageFromPrimary(wPrimaryLanguage).pszDirectXFolder) + kDirectXInstaller;
}

ButtonState CSuiteInstaller::Refresh(const ButtonRow& row) const
{
    UINT nRefusalId = 0;
    if (UninstallKeyExists(kVfwCodecsProductCode))
        nRefusalId = row.nRuleId;
    else if (m_menu.SuiteInstalled())
        nRefusalId = row.nInstalledId;
    return m_menu.OfferFromDisc(nRefusalId, {row.files[0]}, row.nNotFoundId);
}

AfterClick CSuiteInstaller::Install(const ButtonRow& row)
{
    WriteRegistryString(kZelvoraKey, kSplashPathValueName, ResumeCommand(m_menu.DiscRoot()));
    switch (ClassifyWindowsVersion())
    {
    case kWindowsXP:
    case kWindowsNewer: return RunSuiteSetup(row);
    case kWindows2000: return HasDirectX8(m_menu.DiscRoot()) ? RunSuiteSetup(row) : InstallDirectX();
    case kWindowsOther: break;
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

AfterClick CSuiteInstaller::RunSuiteSetup(const ButtonRow& row)
{
    return m_menu.Run(row.launch, QuoteArgument(m_menu.DiscPathOf(row.files[0])), row.files[0]);
}

#include "actions/DocumentButtons.h"

#include "actions/CommandLine.h"
#include "actions/ModelDlg.h"
#include "app/Language.h"
#include "app/LauncherDlg.h"
#include "probes/AppPath.h"
#include "probes/Folder.h"
#include "res/strings.h"

namespace
{
const wchar_t kAcrobatExe[] = L"AcroRd32.exe";
const wchar_t kAcrobatInstaller[] = L"\\Bonus\\AcrobatReader\\Acrobat Reader 5.00.exe";
const wchar_t kReaderProgram[] = L"\\acrord32";
const wchar_t kManualLite[] = L"\\Docs\\Manual_Brisa.pdf";
const wchar_t kManualPro[] = L"\\Docs\\Manual_Quarn.pdf";
const wchar_t kExplorer[] = L"\\explorer.exe";

// The shell by its full path: a planted "explorer.exe" on the disc never runs.
// The system's Windows folder: on a Remote Desktop host GetWindowsDirectoryW
// may answer the user's private one.
CString ExplorerPath()
{
    wchar_t szWindows[MAX_PATH] = L"";
    const UINT nLength = ::GetSystemWindowsDirectoryW(szWindows, MAX_PATH);
    return CString(szWindows, nLength < MAX_PATH ? static_cast<int>(nLength) : 0) + kExplorer;
}
}  // namespace

void CDocumentButtons::RefreshAcrobatReader()
{
    BOOL bAvailable = FALSE;
    CString strStatus;
    if (AppPathExists(kAcrobatExe))
    {
        strStatus = m_menu.LoadText(IDS_STATUS_ACROBAT_INSTALLED);
    }
    else
    {
        bAvailable = m_menu.DiscFolderContains(IDS_FOLDER_ACROBAT_READER,
                                               CLauncherDlg::LoadFixed(IDS_FILE_ACROBAT_READER));
        if (!bAvailable)
            strStatus = m_menu.LoadText(IDS_STATUS_ACROBAT_NOT_FOUND);
    }
    m_menu.ShowButtonState(kAvailAcrobatReader, m_menu.m_btnAcrobatReader, bAvailable, IDS_CAPTION_ACROBAT_READER,
                           IDS_DESC_ACROBAT_READER, strStatus);
}

void CDocumentButtons::RefreshManual()
{
    BOOL bAvailable = FALSE;
    CString strStatus;
    ReadAppPath(kAcrobatExe, m_menu.m_strAcrobatFolder);
    if (m_menu.m_strAcrobatFolder.IsEmpty())
    {
        strStatus = m_menu.LoadText(IDS_STATUS_MANUAL_NEEDS_ACROBAT);
    }
    else
    {
        // Either edition will do: the model is asked for at the click.
        bAvailable = m_menu.DiscFolderContains(IDS_FOLDER_DOCS, CLauncherDlg::LoadFixed(IDS_FILE_MANUAL_LITE)) ||
                     m_menu.DiscFolderContains(IDS_FOLDER_DOCS, CLauncherDlg::LoadFixed(IDS_FILE_MANUAL_PRO));
        if (!bAvailable)
            strStatus = m_menu.LoadText(IDS_STATUS_MANUAL_NOT_FOUND);
    }
    m_menu.ShowButtonState(kAvailManual, m_menu.m_btnManual, bAvailable, IDS_CAPTION_MANUAL, IDS_DESC_MANUAL, strStatus);
}

void CDocumentButtons::RefreshReadme()
{
    const CString strEnglishName = CLauncherDlg::LoadFixed(IDS_FILE_README);
    const LanguageInfo& language = LanguageFromValue(m_menu.m_nLanguageValue);
    CString strFolder = m_menu.m_strDiscRoot;
    CString strName = strEnglishName;
    if (language.nIndex != kEnglishIndex)
    {
        strFolder = CString::Substitute(CLauncherDlg::LoadFixed(IDS_FOLDER_README), m_menu.m_strDiscRoot);
        strName = CLauncherDlg::LoadFixed(static_cast<UINT>(language.nIndex * kLanguageBaseStep) + IDS_FILE_README);
    }

    BOOL bAvailable = TRUE;
    CString strStatus;
    if (FolderContains(strName, strFolder))
        m_menu.m_strReadmePath = strFolder + L"\\" + strName;
    else if (FolderContains(strEnglishName, m_menu.m_strDiscRoot))
        m_menu.m_strReadmePath = m_menu.m_strDiscRoot + L"\\" + strEnglishName;
    else
    {
        bAvailable = FALSE;
        strStatus = m_menu.LoadText(IDS_STATUS_README_NOT_FOUND);
    }
    m_menu.ShowButtonState(kAvailReadme, m_menu.m_btnReadme, bAvailable, IDS_CAPTION_README, IDS_DESC_README, strStatus);
}

void CDocumentButtons::InstallAcrobatReader()
{
    // Created without flags: the installer shows its own windows.
    m_menu.Launcher().StartProgram(QuoteArgument(m_menu.m_strDiscRoot + kAcrobatInstaller), nullptr,
                                   IDS_TITLE_SPLASH, 0);
    RefreshAcrobatReader();
}

void CDocumentButtons::ViewManual()
{
    if (m_menu.m_nHardwareModel != kModelLite && m_menu.m_nHardwareModel != kModelPro)
    {
        CModelDlg chooser(nullptr);
        chooser.DoModal();
        m_menu.m_nHardwareModel = chooser.m_nModel;
    }
    if (m_menu.m_nHardwareModel != kModelLite && m_menu.m_nHardwareModel != kModelPro)
        return;

    const wchar_t* pszManual = m_menu.m_nHardwareModel == kModelLite ? kManualLite : kManualPro;
    const CString strCommand = QuoteArgument(m_menu.m_strAcrobatFolder + kReaderProgram) + L" " +
                               QuoteArgument(m_menu.m_strDiscRoot + pszManual);
    m_menu.Launcher().RunProgramHidden(strCommand, nullptr, kInstallTimeoutMs, true);
}

CString ReadmeCommandLine(const CString& strReadmePath)
{
    return QuoteArgument(ExplorerPath()) + L" " + QuoteArgument(strReadmePath);
}

void CDocumentButtons::ViewReadme()
{
    m_menu.Launcher().StartProgram(ReadmeCommandLine(m_menu.m_strReadmePath), nullptr, IDS_TITLE_SPLASH);
}

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

std::vector<DiscFile> ReadmeChoices(int nLanguageIndex)
{
    const DiscFile english{L"", CLauncherDlg::LoadFixed(IDS_FILE_README)};
    if (nLanguageIndex == kEnglishIndex)
        return {english};
    const UINT nNameId = static_cast<UINT>(nLanguageIndex * kLanguageBaseStep) + IDS_FILE_README;
    return {DiscFile::FromPattern(IDS_FOLDER_README, CLauncherDlg::LoadFixed(nNameId)), english};
}

void CDocumentButtons::RefreshReadme()
{
    BOOL bAvailable = FALSE;
    CString strStatus;
    for (const DiscFile& file : ReadmeChoices(LanguageFromValue(m_menu.m_nLanguageValue).nIndex))
    {
        const CString strFolder = m_menu.m_strDiscRoot + file.strFolder;
        if (FolderContains(file.strName, strFolder))
        {
            m_menu.m_strReadmePath = strFolder + L"\\" + file.strName;
            bAvailable = TRUE;
            break;
        }
    }
    if (!bAvailable)
        strStatus = m_menu.LoadText(IDS_STATUS_README_NOT_FOUND);
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

ButtonDiscFiles CDocumentButtons::AcrobatReaderDiscFiles()
{
    return {IDS_CAPTION_ACROBAT_READER, true,
            {{L"", {DiscFile::FromPattern(IDS_FOLDER_ACROBAT_READER, CLauncherDlg::LoadFixed(IDS_FILE_ACROBAT_READER))}}}};
}

ButtonDiscFiles CDocumentButtons::ManualDiscFiles()
{
    return {IDS_CAPTION_MANUAL, true,
            {{L"Velquin Lite", {DiscFile::FromPattern(IDS_FOLDER_DOCS, CLauncherDlg::LoadFixed(IDS_FILE_MANUAL_LITE))}},
             {L"Velquin Pro", {DiscFile::FromPattern(IDS_FOLDER_DOCS, CLauncherDlg::LoadFixed(IDS_FILE_MANUAL_PRO))}}}};
}

ButtonDiscFiles CDocumentButtons::ReadmeDiscFiles()
{
    ButtonDiscFiles files{IDS_CAPTION_README, true, {}};
    for (int nIndex = 0; nIndex < kLanguageCount; ++nIndex)
        files.needs.push_back({EnglishLanguageName(nIndex), ReadmeChoices(nIndex)});
    return files;
}

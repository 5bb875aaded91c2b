#include "actions/DocumentButtons.h"

#include "actions/CommandLine.h"
#include "actions/ModelDlg.h"
#include "probes/AppPath.h"
#include "res/strings.h"

namespace
{
const wchar_t kAcrobatExe[] = L"AcroRd32.exe";
const wchar_t kReaderProgram[] = L"\\acrord32";
const wchar_t kExplorer[] = L"\\explorer.exe";

// The shell by its full path: a planted "explorer.exe" on the disc never
// runs. The system's Windows folder: on a Remote Desktop host
// GetWindowsDirectoryW may answer the user's private one. Empty when it
// cannot be read: a bare "\explorer.exe" would name the current drive's root.
CString ExplorerPath()
{
    wchar_t szWindows[MAX_PATH] = L"";
    const UINT nLength = ::GetSystemWindowsDirectoryW(szWindows, MAX_PATH);
    if (nLength == 0 || nLength >= MAX_PATH)
        return CString();
    return CString(szWindows, static_cast<int>(nLength)) + kExplorer;
}

bool IsKnownModel(int nModel) { return nModel == kModelLite || nModel == kModelPro; }
}  // namespace

ButtonState CDocumentButtons::RefreshAcrobatReader(const ButtonRow& row) const
{
    return m_menu.OfferFromDisc(AppPathExists(kAcrobatExe) ? row.nInstalledId : 0, {row.files[0]}, row.nNotFoundId);
}

ButtonState CDocumentButtons::RefreshManual(const ButtonRow& row) const
{
    CString strAcrobatFolder;
    ReadAppPath(kAcrobatExe, strAcrobatFolder);
    // Either edition will do: the model is asked for at the click.
    ButtonState state = m_menu.OfferFromDisc(strAcrobatFolder.IsEmpty() ? row.nRuleId : 0, {row.files[0], row.files[1]},
                                             row.nNotFoundId);
    state.strTarget = strAcrobatFolder;
    return state;
}

ButtonState CDocumentButtons::RefreshReadme(const ButtonRow& row) const
{
    // files[0]: the Readme in the menu's language; files[1]: the English one in the root.
    const DiscFileIds& translated = row.files[0];
    const DiscFileIds& english = row.files[1];
    ButtonState state;
    if (!m_menu.Language().IsEnglish() &&
        m_menu.DiscFolderContains(translated.nFolderPatternId, m_menu.NameOf(translated)))
        state.strTarget = m_menu.DiscFolder(translated.nFolderPatternId) + L"\\" + m_menu.NameOf(translated);
    else if (m_menu.DiscFolderContains(english.nFolderPatternId, m_menu.NameOf(english)))
        state.strTarget = m_menu.DiscFolder(english.nFolderPatternId) + L"\\" + m_menu.NameOf(english);

    state.bAvailable = !state.strTarget.IsEmpty();
    if (!state.bAvailable)
        state.strStatus = m_menu.LoadText(row.nNotFoundId);
    return state;
}

AfterClick CDocumentButtons::InstallAcrobatReader(const ButtonRow& row)
{
    return m_menu.Run(row.launch, QuoteArgument(m_menu.DiscPathOf(row.files[0])), row.files[0]);
}

AfterClick CDocumentButtons::ViewManual(const ButtonRow& row, const CString& strAcrobatFolder)
{
    if (!IsKnownModel(m_menu.HardwareModel()))
    {
        CModelDlg chooser(nullptr);
        chooser.DoModal();
        m_menu.SetHardwareModel(chooser.m_nModel);
    }
    if (!IsKnownModel(m_menu.HardwareModel()))
        return AfterClick::Nothing;

    const DiscFileIds& manual = row.files[m_menu.HardwareModel() == kModelLite ? 0 : 1];
    const CString strCommand =
        QuoteArgument(strAcrobatFolder + kReaderProgram) + L" " + QuoteArgument(m_menu.DiscPathOf(manual));
    return m_menu.Run(row.launch, strCommand, manual);
}

CString ReadmeCommandLine(const CString& strReadmePath)
{
    const CString strExplorer = ExplorerPath();
    if (strExplorer.IsEmpty())
        return CString();
    return QuoteArgument(strExplorer) + L" " + AlwaysQuoted(strReadmePath);
}

AfterClick CDocumentButtons::ViewReadme(const ButtonRow& row, const CString& strReadmePath)
{
    const CString strCommand = ReadmeCommandLine(strReadmePath);
    if (!strCommand.IsEmpty())
        return m_menu.Run(row.launch, strCommand, row.files[0]);
    m_menu.Launcher().ReportCannotFind(kExplorer + 1, IDS_TITLE_SPLASH);
    return AfterClick::Nothing;
}

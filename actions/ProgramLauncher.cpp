#include "actions/ProgramLauncher.h"

#include "res/strings.h"

#include <vector>

DWORD WaitAnsweringSentMessages(HANDLE hObject, DWORD dwTimeoutMs)
{
    const DWORD dwStart = ::GetTickCount();
    for (;;)
    {
        DWORD dwRemaining = INFINITE;
        if (dwTimeoutMs != INFINITE)
        {
            const DWORD dwElapsed = ::GetTickCount() - dwStart;
            dwRemaining = dwElapsed < dwTimeoutMs ? dwTimeoutMs - dwElapsed : 0;
        }
        const DWORD dwResult = ::MsgWaitForMultipleObjects(1, &hObject, FALSE, dwRemaining, QS_SENDMESSAGE);
        if (dwResult != WAIT_OBJECT_0 + 1)
            return dwResult;
        MSG msg;
        ::PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
}

CHandle CProgramLauncher::Start(const CString& strCommandLine, LPCWSTR lpszWorkingFolder, UINT nFailureCaptionId,
                                DWORD dwCreationFlags)
{
    // CreateProcessW may write to the command line: hand it a copy.
    std::vector<wchar_t> commandLine(static_cast<LPCWSTR>(strCommandLine),
                                     static_cast<LPCWSTR>(strCommandLine) + strCommandLine.GetLength() + 1);
    STARTUPINFOW si{};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi{};
    // A child inherits the error mode, and the menu's own silences the
    // system's "insert the disc" and missing-DLL boxes that an installer needs.
    if (!::CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE,
                          dwCreationFlags | CREATE_DEFAULT_ERROR_MODE, nullptr, lpszWorkingFolder, &si, &pi))
    {
        ReportCannotFind(strCommandLine, nFailureCaptionId);
        return CHandle();
    }
    const CHandle thread(pi.hThread);
    return CHandle(pi.hProcess);
}

bool CProgramLauncher::StartProgram(const CString& strCommandLine, LPCWSTR lpszWorkingFolder, UINT nFailureCaptionId,
                                    DWORD dwCreationFlags)
{
    return Start(strCommandLine, lpszWorkingFolder, nFailureCaptionId, dwCreationFlags) != nullptr;
}

void CProgramLauncher::RunProgramHidden(const CString& strCommandLine, LPCWSTR lpszWorkingFolder, DWORD dwTimeoutMs,
                                        bool bReportUnfinished)
{
    const CHandle process = Start(strCommandLine, lpszWorkingFolder, IDS_TITLE_SPLASH, kDefaultCreationFlags);
    if (process == nullptr)
        return;

    m_menu.ShowWindow(SW_HIDE);
    const DWORD dwWait = WaitAnsweringSentMessages(process, dwTimeoutMs);
    if (bReportUnfinished && dwWait != WAIT_OBJECT_0)
        ShowError(IDS_MSG_INSTALL_UNFINISHED, CString(), IDS_TITLE_SPLASH);
    m_menu.ShowWindow(SW_SHOW);
}

void CProgramLauncher::ReportCannotFind(const CString& strCommandLine, UINT nCaptionId)
{
    ShowError(IDS_MSG_CANNOT_FIND_FILE, strCommandLine, nCaptionId);
}

void CProgramLauncher::ShowError(UINT nTextId, const CString& strInsert, UINT nCaptionId)
{
    MenuMessageBox(m_menu, CString::Substitute(m_language.LoadText(nTextId), strInsert),
                   CLanguage::LoadFixed(nCaptionId), MB_OK | MB_ICONHAND);
}

int MenuMessageBox(CWnd& owner, LPCWSTR lpszText, LPCWSTR lpszCaption, UINT nType)
{
    if (owner.IsWindowVisible())
        return owner.MessageBox(lpszText, lpszCaption, nType | MB_SETFOREGROUND);
    // A box owned by a hidden window has no taskbar button, and where the
    // system refuses it the foreground nothing shows it. Without an owner it
    // has a button, which the system flashes instead; task-modal keeps the
    // menu's own windows disabled as an owner would. Not topmost: after a
    // time-out the installer may still be open and in use.
    return ::MessageBoxW(nullptr, lpszText, lpszCaption, nType | MB_SETFOREGROUND | MB_TASKMODAL);
}

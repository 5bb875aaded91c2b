// CProgramLauncher: how the menu starts the programs of the disc. A start
// failure is reported with the command line; a waited program hides the menu
// until it ends or its time-out passes. While it waits the menu handles no
// input and no posted message, but it still answers messages that other
// programs send to it, so an installer that broadcasts is never blocked.
#pragma once

#include "actions/Language.h"
#include "framework/Handle.h"
#include "framework/Wnd.h"

constexpr DWORD kInstallTimeoutMs = 600000;
constexpr DWORD kDefaultCreationFlags = CREATE_NO_WINDOW | NORMAL_PRIORITY_CLASS;

class CProgramLauncher
{
public:
    // Messages are owned by menu and shown in the menu's language as it is
    // when they are shown.
    CProgramLauncher(CWnd& menu, const CLanguage& language) noexcept : m_menu(menu), m_language(language) {}

    // Starts commandLine; a null working folder keeps the menu's own. Every
    // program gets the system's default error mode, whatever the menu's. On
    // failure shows "cannot find the file" under caption nFailureCaptionId.
    bool StartProgram(const CString& strCommandLine, LPCWSTR lpszWorkingFolder, UINT nFailureCaptionId,
                      DWORD dwCreationFlags = kDefaultCreationFlags);
    // Starts commandLine and waits for it with the menu hidden.
    void RunProgramHidden(const CString& strCommandLine, LPCWSTR lpszWorkingFolder, DWORD dwTimeoutMs,
                          bool bReportUnfinished);

    // Shows "cannot find the file" for strCommandLine under caption nCaptionId.
    void ReportCannotFind(const CString& strCommandLine, UINT nCaptionId);

private:
    CHandle Start(const CString& strCommandLine, LPCWSTR lpszWorkingFolder, UINT nFailureCaptionId,
                  DWORD dwCreationFlags);
    void ShowError(UINT nTextId, const CString& strInsert, UINT nCaptionId);

    CWnd& m_menu;
    const CLanguage& m_language;
};

// A message box of the menu, brought to the front: after a hidden wait the
// menu is still hidden and the programs it ran may hold the foreground. While
// the menu is hidden the box has no owner, so that it has a taskbar button,
// and is modal to the menu's thread.
int MenuMessageBox(CWnd& owner, LPCWSTR lpszText, LPCWSTR lpszCaption, UINT nType);

// Waits for hObject up to dwTimeoutMs, delivering only the messages other
// threads send meanwhile. Returns what WaitForSingleObject would.
DWORD WaitAnsweringSentMessages(HANDLE hObject, DWORD dwTimeoutMs);

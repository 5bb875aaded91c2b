// What the menu's clicks ask of the system, recorded at this executable's
// imports while the object lives (the program is linked into the test): each
// start with its command line, folder and flags, each wait, each message box,
// and whether the menu showed at the time. No program really starts; a wait
// ends as when the program outlives its time-out, and a start can be made to
// fail. Message boxes are answered Yes or OK.
#pragma once

#include "tests/support/ImportHook.h"

#include <optional>
#include <string>
#include <vector>

class CLaunchRecorder
{
public:
    struct Start
    {
        std::wstring commandLine;
        std::optional<std::wstring> folder;  // none: the menu's own
        DWORD dwFlags;
    };
    struct Wait
    {
        DWORD dwTimeoutMs;
        bool bMenuVisible;
    };
    struct Box
    {
        HWND hOwner;
        std::wstring text, caption;
        UINT uType;
        bool bMenuVisible;
    };

    explicit CLaunchRecorder(HWND hMenu, bool bStartsFail = false) : m_hMenu(hMenu), m_bStartsFail(bStartsFail)
    {
        s_pCurrent = this;
    }
    ~CLaunchRecorder() { s_pCurrent = nullptr; }
    CLaunchRecorder(const CLaunchRecorder&) = delete;
    CLaunchRecorder& operator=(const CLaunchRecorder&) = delete;

    std::vector<Start> starts;
    std::vector<Wait> waits;
    std::vector<Box> boxes;

private:
    static BOOL WINAPI CreateProcessHere(LPCWSTR, LPWSTR pszCommandLine, LPSECURITY_ATTRIBUTES, LPSECURITY_ATTRIBUTES,
                                         BOOL, DWORD dwFlags, LPVOID, LPCWSTR pszFolder, LPSTARTUPINFOW,
                                         LPPROCESS_INFORMATION pProcess);
    static DWORD WINAPI WaitHere(DWORD, const HANDLE*, BOOL, DWORD dwTimeoutMs, DWORD);
    static int WINAPI MessageBoxHere(HWND, LPCWSTR pszText, LPCWSTR pszCaption, UINT uType);

    static inline CLaunchRecorder* s_pCurrent = nullptr;
    HWND m_hMenu;
    bool m_bStartsFail;
    ImportHook m_start{L"kernel32.dll", "CreateProcessW", reinterpret_cast<const void*>(&CreateProcessHere)};
    ImportHook m_wait{L"user32.dll", "MsgWaitForMultipleObjects", reinterpret_cast<const void*>(&WaitHere)};
    ImportHook m_box{L"user32.dll", "MessageBoxW", reinterpret_cast<const void*>(&MessageBoxHere)};
};

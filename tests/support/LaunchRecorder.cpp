#include "tests/support/LaunchRecorder.h"

BOOL WINAPI CLaunchRecorder::CreateProcessHere(LPCWSTR, LPWSTR pszCommandLine, LPSECURITY_ATTRIBUTES,
                                               LPSECURITY_ATTRIBUTES, BOOL, DWORD dwFlags, LPVOID, LPCWSTR pszFolder,
                                               LPSTARTUPINFOW, LPPROCESS_INFORMATION pProcess)
{
    CLaunchRecorder& self = *s_pCurrent;
    self.starts.push_back(
        {pszCommandLine, pszFolder != nullptr ? std::optional<std::wstring>(pszFolder) : std::nullopt, dwFlags});
    if (self.m_bStartsFail)
    {
        ::SetLastError(ERROR_FILE_NOT_FOUND);
        return FALSE;
    }
    // Signalled events stand in for the process and its thread.
    *pProcess = {::CreateEventW(nullptr, TRUE, TRUE, nullptr), ::CreateEventW(nullptr, TRUE, TRUE, nullptr), 0, 0};
    return TRUE;
}

DWORD WINAPI CLaunchRecorder::WaitHere(DWORD, const HANDLE*, BOOL, DWORD dwTimeoutMs, DWORD)
{
    s_pCurrent->waits.push_back({dwTimeoutMs, ::IsWindowVisible(s_pCurrent->m_hMenu) != FALSE});
    return WAIT_TIMEOUT;
}

int WINAPI CLaunchRecorder::MessageBoxHere(HWND hOwner, LPCWSTR pszText, LPCWSTR pszCaption, UINT uType)
{
    s_pCurrent->boxes.push_back({hOwner, pszText, pszCaption, uType, ::IsWindowVisible(s_pCurrent->m_hMenu) != FALSE});
    return (uType & MB_TYPEMASK) == MB_YESNO ? IDYES : IDOK;
}

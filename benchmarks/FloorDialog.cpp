// The floor of the start-up benchmark: the least a dialog program can do,
// a dialog of the menu's size with a title and a default button. Built once
// more with SPLASH_FLOOR_TRACE, it marks the start-up points it shares with
// the menu, for the phase table.
#include <windows.h>

#ifdef SPLASH_FLOOR_TRACE
#include "framework/StartupTrace.h"
#define FLOOR_MARK(point) MarkStartup(StartupPoint::point)
#else
#define FLOOR_MARK(point)
#endif

namespace
{
INT_PTR CALLBACK FloorProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM) noexcept
{
    switch (message)
    {
    case WM_INITDIALOG:
        FLOOR_MARK(kDialogCreated);
        SetWindowTextW(hWnd, L"Bench Floor");
        FLOOR_MARK(kButtonsRefreshed);
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)
            EndDialog(hWnd, 0);
        return TRUE;
    default: return FALSE;
    }
}
}  // namespace

int WINAPI wWinMain(HINSTANCE hInstance, HINSTANCE, LPWSTR, int)
{
    FLOOR_MARK(kEntered);
    return static_cast<int>(DialogBoxParamW(hInstance, MAKEINTRESOURCEW(1), nullptr, &FloorProc, 0));
}

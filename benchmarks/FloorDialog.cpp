// The floor of the start-up benchmark: the least a dialog program can do,
// a dialog of the menu's size with a title and a default button.
#include <windows.h>

namespace
{
INT_PTR CALLBACK FloorProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM) noexcept
{
    switch (message)
    {
    case WM_INITDIALOG:
        SetWindowTextW(hWnd, L"Bench Floor");
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)
            EndDialog(hWnd, 0);
        return TRUE;
    default:
        return FALSE;
    }
}
}  // namespace

int WINAPI wWinMain(HINSTANCE hInstance, HINSTANCE, LPWSTR, int)
{
    return static_cast<int>(DialogBoxParamW(hInstance, MAKEINTRESOURCEW(1), nullptr, &FloorProc, 0));
}

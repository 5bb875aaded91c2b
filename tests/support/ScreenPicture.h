// What a dialog shows on the screen, as a picture: everything the dialog and
// its controls paint (erasing, WM_PAINT, owner-drawn buttons) lands on one
// canvas that keeps what was painted before, as a screen does, so an area
// repainted without being erased, or not repainted at all, shows. Wine's null
// driver keeps no pixels, so each paint is sent to the canvas instead.
#pragma once

#include "tests/support/DialogTestSupport.h"
#include "tests/support/ImportHook.h"

#include <map>
#include <memory>
#include <string>

class CScreenPicture
{
public:
    // From now on the dialog and its controls paint here; all of it is
    // invalidated, as when a window is first shown.
    explicit CScreenPicture(HWND hDialog);
    ~CScreenPicture();
    CScreenPicture(const CScreenPicture&) = delete;
    CScreenPicture& operator=(const CScreenPicture&) = delete;

    // Paints what is waiting to be painted, then reads the screen.
    Pixels Take();

private:
    static LRESULT CALLBACK Procedure(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
    static HDC WINAPI BeginPaintHere(HWND hWnd, LPPAINTSTRUCT pPaint);
    static BOOL WINAPI EndPaintHere(HWND hWnd, const PAINTSTRUCT* pPaint);
    // The canvas, positioned at hWnd and clipped to rc (in hWnd's client
    // coordinates), in a state restored by Release.
    HDC Target(HWND hWnd, const RECT& rc);
    void Release();
    void PrintClient(HWND hWnd, WNDPROC pfnProcedure, const RECT& rc);
    void FollowClientSize();

    static inline CScreenPicture* s_pCurrent = nullptr;
    HWND m_hDialog;
    std::unique_ptr<CCanvas> m_pCanvas;
    SIZE m_size{};
    std::map<HWND, WNDPROC> m_procedures;
    std::map<HDC, HDC> m_paintDCs;  // canvas handed out by BeginPaint -> the real DC
    bool m_bPaintedHere = false;
    int m_nSaved = 0;
    ImportHook m_begin{L"user32.dll", "BeginPaint", reinterpret_cast<const void*>(&BeginPaintHere)};
    ImportHook m_end{L"user32.dll", "EndPaint", reinterpret_cast<const void*>(&EndPaintHere)};
};

// Compares a picture exactly with the reference tests/pictures/<name>.png
// (tests/pictures/<target>/<name>.png where the target draws differently).
// On a difference it fails and writes <name>.actual.png and <name>.diff.png
// (the differing pixels in red) under the build's test-pictures folder. With
// SPLASH_UPDATE_PICTURES=1 it writes the reference instead, for review.
void ExpectPicture(const Pixels& picture, const std::string& name);

// The high-contrast theme as a test sets it. Wine always reports the theme
// off, so the program's question is answered here while the report lives;
// the palette gives the system colours values of its own, none of them in the
// artwork, and puts the old ones back.
#pragma once

#include "tests/support/ImportHook.h"

#include <windows.h>

#include <array>

class CHighContrastReport
{
public:
    explicit CHighContrastReport(bool bOn) { s_bOn = bOn; }
    static void Set(bool bOn) { s_bOn = bOn; }

private:
    static BOOL WINAPI Answer(UINT uiAction, UINT uiParam, PVOID pvParam, UINT fWinIni);
    static inline bool s_bOn = false;
    ImportHook m_hook{L"user32.dll", "SystemParametersInfoW", reinterpret_cast<const void*>(&Answer)};
};

class CSystemPalette
{
public:
    static constexpr int kElements[] = {COLOR_WINDOW,    COLOR_WINDOWTEXT,    COLOR_BTNFACE, COLOR_BTNTEXT,
                                        COLOR_HIGHLIGHT, COLOR_HIGHLIGHTTEXT, COLOR_GRAYTEXT};
    static constexpr COLORREF kColours[] = {RGB(0, 0, 0),     RGB(255, 255, 255), RGB(48, 0, 48), RGB(255, 255, 0),
                                            RGB(26, 235, 255), RGB(64, 0, 0),     RGB(63, 242, 63)};
    CSystemPalette();
    ~CSystemPalette();
    CSystemPalette(const CSystemPalette&) = delete;
    CSystemPalette& operator=(const CSystemPalette&) = delete;

private:
    std::array<COLORREF, std::size(kElements)> m_old{};
};

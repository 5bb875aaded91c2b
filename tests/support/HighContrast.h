// The system's high-contrast flag as a test sets it: Wine always reports it
// off, so the program's question is answered here while the object lives.
// With a scheme, the system colours the program asks for are the scheme's.
#pragma once

#include "tests/support/ImportHook.h"

#include <memory>

// The elements the high-contrast look draws with, in the colours of the
// standard high-contrast themes.
struct HighContrastScheme
{
    const char* name;
    COLORREF crWindow, crWindowText, crButtonFace, crButtonText, crHighlight, crHighlightText, crGrayText;
};
// clang-format off
inline constexpr HighContrastScheme kHighContrastBlack{"Black", RGB(0, 0, 0), RGB(255, 255, 255), RGB(0, 0, 0), RGB(255, 255, 255), RGB(26, 235, 255), RGB(0, 0, 0), RGB(63, 242, 0)};
inline constexpr HighContrastScheme kHighContrastWhite{"White", RGB(255, 255, 255), RGB(0, 0, 0), RGB(255, 255, 255), RGB(0, 0, 0), RGB(55, 0, 110), RGB(255, 255, 255), RGB(96, 0, 0)};
inline constexpr HighContrastScheme kHighContrast1{"One", RGB(0, 0, 0), RGB(255, 255, 0), RGB(0, 0, 0), RGB(255, 255, 0), RGB(0, 128, 0), RGB(255, 255, 255), RGB(0, 255, 0)};
inline constexpr HighContrastScheme kHighContrast2{"Two", RGB(0, 0, 0), RGB(0, 255, 0), RGB(0, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255), RGB(255, 255, 255), RGB(128, 128, 128)};
// clang-format on

class CHighContrastReport
{
public:
    explicit CHighContrastReport(bool bOn) { s_bOn = bOn; }
    // On, with the scheme's colours.
    explicit CHighContrastReport(const HighContrastScheme& scheme);
    ~CHighContrastReport();
    static void Set(bool bOn) { s_bOn = bOn; }

private:
    static BOOL WINAPI Answer(UINT uiAction, UINT uiParam, PVOID pvParam, UINT fWinIni);
    static DWORD WINAPI SchemeColour(int nIndex);
    static HBRUSH WINAPI SchemeBrush(int nIndex);
    static inline bool s_bOn = false;
    static inline const HighContrastScheme* s_pScheme = nullptr;
    static inline HBRUSH s_brushes[COLOR_GRADIENTINACTIVECAPTION + 1] = {};
    ImportHook m_hook{L"user32.dll", "SystemParametersInfoW", reinterpret_cast<const void*>(&Answer)};
    std::unique_ptr<ImportHook> m_pColourHook;
    std::unique_ptr<ImportHook> m_pBrushHook;
};

#include "tests/support/HighContrast.h"

#include <utility>

CHighContrastReport::CHighContrastReport(const HighContrastScheme& scheme)
    : m_pColourHook(
          std::make_unique<ImportHook>(L"user32.dll", "GetSysColor", reinterpret_cast<const void*>(&SchemeColour))),
      m_pBrushHook(
          std::make_unique<ImportHook>(L"user32.dll", "GetSysColorBrush", reinterpret_cast<const void*>(&SchemeBrush)))
{
    s_bOn = true;
    s_pScheme = &scheme;
    for (int nIndex = 0; nIndex <= COLOR_GRADIENTINACTIVECAPTION; ++nIndex)
        s_brushes[nIndex] = ::CreateSolidBrush(SchemeColour(nIndex));
}

CHighContrastReport::~CHighContrastReport()
{
    if (s_pScheme == nullptr)
        return;
    for (HBRUSH& hBrush : s_brushes)
        ::DeleteObject(std::exchange(hBrush, nullptr));
    s_pScheme = nullptr;
}

BOOL WINAPI CHighContrastReport::Answer(UINT uiAction, UINT uiParam, PVOID pvParam, UINT fWinIni)
{
    if (uiAction != SPI_GETHIGHCONTRAST)
        return SystemFunction<decltype(&::SystemParametersInfoW)>(L"user32.dll", "SystemParametersInfoW")(
            uiAction, uiParam, pvParam, fWinIni);
    // As documented, both the size argument and cbSize name the structure.
    auto* pContrast = static_cast<HIGHCONTRASTW*>(pvParam);
    if (uiParam != sizeof(HIGHCONTRASTW) || pContrast->cbSize != sizeof(HIGHCONTRASTW))
        return FALSE;
    pContrast->dwFlags = s_bOn ? HCF_HIGHCONTRASTON : 0;
    return TRUE;
}

DWORD WINAPI CHighContrastReport::SchemeColour(int nIndex)
{
    const HighContrastScheme& s = *s_pScheme;
    switch (nIndex)
    {
    case COLOR_WINDOW: return s.crWindow;
    case COLOR_WINDOWTEXT: return s.crWindowText;
    case COLOR_BTNFACE: return s.crButtonFace;
    case COLOR_BTNTEXT: return s.crButtonText;
    case COLOR_HIGHLIGHT: return s.crHighlight;
    case COLOR_HIGHLIGHTTEXT: return s.crHighlightText;
    case COLOR_GRAYTEXT: return s.crGrayText;
    default: return SystemFunction<decltype(&::GetSysColor)>(L"user32.dll", "GetSysColor")(nIndex);
    }
}

HBRUSH WINAPI CHighContrastReport::SchemeBrush(int nIndex)
{
    return nIndex >= 0 && nIndex <= COLOR_GRADIENTINACTIVECAPTION ? s_brushes[nIndex] : nullptr;
}

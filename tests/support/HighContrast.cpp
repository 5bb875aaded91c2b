#include "tests/support/HighContrast.h"

BOOL WINAPI CHighContrastReport::Answer(UINT uiAction, UINT uiParam, PVOID pvParam, UINT fWinIni)
{
    static const auto pSystem = reinterpret_cast<decltype(&::SystemParametersInfoW)>(
        reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleW(L"user32.dll"), "SystemParametersInfoW")));
    if (uiAction != SPI_GETHIGHCONTRAST)
        return pSystem(uiAction, uiParam, pvParam, fWinIni);
    // As documented: both the size argument and cbSize name the structure.
    auto* pContrast = static_cast<HIGHCONTRASTW*>(pvParam);
    if (uiParam != sizeof(HIGHCONTRASTW) || pContrast->cbSize != sizeof(HIGHCONTRASTW))
        return FALSE;
    pContrast->dwFlags = HCF_AVAILABLE | (s_bOn ? HCF_HIGHCONTRASTON : 0);
    pContrast->lpszDefaultScheme = nullptr;
    return TRUE;
}

CSystemPalette::CSystemPalette()
{
    for (size_t i = 0; i < m_old.size(); ++i)
        m_old[i] = ::GetSysColor(kElements[i]);
    ::SetSysColors(static_cast<int>(std::size(kElements)), kElements, kColours);
}

CSystemPalette::~CSystemPalette()
{
    ::SetSysColors(static_cast<int>(std::size(kElements)), kElements, m_old.data());
}

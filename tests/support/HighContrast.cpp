#include "tests/support/HighContrast.h"

BOOL WINAPI CHighContrastReport::Answer(UINT uiAction, UINT uiParam, PVOID pvParam, UINT fWinIni)
{
    if (uiAction != SPI_GETHIGHCONTRAST)
    {
        static const auto pSystem = reinterpret_cast<decltype(&::SystemParametersInfoW)>(
            reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleW(L"user32.dll"), "SystemParametersInfoW")));
        return pSystem(uiAction, uiParam, pvParam, fWinIni);
    }
    // As documented, both the size argument and cbSize name the structure.
    auto* pContrast = static_cast<HIGHCONTRASTW*>(pvParam);
    if (uiParam != sizeof(HIGHCONTRASTW) || pContrast->cbSize != sizeof(HIGHCONTRASTW))
        return FALSE;
    pContrast->dwFlags = s_bOn ? HCF_HIGHCONTRASTON : 0;
    return TRUE;
}

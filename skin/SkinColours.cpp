#include "skin/SkinColours.h"

bool CSkinColours::UsesSystemColours() { return s_bArtworkDamaged || IsHighContrast(); }

bool CSkinColours::IsHighContrast()
{
    HIGHCONTRASTW contrast{};
    contrast.cbSize = sizeof(contrast);
    return ::SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof(contrast), &contrast, 0) &&
           (contrast.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

void CSkinColours::FillFramed(HDC hDC, const RECT& rc, int nFace)
{
    ::FillRect(hDC, &rc, ::GetSysColorBrush(nFace));
    ::FrameRect(hDC, &rc, ::GetSysColorBrush(COLOR_WINDOWTEXT));
}

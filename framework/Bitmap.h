// CBitmap: an owned bitmap: a 32-bit DIB section whose pixels the program
// writes, or one compatible with a DC.
#pragma once

#include "framework/GdiObject.h"

class CDCHandle;

class CBitmap : public CGdiObject
{
public:
    operator HBITMAP() const noexcept { return static_cast<HBITMAP>(m_hObject); }  // NOLINT

    // 0x00RRGGBB per pixel, bottom-up as bitmap files store their rows (the
    // only order that GetObject tells apart everywhere); *ppBits receives
    // the bottom row.
    BOOL CreateDIBSection(int nWidth, int nHeight, DWORD** ppBits);
    BOOL CreateCompatibleBitmap(const CDCHandle* pDC, int nWidth, int nHeight);
    int GetBitmap(BITMAP* pBitmap) const noexcept { return GetObject(sizeof(BITMAP), pBitmap); }
};

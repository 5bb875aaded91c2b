// CBitmap: an owned bitmap, loaded from the program's resources or created
// compatible with a DC.
#pragma once

#include "framework/GdiObject.h"

class CDCHandle;

class CBitmap : public CGdiObject
{
public:
    operator HBITMAP() const noexcept { return static_cast<HBITMAP>(m_hObject); }  // NOLINT

    BOOL LoadBitmap(UINT nIDResource);
    // LoadImage of a bitmap resource at its stored size with the given LR_ flags.
    BOOL LoadImage(UINT nIDResource, UINT fuLoad);
    BOOL CreateCompatibleBitmap(const CDCHandle* pDC, int nWidth, int nHeight);
    int GetBitmap(BITMAP* pBitmap) const noexcept { return GetObject(sizeof(BITMAP), pBitmap); }
};

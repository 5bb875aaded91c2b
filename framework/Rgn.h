// CRgn: an owned region. A region handed to a window with SetWindowRgn is
// detached first: the window owns it from then on.
#pragma once

#include "framework/GdiObject.h"

class CRgn : public CGdiObject
{
public:
    operator HRGN() const noexcept { return static_cast<HRGN>(m_hObject); }  // NOLINT
    BOOL CreateRectRgn(int x1, int y1, int x2, int y2) { return Attach(::CreateRectRgn(x1, y1, x2, y2)); }
    BOOL CreateRectRgnIndirect(LPCRECT lpRect) { return Attach(::CreateRectRgnIndirect(lpRect)); }
    // this = pRgn1 (mode) pRgn2; either may be this region itself.
    int CombineRgn(const CRgn* pRgn1, const CRgn* pRgn2, int nCombineMode) noexcept
    {
        return ::CombineRgn(*this, *pRgn1, *pRgn2, nCombineMode);
    }
};

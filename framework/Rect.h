// CRect: a RECT with the measurements and tests the dialogs use.
#pragma once

#include "framework/Point.h"
#include "framework/Size.h"

class CRect : public RECT
{
public:
    CRect() noexcept : RECT{0, 0, 0, 0} {}
    CRect(int l, int t, int r, int b) noexcept : RECT{l, t, r, b} {}
    CRect(const RECT& rc) noexcept : RECT(rc) {}  // NOLINT: implicit like RECT

    int Width() const noexcept { return right - left; }
    int Height() const noexcept { return bottom - top; }
    CSize Size() const noexcept { return CSize(Width(), Height()); }
    CPoint TopLeft() const noexcept { return CPoint(left, top); }
    bool IsRectEmpty() const noexcept { return left >= right || top >= bottom; }
    bool PtInRect(POINT pt) const noexcept { return ::PtInRect(this, pt) != FALSE; }
    void OffsetRect(int dx, int dy) noexcept { ::OffsetRect(this, dx, dy); }
    // Moves the rectangle so that its top-left corner is (0, 0).
    void MoveToOrigin() noexcept { OffsetRect(-left, -top); }

    operator LPRECT() noexcept { return this; }
    operator LPCRECT() const noexcept { return this; }
};

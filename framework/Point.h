// CPoint: a POINT with constructors.
#pragma once

#include <windows.h>

class CPoint : public POINT
{
public:
    CPoint() noexcept : POINT{0, 0} {}
    CPoint(int x0, int y0) noexcept : POINT{x0, y0} {}
    CPoint(POINT pt) noexcept : POINT(pt) {}  // NOLINT: implicit like POINT
};

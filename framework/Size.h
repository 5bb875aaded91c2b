// CSize: a SIZE with constructors.
#pragma once

#include <windows.h>

class CSize : public SIZE
{
public:
    CSize() noexcept : SIZE{0, 0} {}
    CSize(int cx0, int cy0) noexcept : SIZE{cx0, cy0} {}
};

// CBrush: an owned brush.
#pragma once

#include "framework/GdiObject.h"

class CBrush : public CGdiObject
{
public:
    operator HBRUSH() const noexcept { return static_cast<HBRUSH>(m_hObject); }  // NOLINT
    BOOL CreateSolidBrush(COLORREF cr) { return Attach(::CreateSolidBrush(cr)); }
};

// CFont: an owned font.
#pragma once

#include "framework/GdiObject.h"

class CFont : public CGdiObject
{
public:
    operator HFONT() const noexcept { return static_cast<HFONT>(m_hObject); }  // NOLINT
    BOOL CreateFontIndirect(const LOGFONTW* pLogFont) { return Attach(::CreateFontIndirectW(pLogFont)); }
};

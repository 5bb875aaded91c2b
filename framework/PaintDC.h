// CPaintDC: BeginPaint in the constructor, EndPaint in the destructor. The DC
// belongs to the paint, so the wrapper only borrows it.
#pragma once

#include "framework/DC.h"

class CWnd;

class CPaintDC : public CDCHandle
{
public:
    explicit CPaintDC(CWnd* pWnd) noexcept;
    ~CPaintDC();
    CPaintDC(const CPaintDC&) = delete;
    CPaintDC& operator=(const CPaintDC&) = delete;

    PAINTSTRUCT m_ps{};

private:
    HWND m_hWnd;
};

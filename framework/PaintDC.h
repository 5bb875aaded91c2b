// CPaintDC: BeginPaint in the constructor, EndPaint in the destructor.
#pragma once

#include "framework/DC.h"

class CWnd;

class CPaintDC : public CDC
{
public:
    explicit CPaintDC(CWnd* pWnd) noexcept;
    ~CPaintDC() override;

    PAINTSTRUCT m_ps{};

private:
    HWND m_hWnd;
};

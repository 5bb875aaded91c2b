#include "framework/PaintDC.h"

#include "framework/Wnd.h"

CPaintDC::CPaintDC(CWnd* pWnd) noexcept : m_hWnd(pWnd->GetSafeHwnd()) { m_hDC = ::BeginPaint(m_hWnd, &m_ps); }

CPaintDC::~CPaintDC()
{
    ::EndPaint(m_hWnd, &m_ps);
    m_hDC = nullptr;
}

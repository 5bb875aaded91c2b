#include "framework/DC.h"

BOOL CDCHandle::BitBlt(int x, int y, int nWidth, int nHeight, const CDCHandle* pSrcDC, int xSrc, int ySrc,
                       DWORD dwRop) noexcept
{
    return ::BitBlt(m_hDC, x, y, nWidth, nHeight, pSrcDC->GetSafeHdc(), xSrc, ySrc, dwRop);
}

BOOL CDCHandle::StretchBlt(int x, int y, int nWidth, int nHeight, const CDCHandle* pSrcDC, int xSrc, int ySrc,
                           int nSrcWidth, int nSrcHeight, DWORD dwRop) noexcept
{
    return ::StretchBlt(m_hDC, x, y, nWidth, nHeight, pSrcDC->GetSafeHdc(), xSrc, ySrc, nSrcWidth, nSrcHeight, dwRop);
}

int CDCHandle::DrawText(const CString& str, LPRECT lpRect, UINT nFormat) noexcept
{
    return ::DrawTextW(m_hDC, str, str.GetLength(), lpRect, nFormat);
}

CDC::~CDC() { DeleteDC(); }

BOOL CDC::CreateCompatibleDC(const CDCHandle* pDC)
{
    DeleteDC();
    m_hDC = ::CreateCompatibleDC(pDC != nullptr ? pDC->GetSafeHdc() : nullptr);
    return m_hDC != nullptr;
}

void CDC::DeleteDC() noexcept
{
    if (m_hDC != nullptr)
        ::DeleteDC(m_hDC);
    m_hDC = nullptr;
}

#include "framework/DC.h"

CDC::~CDC()
{
    if (m_bOwned && m_hDC != nullptr)
        ::DeleteDC(m_hDC);
}

BOOL CDC::CreateCompatibleDC(const CDC* pDC)
{
    if (m_bOwned && m_hDC != nullptr)
        ::DeleteDC(m_hDC);
    m_hDC = ::CreateCompatibleDC(pDC != nullptr ? pDC->GetSafeHdc() : nullptr);
    m_bOwned = m_hDC != nullptr;
    return m_bOwned;
}

BOOL CDC::BitBlt(int x, int y, int nWidth, int nHeight, const CDC* pSrcDC, int xSrc, int ySrc,
                 DWORD dwRop) noexcept
{
    return ::BitBlt(m_hDC, x, y, nWidth, nHeight, pSrcDC->GetSafeHdc(), xSrc, ySrc, dwRop);
}

BOOL CDC::StretchBlt(int x, int y, int nWidth, int nHeight, const CDC* pSrcDC, int xSrc, int ySrc,
                     int nSrcWidth, int nSrcHeight, DWORD dwRop) noexcept
{
    return ::StretchBlt(m_hDC, x, y, nWidth, nHeight, pSrcDC->GetSafeHdc(), xSrc, ySrc, nSrcWidth,
                        nSrcHeight, dwRop);
}

int CDC::DrawText(const CString& str, LPRECT lpRect, UINT nFormat) noexcept
{
    return ::DrawTextW(m_hDC, str, str.GetLength(), lpRect, nFormat);
}

// CDC: a device context. A DC made here (CreateCompatibleDC) is owned and
// deleted with the wrapper; one handed in by a message (CDC(HDC)) is only
// borrowed and never deleted. Objects are selected through CSelectionGuard,
// which puts the previous object back when it goes out of scope.
#pragma once

#include "framework/Object.h"
#include "framework/String.h"

#include <windows.h>

class CDC : public CObject
{
public:
    CDC() = default;
    explicit CDC(HDC hBorrowed) noexcept : m_hDC(hBorrowed) {}
    ~CDC() override;

    HDC GetSafeHdc() const noexcept { return m_hDC; }
    operator HDC() const noexcept { return m_hDC; }  // NOLINT

    // A memory DC compatible with pDC, or with the screen when pDC is null.
    BOOL CreateCompatibleDC(const CDC* pDC);

    HGDIOBJ SelectObject(HGDIOBJ hObject) noexcept { return ::SelectObject(m_hDC, hObject); }
    BOOL BitBlt(int x, int y, int nWidth, int nHeight, const CDC* pSrcDC, int xSrc, int ySrc,
                DWORD dwRop) noexcept;
    BOOL StretchBlt(int x, int y, int nWidth, int nHeight, const CDC* pSrcDC, int xSrc, int ySrc,
                    int nSrcWidth, int nSrcHeight, DWORD dwRop) noexcept;
    int SetBkMode(int nBkMode) noexcept { return ::SetBkMode(m_hDC, nBkMode); }
    COLORREF SetTextColor(COLORREF cr) noexcept { return ::SetTextColor(m_hDC, cr); }
    int DrawText(const CString& str, LPRECT lpRect, UINT nFormat) noexcept;
    COLORREF GetPixel(int x, int y) const noexcept { return ::GetPixel(m_hDC, x, y); }
    BOOL DrawIcon(int x, int y, HICON hIcon) noexcept { return ::DrawIcon(m_hDC, x, y, hIcon); }

protected:
    HDC m_hDC = nullptr;

private:
    bool m_bOwned = false;
};

// Selects an object into a DC for the guard's lifetime.
class CSelectionGuard
{
public:
    CSelectionGuard(CDC& dc, HGDIOBJ hObject) noexcept : m_dc(dc), m_hOld(dc.SelectObject(hObject)) {}
    ~CSelectionGuard() { m_dc.SelectObject(m_hOld); }
    CSelectionGuard(const CSelectionGuard&) = delete;
    CSelectionGuard& operator=(const CSelectionGuard&) = delete;

private:
    CDC& m_dc;
    HGDIOBJ m_hOld;
};

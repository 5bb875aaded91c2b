// Device contexts, with ownership in the type. CDCHandle only refers to a DC
// that someone else owns (one handed in by a message) and never deletes it;
// CDC owns the memory DC it creates and deletes it in its destructor.
// Objects are selected through CSelectionGuard, which puts the previous
// object back when it goes out of scope.
#pragma once

#include "framework/String.h"

#include <windows.h>

class CDCHandle
{
public:
    CDCHandle() = default;
    explicit CDCHandle(HDC hDC) noexcept : m_hDC(hDC) {}

    HDC GetSafeHdc() const noexcept { return m_hDC; }
    operator HDC() const noexcept { return m_hDC; }  // NOLINT

    HGDIOBJ SelectObject(HGDIOBJ hObject) noexcept { return ::SelectObject(m_hDC, hObject); }
    BOOL BitBlt(int x, int y, int nWidth, int nHeight, const CDCHandle* pSrcDC, int xSrc, int ySrc,
                DWORD dwRop) noexcept;
    BOOL StretchBlt(int x, int y, int nWidth, int nHeight, const CDCHandle* pSrcDC, int xSrc, int ySrc, int nSrcWidth,
                    int nSrcHeight, DWORD dwRop) noexcept;
    int SetBkMode(int nBkMode) noexcept { return ::SetBkMode(m_hDC, nBkMode); }
    COLORREF SetTextColor(COLORREF cr) noexcept { return ::SetTextColor(m_hDC, cr); }
    int DrawText(const CString& str, LPRECT lpRect, UINT nFormat) noexcept;
    COLORREF GetPixel(int x, int y) const noexcept { return ::GetPixel(m_hDC, x, y); }
    BOOL DrawIcon(int x, int y, HICON hIcon) noexcept { return ::DrawIcon(m_hDC, x, y, hIcon); }

protected:
    HDC m_hDC = nullptr;
};

class CDC : public CDCHandle
{
public:
    CDC() = default;
    ~CDC();
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;

    // A memory DC compatible with pDC, or with the screen when pDC is null.
    BOOL CreateCompatibleDC(const CDCHandle* pDC);
    void DeleteDC() noexcept;
};

// Selects an object into a DC for the guard's lifetime.
class CSelectionGuard
{
public:
    CSelectionGuard(CDCHandle& dc, HGDIOBJ hObject) noexcept : m_dc(dc), m_hOld(dc.SelectObject(hObject)) {}
    ~CSelectionGuard() { m_dc.SelectObject(m_hOld); }
    CSelectionGuard(const CSelectionGuard&) = delete;
    CSelectionGuard& operator=(const CSelectionGuard&) = delete;

private:
    CDCHandle& m_dc;
    HGDIOBJ m_hOld;
};

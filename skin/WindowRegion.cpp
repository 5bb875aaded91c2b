#include "skin/WindowRegion.h"

#include "framework/DC.h"

#include <algorithm>
#include <cstddef>
#include <memory>
#include <new>
#include <utility>

namespace
{
// Rectangles per ExtCreateRegion call: big regions are made in chunks and
// joined, so no single call needs an unbounded buffer.
constexpr int kChunkRects = 4000;
// Pixels are read this many bytes of rows at a time.
constexpr int kBandBytes = 64 * 1024;
// A pixel outside the bitmap reads as this, as GetPixel answers there.
constexpr COLORREF kNoPixel = CLR_INVALID;

// The background's rows as 32-bit pixels, 0x00RRGGBB: read in place from a
// 32-bit DIB section, else read band by band so that the buffer stays small
// whatever the window's size.
class CPixelBands
{
public:
    bool Open(HBITMAP hBitmap) noexcept
    {
        DIBSECTION dib{};
        const int nSize = ::GetObjectW(hBitmap, sizeof(dib), &dib);
        const BITMAP& bm = dib.dsBm;
        if ((nSize != sizeof(dib) && nSize != sizeof(BITMAP)) || bm.bmWidth <= 0 || bm.bmHeight <= 0)
            return false;
        m_hBitmap = hBitmap;
        m_nWidth = bm.bmWidth;
        m_nHeight = bm.bmHeight;
        if (nSize == sizeof(dib) && bm.bmBits != nullptr && bm.bmBitsPixel == 32 && dib.dsBmih.biCompression == BI_RGB)
        {
            ::GdiFlush();  // drawing into it may still be queued
            m_pInPlace = static_cast<const BYTE*>(bm.bmBits);
            m_nInPlaceStride = dib.dsBmih.biHeight < 0 ? bm.bmWidthBytes : -bm.bmWidthBytes;
            if (m_nInPlaceStride < 0)
                m_pInPlace += static_cast<ptrdiff_t>(bm.bmWidthBytes) * (m_nHeight - 1);
            return true;
        }
        m_nBandRows = std::clamp(kBandBytes / (m_nWidth * static_cast<int>(sizeof(DWORD))), 1, m_nHeight);
        m_pBits.reset(new (std::nothrow) DWORD[static_cast<size_t>(m_nWidth) * static_cast<size_t>(m_nBandRows)]);
        // Bottom-up, as GetDIBits counts its scan lines.
        m_bmi.bmiHeader = {sizeof(BITMAPINFOHEADER), m_nWidth, m_nHeight, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        return m_pBits != nullptr && m_dc.CreateCompatibleDC(nullptr);
    }

    int Width() const noexcept { return m_nWidth; }
    int Height() const noexcept { return m_nHeight; }

    // Row y (0 at the top) of the bitmap, null when it cannot be read.
    const DWORD* Row(int y) noexcept
    {
        if (y < 0 || y >= m_nHeight)
            return nullptr;
        if (m_pInPlace != nullptr)
            return reinterpret_cast<const DWORD*>(m_pInPlace + static_cast<ptrdiff_t>(m_nInPlaceStride) * y);
        if (y < m_nBandTop || y >= m_nBandTop + m_nBandCount)
        {
            const int nCount = std::min(m_nBandRows, m_nHeight - y);
            m_nBandCount = 0;
            if (::GetDIBits(m_dc, m_hBitmap, static_cast<UINT>(m_nHeight - y - nCount), static_cast<UINT>(nCount),
                            m_pBits.get(), &m_bmi, DIB_RGB_COLORS) != nCount)
                return nullptr;
            m_nBandTop = y;
            m_nBandCount = nCount;
        }
        return m_pBits.get() + static_cast<size_t>(m_nBandTop + m_nBandCount - 1 - y) * static_cast<size_t>(m_nWidth);
    }

private:
    HBITMAP m_hBitmap = nullptr;
    const BYTE* m_pInPlace = nullptr;  // row 0 of a DIB section
    int m_nInPlaceStride = 0;          // bytes from a row to the one below
    int m_nWidth = 0;
    int m_nHeight = 0;
    int m_nBandRows = 0;
    int m_nBandTop = 0;
    int m_nBandCount = 0;
    CDC m_dc;
    BITMAPINFO m_bmi{};
    std::unique_ptr<DWORD[]> m_pBits;
};

// How a pixel is compared with the key colour: exactly as the COLORREF
// GetPixel would answer for it.
struct KeyMatch
{
    explicit KeyMatch(COLORREF crKey) noexcept
        : dwPixel(static_cast<DWORD>(GetRValue(crKey)) << 16 | static_cast<DWORD>(GetGValue(crKey)) << 8 |
                  GetBValue(crKey)),
          // GetPixel never answers a colour with its high byte set but for
          // CLR_INVALID, which it answers outside the bitmap.
          bInside((crKey & 0xFF000000) == 0), bOutside(crKey == kNoPixel)
    {
    }

    DWORD dwPixel;
    bool bInside;
    bool bOutside;
};
}  // namespace

// The region's rectangles, gathered row by row into a chunk buffer. A row
// whose runs repeat the row above lengthens that row's rectangles instead.
class CWindowRegion::CRunList
{
public:
    explicit CRunList(int nWidth) noexcept
        : m_nRowCapacity(std::max(nWidth, 0) / 2 + 1), m_nCapacity(kChunkRects + m_nRowCapacity + 2)
    {
        m_pData.reset(new (std::nothrow) BYTE[sizeof(RGNDATAHEADER) + sizeof(RECT) * static_cast<size_t>(m_nCapacity)]);
    }
    CRunList(const CRunList&) = delete;
    CRunList& operator=(const CRunList&) = delete;

    bool IsValid() const noexcept { return m_pData != nullptr; }

    bool BeginRow(int y) noexcept
    {
        m_y = y;
        if (m_nCount + m_nRowCapacity > m_nCapacity - 2 && !Flush())
            return false;
        m_nRowStart = m_nCount;
        return true;
    }

    void AddRun(int nLeft, int nRight) noexcept { Rects()[m_nCount++] = {nLeft, m_y, nRight, m_y + 1}; }

    void EndRow() noexcept
    {
        const int nRowCount = m_nCount - m_nRowStart;
        const int nAboveCount = m_nRowStart - m_nAboveStart;
        if (m_bAboveValid && nRowCount == nAboveCount && SameSpans(m_nAboveStart, m_nRowStart, nRowCount))
        {
            for (int i = m_nAboveStart; i < m_nRowStart; ++i)
                Rects()[i].bottom = m_y + 1;
            m_nCount = m_nRowStart;
            return;
        }
        m_nAboveStart = m_nRowStart;
        m_bAboveValid = true;
    }

    // Room for two rectangles beyond the rows is always kept.
    void AddRect(const RECT& rc) noexcept
    {
        if (rc.left < rc.right && rc.top < rc.bottom)
            Rects()[m_nCount++] = rc;
    }

    // The whole region, or none when a call failed.
    CRegionHandle Finish() noexcept
    {
        if (!Flush())
            return CRegionHandle();
        if (!m_rgn.IsValid())
            return CRegionHandle(::CreateRectRgn(0, 0, 0, 0));
        return std::move(m_rgn);
    }

private:
    RECT* Rects() noexcept { return reinterpret_cast<RECT*>(m_pData.get() + sizeof(RGNDATAHEADER)); }

    bool SameSpans(int nFirst, int nSecond, int nCount) noexcept
    {
        const RECT* pRects = Rects();
        for (int i = 0; i < nCount; ++i)
            if (pRects[nFirst + i].left != pRects[nSecond + i].left ||
                pRects[nFirst + i].right != pRects[nSecond + i].right)
                return false;
        return true;
    }

    // Makes a region of the gathered rectangles and joins it to the rest.
    bool Flush() noexcept
    {
        m_bAboveValid = false;
        if (m_nCount == 0)
            return true;
        auto* pHeader = reinterpret_cast<RGNDATAHEADER*>(m_pData.get());
        *pHeader = {sizeof(RGNDATAHEADER), RDH_RECTANGLES, static_cast<DWORD>(m_nCount),
                    static_cast<DWORD>(sizeof(RECT)) * static_cast<DWORD>(m_nCount), Rects()[0]};
        for (int i = 1; i < m_nCount; ++i)
            ::UnionRect(&pHeader->rcBound, &pHeader->rcBound, &Rects()[i]);
        CRegionHandle chunk(::ExtCreateRegion(nullptr, sizeof(RGNDATAHEADER) + pHeader->nRgnSize,
                                              reinterpret_cast<const RGNDATA*>(pHeader)));
        m_nCount = 0;
        if (!chunk.IsValid())
            return false;
        if (!m_rgn.IsValid())
        {
            m_rgn = std::move(chunk);
            return true;
        }
        return ::CombineRgn(m_rgn, m_rgn, chunk, RGN_OR) != ERROR;
    }

    const int m_nRowCapacity;  // the most runs a row can have
    const int m_nCapacity;
    std::unique_ptr<BYTE[]> m_pData;  // RGNDATAHEADER, then the rectangles
    int m_nCount = 0;
    int m_y = 0;
    int m_nRowStart = 0;
    int m_nAboveStart = 0;
    bool m_bAboveValid = false;
    CRegionHandle m_rgn;
};

// Turns the key pixels of one row, met left to right, into opaque runs.
class CWindowRegion::CRowScan
{
public:
    CRowScan(CRunList& runs, const KeyMatch& key) noexcept : m_runs(runs), m_key(key) {}

    // Pixels [xFirst, xEnd) of a row whose first nReadable pixels are pRow's.
    void Segment(const DWORD* pRow, int nReadable, int xFirst, int xEnd) noexcept
    {
        const int nInsideEnd = std::min(xEnd, nReadable);
        if (m_key.bInside)
            for (int x = xFirst; x < nInsideEnd; ++x)
                if ((pRow[x] & 0x00FFFFFF) == m_key.dwPixel)
                    Key(x);
        const int nOutsideStart = std::max(xFirst, nReadable);
        if (m_key.bOutside && nOutsideStart < xEnd)
            KeyRange(nOutsideStart, xEnd);
    }
    void EndRow(int w) noexcept
    {
        if (m_nRunStart != w)
            m_runs.AddRun(m_nRunStart, w);
    }

private:
    void Key(int x) noexcept
    {
        if (m_nRunStart < x)
            m_runs.AddRun(m_nRunStart, x);
        m_nRunStart = x + 1;
    }
    // Every pixel of [xFirst, xEnd) is of the key colour.
    void KeyRange(int xFirst, int xEnd) noexcept
    {
        Key(xFirst);
        m_nRunStart = xEnd;
    }

    CRunList& m_runs;
    const KeyMatch& m_key;
    int m_nRunStart = 0;
};

CWindowRegion::CWindowRegion(HBITMAP hBackground, COLORREF crKey, const CRect& rcKeep) noexcept
    : m_hBackground(hBackground), m_crKey(crKey), m_rcKeep(rcKeep)
{
}

CRegionHandle CWindowRegion::Create(CSize szWindow, CSize szClient) const noexcept
{
    CRunList runs(szClient.cx);
    if (!runs.IsValid() || !AddClientRuns(runs, szClient))
        return CreatePlain(szWindow);
    AddFrameStrips(runs, szWindow, szClient);
    CRegionHandle rgn = runs.Finish();
    return rgn.IsValid() ? std::move(rgn) : CreatePlain(szWindow);
}

CRegionHandle CWindowRegion::CreatePlain(CSize szWindow) noexcept
{
    return CRegionHandle(::CreateRectRgn(0, 0, szWindow.cx, szWindow.cy));
}

bool CWindowRegion::KeepsWholeClient(CSize szClient) const noexcept
{
    return m_rcKeep.left <= 0 && m_rcKeep.top <= 0 && m_rcKeep.right >= szClient.cx && m_rcKeep.bottom >= szClient.cy;
}

void CWindowRegion::KeepSpan(int y, int w, int& nKeepLeft, int& nKeepRight) const noexcept
{
    if (y < m_rcKeep.top || y >= m_rcKeep.bottom || m_rcKeep.left >= m_rcKeep.right)
        return;
    nKeepLeft = std::clamp(static_cast<int>(m_rcKeep.left), 0, w);
    nKeepRight = std::clamp(static_cast<int>(m_rcKeep.right), nKeepLeft, w);
}

bool CWindowRegion::AddClientRuns(CRunList& runs, CSize szClient) const noexcept
{
    const int w = szClient.cx;
    const int h = szClient.cy;
    if (w <= 0 || h <= 0)
        return true;

    CPixelBands pixels;
    const bool bReadNone = KeepsWholeClient(szClient);
    if (!bReadNone && !pixels.Open(m_hBackground))
        return false;
    const KeyMatch key(m_crKey);

    for (int y = 0; y < h; ++y)
    {
        if (!runs.BeginRow(y))
            return false;
        int nKeepLeft = w;
        int nKeepRight = w;
        KeepSpan(y, w, nKeepLeft, nKeepRight);
        const DWORD* pRow = nullptr;
        int nReadable = 0;  // pixels of the row inside the bitmap
        if (!bReadNone && (nKeepLeft > 0 || nKeepRight < w) && y < pixels.Height())
        {
            pRow = pixels.Row(y);
            if (pRow == nullptr)
                return false;
            nReadable = std::min(w, pixels.Width());
        }

        CRowScan scan(runs, key);
        scan.Segment(pRow, nReadable, 0, nKeepLeft);
        scan.Segment(pRow, nReadable, nKeepRight, w);
        scan.EndRow(w);
        runs.EndRow();
    }
    return true;
}

void CWindowRegion::AddFrameStrips(CRunList& runs, CSize szWindow, CSize szClient) noexcept
{
    // The window rectangle XOR a client-sized one at the origin.
    const int W = std::max(static_cast<int>(szWindow.cx), 0);
    const int H = std::max(static_cast<int>(szWindow.cy), 0);
    const int w = std::max(static_cast<int>(szClient.cx), 0);
    const int h = std::max(static_cast<int>(szClient.cy), 0);
    runs.AddRect({std::min(W, w), 0, std::max(W, w), std::min(H, h)});
    runs.AddRect({0, std::min(H, h), H > h ? W : w, std::max(H, h)});
}

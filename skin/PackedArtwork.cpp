#include "skin/PackedArtwork.h"

#include "framework/ResourceModule.h"
#include "skin/ArtworkFit.h"

#include <zlib.h>

#include <algorithm>
#include <cstring>
#include <new>

namespace
{
// A gzip stream: zlib checks its CRC-32 and length at the end.
constexpr int kGzipWindowBits = 16 + MAX_WBITS;
constexpr WORD kBitmapFileType = 0x4D42;  // "BM"
constexpr LONG kMaxSide = 16384;
// What may follow the header before the pixels, or follow the pixels.
constexpr size_t kMaxExtraBytes = 64 * 1024;
// Rows are inflated a band at a time: one inflate call per row costs more
// than placing the row does.
constexpr size_t kBandBytes = 64 * 1024;

size_t StrideOf(LONG nWidth) { return (static_cast<size_t>(nWidth) * 3 + 3) / 4 * 4; }

DWORD PixelAt(const BYTE* pBgr)
{
    return static_cast<DWORD>(pBgr[0]) | static_cast<DWORD>(pBgr[1]) << 8 | static_cast<DWORD>(pBgr[2]) << 16;
}

// One stored row (bottom-up BGR) onto one row of the place, 1:1.
void PlaceRow(const BYTE* pRow, int nArtwork, DWORD* pTo, int nPlace)
{
    const int nBody = std::min(nArtwork, nPlace) - 1;
    for (int x = 0; x < nBody; ++x)
        pTo[x] = PixelAt(pRow + 3 * x);
    for (int x = std::max(nBody, 0); x < nPlace; ++x)
        pTo[x] = PixelAt(pRow + 3 * CArtworkFit::OneToOneSource(x, nArtwork, nPlace));
}
}  // namespace

CPackedArtwork::CPackedArtwork(UINT nIDResource) noexcept
{
    const HINSTANCE hModule = AfxGetResourceHandle();
    const HRSRC hInfo = ::FindResourceW(hModule, MAKEINTRESOURCEW(nIDResource), RT_RCDATA);
    if (hInfo != nullptr)
        Open(::LockResource(::LoadResource(hModule, hInfo)), ::SizeofResource(hModule, hInfo));
}

CPackedArtwork::CPackedArtwork(const void* pData, DWORD dwBytes) noexcept { Open(pData, dwBytes); }

CPackedArtwork::~CPackedArtwork()
{
    if (m_pStream != nullptr)
        ::inflateEnd(m_pStream.get());
}

void CPackedArtwork::Open(const void* pData, DWORD dwBytes) noexcept
{
    m_bDamaged = true;
    if (pData == nullptr)
        return;
    m_pStream.reset(new (std::nothrow) z_stream{});
    if (m_pStream == nullptr)
        return;
    m_pStream->next_in = static_cast<Bytef*>(const_cast<void*>(pData));
    m_pStream->avail_in = dwBytes;
    if (::inflateInit2(m_pStream.get(), kGzipWindowBits) != Z_OK)
    {
        m_pStream.reset();
        return;
    }
    m_bDamaged = !ReadHeader();
}

// An uncompressed, bottom-up 24-bit bitmap, as paint programs save one.
bool CPackedArtwork::ReadHeader() noexcept
{
    BITMAPFILEHEADER file{};
    BITMAPINFOHEADER info{};
    if (!Read(&file, sizeof(file)) || !Read(&info, sizeof(info)))
        return false;
    const size_t nHeaders = sizeof(file) + sizeof(info);
    if (file.bfType != kBitmapFileType || info.biSize < sizeof(info) || info.biPlanes != 1 || info.biBitCount != 24 ||
        info.biCompression != BI_RGB || info.biWidth <= 0 || info.biWidth > kMaxSide || info.biHeight <= 0 ||
        info.biHeight > kMaxSide || file.bfOffBits < nHeaders || !Skip(file.bfOffBits - nHeaders))
        return false;
    m_size = CSize(info.biWidth, info.biHeight);
    return true;
}

bool CPackedArtwork::Decode(CBitmap& bitmap, CSize szPlace) noexcept
{
    const bool bOwnSize = szPlace.cx == m_size.cx && szPlace.cy == m_size.cy;
    if (m_bDamaged || m_pStream == nullptr || m_size.cx == 0 || !(bOwnSize || CArtworkFit::IsOneToOne(m_size, szPlace)))
        return false;
    CBitmap decoded;
    DWORD* pBits = nullptr;
    const size_t nStride = StrideOf(m_size.cx);
    const int nBandRows = static_cast<int>(std::max<size_t>(1, kBandBytes / nStride));
    std::unique_ptr<BYTE[]> pBand(new (std::nothrow) BYTE[nStride * static_cast<size_t>(nBandRows)]);
    if (pBand == nullptr || !decoded.CreateDIBSection(szPlace.cx, szPlace.cy, &pBits))
        return false;
    // The rows come bottom-up; each lands on the rows of the place that take it.
    int yPlace = szPlace.cy - 1;
    for (int yBand = m_size.cy - 1; yBand >= 0; yBand -= nBandRows)
    {
        const int nRows = std::min(nBandRows, yBand + 1);
        if (!Read(pBand.get(), nStride * static_cast<size_t>(nRows)))
            return Damaged();
        for (int i = 0; i < nRows; ++i)
            for (; yPlace >= 0 && CArtworkFit::OneToOneSource(yPlace, m_size.cy, szPlace.cy) == yBand - i; --yPlace)
                PlaceRow(pBand.get() + static_cast<size_t>(i) * nStride, m_size.cx,
                         pBits + static_cast<size_t>(szPlace.cy - 1 - yPlace) * szPlace.cx, szPlace.cx);
    }
    if (!ReadToEnd())
        return Damaged();
    ::inflateEnd(m_pStream.get());
    m_pStream.reset();
    return bitmap.Attach(decoded.Detach());
}

bool CPackedArtwork::Read(void* pTo, size_t nBytes) noexcept
{
    m_pStream->next_out = static_cast<Bytef*>(pTo);
    m_pStream->avail_out = static_cast<uInt>(nBytes);
    bool bRead = true;
    while (bRead && m_pStream->avail_out > 0)
        bRead = !m_bEnded && Inflate();
    ForgetOutput();
    return bRead;
}

// The stream keeps no pointer to a buffer that may be a caller's local.
void CPackedArtwork::ForgetOutput() noexcept
{
    m_pStream->next_out = nullptr;
    m_pStream->avail_out = 0;
}

// One step; the stream's end is checked (CRC-32 and length) when it is met.
bool CPackedArtwork::Inflate() noexcept
{
    const int nResult = ::inflate(m_pStream.get(), Z_NO_FLUSH);
    m_bEnded = nResult == Z_STREAM_END;
    return nResult == Z_OK || m_bEnded;
}

bool CPackedArtwork::Skip(size_t nBytes) noexcept
{
    BYTE scratch[256];
    if (nBytes > kMaxExtraBytes)
        return false;
    for (; nBytes > 0; nBytes -= std::min(nBytes, sizeof(scratch)))
        if (!Read(scratch, std::min(nBytes, sizeof(scratch))))
            return false;
    return true;
}

// Whatever follows the pixels, up to the stream's end.
bool CPackedArtwork::ReadToEnd() noexcept
{
    BYTE scratch[256];
    bool bRead = true;
    for (size_t nExtra = 0; bRead && !m_bEnded; nExtra += sizeof(scratch) - m_pStream->avail_out)
    {
        m_pStream->next_out = scratch;
        m_pStream->avail_out = sizeof(scratch);
        bRead = nExtra <= kMaxExtraBytes && Inflate();
    }
    ForgetOutput();
    return bRead;
}

bool CPackedArtwork::Damaged() noexcept
{
    m_bDamaged = true;
    return false;
}

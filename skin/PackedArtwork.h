// CPackedArtwork: one bitmap of the artwork as the build stores it: the
// 24-bit bitmap file, gzip-compressed, in an RCDATA resource of the bitmap's
// id (a third or less of the bytes a start reads from the disc). zlib inflates
// it a band of rows at a time straight into a 32-bit DIB section of the size
// asked for, fitted 1:1 as CArtworkFit copies, so the picture is never held
// twice. A stream that is cut short, fails its checksum or holds no such
// bitmap decodes to nothing and counts as damaged.
#pragma once

#include "framework/Bitmap.h"
#include "framework/Size.h"

#include <windows.h>

#include <memory>

struct z_stream_s;

class CPackedArtwork
{
public:
    explicit CPackedArtwork(UINT nIDResource) noexcept;
    CPackedArtwork(const void* pData, DWORD dwBytes) noexcept;
    ~CPackedArtwork();
    CPackedArtwork(const CPackedArtwork&) = delete;
    CPackedArtwork& operator=(const CPackedArtwork&) = delete;

    // The bitmap's size from its header; empty when there is none to read.
    CSize Size() const noexcept { return m_size; }
    // The data is there but does not decode (a missing resource is not damaged).
    bool IsDamaged() const noexcept { return m_bDamaged; }
    // Makes bitmap a DIB section of szPlace (the artwork's own size, or within
    // 1 % of it) holding the pixels; once per object.
    bool Decode(CBitmap& bitmap, CSize szPlace) noexcept;

private:
    void Open(const void* pData, DWORD dwBytes) noexcept;
    bool ReadHeader() noexcept;
    bool Read(void* pTo, size_t nBytes) noexcept;
    bool Inflate() noexcept;
    bool Skip(size_t nBytes) noexcept;
    bool ReadToEnd() noexcept;
    void ForgetOutput() noexcept;
    bool Damaged() noexcept;

    std::unique_ptr<z_stream_s> m_pStream;  // inflating, while it lives
    CSize m_size;
    bool m_bEnded = false;
    bool m_bDamaged = false;
};

#include "skin/ArtworkFit.h"

#include <algorithm>
#include <cstdlib>

namespace
{
constexpr int kOneToOnePercent = 1;

bool WithinTolerance(long nArtwork, long nPlace) noexcept
{
    return std::labs(nPlace - nArtwork) * 100 <= nArtwork * kOneToOnePercent;
}

// One direction of a 1:1 copy. The artwork's last pixel stays at the place's
// far edge, so a button's one-pixel frame stays one pixel on both sides; the
// body before it is cropped there, or padded by repeating the pixel just
// inside the edge.
struct Span
{
    int nTo;
    int nToLength;
    int nFrom;
    int nFromLength;
};

struct Spans
{
    Span body;
    Span pad;
    Span edge;
};

int BodyOf(int nArtwork, int nPlace) noexcept { return std::min(nArtwork, nPlace) - 1; }

Spans SpansOf(int nArtwork, int nPlace) noexcept
{
    const int nBody = BodyOf(nArtwork, nPlace);
    return {{0, nBody, 0, nBody},
            {nBody, nPlace - 1 - nBody, std::max(nArtwork - 2, 0), 1},
            {nPlace - 1, 1, nArtwork - 1, 1}};
}
}  // namespace

bool CArtworkFit::IsOneToOne(CSize szArtwork, CSize szPlace) noexcept
{
    return szArtwork.cx > 0 && szArtwork.cy > 0 && WithinTolerance(szArtwork.cx, szPlace.cx) &&
           WithinTolerance(szArtwork.cy, szPlace.cy);
}

int CArtworkFit::OneToOneSource(int n, int nArtwork, int nPlace) noexcept
{
    if (n == nPlace - 1)
        return nArtwork - 1;
    return n < BodyOf(nArtwork, nPlace) ? n : std::max(nArtwork - 2, 0);
}

BOOL CArtworkFit::Draw(CDCHandle& dcTarget, CSize szPlace, const CDCHandle& dcSource, const CRect& rcArtwork) noexcept
{
    return IsOneToOne(rcArtwork.Size(), szPlace) ? CopyOneToOne(dcTarget, szPlace, dcSource, rcArtwork)
                                                 : Stretch(dcTarget, szPlace, dcSource, rcArtwork);
}

BOOL CArtworkFit::Stretch(CDCHandle& dcTarget, CSize szPlace, const CDCHandle& dcSource,
                          const CRect& rcArtwork) noexcept
{
    const int nOldMode = ::SetStretchBltMode(dcTarget, HALFTONE);
    ::SetBrushOrgEx(dcTarget, 0, 0, nullptr);
    const BOOL bDrawn = dcTarget.StretchBlt(0, 0, szPlace.cx, szPlace.cy, &dcSource, rcArtwork.left, rcArtwork.top,
                                            rcArtwork.Width(), rcArtwork.Height(), SRCCOPY);
    ::SetStretchBltMode(dcTarget, nOldMode);
    return bDrawn;
}

// The body in one copy; a pad, where there is one, stretches the column or
// row inside the edge over it, which only repeats pixels.
BOOL CArtworkFit::CopyOneToOne(CDCHandle& dcTarget, CSize szPlace, const CDCHandle& dcSource,
                               const CRect& rcArtwork) noexcept
{
    const Spans columns = SpansOf(rcArtwork.Width(), szPlace.cx);
    const Spans rows = SpansOf(rcArtwork.Height(), szPlace.cy);
    const int nOldMode = ::SetStretchBltMode(dcTarget, COLORONCOLOR);
    BOOL bDrawn = TRUE;
    for (const Span& row : {rows.body, rows.pad, rows.edge})
        for (const Span& column : {columns.body, columns.pad, columns.edge})
            if (row.nToLength > 0 && column.nToLength > 0 &&
                !dcTarget.StretchBlt(column.nTo, row.nTo, column.nToLength, row.nToLength, &dcSource,
                                     rcArtwork.left + column.nFrom, rcArtwork.top + row.nFrom, column.nFromLength,
                                     row.nFromLength, SRCCOPY))
                bDrawn = FALSE;
    ::SetStretchBltMode(dcTarget, nOldMode);
    return bDrawn;
}

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

// One direction of a 1:1 copy: the span both sizes share, then the pad that
// repeats the artwork's last pixel (empty when the place is not larger).
struct Span
{
    int nTo;
    int nToLength;
    int nFrom;
    int nFromLength;
};

struct Spans
{
    Span shared;
    Span pad;
};

Spans SpansOf(int nArtwork, int nPlace) noexcept
{
    const int nShared = std::min(nArtwork, nPlace);
    return {{0, nShared, 0, nShared}, {nShared, nPlace - nShared, nArtwork - 1, 1}};
}
}  // namespace

bool CArtworkFit::IsOneToOne(CSize szArtwork, CSize szPlace) noexcept
{
    return szArtwork.cx > 0 && szArtwork.cy > 0 && WithinTolerance(szArtwork.cx, szPlace.cx) &&
           WithinTolerance(szArtwork.cy, szPlace.cy);
}

BOOL CArtworkFit::Draw(CDCHandle& dcTarget, CSize szPlace, const CDCHandle& dcSource, const CRect& rcArtwork) noexcept
{
    return IsOneToOne(rcArtwork.Size(), szPlace) ? CopyOneToOne(dcTarget, szPlace, dcSource, rcArtwork)
                                                 : Stretch(dcTarget, szPlace, dcSource, rcArtwork);
}

BOOL CArtworkFit::Stretch(CDCHandle& dcTarget, CSize szPlace, const CDCHandle& dcSource, const CRect& rcArtwork) noexcept
{
    const int nOldMode = ::SetStretchBltMode(dcTarget, HALFTONE);
    ::SetBrushOrgEx(dcTarget, 0, 0, nullptr);
    const BOOL bDrawn = dcTarget.StretchBlt(0, 0, szPlace.cx, szPlace.cy, &dcSource, rcArtwork.left, rcArtwork.top,
                                            rcArtwork.Width(), rcArtwork.Height(), SRCCOPY);
    ::SetStretchBltMode(dcTarget, nOldMode);
    return bDrawn;
}

// The shared area in one copy; a pad, where there is one, stretches the edge
// column or row (or the corner pixel) over it, which only repeats pixels.
BOOL CArtworkFit::CopyOneToOne(CDCHandle& dcTarget, CSize szPlace, const CDCHandle& dcSource,
                               const CRect& rcArtwork) noexcept
{
    const Spans columns = SpansOf(rcArtwork.Width(), szPlace.cx);
    const Spans rows = SpansOf(rcArtwork.Height(), szPlace.cy);
    const int nOldMode = ::SetStretchBltMode(dcTarget, COLORONCOLOR);
    BOOL bDrawn = TRUE;
    for (const Span& row : {rows.shared, rows.pad})
        for (const Span& column : {columns.shared, columns.pad})
            if (row.nToLength > 0 && column.nToLength > 0 &&
                !dcTarget.StretchBlt(column.nTo, row.nTo, column.nToLength, row.nToLength, &dcSource,
                                     rcArtwork.left + column.nFrom, rcArtwork.top + row.nFrom, column.nFromLength,
                                     row.nFromLength, SRCCOPY))
                bDrawn = FALSE;
    ::SetStretchBltMode(dcTarget, nOldMode);
    return bDrawn;
}

// CArtworkFit: how a piece of artwork (the background, a button's slice)
// covers the place it is drawn on. Where the place is within 1 % of the
// artwork's size in each direction, the pixels are copied 1:1, cropped or
// padded just inside the right and bottom edges, whose last pixels stay at
// the place's edges (a frame keeps its width on every side): resampling
// by a fraction of a percent only softens every edge, and costs most of the
// start-up under HALFTONE. Otherwise the artwork is stretched with HALFTONE.
#pragma once

#include "framework/DC.h"
#include "framework/Rect.h"
#include "framework/Size.h"

class CArtworkFit
{
public:
    static bool IsOneToOne(CSize szArtwork, CSize szPlace) noexcept;
    // The artwork pixel that pixel n of the place shows in a 1:1 copy.
    static int OneToOneSource(int n, int nArtwork, int nPlace) noexcept;
    // Covers (0, 0) to szPlace of dcTarget with rcArtwork of dcSource; the
    // target's stretch mode is put back afterwards.
    static BOOL Draw(CDCHandle& dcTarget, CSize szPlace, const CDCHandle& dcSource, const CRect& rcArtwork) noexcept;

private:
    static BOOL Stretch(CDCHandle& dcTarget, CSize szPlace, const CDCHandle& dcSource, const CRect& rcArtwork) noexcept;
    static BOOL CopyOneToOne(CDCHandle& dcTarget, CSize szPlace, const CDCHandle& dcSource,
                             const CRect& rcArtwork) noexcept;
};

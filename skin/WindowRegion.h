// CWindowRegion: the shape of a keyed skin window. The window rectangle
// outside a client-sized rectangle at the origin (the strips a frame adds)
// stays whole; of the client area, every pixel stays that lies inside the
// keep-rectangle or whose background colour is not exactly the key colour.
// The background is read once and the region made from its row runs in a
// few ExtCreateRegion calls, so its cost no longer grows with one GDI call
// per pixel. When any resource cannot be had the shape is the plain window
// rectangle, never part of a region.
#pragma once

#include "framework/Rect.h"
#include "framework/Size.h"

#include "framework/Handle.h"

#include <windows.h>

class CWindowRegion
{
public:
    CWindowRegion(HBITMAP hBackground, COLORREF crKey, const CRect& rcKeep) noexcept;

    // A new region for a window of outer size szWindow and client size
    // szClient. Empty only when not even a rectangle can be made.
    CRegionHandle Create(CSize szWindow, CSize szClient) const noexcept;
    static CRegionHandle CreatePlain(CSize szWindow) noexcept;

private:
    class CRunList;
    class CRowScan;

    bool KeepsWholeClient(CSize szClient) const noexcept;
    // The pixels [nKeepLeft, nKeepRight) of row y that count as opaque unread.
    void KeepSpan(int y, int w, int& nKeepLeft, int& nKeepRight) const noexcept;
    bool AddClientRuns(CRunList& runs, CSize szClient) const noexcept;
    static void AddFrameStrips(CRunList& runs, CSize szWindow, CSize szClient) noexcept;

    HBITMAP m_hBackground;  // borrowed
    COLORREF m_crKey;
    CRect m_rcKeep;
};

#include "skin/ButtonGrid.h"

#include "skin/HoverButton.h"

#include <climits>

namespace
{
// Sideways offsets count double: a button straight ahead beats a nearer one
// off to the side.
constexpr int kSidewaysWeight = 2;

// The gap between the ranges [a1, a2) and [b1, b2); 0 when they overlap.
int RangeGap(int a1, int a2, int b1, int b2)
{
    if (b1 >= a2)
        return b1 - a2;
    if (a1 >= b2)
        return a1 - b2;
    return 0;
}

// How far rcTo lies from rcFrom in the direction of vkArrow; -1 when it does
// not lie wholly that way.
int Distance(const RECT& rcFrom, const RECT& rcTo, UINT vkArrow)
{
    int nAhead = -1;
    int nSideways = 0;
    switch (vkArrow)
    {
    case VK_LEFT:
        nAhead = rcFrom.left - rcTo.right;
        nSideways = RangeGap(rcFrom.top, rcFrom.bottom, rcTo.top, rcTo.bottom);
        break;
    case VK_RIGHT:
        nAhead = rcTo.left - rcFrom.right;
        nSideways = RangeGap(rcFrom.top, rcFrom.bottom, rcTo.top, rcTo.bottom);
        break;
    case VK_UP:
        nAhead = rcFrom.top - rcTo.bottom;
        nSideways = RangeGap(rcFrom.left, rcFrom.right, rcTo.left, rcTo.right);
        break;
    case VK_DOWN:
        nAhead = rcTo.top - rcFrom.bottom;
        nSideways = RangeGap(rcFrom.left, rcFrom.right, rcTo.left, rcTo.right);
        break;
    default: break;
    }
    return nAhead < 0 ? -1 : nAhead + kSidewaysWeight * nSideways;
}
}  // namespace

CHoverButton* CButtonGrid::ButtonOf(HWND hWnd) const
{
    CWnd* pWnd = ::IsChild(m_hDialog, hWnd) ? CWnd::FromHandlePermanent(hWnd) : nullptr;
    return pWnd != nullptr && pWnd->IsKindOf(RUNTIME_CLASS(CHoverButton)) ? static_cast<CHoverButton*>(pWnd) : nullptr;
}

CHoverButton* CButtonGrid::Neighbour(const CHoverButton* pFrom, UINT vkArrow) const
{
    RECT rcFrom{};
    if (pFrom != nullptr)
        ::GetWindowRect(*pFrom, &rcFrom);
    CHoverButton* pBest = nullptr;
    int nBest = INT_MAX;
    for (HWND h = ::GetWindow(m_hDialog, GW_CHILD); h != nullptr; h = ::GetWindow(h, GW_HWNDNEXT))
    {
        CHoverButton* pButton = ButtonOf(h);
        if (pButton == nullptr || pButton == pFrom || !::IsWindowVisible(h))
            continue;
        if (pFrom == nullptr)
            return pButton;
        RECT rcTo{};
        ::GetWindowRect(h, &rcTo);
        const int nDistance = Distance(rcFrom, rcTo, vkArrow);
        if (nDistance >= 0 && nDistance < nBest)
        {
            nBest = nDistance;
            pBest = pButton;
        }
    }
    return pBest;
}

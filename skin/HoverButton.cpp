#include "skin/HoverButton.h"

#include "skin/ArtworkFit.h"
#include "skin/SkinColours.h"
#include "skin/StateStripCache.h"

#include <algorithm>
#include <utility>

namespace
{
enum Slice
{
    kSliceNormal = 0,
    kSlicePressed = 1,
    kSliceHover = 2,
    kSliceDisabled = 3,
    kSliceCount = 4
};

constexpr DWORD kHoverTimeMs = 1;
constexpr UINT_PTR kTipToolId = 1;
// The focus mark lies inside the strip's one-pixel frame, two pixels clear of it.
constexpr int kFocusMarkInset = 3;
// A button without a caption (the close button) marks its focus in white.
constexpr COLORREF kUncaptionedMarkColour = RGB(255, 255, 255);

// In the user's high-contrast colours: each slice's face and caption.
struct SystemLook
{
    int nFace;
    int nText;
};
constexpr SystemLook kSystemLooks[kSliceCount] = {
    {COLOR_BTNFACE, COLOR_BTNTEXT},
    {COLOR_HIGHLIGHT, COLOR_HIGHLIGHTTEXT},
    {COLOR_HIGHLIGHT, COLOR_HIGHLIGHTTEXT},
    {COLOR_BTNFACE, COLOR_GRAYTEXT},
};
// The close glyph's cross spans half the button's shorter side.
constexpr int kCrossDivisor = 4;

LPCWSTR TextOr(LPCWSTR lpsz, LPCWSTR lpszDefault) { return lpsz != nullptr ? lpsz : lpszDefault; }

COLORREF ColourOr(COLORREF cr, COLORREF crDefault) { return cr != kSameColour ? cr : crDefault; }

bool IsMouseMessage(UINT message)
{
    return (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) ||
           (message >= WM_NCMOUSEMOVE && message <= WM_NCXBUTTONDBLCLK);
}

bool IsInputMessage(UINT message)
{
    return IsMouseMessage(message) || (message >= WM_KEYFIRST && message <= WM_KEYLAST);
}
}  // namespace

IMPLEMENT_DYNAMIC(CHoverButton, CBitmapButton)

// clang-format off
BEGIN_MESSAGE_MAP(CHoverButton, CBitmapButton)
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONDOWN()
    ON_MESSAGE(WM_MOUSELEAVE, OnMouseLeave)
    ON_MESSAGE(WM_MOUSEHOVER, OnMouseHover)
    ON_MESSAGE(WM_GETDLGCODE, OnGetDlgCode)
    ON_MESSAGE(BM_SETSTYLE, OnSetStyle)
    ON_MESSAGE(WM_ENABLE, OnEnable)
    ON_MESSAGE(WM_SETTEXT, OnSetText)
    ON_MESSAGE(WM_SETFOCUS, OnSetFocus)
    ON_MESSAGE(WM_KILLFOCUS, OnKillFocus)
    ON_MESSAGE(WM_UPDATEUISTATE, OnUpdateUIState)
END_MESSAGE_MAP()
// clang-format on

CHoverButton::~CHoverButton() = default;

BOOL CHoverButton::LoadStateBitmap(UINT nIDResource)
{
    return SetStateBitmap(CStateStripCache::LoadStrip(nIDResource));
}

BOOL CHoverButton::SetStateBitmap(std::shared_ptr<const CBitmap> pStates)
{
    m_pStates = std::move(pStates);
    BITMAP bm{};  // stays empty when the strip could not be loaded
    m_pStates->GetBitmap(&bm);
    m_nBitmapWidth = bm.bmWidth;
    m_nStateHeight = bm.bmHeight / kSliceCount;
    return m_nStateHeight > 0;
}

void CHoverButton::SetCaptions(LPCWSTR lpszNormal, COLORREF crNormal, LPCWSTR lpszPressed, COLORREF crPressed,
                               LPCWSTR lpszHover, COLORREF crHover, LPCWSTR lpszDisabled, COLORREF crDisabled)
{
    if (lpszNormal == nullptr)
        return;
    m_strNormal = lpszNormal;
    m_crNormal = crNormal;
    m_strPressed = TextOr(lpszPressed, lpszNormal);
    m_crPressed = ColourOr(crPressed, crNormal);
    m_strHover = TextOr(lpszHover, lpszNormal);
    m_crHover = ColourOr(crHover, crNormal);
    m_strDisabled = TextOr(lpszDisabled, lpszNormal);
    m_crDisabled = ColourOr(crDisabled, crNormal);
    UpdateAccessibleName();
}

void CHoverButton::SetDescriptions(LPCWSTR lpszDescription, LPCWSTR lpszDisabledDescription)
{
    m_strDescription = lpszDescription;
    m_strDisabledDescription = TextOr(lpszDisabledDescription, lpszDescription);
}

CString CHoverButton::GetDescription() const { return IsWindowEnabled() ? m_strDescription : m_strDisabledDescription; }

void CHoverButton::SetTipText(LPCWSTR lpszTipText, BOOL bActivate)
{
    if (lpszTipText == nullptr)
        return;
    m_strTip = lpszTipText;
    m_bTipActive = bActivate;
    UpdateAccessibleName();
    if (m_toolTip.m_hWnd != nullptr)
        ApplyTip();
}

// The one tool of the tip, holding the newest text and activation.
void CHoverButton::ApplyTip()
{
    if (m_toolTip.GetToolCount() == 0)
    {
        CRect rcClient;
        GetClientRect(&rcClient);
        m_toolTip.AddTool(this, m_strTip, &rcClient, kTipToolId);
    }
    m_toolTip.UpdateTipText(m_strTip, this, kTipToolId);
    m_toolTip.Activate(m_bTipActive);
}

// Screen readers name a button by its window text. Set only on a change:
// a button repaints when its text is set.
void CHoverButton::UpdateAccessibleName()
{
    const CString& strName = m_strNormal.IsEmpty() ? m_strTip : m_strNormal;
    if (m_hWnd != nullptr && strName != GetWindowText())
        SetWindowText(strName);
}

void CHoverButton::ShowKeyboardPlace(bool bHolds)
{
    if (m_bKeyboardPlace == static_cast<BOOL>(bHolds))
        return;
    m_bKeyboardPlace = bHolds;
    if (m_bFocusCues)
        Invalidate(TRUE);
}

void CHoverButton::NotifyParent(WORD wCode) const
{
    ::SendMessageW(::GetParent(m_hWnd), WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(m_hWnd), wCode),
                   reinterpret_cast<LPARAM>(m_hWnd));
}

// A tip is made at the first mouse message that could show it, not at the
// start: a window and the common controls' library a start need not load.
bool CHoverButton::EnsureTip()
{
    if (m_toolTip.m_hWnd != nullptr)
        return true;
    if (m_strTip.IsEmpty() || m_bTipFailed)
        return false;
    // A tooltip that could not be made is not asked for again at every message.
    if (!m_toolTip.Create(this, 0))
    {
        m_bTipFailed = true;
        return false;
    }
    ApplyTip();
    return true;
}

// Disabling a window cancels its mouse mode, and the default handling asks
// the system who holds the capture: a round trip for each button the first
// refresh disables. A button that input has not reached cannot hold it.
LRESULT CHoverButton::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (IsInputMessage(message))
        m_bHadInput = true;
    else if (message == WM_CANCELMODE && !m_bHadInput)
        return 0;
    return CBitmapButton::WindowProc(message, wParam, lParam);
}

BOOL CHoverButton::PreTranslateMessage(MSG* pMsg)
{
    if (IsMouseMessage(pMsg->message) && EnsureTip())
        m_toolTip.RelayEvent(pMsg);
    return CBitmapButton::PreTranslateMessage(pMsg);
}

void CHoverButton::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    CDCHandle dc(lpDrawItemStruct->hDC);
    CRect rcButton;
    GetWindowRect(&rcButton);
    rcButton.MoveToOrigin();

    const UINT state = lpDrawItemStruct->itemState;
    int nSlice = kSliceNormal;
    const CString* pCaption = &m_strNormal;
    COLORREF crCaption = m_crNormal;
    if (state & ODS_DISABLED)
    {
        nSlice = kSliceDisabled;
        pCaption = &m_strDisabled;
        crCaption = m_crDisabled;
    }
    else if (state & ODS_SELECTED)
    {
        nSlice = kSlicePressed;
        pCaption = &m_strPressed;
        crCaption = m_crPressed;
    }
    else if (m_bHover)
    {
        nSlice = kSliceHover;
        pCaption = &m_strHover;
        crCaption = m_crHover;
    }

    COLORREF crMark = pCaption->IsEmpty() ? kUncaptionedMarkColour : crCaption;
    const bool bSystemColours = CSkinColours::UsesSystemColours();
    if (bSystemColours)
    {
        CSkinColours::FillFramed(dc, rcButton, kSystemLooks[nSlice].nFace);
        // The face's own text colour: the one colour a scheme pairs with it.
        crCaption = ::GetSysColor(kSystemLooks[nSlice].nText);
        crMark = crCaption;
    }
    else if (!DrawSlice(dc, rcButton, nSlice))
    {
        return;
    }
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(crCaption);
    if (bSystemColours && pCaption->IsEmpty())
        DrawCross(dc, rcButton, crCaption);
    else
        dc.DrawText(*pCaption, &rcButton, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    if (m_bKeyboardPlace && m_bFocusCues && !(state & ODS_NOFOCUSRECT))
        DrawFocusMark(dc, rcButton, crMark);
}

bool CHoverButton::DrawSlice(CDCHandle& dc, const CRect& rcButton, int nSlice) const
{
    CDC dcMemory;
    if (!dcMemory.CreateCompatibleDC(&dc))
        return false;
    CSelectionGuard select(dcMemory, m_pStates != nullptr ? m_pStates->GetSafeHandle() : nullptr);
    CArtworkFit::Draw(dc, rcButton.Size(), dcMemory,
                      CRect(0, nSlice * m_nStateHeight, m_nBitmapWidth, (nSlice + 1) * m_nStateHeight));
    return true;
}

// The close button's bitmap is its only sign; without it a cross says Exit.
void CHoverButton::DrawCross(CDCHandle& dc, const CRect& rcButton, COLORREF crGlyph) const
{
    const int nHalf = std::min(rcButton.Width(), rcButton.Height()) / kCrossDivisor;
    const int x = rcButton.Width() / 2;
    const int y = rcButton.Height() / 2;
    CSelectionGuard selectPen(dc, ::GetStockObject(DC_PEN));
    const COLORREF crOld = ::SetDCPenColor(dc, crGlyph);
    // Two pixels wide, so the cross reads as well as a caption does.
    for (int nShift = 0; nShift <= 1; ++nShift)
    {
        ::MoveToEx(dc, x - nHalf + nShift, y - nHalf, nullptr);
        ::LineTo(dc, x + nHalf + nShift + 1, y + nHalf + 1);
        ::MoveToEx(dc, x + nHalf - nShift, y - nHalf, nullptr);
        ::LineTo(dc, x - nHalf - nShift - 1, y + nHalf + 1);
    }
    ::SetDCPenColor(dc, crOld);
}

void CHoverButton::DrawFocusMark(CDCHandle& dc, const CRect& rcButton, COLORREF crMark) const
{
    RECT rcMark = rcButton;
    ::InflateRect(&rcMark, -kFocusMarkInset, -kFocusMarkInset);
    // The stock DC brush: nothing is created per paint.
    const COLORREF crOld = ::SetDCBrushColor(dc, crMark);
    ::FrameRect(dc, &rcMark, static_cast<HBRUSH>(::GetStockObject(DC_BRUSH)));
    ::SetDCBrushColor(dc, crOld);
}

void CHoverButton::OnMouseMove(UINT nFlags, CPoint point)
{
    if (!m_bTracking)
    {
        TRACKMOUSEEVENT tme = {sizeof(tme), TME_HOVER | TME_LEAVE, m_hWnd, kHoverTimeMs};
        m_bTracking = ::TrackMouseEvent(&tme);
    }
    CBitmapButton::OnMouseMove(nFlags, point);
}

// A click on the focused button brings the keyboard back from a disabled
// button it rested on.
void CHoverButton::OnLButtonDown(UINT nFlags, CPoint point)
{
    NotifyParent(BN_SETFOCUS);
    CBitmapButton::OnLButtonDown(nFlags, point);
}

LRESULT CHoverButton::OnMouseHover(WPARAM, LPARAM)
{
    m_bHover = TRUE;
    Invalidate(TRUE);
    return 0;
}

LRESULT CHoverButton::OnMouseLeave(WPARAM, LPARAM)
{
    m_bTracking = FALSE;
    m_bHover = FALSE;
    Invalidate(TRUE);
    return 0;
}

// A push button to the dialog manager, so Enter acts on the focused button.
// A disabled button is never the default: Enter must not run it.
LRESULT CHoverButton::OnGetDlgCode(WPARAM, LPARAM)
{
    const bool bDefault = IsWindowEnabled() && (m_bDefault || ::GetFocus() == m_hWnd);
    return DLGC_BUTTON | (bDefault ? DLGC_DEFPUSHBUTTON : DLGC_UNDEFPUSHBUTTON);
}

// The dialog manager moves the default push-button style between buttons;
// this button keeps its owner-drawn style and only notes the change.
LRESULT CHoverButton::OnSetStyle(WPARAM wParam, LPARAM)
{
    m_bDefault = (wParam & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
    return 0;
}

// The button class repaints at once on both, even while the menu is still
// hidden and every button is being set up; a shown button is invalidated
// instead and repaints with the rest.
LRESULT CHoverButton::OnEnable(WPARAM, LPARAM)
{
    InvalidateIfShown();
    return 0;
}

LRESULT CHoverButton::OnSetText(WPARAM wParam, LPARAM lParam)
{
    const LRESULT lResult = ::DefWindowProcW(m_hWnd, WM_SETTEXT, wParam, lParam);
    InvalidateIfShown();
    return lResult;
}

void CHoverButton::InvalidateIfShown()
{
    if (IsWindowVisible())
        Invalidate(TRUE);
}

LRESULT CHoverButton::OnSetFocus(WPARAM, LPARAM)
{
    NotifyParent(BN_SETFOCUS);
    return Default();
}

LRESULT CHoverButton::OnKillFocus(WPARAM, LPARAM)
{
    NotifyParent(BN_KILLFOCUS);
    return Default();
}

LRESULT CHoverButton::OnUpdateUIState(WPARAM wParam, LPARAM)
{
    const LRESULT lResult = Default();
    if ((HIWORD(wParam) & UISF_HIDEFOCUS) == 0)
        return lResult;
    BOOL bShow = m_bFocusCues;
    if (LOWORD(wParam) == UIS_SET)
        bShow = FALSE;
    else if (LOWORD(wParam) == UIS_CLEAR)
        bShow = TRUE;
    if (bShow != m_bFocusCues)
    {
        m_bFocusCues = bShow;
        if (m_bKeyboardPlace)
            Invalidate(TRUE);
    }
    return lResult;
}

#include "skin/SkinDialog.h"

#include "framework/StartupTrace.h"
#include "skin/ArtworkFit.h"
#include "skin/ButtonGrid.h"
#include "skin/PackedArtwork.h"
#include "skin/SkinColours.h"
#include "skin/WindowRegion.h"

#include <cwchar>

namespace
{
const wchar_t kTrackbarClass[] = L"msctls_trackbar32";

// Windows honours "always show keyboard cues" by never hiding them, not by
// a message, and not every system sends UI-state messages: read it.
bool AlwaysShowsKeyboardCues()
{
    BOOL bAlways = FALSE;
    return ::SystemParametersInfoW(SPI_GETKEYBOARDCUES, 0, &bAlways, 0) && bAlways;
}

#ifndef WM_DPICHANGED
#define WM_DPICHANGED 0x02E0
#endif
}  // namespace

// clang-format off
BEGIN_MESSAGE_MAP(CSkinDialog, CDialog)
    ON_WM_ERASEBKGND()
    ON_WM_LBUTTONDOWN()
    ON_WM_CTLCOLOR()
    ON_MESSAGE(WM_DPICHANGED, OnDpiChanged)
    ON_MESSAGE(WM_SETTINGCHANGE, OnSettingChange)
    ON_MESSAGE(WM_SYSCOLORCHANGE, OnSysColorChange)
END_MESSAGE_MAP()
// clang-format on

CSkinDialog::CSkinDialog(UINT nIDTemplate, CWnd* pParent)
    : CDialog(nIDTemplate, pParent), m_hHollowBrush(static_cast<HBRUSH>(::GetStockObject(NULL_BRUSH)))
{
}

CSkinDialog::~CSkinDialog() { ReleaseBackground(); }

BOOL CSkinDialog::SetBackground(UINT nIDResource)
{
    ReleaseBackground();
    m_nBackgroundId = nIDResource;
    // In system colours the artwork is not shown: it is not even decoded.
    const BOOL bShown = CSkinColours::UsesSystemColours() || ScaleBackgroundToWindow();
    // A damaged bitmap has just turned the skin to system colours: the
    // window still loses its shape.
    if (!bShown && !CSkinColours::UsesSystemColours())
        return FALSE;
    BuildWindowRegion(m_rcKeep);
    return bShown;
}

// Decoded straight into the window-sized bitmap where the artwork is copied
// 1:1; otherwise decoded at its own size and stretched once.
BOOL CSkinDialog::ScaleBackgroundToWindow()
{
    CPackedArtwork artwork(m_nBackgroundId);
    CRect rcWindow;
    GetWindowRect(&rcWindow);
    const CSize szArtwork = artwork.Size();
    const bool bOneToOne = CArtworkFit::IsOneToOne(szArtwork, rcWindow.Size());
    auto pBackground = std::make_unique<CBitmap>();
    CBitmap decoded;
    const bool bDecoded = artwork.Decode(bOneToOne ? *pBackground : decoded, bOneToOne ? rcWindow.Size() : szArtwork);
    if (artwork.IsDamaged())
        CSkinColours::SetArtworkDamaged(true);
    if (!bDecoded)
        return FALSE;
    MarkStartup(StartupPoint::kBackgroundLoaded);
    if (!bOneToOne && !StretchToWindow(decoded, szArtwork, *pBackground, rcWindow.Size()))
        return FALSE;
    m_pBackground = std::move(pBackground);
    m_bHasBackground = TRUE;
    MarkStartup(StartupPoint::kBackgroundScaled);
    return TRUE;
}

BOOL CSkinDialog::StretchToWindow(const CBitmap& decoded, CSize szArtwork, CBitmap& background, CSize szWindow)
{
    CDC dcSource;
    CDC dcTarget;
    DWORD* pBits = nullptr;
    if (!dcSource.CreateCompatibleDC(nullptr) || !dcTarget.CreateCompatibleDC(nullptr) ||
        !background.CreateDIBSection(szWindow.cx, szWindow.cy, &pBits))
        return FALSE;
    CSelectionGuard selectSource(dcSource, decoded);
    CSelectionGuard selectTarget(dcTarget, background);
    return CArtworkFit::Draw(dcTarget, szWindow, dcSource, CRect(0, 0, szArtwork.cx, szArtwork.cy));
}

void CSkinDialog::ReleaseBackground()
{
    m_pBackground.reset();
    m_bHasBackground = FALSE;
}

void CSkinDialog::BuildWindowRegion(CRect rcKeep)
{
    m_rcKeep = rcKeep;
    if (CSkinColours::UsesSystemColours())
    {
        SetWindowRgn(nullptr, TRUE);
        return;
    }
    CRect rcWindow;
    GetWindowRect(&rcWindow);
    // Keying needs pixels to read: without a background the window stays a rectangle.
    if (!m_bUseKeyColor || !m_bHasBackground)
    {
        GiveWindowRegion(CWindowRegion::CreatePlain(rcWindow.Size()));
        return;
    }
    CRect rcClient;
    GetClientRect(&rcClient);
    const CWindowRegion shape(*m_pBackground, m_crKey, rcKeep);
    GiveWindowRegion(shape.Create(rcWindow.Size(), rcClient.Size()));
}

void CSkinDialog::GiveWindowRegion(CRegionHandle rgn)
{
    // The system owns a region only once SetWindowRgn has succeeded.
    if (rgn.IsValid() && SetWindowRgn(rgn, TRUE) != 0)
        rgn.Release();
}

BOOL CSkinDialog::OnEraseBkgnd(CDCHandle* pDC)
{
    if (CSkinColours::UsesSystemColours())
    {
        CRect rcClient;
        GetClientRect(&rcClient);
        CSkinColours::FillFramed(*pDC, rcClient, COLOR_WINDOW);
        DrawArtworkStandIns(*pDC);
        return TRUE;
    }
    if (!m_bHasBackground)
        return CDialog::OnEraseBkgnd(pDC);

    CRect rcClient;
    GetClientRect(&rcClient);
    CDC dcMemory;
    if (!dcMemory.CreateCompatibleDC(pDC))
        return CDialog::OnEraseBkgnd(pDC);
    CSelectionGuard select(dcMemory, *m_pBackground);
    pDC->BitBlt(0, 0, rcClient.Width(), rcClient.Height(), &dcMemory, 0, 0, SRCCOPY);
    return TRUE;
}

void CSkinDialog::OnLButtonDown(UINT nFlags, CPoint point)
{
    CDialog::OnLButtonDown(nFlags, point);
    if (m_bDragMove)
        PostMessage(WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(point.x, point.y));
}

HBRUSH CSkinDialog::OnCtlColor(CDCHandle* pDC, CWnd* pWnd, UINT nCtlColor)
{
    const HBRUSH hbr = CDialog::OnCtlColor(pDC, pWnd, nCtlColor);
    if (!m_bTransparentStatics || nCtlColor != CTLCOLOR_STATIC)
        return hbr;

    wchar_t szClassName[256] = L"";
    ::GetClassNameW(pWnd->GetSafeHwnd(), szClassName, 256);
    if (std::wcscmp(szClassName, kTrackbarClass) == 0)
        return hbr;

    pDC->SetBkMode(TRANSPARENT);
    return m_hHollowBrush;
}

// The system's suggested rectangle keeps the window's place on the new
// screen; the background and the region follow the new size.
LRESULT CSkinDialog::OnDpiChanged(WPARAM, LPARAM lParam)
{
    Default();
    const RECT& rcSuggested = *reinterpret_cast<const RECT*>(lParam);
    SetWindowPos(nullptr, rcSuggested.left, rcSuggested.top, rcSuggested.right - rcSuggested.left,
                 rcSuggested.bottom - rcSuggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    if (m_bHasBackground && ScaleBackgroundToWindow())
        BuildWindowRegion(m_rcKeep);
    Invalidate(TRUE);
    return 0;
}

LRESULT CSkinDialog::OnSettingChange(WPARAM wParam, LPARAM)
{
    if (wParam == SPI_SETHIGHCONTRAST)
        FollowSystemColours();
    return Default();
}

LRESULT CSkinDialog::OnSysColorChange(WPARAM, LPARAM)
{
    FollowSystemColours();
    return Default();
}

// A theme switched while the dialog runs: the artwork and the region are
// dropped or made again, and everything repaints in the present colours.
void CSkinDialog::FollowSystemColours()
{
    if (CSkinColours::UsesSystemColours())
        ReleaseBackground();
    else if (m_bHasBackground || m_nBackgroundId == 0 || !ScaleBackgroundToWindow())
        return;  // the skin as it is: nothing in it follows the system's colours
    BuildWindowRegion(m_rcKeep);
    RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void CSkinDialog::DrawArtworkStandIns(CDCHandle&) {}

BOOL CSkinDialog::OnInitDialog()
{
    const BOOL bResult = CDialog::OnInitDialog();
    // A dialog opened from the keyboard keeps showing where the focus is, and
    // so does every dialog of a user who always wants keyboard cues.
    CWnd* pFocus = FromHandlePermanent(::GetFocus());
    const bool bFromKeyboard = pFocus != nullptr && pFocus->IsKindOf(RUNTIME_CLASS(CHoverButton)) &&
                               static_cast<CHoverButton*>(pFocus)->AreFocusCuesShown();
    if (bFromKeyboard || AlwaysShowsKeyboardCues())
        ShowFocusCues();
    return bResult;
}

void CSkinDialog::ShowFocusCues()
{
    const WPARAM wShow = MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS);
    SendMessage(WM_CHANGEUISTATE, wShow);
    // Not every system passes the change down to the controls; a control
    // told twice keeps the same state.
    for (HWND h = ::GetWindow(m_hWnd, GW_CHILD); h != nullptr; h = ::GetWindow(h, GW_HWNDNEXT))
        ::SendMessageW(h, WM_UPDATEUISTATE, wShow, 0);
}

void CSkinDialog::OnKeyboardPlace(CHoverButton&) {}

BOOL CSkinDialog::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message != WM_KEYDOWN || (pMsg->hwnd != m_hWnd && !::IsChild(m_hWnd, pMsg->hwnd)))
        return CDialog::PreTranslateMessage(pMsg);
    // A control that asks for the key (an edit field's arrows) keeps it.
    const LRESULT lWants = ::SendMessageW(pMsg->hwnd, WM_GETDLGCODE, pMsg->wParam, reinterpret_cast<LPARAM>(pMsg));
    switch (pMsg->wParam)
    {
    case VK_TAB:
        if (lWants & (DLGC_WANTTAB | DLGC_WANTALLKEYS | DLGC_WANTMESSAGE))
            break;
        MoveByTab(::GetKeyState(VK_SHIFT) < 0);
        return TRUE;
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
        if (lWants & (DLGC_WANTARROWS | DLGC_WANTALLKEYS | DLGC_WANTMESSAGE))
            break;
        MoveByArrow(static_cast<UINT>(pMsg->wParam));
        return TRUE;
    case VK_RETURN:
    case VK_SPACE:
        if (IsRestingOnDisabled())
            return TRUE;
        break;
    default: break;
    }
    return CDialog::PreTranslateMessage(pMsg);
}

BOOL CSkinDialog::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    const auto hFrom = reinterpret_cast<HWND>(lParam);
    if (message == WM_COMMAND && CButtonGrid(m_hWnd).ButtonOf(hFrom) != nullptr)
    {
        if (HIWORD(wParam) == BN_SETFOCUS)
            SetKeyboardPlace(hFrom);
        else if (HIWORD(wParam) == BN_KILLFOCUS && hFrom == m_hKeyboardPlace)
            SetKeyboardPlace(nullptr);
    }
    return CDialog::OnWndMsg(message, wParam, lParam, pResult);
}

BOOL CSkinDialog::LoadButtonStrip(CHoverButton& button, UINT nIDResource)
{
    const BOOL bLoaded = button.SetStateBitmap(m_stateStrips.Get(nIDResource));
    // A damaged strip turns the whole skin to system colours.
    if (!bLoaded && m_bHasBackground && CSkinColours::UsesSystemColours())
        FollowSystemColours();
    return bLoaded;
}

CHoverButton* CSkinDialog::KeyboardPlace() const
{
    const CButtonGrid grid(m_hWnd);
    return m_hKeyboardPlace != nullptr ? grid.ButtonOf(m_hKeyboardPlace) : grid.ButtonOf(::GetFocus());
}

void CSkinDialog::SetKeyboardPlace(HWND hButton)
{
    if (hButton == m_hKeyboardPlace)
        return;
    const CButtonGrid grid(m_hWnd);
    if (CHoverButton* pOld = grid.ButtonOf(m_hKeyboardPlace))
        pOld->ShowKeyboardPlace(false);
    m_hKeyboardPlace = hButton;
    if (CHoverButton* pNew = grid.ButtonOf(hButton))
        pNew->ShowKeyboardPlace(true);
}

void CSkinDialog::MoveByTab(bool bBackwards)
{
    ShowFocusCues();
    const CHoverButton* pPlace = KeyboardPlace();
    const HWND hFrom = pPlace != nullptr ? pPlace->m_hWnd : nullptr;
    const HWND hNext = ::GetNextDlgTabItem(m_hWnd, hFrom, bBackwards);
    if (hNext != nullptr)
        MoveKeyboardTo(hNext);
}

void CSkinDialog::MoveByArrow(UINT vkArrow)
{
    ShowFocusCues();
    CHoverButton* pNext = CButtonGrid(m_hWnd).Neighbour(KeyboardPlace(), vkArrow);
    if (pNext != nullptr)
        MoveKeyboardTo(pNext->m_hWnd);
}

void CSkinDialog::MoveKeyboardTo(HWND hTarget)
{
    // A disabled button cannot take the focus: the focus stays where it is
    // while the keyboard rests on the disabled button's place.
    if (::IsWindowEnabled(hTarget))
        SendMessage(WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(hTarget), TRUE);
    CHoverButton* pTarget = CButtonGrid(m_hWnd).ButtonOf(hTarget);
    if (pTarget == nullptr)
        return;
    SetKeyboardPlace(hTarget);
    OnKeyboardPlace(*pTarget);
}

bool CSkinDialog::IsRestingOnDisabled() const
{
    const CHoverButton* pPlace = KeyboardPlace();
    return pPlace != nullptr && !pPlace->IsWindowEnabled();
}

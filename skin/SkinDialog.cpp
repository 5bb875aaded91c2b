#include "skin/SkinDialog.h"

#include "framework/StartupTrace.h"
#include "skin/WindowRegion.h"

#include <cwchar>

namespace
{
const wchar_t kTrackbarClass[] = L"msctls_trackbar32";
}  // namespace

BEGIN_MESSAGE_MAP(CSkinDialog, CDialog)
    ON_WM_ERASEBKGND()
    ON_WM_LBUTTONDOWN()
    ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

CSkinDialog::CSkinDialog(UINT nIDTemplate, CWnd* pParent)
    : CDialog(nIDTemplate, pParent),
      m_hHollowBrush(static_cast<HBRUSH>(::GetStockObject(NULL_BRUSH)))
{
}

CSkinDialog::~CSkinDialog()
{
    ReleaseBackground();
}

BOOL CSkinDialog::SetBackground(UINT nIDResource)
{
    ReleaseBackground();

    CBitmap loaded;
    if (!loaded.LoadBitmap(nIDResource))
        return FALSE;
    MarkStartup(StartupPoint::kBackgroundLoaded);

    CRect rcWindow;
    GetWindowRect(&rcWindow);
    auto pBackground = std::make_unique<CBitmap>();
    {
        CDC dcSource;
        dcSource.CreateCompatibleDC(nullptr);
        CSelectionGuard selectSource(dcSource, loaded);
        BITMAP bm{};
        loaded.GetBitmap(&bm);

        if (!pBackground->CreateCompatibleBitmap(&dcSource, rcWindow.Width(), rcWindow.Height()))
            return FALSE;
        CDC dcTarget;
        dcTarget.CreateCompatibleDC(nullptr);
        CSelectionGuard selectTarget(dcTarget, *pBackground);
        dcTarget.StretchBlt(0, 0, rcWindow.Width(), rcWindow.Height(), &dcSource, 0, 0,
                            bm.bmWidth, bm.bmHeight, SRCCOPY);
    }
    m_pBackground = std::move(pBackground);
    m_bHasBackground = TRUE;
    MarkStartup(StartupPoint::kBackgroundScaled);
    BuildWindowRegion(CRect(0, 0, 0, 0));
    return TRUE;
}

void CSkinDialog::ReleaseBackground()
{
    m_pBackground.reset();
    m_bHasBackground = FALSE;
}

void CSkinDialog::BuildWindowRegion(CRect rcKeep)
{
    CRect rcWindow;
    GetWindowRect(&rcWindow);
    // Keying needs pixels to read: without a background the window stays a rectangle.
    if (!m_bUseKeyColor || !m_bHasBackground)
    {
        SetWindowRgn(CWindowRegion::CreatePlain(rcWindow.Size()), TRUE);
        return;
    }
    CRect rcClient;
    GetClientRect(&rcClient);
    const CWindowRegion shape(*m_pBackground, m_crKey, rcKeep);
    SetWindowRgn(shape.Create(rcWindow.Size(), rcClient.Size()), TRUE);
}

BOOL CSkinDialog::OnEraseBkgnd(CDCHandle* pDC)
{
    if (!m_bHasBackground)
        return CDialog::OnEraseBkgnd(pDC);

    CRect rcClient;
    GetClientRect(&rcClient);
    CDC dcMemory;
    dcMemory.CreateCompatibleDC(pDC);
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

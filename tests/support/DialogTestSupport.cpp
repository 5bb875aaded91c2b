#include "tests/support/DialogTestSupport.h"

#include "app/LanguageDlg.h"
#include "framework/ResourceModule.h"
#include "res/resource.h"

#include <commctrl.h>

#include <algorithm>
#include <cstring>

CCanvas::CCanvas(int nWidth, int nHeight, COLORREF crFill)
    : m_nWidth(nWidth), m_nHeight(nHeight), m_hDC(::CreateCompatibleDC(nullptr))
{
    BITMAPINFO bmi{{sizeof(BITMAPINFOHEADER), nWidth, -nHeight /* top-down */, 1, 32, BI_RGB, 0, 0, 0, 0, 0}, {}};
    void* pBits = nullptr;
    m_hBitmap = ::CreateDIBSection(m_hDC, &bmi, DIB_RGB_COLORS, &pBits, nullptr, 0);
    m_pBits = static_cast<const DWORD*>(pBits);
    m_hOldBitmap = ::SelectObject(m_hDC, m_hBitmap);
    const HBRUSH hFill = ::CreateSolidBrush(crFill);
    const RECT rc = {0, 0, nWidth, nHeight};
    ::FillRect(m_hDC, &rc, hFill);
    ::DeleteObject(hFill);
}

CCanvas::~CCanvas()
{
    ::SelectObject(m_hDC, m_hOldBitmap);
    ::DeleteObject(m_hBitmap);
    ::DeleteDC(m_hDC);
}

COLORREF CCanvas::GetPixel(int x, int y) const
{
    ::GdiFlush();
    const DWORD dw = m_pBits[y * m_nWidth + x];  // 0x00RRGGBB
    return RGB((dw >> 16) & 0xFF, (dw >> 8) & 0xFF, dw & 0xFF);
}

int CCanvas::CountPixels(COLORREF cr) const { return static_cast<int>(PixelsOf(cr).size()); }

void DrawButton(CHoverButton& button, HDC hDC, UINT itemState)
{
    DRAWITEMSTRUCT dis{ODT_BUTTON,
                       static_cast<UINT>(::GetDlgCtrlID(button)),
                       0,
                       ODA_DRAWENTIRE,
                       itemState | (button.IsWindowEnabled() ? 0U : ODS_DISABLED),
                       button,
                       hDC,
                       {},
                       0};
    button.GetClientRect(&dis.rcItem);
    button.DrawItem(&dis);
}

std::vector<int> CCanvas::PixelsOf(COLORREF cr) const
{
    std::vector<int> points;
    for (int y = 0; y < m_nHeight; ++y)
        for (int x = 0; x < m_nWidth; ++x)
            if (GetPixel(x, y) == cr)
                points.push_back(y * m_nWidth + x);
    return points;
}

Pixels CCanvas::Read() const
{
    ::GdiFlush();
    Pixels pixels{m_nWidth, m_nHeight, {}};
    for (int i = 0; i < m_nWidth * m_nHeight; ++i)
        pixels.values.push_back(RGB((m_pBits[i] >> 16) & 0xFF, (m_pBits[i] >> 8) & 0xFF, m_pBits[i] & 0xFF));
    return pixels;
}

bool Press(HWND hDlg, UINT vk, bool bShift)
{
    BYTE keys[256];
    ::GetKeyboardState(keys);
    keys[VK_SHIFT] = bShift ? 0x80 : 0;
    ::SetKeyboardState(keys);
    const HWND hFocus = ::GetFocus();
    MSG msg{hFocus != nullptr && ::IsChild(hDlg, hFocus) ? hFocus : hDlg, WM_KEYDOWN, vk, 0, 0, {0, 0}};
    const bool bTaken = CWnd::WalkPreTranslateTree(hDlg, &msg) || ::IsDialogMessageW(hDlg, &msg);
    keys[VK_SHIFT] = 0;
    ::SetKeyboardState(keys);
    return bTaken;
}

bool ReadWindowRegion(HWND hWnd, CRgn& rgn)
{
    rgn.CreateRectRgn(0, 0, 0, 0);
    return ::GetWindowRgn(hWnd, rgn) != ERROR;
}

Runs RowRuns(const CRgn& rgn, int y)
{
    const DWORD cbData = ::GetRegionData(rgn, 0, nullptr);
    std::vector<BYTE> data(cbData);
    auto* pData = reinterpret_cast<RGNDATA*>(data.data());
    ::GetRegionData(rgn, cbData, pData);
    const auto* pRects = reinterpret_cast<const RECT*>(pData->Buffer);

    Runs spans;
    for (DWORD i = 0; i < pData->rdh.nCount; ++i)
        if (pRects[i].top <= y && y < pRects[i].bottom)
            spans.emplace_back(pRects[i].left, pRects[i].right);
    std::sort(spans.begin(), spans.end());
    Runs runs;
    for (const auto& span : spans)
    {
        if (!runs.empty() && runs.back().second >= span.first)
            runs.back().second = std::max(runs.back().second, span.second);
        else
            runs.push_back(span);
    }
    return runs;
}

CSize CTestSkinDialog::ClientSize() const
{
    CRect rc;
    GetClientRect(&rc);
    return rc.Size();
}

void CTestSkinDialog::SetBackgroundPixel(int x, int y, COLORREF cr)
{
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    CSelectionGuard select(dc, *m_pBackground);
    ::SetPixel(dc, x, y, cr);
}

void CTestSkinDialog::PaintBackgroundRow(int y, const std::function<COLORREF(int x, int w)>& pixel)
{
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    CSelectionGuard select(dc, *m_pBackground);
    const int w = ClientSize().cx;
    for (int x = 0; x < w; ++x)
        ::SetPixel(dc, x, y, pixel(x, w));
}

Pixels CTestSkinDialog::BackgroundPixels() const { return BitmapPixels(*m_pBackground); }

Pixels BitmapPixels(HBITMAP hBitmap)
{
    BITMAP bm{};
    ::GetObjectW(hBitmap, sizeof(bm), &bm);
    Pixels pixels{bm.bmWidth, bm.bmHeight, std::vector<COLORREF>(static_cast<size_t>(bm.bmWidth) * bm.bmHeight)};
    BITMAPINFO bmi{{sizeof(BITMAPINFOHEADER), bm.bmWidth, -bm.bmHeight /* top-down */, 1, 32, BI_RGB, 0, 0, 0, 0, 0},
                   {}};
    const HDC hScreen = ::GetDC(nullptr);
    ::GetDIBits(hScreen, hBitmap, 0, bm.bmHeight, pixels.values.data(), &bmi, DIB_RGB_COLORS);
    ::ReleaseDC(nullptr, hScreen);
    for (COLORREF& cr : pixels.values)  // 0x00RRGGBB
        cr = RGB(GetBValue(cr), GetGValue(cr), GetRValue(cr));
    return pixels;
}

Pixels ResourcePixels(UINT nIDBitmap)
{
    const HINSTANCE hModule = AfxGetResourceHandle();
    const HRSRC hInfo = ::FindResourceW(hModule, MAKEINTRESOURCEW(nIDBitmap), RT_BITMAP);
    const auto* pData = static_cast<const BYTE*>(::LockResource(::LoadResource(hModule, hInfo)));
    if (pData == nullptr)
        return {};
    BITMAPINFOHEADER bih{};
    std::memcpy(&bih, pData, sizeof(bih));
    if (bih.biBitCount != 24 || bih.biCompression != BI_RGB || bih.biHeight <= 0)
        return {};
    Pixels pixels{bih.biWidth, bih.biHeight, {}};
    const int nStride = (bih.biWidth * 3 + 3) / 4 * 4;
    const BYTE* pBits = pData + bih.biSize;
    for (int y = 0; y < pixels.nHeight; ++y)
        for (int x = 0; x < pixels.nWidth; ++x)
        {
            const BYTE* pPixel =
                pBits + static_cast<size_t>(pixels.nHeight - 1 - y) * nStride + x * 3;  // bottom-up BGR
            pixels.values.push_back(RGB(pPixel[2], pPixel[1], pPixel[0]));
        }
    return pixels;
}

void CTestSkinDialog::DoDataExchange(CDataExchange* pDX)
{
    for (const auto& binding : m_bindings)
        DDX_Control(pDX, binding.first, *binding.second);
}

std::vector<std::wstring> DrawnCaptions(const std::vector<CHoverButton*>& buttons)
{
    // One metafile for all: making one costs Wine far more than drawing into
    // it. A comment record ends each button's texts.
    const HDC hDC = ::CreateEnhMetaFileW(nullptr, nullptr, nullptr, nullptr);
    for (CHoverButton* pButton : buttons)
    {
        const int nSaved = ::SaveDC(hDC);
        DrawButton(*pButton, hDC);
        ::RestoreDC(hDC, nSaved);
        static const BYTE kEnd[] = {'e', 'n', 'd', 0};
        ::GdiComment(hDC, sizeof kEnd, kEnd);
    }
    const HENHMETAFILE hEmf = ::CloseEnhMetaFile(hDC);
    std::vector<BYTE> bits(::GetEnhMetaFileBits(hEmf, 0, nullptr));
    ::GetEnhMetaFileBits(hEmf, static_cast<UINT>(bits.size()), bits.data());
    ::DeleteEnhMetaFile(hEmf);
    std::vector<std::wstring> texts(1);
    for (size_t at = 0; at < bits.size() && texts.size() <= buttons.size();
         at += reinterpret_cast<const EMR*>(&bits[at])->nSize)
    {
        const auto* p = reinterpret_cast<const EMREXTTEXTOUTW*>(&bits[at]);
        if (p->emr.iType == EMR_EXTTEXTOUTW)
            texts.back().append(reinterpret_cast<const wchar_t*>(&bits[at + p->emrtext.offString]), p->emrtext.nChars);
        else if (p->emr.iType == EMR_GDICOMMENT)
            texts.emplace_back();
    }
    texts.resize(buttons.size());
    return texts;
}

std::wstring DrawnCaption(CHoverButton& button) { return DrawnCaptions({&button}).front(); }

std::vector<UINT> OwnerDrawnItems(HWND hDlg, bool bHiddenOnly)
{
    std::vector<UINT> ids;
    for (HWND hWnd = ::GetWindow(hDlg, GW_CHILD); hWnd != nullptr; hWnd = ::GetWindow(hWnd, GW_HWNDNEXT))
    {
        const LONG lStyle = ::GetWindowLongW(hWnd, GWL_STYLE);
        wchar_t szClass[16] = L"";
        ::GetClassNameW(hWnd, szClass, 16);
        if (_wcsicmp(szClass, L"Button") == 0 && (lStyle & BS_TYPEMASK) == BS_OWNERDRAW &&
            (!bHiddenOnly || (lStyle & WS_VISIBLE) == 0))
            ids.push_back(static_cast<UINT>(::GetDlgCtrlID(hWnd)));
    }
    return ids;
}

std::vector<CHoverButton*> HoverButtons(const CWnd& dialog, bool bShownOnly)
{
    std::vector<CHoverButton*> buttons;
    for (HWND hWnd = ::GetWindow(dialog, GW_CHILD); hWnd != nullptr; hWnd = ::GetWindow(hWnd, GW_HWNDNEXT))
        if (auto* pButton = dynamic_cast<CHoverButton*>(CWnd::FromHandlePermanent(hWnd));
            pButton != nullptr && (!bShownOnly || (::GetWindowLongW(hWnd, GWL_STYLE) & WS_VISIBLE) != 0))
            buttons.push_back(pButton);
    return buttons;
}

std::vector<HWND> TooltipsOwnedBy(HWND hOwner)
{
    std::vector<HWND> tips;
    for (HWND hWnd = nullptr; (hWnd = ::FindWindowExW(nullptr, hWnd, TOOLTIPS_CLASSW, nullptr)) != nullptr;)
        if (::GetWindow(hWnd, GW_OWNER) == hOwner)
            tips.push_back(hWnd);
    return tips;
}

std::wstring TipText(CHoverButton& button)
{
    MSG mouse{button, WM_MOUSEMOVE, 0, 0, 0, {}};
    button.PreTranslateMessage(&mouse);
    const HWND hButton = button;
    std::wstring text;
    for (const HWND hTip : TooltipsOwnedBy(::GetParent(hButton)))
    {
        wchar_t szText[256] = L"";
        TOOLINFOW ti{};
        ti.cbSize = TTTOOLINFOW_V2_SIZE;
        ti.hwnd = hButton;
        ti.uId = 1;
        ti.lpszText = szText;
        ::SendMessageW(hTip, TTM_GETTEXTW, ARRAYSIZE(szText), reinterpret_cast<LPARAM>(&ti));
        text += szText;
    }
    return text;
}

namespace
{
struct ChooserAnswer
{
    UINT nButton;
    const std::function<void(HWND)>* pOnShown;
    bool bShown;
};
ChooserAnswer* g_pAnswer = nullptr;

void CALLBACK AnswerChooser(HWND, UINT, UINT_PTR nTimer, DWORD)
{
    for (HWND hWnd = ::GetTopWindow(nullptr); hWnd != nullptr; hWnd = ::GetWindow(hWnd, GW_HWNDNEXT))
    {
        if (dynamic_cast<CLanguageDlg*>(CWnd::FromHandlePermanent(hWnd)) == nullptr || !::IsWindowVisible(hWnd))
            continue;
        ::KillTimer(nullptr, nTimer);
        g_pAnswer->bShown = true;
        if (*g_pAnswer->pOnShown)
            (*g_pAnswer->pOnShown)(hWnd);
        const UINT nButton = g_pAnswer->nButton;
        nButton == 0 ? ::PostMessageW(hWnd, WM_KEYDOWN, VK_ESCAPE, 0)
                     : ::PostMessageW(hWnd, WM_COMMAND, MAKEWPARAM(nButton, BN_CLICKED),
                                      reinterpret_cast<LPARAM>(::GetDlgItem(hWnd, static_cast<int>(nButton))));
        return;
    }
}
}  // namespace

bool ChooseLanguage(CWnd& menu, UINT nButton, const std::function<void(HWND hChooser)>& onShown)
{
    ChooserAnswer answer{nButton, &onShown, false};
    g_pAnswer = &answer;
    const UINT_PTR nTimer = ::SetTimer(nullptr, 0, USER_TIMER_MINIMUM, AnswerChooser);
    menu.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_LANGUAGE, BN_CLICKED),
                     reinterpret_cast<LPARAM>(menu.GetDlgItem(IDC_LANGUAGE)));
    ::KillTimer(nullptr, nTimer);
    g_pAnswer = nullptr;
    return answer.bShown;
}

// CSkinDialog on the real chooser template: the window region kept where
// asked and plain without a key colour, the background painted one to one,
// the colour rule for controls and drag-to-move.
#include "tests/support/DialogTestSupport.h"

#include "framework/WinApp.h"
#include "res/resource.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <ostream>

namespace
{
const COLORREF kKey = RGB(255, 0, 255);
const COLORREF kFrame = RGB(219, 225, 229);  // bitmap 143's frame
const COLORREF kFill = RGB(41, 82, 104);     // and its inside
const UINT kMissingBitmap = 9999;
const UINT WM_DPICHANGED_VALUE = 0x02E0;

class SkinDialogTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(m_dlg.Create()); }
    void TearDown() override { m_dlg.DestroyWindow(); }

    void UseKeyColour()
    {
        ASSERT_TRUE(m_dlg.SetBackground(IDB_CHOOSER_BACKGROUND));
        m_dlg.m_crKey = kKey;
        m_dlg.m_bUseKeyColor = TRUE;
    }

    Runs RegionRow(int y)
    {
        CRgn rgn;
        EXPECT_TRUE(ReadWindowRegion(m_dlg, rgn));
        return RowRuns(rgn, y);
    }

    int ClientWidth() const { return m_dlg.ClientSize().cx; }

    CTestSkinDialog m_dlg{IDD_LANGUAGE};
};

// How key pixels cut rows into runs is CWindowRegion's (WindowRegionTest) and,
// on the menu's artwork, ArtworkRegionTest's; here the keep rectangle reaches it.
TEST_F(SkinDialogTest, KeyPixelsInsideTheKeepRectangleStayOpaque)
{
    UseKeyColour();
    const CRect rcKeep(0, 0, 10, 30);
    for (const int x : {5, 9, 10, 40})
        m_dlg.SetBackgroundPixel(x, 20, kKey);
    m_dlg.SetBackgroundPixel(5, 30, kKey);  // on the bottom edge: outside
    m_dlg.BuildWindowRegion(rcKeep);

    const int w = ClientWidth();
    EXPECT_EQ(RegionRow(20), (Runs{{0, 10}, {11, 40}, {41, w}}));
    EXPECT_EQ(RegionRow(30), (Runs{{0, 5}, {6, w}}));
}

TEST_F(SkinDialogTest, WithoutKeyColourTheRegionIsTheWindowRectangle)
{
    ASSERT_TRUE(m_dlg.SetBackground(IDB_CHOOSER_BACKGROUND));
    m_dlg.m_crKey = kKey;
    m_dlg.PaintBackgroundRow(10, [](int, int) { return kKey; });
    m_dlg.BuildWindowRegion(CRect(5, 5, 20, 20));

    CRect rcWindow;
    m_dlg.GetWindowRect(&rcWindow);
    rcWindow.MoveToOrigin();
    CRgn expected;
    expected.CreateRectRgnIndirect(&rcWindow);
    CRgn rgn;
    ASSERT_TRUE(ReadWindowRegion(m_dlg, rgn));
    EXPECT_TRUE(::EqualRgn(rgn, expected));
}

// A move to a denser screen: the window takes the system's rectangle, and
// the background and the region are made again for the new size.
TEST_F(SkinDialogTest, DpiChangeTakesTheSuggestedRectangleAndRescalesBackgroundAndRegion)
{
    UseKeyColour();
    m_dlg.BuildWindowRegion(CRect(0, 0, 10, 10));
    CRect rcBefore;
    m_dlg.GetWindowRect(&rcBefore);
    RECT rcSuggested = {rcBefore.left + 10, rcBefore.top + 20, rcBefore.left + 10 + rcBefore.Width() * 3 / 2,
                        rcBefore.top + 20 + rcBefore.Height() * 3 / 2};
    m_dlg.SendMessage(WM_DPICHANGED_VALUE, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&rcSuggested));

    CRect rcAfter;
    m_dlg.GetWindowRect(&rcAfter);
    EXPECT_TRUE(::EqualRect(&rcAfter, &rcSuggested));
    const CSize size = m_dlg.ClientSize();
    EXPECT_EQ(RegionRow(size.cy - 1), (Runs{{0, size.cx}}));  // the pictures show the background
}

// The menu's background on its own template, whose window at 96 DPI is
// within 1 % of the 763 × 560 artwork.
class MainBackgroundTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(m_dlg.Create()); }
    void TearDown() override { m_dlg.DestroyWindow(); }

    Pixels BackgroundFor(CSize size)
    {
        m_dlg.SetWindowPos(nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        EXPECT_TRUE(m_dlg.SetBackground(IDB_MAIN_BACKGROUND));
        return m_dlg.BackgroundPixels();
    }
    // Summed channel differences between the background and the artwork
    // pixel that artworkAt(x, y) names for each background pixel.
    long Distance(const Pixels& background, const std::function<COLORREF(int x, int y)>& artworkAt) const
    {
        long nSum = 0;
        for (int y = 0; y < background.nHeight; ++y)
            for (int x = 0; x < background.nWidth; ++x)
            {
                const COLORREF a = background.At(x, y);
                const COLORREF b = artworkAt(x, y);
                nSum += std::abs(GetRValue(a) - GetRValue(b)) + std::abs(GetGValue(a) - GetGValue(b)) +
                        std::abs(GetBValue(a) - GetBValue(b));
            }
        return nSum;
    }
    // The artwork 1:1, its last column and row repeated beyond its edges.
    COLORREF Unscaled(int x, int y, CSize place) const
    {
        return m_artwork.At(OneToOneSource(x, place.cx, m_artwork.nWidth),
                            OneToOneSource(y, place.cy, m_artwork.nHeight));
    }

    CTestSkinDialog m_dlg{IDD_MAIN};
    const Pixels m_artwork = ResourcePixels(IDB_MAIN_BACKGROUND);
};

TEST_F(MainBackgroundTest, WithinOnePercentTheArtworkIsCopiedOneToOne)
{
    CRect rcWindow;
    m_dlg.GetWindowRect(&rcWindow);
    // The template's window here (763 × 561 with its border), the menu on
    // Windows at 96 DPI (cropped), and a window a little larger (padded).
    for (const CSize size : {rcWindow.Size(), CSize(760, 559), CSize(767, 565)})
    {
        const Pixels background = BackgroundFor(size);
        ASSERT_EQ(background.nWidth * background.nHeight, size.cx * size.cy);
        EXPECT_EQ(Distance(background, [&](int x, int y) { return Unscaled(x, y, size); }), 0)
            << size.cx << " x " << size.cy;
    }
}

class DefaultEraseTest : public SkinDialogTest, public ::testing::WithParamInterface<bool>
{};

TEST_P(DefaultEraseTest, EraseWithoutBackgroundPaintsNoBitmapPixel)
{
    if (GetParam())  // a failed SetBackground drops the previous background
    {
        ASSERT_TRUE(m_dlg.SetBackground(IDB_CHOOSER_BACKGROUND));
        EXPECT_FALSE(m_dlg.SetBackground(kMissingBitmap));
    }
    const CSize size = m_dlg.ClientSize();
    CCanvas canvas(size.cx, size.cy, kKey);

    m_dlg.SendMessage(WM_ERASEBKGND, reinterpret_cast<WPARAM>(canvas.GetDC()));

    EXPECT_EQ(canvas.GetPixel(size.cx / 2, size.cy / 2), ::GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(canvas.CountPixels(kFrame) + canvas.CountPixels(kFill), 0);
}

INSTANTIATE_TEST_SUITE_P(Background, DefaultEraseTest, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "Released" : "NeverSet"; });

struct ColourCase
{
    const char* name;
    LPCWSTR lpszClass;
    UINT nMessage;
    BOOL bTransparentStatics;
    bool bHollow;
};

void PrintTo(const ColourCase& c, std::ostream* os) { *os << c.name; }

class ControlColourTest : public SkinDialogTest, public ::testing::WithParamInterface<ColourCase>
{};

TEST_P(ControlColourTest, OnlyStaticsOtherThanTrackbarsGetTheHollowBrush)
{
    ASSERT_TRUE(AfxEnsureCommonControls());
    const ColourCase& c = GetParam();
    const HWND hCtl = ::CreateWindowExW(0, c.lpszClass, L"Text", WS_CHILD | WS_VISIBLE, 0, 0, 50, 20, m_dlg, nullptr,
                                        nullptr, nullptr);
    ASSERT_NE(hCtl, nullptr);
    m_dlg.m_bTransparentStatics = c.bTransparentStatics;
    CCanvas canvas(1, 1, kKey);
    const auto wParam = reinterpret_cast<WPARAM>(canvas.GetDC());
    const auto lParam = reinterpret_cast<LPARAM>(hCtl);
    const auto hbrDefault = reinterpret_cast<HBRUSH>(::DefWindowProcW(m_dlg, c.nMessage, wParam, lParam));
    ::SetBkMode(canvas.GetDC(), OPAQUE);

    const auto hbr = reinterpret_cast<HBRUSH>(m_dlg.SendMessage(c.nMessage, wParam, lParam));

    EXPECT_EQ(hbr, c.bHollow ? ::GetStockObject(NULL_BRUSH) : hbrDefault);
    EXPECT_EQ(::GetBkMode(canvas.GetDC()), c.bHollow ? TRANSPARENT : OPAQUE);
}

const ColourCase kColourCases[] = {
    {"Static", L"Static", WM_CTLCOLORSTATIC, TRUE, true},
    {"Trackbar", TRACKBAR_CLASSW, WM_CTLCOLORSTATIC, TRUE, false},
    {"Button", L"Button", WM_CTLCOLORBTN, TRUE, false},
    {"StaticWithRuleOff", L"Static", WM_CTLCOLORSTATIC, FALSE, false},
};

INSTANTIATE_TEST_SUITE_P(Controls, ControlColourTest, ::testing::ValuesIn(kColourCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(SkinDialogTest, PressOnTheSurfaceStartsACaptionDragOnlyWhenDragMoveIsOn)
{
    const LPARAM lPoint = MAKELPARAM(30, 40);
    MSG msg;
    m_dlg.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, lPoint);
    EXPECT_FALSE(::PeekMessageW(&msg, m_dlg, WM_NCLBUTTONDOWN, WM_NCLBUTTONDOWN, PM_REMOVE));

    m_dlg.m_bDragMove = TRUE;
    m_dlg.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, lPoint);
    ASSERT_TRUE(::PeekMessageW(&msg, m_dlg, WM_NCLBUTTONDOWN, WM_NCLBUTTONDOWN, PM_REMOVE));
    EXPECT_EQ(msg.wParam, static_cast<WPARAM>(HTCAPTION));
    EXPECT_EQ(msg.lParam, lPoint);
}
}  // namespace

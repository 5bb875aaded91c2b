// CHoverButton bound to the language chooser's first button: the slice and
// caption drawn for each state, caption and description defaults, hover
// tracking and the tooltip.
#include "tests/support/DialogTestSupport.h"
#include "tests/support/HighContrast.h"
#include "tests/support/ImportHook.h"
#include "tests/support/TestResources.h"

#include "res/resource.h"
#include "skin/HoverButton.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <iterator>
#include <ostream>

namespace
{
// IDB_BUTTON_STRIP, slices 0 to 3.
const COLORREF kStripFill[] = {RGB(20, 61, 83), RGB(111, 152, 174), RGB(111, 152, 174), RGB(20, 61, 83)};
const COLORREF kStripFrame[] = {RGB(0, 0, 0), RGB(255, 255, 255), RGB(0, 0, 0), RGB(0, 0, 0)};
const int kStripWidth = 202;
const int kSliceHeight = 26;
// make_test_strip.py's slice colours.
const COLORREF kTestStripSlice[] = {RGB(200, 30, 30), RGB(30, 200, 30), RGB(30, 30, 200), RGB(200, 200, 30)};
// Caption colours per state, none of them in the strips.
const COLORREF kCaptionColour[] = {RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255), RGB(255, 255, 0)};
const COLORREF kSameAsNormal = static_cast<COLORREF>(-1);
const wchar_t kCaption[] = L"MMMM";

class HoverButtonTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_dlg.Bind(IDC_LANG_ENGLISH, m_btn);
        ASSERT_TRUE(m_dlg.Create());
        ASSERT_EQ(m_btn.m_hWnd, m_dlg.GetDlgItem(IDC_LANG_ENGLISH));
        m_btn.LoadStateBitmap(IDB_BUTTON_STRIP);
        // One strip pixel per button pixel: frames and fills read back exactly.
        m_btn.SetWindowPos(nullptr, 0, 0, kStripWidth, kSliceHeight, SWP_NOMOVE | SWP_NOZORDER);
    }
    void TearDown() override { m_dlg.DestroyWindow(); }

    // Draws the button onto m_canvas as the parent's WM_DRAWITEM asks it to.
    void Draw(UINT itemState) { DrawButton(m_btn, m_canvas.GetDC(), itemState); }

    CTestSkinDialog m_dlg{IDD_LANGUAGE};
    CHoverButton m_btn;
    CCanvas m_canvas{kStripWidth, kSliceHeight, RGB(255, 0, 255)};
};

struct StateCase
{
    const char* name;
    UINT itemState;
    bool bHover;
    int nSlice;
};

void PrintTo(const StateCase& c, std::ostream* os) { *os << c.name; }

class ButtonStateTest : public HoverButtonTest, public ::testing::WithParamInterface<StateCase>
{
protected:
    void DrawState()
    {
        if (GetParam().bHover)
            m_btn.SendMessage(WM_MOUSEHOVER);
        Draw(GetParam().itemState);
    }
};

// The menu's own strips in each state are in the pictures (PictureTest);
// here a strip of four plain slices shows which slice and caption each
// combination of states takes.
TEST_P(ButtonStateTest, DrawsTheSliceAndCaptionOfTheState)
{
    m_btn.LoadStateBitmap(IDB_TEST_STRIP_10_ROWS);
    m_btn.SetCaptions(kCaption, kCaptionColour[0], kCaption, kCaptionColour[1], kCaption, kCaptionColour[2], kCaption,
                      kCaptionColour[3]);
    DrawState();

    const int k = GetParam().nSlice;
    for (int i = 0; i < 4; ++i)
    {
        EXPECT_EQ(m_canvas.CountPixels(kTestStripSlice[i]) > 0, i == k) << "slice " << i;
        EXPECT_EQ(m_canvas.CountPixels(kCaptionColour[i]) > 0, i == k) << "caption colour " << i;
    }
    EXPECT_EQ(m_canvas.CountPixels(RGB(255, 0, 255)), 0) << "the slice covers the whole button";
}

const StateCase kStateCases[] = {
    {"Normal", 0, false, 0},
    {"Pressed", ODS_SELECTED, false, 1},
    {"Hover", 0, true, 2},
    {"Disabled", ODS_DISABLED, false, 3},
    {"PressedWinsOverHover", ODS_SELECTED, true, 1},
    {"DisabledWinsOverAll", ODS_DISABLED | ODS_SELECTED, true, 3},
    {"FocusAndDefaultAreNotDrawn", ODS_FOCUS | ODS_DEFAULT, false, 0},
};

INSTANTIATE_TEST_SUITE_P(States, ButtonStateTest, ::testing::ValuesIn(kStateCases),
                         [](const auto& info) { return std::string(info.param.name); });

double Luminance(COLORREF cr)
{
    const auto linear = [](int n) {
        const double c = n / 255.0;
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(GetRValue(cr)) + 0.7152 * linear(GetGValue(cr)) + 0.0722 * linear(GetBValue(cr));
}
double Contrast(COLORREF a, COLORREF b)
{
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

class HighContrastButtonTest : public HoverButtonTest, public ::testing::WithParamInterface<const HighContrastScheme*>
{
protected:
    void SetUp() override
    {
        HoverButtonTest::SetUp();
        m_btn.ShowKeyboardPlace(true);
        m_btn.SendMessage(WM_UPDATEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS));
    }
    // The colour inside the focus mark that stands out most from the face:
    // the caption's (or the close cross's) full ink.
    COLORREF Ink(COLORREF crFace) const
    {
        COLORREF crInk = crFace;
        for (int y = kFocusInset + 1; y < kSliceHeight - kFocusInset - 1; ++y)
            for (int x = kFocusInset + 1; x < kStripWidth - kFocusInset - 1; ++x)
                if (Contrast(m_canvas.GetPixel(x, y), crFace) > Contrast(crInk, crFace))
                    crInk = m_canvas.GetPixel(x, y);
        return crInk;
    }

    static constexpr int kFocusInset = 3;
    CHighContrastReport m_highContrast{*GetParam()};
};

// In every face state of every scheme, with a caption and without (the close
// button's cross), the caption and the focus mark keep 3:1 against the face.
TEST_P(HighContrastButtonTest, CaptionAndFocusMarkStandOutFromEveryFace)
{
    for (const wchar_t* pszCaption : {kCaption, L""})
    {
        m_btn.SetCaptions(pszCaption, kCaptionColour[0], pszCaption, kCaptionColour[1], pszCaption, kCaptionColour[2],
                          pszCaption, kCaptionColour[3]);
        for (const StateCase& state : {kStateCases[0], kStateCases[1], kStateCases[2], kStateCases[3]})
        {
            SCOPED_TRACE(std::string(state.name) + (*pszCaption != L'\0' ? " with caption" : " cross"));
            m_btn.SendMessage(state.bHover ? WM_MOUSEHOVER : WM_MOUSELEAVE);
            Draw(state.itemState);
            const COLORREF crFace = m_canvas.GetPixel(kFocusInset - 1, kFocusInset - 1);
            EXPECT_GE(Contrast(m_canvas.GetPixel(kFocusInset, kSliceHeight / 2), crFace), 3.0) << "focus mark";
            EXPECT_GE(Contrast(Ink(crFace), crFace), 3.0) << "caption";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Schemes, HighContrastButtonTest,
                         ::testing::Values(&kHighContrastBlack, &kHighContrastWhite, &kHighContrast1, &kHighContrast2),
                         [](const auto& info) { return std::string(info.param->name); });

TEST_F(HoverButtonTest, CaptionsLeftOutTakeTheNormalCaptionAndColour)
{
    m_btn.SetCaptions(kCaption, kCaptionColour[0], nullptr, kSameAsNormal, nullptr, kSameAsNormal, nullptr,
                      kSameAsNormal);
    Draw(0);
    const std::vector<int> text = m_canvas.PixelsOf(kCaptionColour[0]);
    ASSERT_FALSE(text.empty());

    for (const UINT itemState : {ODS_SELECTED, ODS_DISABLED})
    {
        Draw(itemState);
        EXPECT_EQ(m_canvas.PixelsOf(kCaptionColour[0]), text) << "item state " << itemState;
    }
    m_btn.SendMessage(WM_MOUSEHOVER);
    Draw(0);
    EXPECT_EQ(m_canvas.PixelsOf(kCaptionColour[0]), text);
}

TEST_F(HoverButtonTest, NullNormalCaptionChangesNothing)
{
    m_btn.SetCaptions(kCaption, kCaptionColour[0], nullptr, kSameAsNormal, nullptr, kSameAsNormal, nullptr,
                      kSameAsNormal);
    Draw(ODS_SELECTED);
    const std::vector<int> text = m_canvas.PixelsOf(kCaptionColour[0]);

    m_btn.SetCaptions(nullptr, kCaptionColour[1], L"X", kCaptionColour[1], L"X", kCaptionColour[1], L"X",
                      kCaptionColour[1]);
    Draw(ODS_SELECTED);
    EXPECT_EQ(m_canvas.PixelsOf(kCaptionColour[0]), text);
    EXPECT_EQ(m_canvas.CountPixels(kCaptionColour[1]), 0);
}

TEST_F(HoverButtonTest, DescriptionFollowsTheEnabledState)
{
    m_btn.SetDescriptions(L"Install the plug-in", L"Already installed");
    EXPECT_STREQ(m_btn.GetDescription(), L"Install the plug-in");
    m_btn.EnableWindow(FALSE);
    EXPECT_STREQ(m_btn.GetDescription(), L"Already installed");

    m_btn.SetDescriptions(L"Open the Readme");
    EXPECT_STREQ(m_btn.GetDescription(), L"Open the Readme");
    m_btn.EnableWindow(TRUE);
    EXPECT_STREQ(m_btn.GetDescription(), L"Open the Readme");
}

// Dispatches this thread's messages until `message` for hWnd has been
// handled; false after a second without it.
bool PumpUntil(HWND hWnd, UINT message)
{
    for (const DWORD dwStart = ::GetTickCount(); ::GetTickCount() - dwStart < 1000;)
    {
        MSG msg;
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
        {
            ::DispatchMessageW(&msg);
            if (msg.hwnd == hWnd && msg.message == message)
                return true;
        }
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
    return false;
}

// What the button asks of TrackMouseEvent, watched through this process's
// import of it (calls are passed on).
const auto g_pfnTrack = SystemFunction<decltype(&::TrackMouseEvent)>(L"user32.dll", "TrackMouseEvent");
std::vector<TRACKMOUSEEVENT> g_tracking;
BOOL WINAPI RecordingTrackMouseEvent(LPTRACKMOUSEEVENT pTrack)
{
    g_tracking.push_back(*pTrack);
    return g_pfnTrack(pTrack);
}

// Twice: the button arms its tracking again after a leave, so the pointer
// coming back shows the hover slice again. (Under Wine the system's button
// also arms hover tracking on its own, so the button's own request is read
// too: on Windows the slice would not come back without it.)
TEST_F(HoverButtonTest, PointerRestingOnTheButtonShowsHoverUntilItLeavesEveryTime)
{
    const ImportHook watch(L"user32.dll", "TrackMouseEvent", reinterpret_cast<const void*>(&RecordingTrackMouseEvent));
    POINT ptSaved;
    ::GetCursorPos(&ptSaved);
    m_dlg.ShowWindow(SW_SHOWNOACTIVATE);
    CRect rc;
    m_btn.GetWindowRect(&rc);
    for (int nVisit = 1; nVisit <= 2; ++nVisit)
    {
        SCOPED_TRACE(nVisit);
        g_tracking.clear();
        ::SetCursorPos(rc.left + 5, rc.top + 5);
        m_btn.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
        ASSERT_TRUE(PumpUntil(m_btn, WM_MOUSEHOVER));
        Draw(0);
        EXPECT_EQ(m_canvas.GetPixel(3, 3), kStripFill[2]);
        EXPECT_TRUE(std::any_of(g_tracking.begin(), g_tracking.end(), [&](const TRACKMOUSEEVENT& t) {
            return t.hwndTrack == m_btn.m_hWnd && (t.dwFlags & (TME_HOVER | TME_LEAVE)) == (TME_HOVER | TME_LEAVE);
        })) << "the button armed hover and leave tracking";

        ::SetCursorPos(rc.right + 300, rc.bottom + 300);
        EXPECT_TRUE(PumpUntil(m_btn, WM_MOUSELEAVE));
        Draw(0);
        EXPECT_EQ(m_canvas.GetPixel(3, 3), kStripFill[0]);
    }
    ::SetCursorPos(ptSaved.x, ptSaved.y);
}

// The system's button takes the mouse capture on a press by either. Disabling
// a window sends it WM_CANCELMODE, whose default handling lets the capture go;
// Windows leaves that to the window (Wine's EnableWindow also lets go itself).
struct Press
{
    const char* pszName;
    UINT message;
    WPARAM wParam;
};
const Press kPresses[] = {{"Mouse", WM_LBUTTONDOWN, MK_LBUTTON}, {"SpaceBar", WM_KEYDOWN, VK_SPACE}};

class PressedButtonTest : public HoverButtonTest, public ::testing::WithParamInterface<Press>
{};

TEST_P(PressedButtonTest, CancellingItsModeReleasesTheCapture)
{
    m_dlg.ShowWindow(SW_SHOWNOACTIVATE);
    m_btn.SendMessage(GetParam().message, GetParam().wParam, 0);
    ASSERT_EQ(::GetCapture(), m_btn.m_hWnd);
    m_btn.SendMessage(WM_CANCELMODE);
    EXPECT_EQ(::GetCapture(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Presses, PressedButtonTest, ::testing::ValuesIn(kPresses),
                         [](const ::testing::TestParamInfo<Press>& info) { return info.param.pszName; });

TEST_F(HoverButtonTest, StripThatCannotBeLoadedIsReportedAndPaintsNoSlice)
{
    EXPECT_TRUE(m_btn.LoadStateBitmap(IDB_BUTTON_STRIP));
    EXPECT_FALSE(m_btn.LoadStateBitmap(IDI_MAIN_LEGACY));  // no bitmap of that id
    Draw(0);
    EXPECT_EQ(m_canvas.CountPixels(kStripFill[0]), 0);
    EXPECT_EQ(m_canvas.CountPixels(kStripFrame[0]), 0);
}

}  // namespace

namespace
{
MSG MessageTo(HWND hWnd, UINT message)
{
    MSG msg{};
    msg.hwnd = hWnd;
    msg.message = message;
    return msg;
}

// No tooltip window until a mouse message could show one; then one window
// with one tool that follows every later text.
TEST_F(HoverButtonTest, TheTipIsMadeAtTheFirstMouseMessageAndKeepsOneTool)
{
    MSG mouse = MessageTo(m_btn, WM_MOUSEMOVE);
    m_btn.PreTranslateMessage(&mouse);
    m_btn.SetTipText(nullptr, TRUE);
    m_btn.PreTranslateMessage(&mouse);
    EXPECT_TRUE(TooltipsOwnedBy(m_dlg).empty()) << "a button without a tip";

    m_btn.SetTipText(L"Exit", TRUE);
    m_btn.SetTipText(L"Quitter", TRUE);
    for (const UINT message : {WM_PAINT, WM_KEYDOWN, WM_TIMER, WM_NULL})
    {
        MSG msg = MessageTo(m_btn, message);
        m_btn.PreTranslateMessage(&msg);
    }
    EXPECT_TRUE(TooltipsOwnedBy(m_dlg).empty());

    m_btn.PreTranslateMessage(&mouse);
    m_btn.PreTranslateMessage(&mouse);
    m_btn.SetTipText(L"Esci", TRUE);
    const std::vector<HWND> tips = TooltipsOwnedBy(m_dlg);
    ASSERT_EQ(tips.size(), 1u);
    EXPECT_EQ(::SendMessageW(tips[0], TTM_GETTOOLCOUNT, 0, 0), 1);
    EXPECT_EQ(TipText(m_btn), L"Esci");
}
}  // namespace

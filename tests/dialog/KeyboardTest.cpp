// The menu and the model chooser from the keyboard, created in-process and
// fed key presses as their modal loops feed them: the focus mark (only once a
// navigation key was pressed; how it looks is in the pictures), the arrow
// grid resting on disabled buttons, the description following the keyboard,
// Tab order, and which button Enter runs. Enter and the language chooser are
// also driven on the real program (tests/e2e/KeyboardTest.cpp).
#include "tests/support/DialogTestSupport.h"
#include "tests/support/MenuTest.h"

#include "actions/Language.h"
#include "actions/ModelDlg.h"
#include "app/LanguageDlg.h"
#include "app/LauncherDlg.h"
#include "res/resource.h"
#include "skin/ButtonGrid.h"
#include "tests/support/Driver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>
#include <vector>

namespace
{
int FocusId() { return ::GetDlgCtrlID(::GetFocus()); }

// The button draws its focus mark: it holds the keyboard's place while focus
// cues are shown (how the mark looks, in each state, is in the pictures).
bool Marked(const CHoverButton& button) { return button.IsKeyboardPlace() && button.AreFocusCuesShown(); }

// The menu in English with a chosen set of usable buttons: suite, Readme,
// wallpapers, Language and Exit; the others visible but disabled.
class KeyboardMenuTest : public docs::MenuTest
{
protected:
    void SetUp() override
    {
        MenuTest::SetUp();
        // The large buttons: those the language chooser hides.
        for (const ButtonRow& row : MenuButtonTable())
        {
            if (row.shown != Shown::OutsideChooser)
                continue;
            const bool bUsable = row.nId == IDC_SUITE || row.nId == IDC_README || row.nId == IDC_WALLPAPERS;
            ::EnableWindow(m_menu.GetDlgItem(static_cast<int>(row.nId)), bUsable);
        }
        ::SetFocus(m_menu.Button(IDC_SUITE));
    }
    std::wstring Description() const { return static_cast<LPCWSTR>(m_menu.m_description.GetWindowText()); }
};
}  // namespace

TEST_F(KeyboardMenuTest, FocusMarkOnlyAfterANavigationKey)
{
    ASSERT_EQ(FocusId(), IDC_SUITE);
    EXPECT_FALSE(Marked(m_menu.Button(IDC_SUITE)));
    // A mouse user's clicks move the focus, and no mark is drawn.
    m_menu.Button(IDC_README).SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    m_menu.Button(IDC_README).SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(-50, -50));
    ASSERT_EQ(FocusId(), IDC_README);
    EXPECT_FALSE(Marked(m_menu.Button(IDC_README)));

    EXPECT_TRUE(Press(m_menu, VK_TAB));
    ASSERT_EQ(FocusId(), IDC_WALLPAPERS);
    EXPECT_TRUE(Marked(m_menu.Button(IDC_WALLPAPERS)));
    EXPECT_FALSE(Marked(m_menu.Button(IDC_README)));
    // (The close button, which has no caption, takes the mark too: white on
    // its cross, PictureTest/Menu.)
}

TEST_F(KeyboardMenuTest, ArrowsRestOnDisabledButtonsToTellWhyAndRunNothing)
{
    Press(m_menu, VK_DOWN);
    EXPECT_EQ(FocusId(), IDC_SUITE);  // a disabled button cannot take the focus
    EXPECT_TRUE(m_menu.Button(IDC_AFTER_EFFECTS).IsKeyboardPlace());
    EXPECT_FALSE(m_menu.Button(IDC_SUITE).IsKeyboardPlace());
    // (Its mark, and its reason in the description area: PictureTest/MenuKeyboardOnDisabled.)
    // Enter and Space are swallowed there: the suite, which keeps the focus, does not run.
    EXPECT_TRUE(Press(m_menu, VK_RETURN));
    EXPECT_TRUE(Press(m_menu, VK_SPACE));
    // A click on the focused button (released off it) brings the keyboard back.
    m_menu.Button(IDC_SUITE).SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    m_menu.Button(IDC_SUITE).SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(-50, -50));
    EXPECT_TRUE(m_menu.Button(IDC_SUITE).IsKeyboardPlace());
    EXPECT_FALSE(m_menu.Button(IDC_AFTER_EFFECTS).IsKeyboardPlace());
    Press(m_menu, VK_DOWN);

    // Right from the After Effects row is the Readme; left comes back.
    Press(m_menu, VK_RIGHT);
    EXPECT_EQ(FocusId(), IDC_README);
    EXPECT_FALSE(m_menu.Button(IDC_AFTER_EFFECTS).IsKeyboardPlace());
    EXPECT_EQ(Description(), std::wstring(m_menu.Button(IDC_README).GetDescription()));
    Press(m_menu, VK_DOWN);
    EXPECT_EQ(FocusId(), IDC_WALLPAPERS);
    Press(m_menu, VK_LEFT);
    EXPECT_TRUE(m_menu.Button(IDC_3DS_MAX).IsKeyboardPlace());
    // Tab goes on from the place the keyboard rests on.
    Press(m_menu, VK_TAB);
    EXPECT_EQ(FocusId(), IDC_README);
    // Down the right column to Language; up from the top row to Exit.
    for (int i = 0; i < 5; ++i)
        Press(m_menu, VK_DOWN);
    EXPECT_EQ(FocusId(), IDC_LANGUAGE);
    for (int i = 0; i < 7; ++i)
        Press(m_menu, VK_UP);
    EXPECT_EQ(FocusId(), IDOK);
}

// Where each key takes the keyboard from each button, as the buttons stand
// on the screen, with every button usable:
//                                       [x]
//     [Suite       ]
//     [AfterEffects] [Readme     ]
//     [3ds max     ] [Wallpapers ]
//     [LightWave   ] [VFW codecs ]
//     [Effects     ] [SpiceMaster]
//                    [Language   ]
// 0: the key leaves the keyboard where it is.
namespace
{
struct Moves
{
    UINT nFrom, nUp, nDown, nLeft, nRight, nTab, nShiftTab;
};
const Moves kMoves[] = {
    {IDC_SUITE, IDOK, IDC_AFTER_EFFECTS, 0, IDC_README, IDC_AFTER_EFFECTS, IDOK},
    {IDC_AFTER_EFFECTS, IDC_SUITE, IDC_3DS_MAX, 0, IDC_README, IDC_3DS_MAX, IDC_SUITE},
    {IDC_3DS_MAX, IDC_AFTER_EFFECTS, IDC_LIGHTWAVE, 0, IDC_WALLPAPERS, IDC_LIGHTWAVE, IDC_AFTER_EFFECTS},
    {IDC_LIGHTWAVE, IDC_3DS_MAX, IDC_EFFECTS, 0, IDC_VFW_CODECS, IDC_EFFECTS, IDC_3DS_MAX},
    {IDC_EFFECTS, IDC_LIGHTWAVE, IDC_LANGUAGE, 0, IDC_SPICEMASTER, IDC_README, IDC_LIGHTWAVE},
    {IDC_README, IDC_SUITE, IDC_WALLPAPERS, IDC_AFTER_EFFECTS, 0, IDC_WALLPAPERS, IDC_EFFECTS},
    {IDC_WALLPAPERS, IDC_README, IDC_VFW_CODECS, IDC_3DS_MAX, 0, IDC_VFW_CODECS, IDC_README},
    {IDC_VFW_CODECS, IDC_WALLPAPERS, IDC_SPICEMASTER, IDC_LIGHTWAVE, 0, IDC_SPICEMASTER, IDC_WALLPAPERS},
    {IDC_SPICEMASTER, IDC_VFW_CODECS, IDC_LANGUAGE, IDC_EFFECTS, 0, IDC_LANGUAGE, IDC_VFW_CODECS},
    {IDC_LANGUAGE, IDC_SPICEMASTER, 0, IDC_EFFECTS, 0, IDOK, IDC_SPICEMASTER},
    {IDOK, 0, IDC_README, IDC_SUITE, 0, IDC_SUITE, IDC_LANGUAGE},
};
}  // namespace

TEST_F(KeyboardMenuTest, EveryKeyFromEveryButtonGoesWhereTheScreenShows)
{
    const std::vector<CHoverButton*> shown = ShownButtons(m_menu);
    ASSERT_EQ(shown.size(), std::size(kMoves));
    for (CHoverButton* pButton : shown)
    {
        pButton->EnableWindow(TRUE);
        const UINT nID = static_cast<UINT>(::GetDlgCtrlID(*pButton));
        EXPECT_TRUE(std::any_of(std::begin(kMoves), std::end(kMoves), [nID](const Moves& m) { return m.nFrom == nID; }))
            << "no moves from button " << nID;
    }
    for (const Moves& m : kMoves)
    {
        for (const auto& [vk, bShift, nTo] : {std::tuple{VK_UP, false, m.nUp},
                                              {VK_DOWN, false, m.nDown},
                                              {VK_LEFT, false, m.nLeft},
                                              {VK_RIGHT, false, m.nRight},
                                              {VK_TAB, false, m.nTab},
                                              {VK_TAB, true, m.nShiftTab}})
        {
            ::SetFocus(m_menu.GetDlgItem(static_cast<int>(m.nFrom)));
            Press(m_menu, vk, bShift);
            const CHoverButton* pPlace = m_menu.KeyboardPlace();
            EXPECT_EQ(pPlace != nullptr ? ::GetDlgCtrlID(*pPlace) : 0, static_cast<int>(nTo != 0 ? nTo : m.nFrom))
                << "from " << m.nFrom << ", key " << vk << (bShift ? " with Shift" : "");
        }
    }
}

TEST_F(KeyboardMenuTest, EnterRunsTheFocusedButtonElseTheSuite)
{
    constexpr LRESULT kSuiteDefault = MAKELRESULT(IDC_SUITE, DC_HASDEFID);
    const auto defPush = [](CHoverButton& b) { return (b.SendMessage(WM_GETDLGCODE) & DLGC_DEFPUSHBUTTON) != 0; };
    EXPECT_TRUE(defPush(m_menu.Button(IDC_SUITE)));
    Press(m_menu, VK_TAB);
    EXPECT_TRUE(defPush(m_menu.Button(IDC_README)));
    EXPECT_FALSE(defPush(m_menu.Button(IDC_WALLPAPERS)));
    EXPECT_EQ(m_menu.SendMessage(DM_GETDEFID), kSuiteDefault);
    // The dialog manager's style changes leave the buttons owner-drawn.
    EXPECT_EQ(m_menu.Button(IDC_README).GetStyle() & BS_TYPEMASK, static_cast<DWORD>(BS_OWNERDRAW));
    EXPECT_EQ(m_menu.Button(IDC_SUITE).GetStyle() & BS_TYPEMASK, static_cast<DWORD>(BS_OWNERDRAW));
    // With no button focused, the suite stays the default.
    ::SetFocus(nullptr);
    EXPECT_EQ(m_menu.SendMessage(DM_GETDEFID), kSuiteDefault);
    // A button disabled while focused (its item just got installed) loses
    // the focus as any window does, and is never the default.
    ::SetFocus(m_menu.Button(IDC_README));
    m_menu.Button(IDC_README).EnableWindow(FALSE);
    EXPECT_FALSE(defPush(m_menu.Button(IDC_README)));
    EXPECT_EQ(m_menu.SendMessage(DM_GETDEFID), kSuiteDefault);
}

// Turns the system's "always show keyboard cues" on, and back as it was.
struct AlwaysKeyboardCues
{
    AlwaysKeyboardCues() { ::SystemParametersInfoW(SPI_GETKEYBOARDCUES, 0, &bWas, 0), SetCues(TRUE); }
    ~AlwaysKeyboardCues() { SetCues(bWas); }
    static void SetCues(BOOL b)
    {
        ::SystemParametersInfoW(SPI_SETKEYBOARDCUES, 0, reinterpret_cast<PVOID>(INT_PTR{b}), 0);
    }
    BOOL bWas = FALSE;
};

TEST(KeyboardCuesTest, AlwaysShownCuesMarkTheFocusWithoutAKey)
{
    e2e::MenuRegistry registry;
    e2e::WriteRegDword(HKEY_LOCAL_MACHINE, kLanguageKey, kLanguageValueName, 9);
    const AlwaysKeyboardCues cues;
    CLauncherDlg menu;
    ASSERT_TRUE(menu.Create());
    ::SetFocus(menu.Button(IDC_LANGUAGE));  // usable on any disc
    EXPECT_TRUE(Marked(menu.Button(IDC_LANGUAGE)));
    menu.DestroyWindow();
}

// --- Choosers ---------------------------------------------------------------

// Opened from the keyboard, a chooser shows its focus mark from its first
// paint; opened with the mouse, it does not.
TEST_F(KeyboardMenuTest, ChooserOpenedFromTheKeyboardShowsItsFocusMarkAtOnce)
{
    for (const bool bKeyboard : {false, true})
    {
        if (bKeyboard)
            Press(m_menu, VK_TAB);
        CModelDlg model(&m_menu);
        CLanguageDlg language(&m_menu);
        for (CSkinDialog* pChooser : {static_cast<CSkinDialog*>(&model), static_cast<CSkinDialog*>(&language)})
        {
            ::SetFocus(m_menu.Button(IDC_README));
            ASSERT_TRUE(pChooser->Create());
            auto* pFocus = dynamic_cast<CHoverButton*>(CWnd::FromHandlePermanent(::GetFocus()));
            ASSERT_NE(pFocus, nullptr);
            EXPECT_EQ(Marked(*pFocus), bKeyboard) << "keyboard " << bKeyboard;
            pChooser->DestroyWindow();
        }
    }
}

TEST(KeyboardChooserTest, ModelChooserAnswersTabArrowsEnterAndEsc)
{
    const struct
    {
        UINT vk;
        int nTabs;
        int nModel;
    } kCases[] = {
        {VK_RETURN, 1, kModelLite}, {VK_RETURN, 2, kModelPro}, {VK_RETURN, 3, kModelNone}, {VK_ESCAPE, 1, kModelNone}};
    for (const auto& c : kCases)
    {
        CModelDlg chooser;
        ASSERT_TRUE(chooser.Create());
        chooser.ShowWindow(SW_SHOW);
        ::SetFocus(chooser.m_btnCancel);
        for (int i = 0; i < c.nTabs; ++i)
            Press(chooser, VK_TAB);
        Press(chooser, c.vk);
        EXPECT_EQ(chooser.m_nModel, c.nModel) << c.nTabs;
        chooser.DestroyWindow();
    }
    // Up from Exit is Velquin Pro, then Velquin Lite.
    CModelDlg chooser;
    ASSERT_TRUE(chooser.Create());
    chooser.ShowWindow(SW_SHOW);
    ::SetFocus(chooser.m_btnCancel);
    Press(chooser, VK_UP);
    EXPECT_EQ(FocusId(), IDC_MODEL_PRO);
    Press(chooser, VK_UP);
    EXPECT_EQ(FocusId(), IDC_MODEL_LITE);
    chooser.DestroyWindow();
}

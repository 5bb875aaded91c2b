// The look, as the user sees it: the menu and both choosers, in the skin and
// in each standard high-contrast scheme, with a button in each state (normal,
// hovered, pressed, disabled, holding the keyboard's place), after a language
// change and after a move to a 144 DPI screen, compared pixel for pixel with
// the reviewed pictures in tests/pictures. The dialogs paint as they do on the
// screen (tests/support/ScreenPicture.h), so what is not repainted shows too.
#include "tests/support/DialogTestSupport.h"
#include "tests/support/Driver.h"
#include "tests/support/HighContrast.h"
#include "tests/support/ScreenPicture.h"

#include "actions/Language.h"
#include "actions/ModelDlg.h"
#include "app/LanguageDlg.h"
#include "app/LauncherDlg.h"
#include "res/resource.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>

namespace
{
#ifndef WM_DPICHANGED
#define WM_DPICHANGED 0x02E0
#endif

// Where each state is shown; the dialog's other buttons stay normal, and in
// the menu every button not named here is disabled, as on an empty disc.
struct DialogStates
{
    std::unique_ptr<CSkinDialog> (*make)();
    UINT nPlace, nHovered, nPressed, nDisabled;
};
template <class T>
std::unique_ptr<CSkinDialog> Make()
{
    return std::make_unique<T>();
}
const DialogStates kMenu{&Make<CLauncherDlg>, IDOK, IDC_README, IDC_WALLPAPERS, IDC_EFFECTS};
const DialogStates kLanguageChooser{&Make<CLanguageDlg>, IDC_LANG_FRENCH, IDC_LANG_GERMAN, IDC_LANG_ITALIAN,
                                    IDC_LANG_SPANISH};
// The model chooser has three buttons: none is pressed.
const DialogStates kModelChooser{&Make<CModelDlg>, IDC_MODEL_LITE, IDC_MODEL_PRO, 0, IDC_MODEL_CANCEL};

enum class Then
{
    Nothing,
    ChooseGerman,    // through the Language button and the chooser
    RestOnDisabled,  // the arrow down from the suite rests on a disabled button
    Move144Dpi,
};

struct PictureCase
{
    const char* name;
    const DialogStates* pDialog;
    const HighContrastScheme* pScheme;  // null: the skin
    Then then;
};
void PrintTo(const PictureCase& c, std::ostream* os) { *os << c.name; }

const PictureCase kPictures[] = {
    {"Menu", &kMenu, nullptr, Then::Nothing},
    {"MenuBlack", &kMenu, &kHighContrastBlack, Then::Nothing},
    {"MenuWhite", &kMenu, &kHighContrastWhite, Then::Nothing},
    {"MenuContrast1", &kMenu, &kHighContrast1, Then::Nothing},
    {"MenuContrast2", &kMenu, &kHighContrast2, Then::Nothing},
    {"MenuGerman", &kMenu, nullptr, Then::ChooseGerman},
    {"MenuKeyboardOnDisabled", &kMenu, nullptr, Then::RestOnDisabled},
    {"Menu144Dpi", &kMenu, nullptr, Then::Move144Dpi},
    {"MenuBlack144Dpi", &kMenu, &kHighContrastBlack, Then::Move144Dpi},
    {"LanguageChooser", &kLanguageChooser, nullptr, Then::Nothing},
    {"LanguageChooserBlack", &kLanguageChooser, &kHighContrastBlack, Then::Nothing},
    {"LanguageChooserWhite", &kLanguageChooser, &kHighContrastWhite, Then::Nothing},
    {"LanguageChooserContrast1", &kLanguageChooser, &kHighContrast1, Then::Nothing},
    {"LanguageChooserContrast2", &kLanguageChooser, &kHighContrast2, Then::Nothing},
    {"ModelChooser", &kModelChooser, nullptr, Then::Nothing},
    {"ModelChooserBlack", &kModelChooser, &kHighContrastBlack, Then::Nothing},
    {"ModelChooserWhite", &kModelChooser, &kHighContrastWhite, Then::Nothing},
    {"ModelChooserContrast1", &kModelChooser, &kHighContrast1, Then::Nothing},
    {"ModelChooserContrast2", &kModelChooser, &kHighContrast2, Then::Nothing},
};

// What Windows does for a per-monitor dialog moved to a 144 DPI screen
// before the dialog's own handling (Wine does none of it): dialog units grow
// by half, and so do the controls and the dialog font; then the dialog is
// told, with the window rectangle Windows suggests.
class CMoveTo144Dpi
{
public:
    explicit CMoveTo144Dpi(CWnd& dialog)
    {
        LOGFONTW logFont{};
        ::GetObjectW(reinterpret_cast<HFONT>(dialog.SendMessage(WM_GETFONT)), sizeof(logFont), &logFont);
        logFont.lfHeight = logFont.lfHeight * 3 / 2;
        m_hFont = ::CreateFontIndirectW(&logFont);
        for (HWND hChild = ::GetWindow(dialog, GW_CHILD); hChild != nullptr; hChild = ::GetWindow(hChild, GW_HWNDNEXT))
        {
            RECT rc;
            ::GetWindowRect(hChild, &rc);
            ::MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rc), 2);
            ::MoveWindow(hChild, rc.left * 3 / 2, rc.top * 3 / 2, (rc.right - rc.left) * 3 / 2,
                         (rc.bottom - rc.top) * 3 / 2, FALSE);
            ::SendMessageW(hChild, WM_SETFONT, reinterpret_cast<WPARAM>(m_hFont), FALSE);
        }
        RECT rc;
        dialog.GetWindowRect(&rc);
        const RECT rcSuggested = {rc.left, rc.top, rc.left + (rc.right - rc.left) * 3 / 2,
                                  rc.top + (rc.bottom - rc.top) * 3 / 2};
        dialog.SendMessage(WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&rcSuggested));
    }
    ~CMoveTo144Dpi() { ::DeleteObject(m_hFont); }
    CMoveTo144Dpi(const CMoveTo144Dpi&) = delete;
    CMoveTo144Dpi& operator=(const CMoveTo144Dpi&) = delete;

private:
    static BOOL WINAPI MapDialogRectAt144Dpi(HWND hDlg, LPRECT pRect)
    {
        const BOOL bMapped = SystemFunction<decltype(&::MapDialogRect)>(L"user32.dll", "MapDialogRect")(hDlg, pRect);
        *pRect = {pRect->left * 3 / 2, pRect->top * 3 / 2, pRect->right * 3 / 2, pRect->bottom * 3 / 2};
        return bMapped;
    }

    ImportHook m_mapDialogRect{L"user32.dll", "MapDialogRect", reinterpret_cast<const void*>(&MapDialogRectAt144Dpi)};
    HFONT m_hFont;
};

class PictureTest : public ::testing::TestWithParam<PictureCase>
{
protected:
    PictureTest()
    {
        m_registry.Value(HKEY_LOCAL_MACHINE, kLanguageKey, kLanguageValueName);
        e2e::WriteRegDword(HKEY_LOCAL_MACHINE, kLanguageKey, kLanguageValueName, 9);
        if (GetParam().pScheme != nullptr)
            m_contrast.emplace(*GetParam().pScheme);
    }
    void TearDown() override { m_pDialog->DestroyWindow(); }
    HWND Item(UINT nId) const { return m_pDialog->GetDlgItem(static_cast<int>(nId)); }
    // The menu on an empty disc, with the buttons of the states usable.
    void OnEmptyDisc(CLauncherDlg& menu)
    {
        menu.m_strDiscRoot = m_disc.Root().c_str();
        menu.RefreshAllButtons(menu.m_language.Index());
        for (const UINT nId : {kMenu.nPlace, kMenu.nHovered, kMenu.nPressed, kMenu.nDisabled})
            ::EnableWindow(Item(nId), TRUE);
    }

    e2e::MenuRegistry m_registry;
    e2e::FixtureDisc m_disc{L"pictures"};
    std::optional<CHighContrastReport> m_contrast;
    std::unique_ptr<CSkinDialog> m_pDialog = GetParam().pDialog->make();
    std::optional<CMoveTo144Dpi> m_moved;
};
}  // namespace

TEST_P(PictureTest, LooksAsReviewed)
{
    const PictureCase& c = GetParam();
    const DialogStates& states = *c.pDialog;
    ASSERT_TRUE(m_pDialog->Create());
    // On the screen: Wine erases nothing of a window beyond its edges.
    m_pDialog->SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    m_pDialog->ShowWindow(SW_SHOW);
    if (auto* pMenu = dynamic_cast<CLauncherDlg*>(m_pDialog.get()))
        OnEmptyDisc(*pMenu);
    CScreenPicture screen(*m_pDialog);
    screen.Take();

    ::EnableWindow(Item(states.nDisabled), FALSE);
    // Tab and back: the keyboard's place shows its mark, and the description
    // area, which showed the next button's description, shows its own.
    ::SetFocus(Item(states.nPlace));
    Press(*m_pDialog, VK_TAB);
    Press(*m_pDialog, VK_TAB, true);
    if (states.nPressed != 0)
        ::SendMessageW(Item(states.nPressed), BM_SETSTATE, TRUE, 0);
    ::SendMessageW(Item(states.nHovered), WM_MOUSEHOVER, 0, 0);
    switch (c.then)
    {
    case Then::Nothing: break;
    case Then::ChooseGerman: EXPECT_TRUE(ChooseLanguage(*m_pDialog, IDC_LANG_GERMAN)); break;
    case Then::RestOnDisabled:
        ::EnableWindow(Item(IDC_SUITE), TRUE);
        ::SetFocus(Item(IDC_SUITE));
        Press(*m_pDialog, VK_DOWN);
        break;
    case Then::Move144Dpi: m_moved.emplace(*m_pDialog); break;
    }
    ExpectPicture(screen.Take(), c.name);
    CRgn rgn;
    EXPECT_EQ(ReadWindowRegion(*m_pDialog, rgn), c.pScheme == nullptr) << "a window region only for the artwork";
}

INSTANTIATE_TEST_SUITE_P(States, PictureTest, ::testing::ValuesIn(kPictures),
                         [](const auto& info) { return std::string(info.param.name); });

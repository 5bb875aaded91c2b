// In a high-contrast theme the menu and both choosers draw in the system's
// colours only: no artwork, no region, the state colours of the buttons.
#include "tests/support/DialogTestSupport.h"
#include "tests/support/Driver.h"
#include "tests/support/HighContrast.h"

#include "actions/Language.h"
#include "actions/ModelDlg.h"
#include "app/LanguageDlg.h"
#include "app/LauncherDlg.h"
#include "probes/Registry.h"
#include "res/resource.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace
{
// The artwork's blues (tools/make_assets.py).
const COLORREF kArtworkBlues[] = {RGB(20, 61, 83), RGB(41, 82, 104), RGB(60, 101, 123), RGB(111, 152, 174),
                                  RGB(219, 225, 229)};

COLORREF Palette(int nElement)
{
    for (size_t i = 0; i < std::size(CSystemPalette::kElements); ++i)
        if (CSystemPalette::kElements[i] == nElement)
            return CSystemPalette::kColours[i];
    return CLR_INVALID;
}

RECT ChildRect(const CWnd& dialog, UINT nId)
{
    RECT rc;
    ::GetWindowRect(dialog.GetDlgItem(static_cast<int>(nId)), &rc);
    ::MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rc), 2);
    return rc;
}

struct DialogCase
{
    const char* name;
    std::function<std::unique_ptr<CDialog>()> make;
    UINT nHovered, nDisabled;
    UINT nUncaptioned;  // 0: none; the menu's close button, which also marks the menu's title
};
void PrintTo(const DialogCase& c, std::ostream* os) { *os << c.name; }

class HighContrastTest : public ::testing::TestWithParam<DialogCase>
{
protected:
    void SetUp() override
    {
        m_registry.Value(HKEY_LOCAL_MACHINE, kLanguageKey, kLanguageValueName);
        WriteRegistryDword(kLanguageKey, kLanguageValueName, GetLanguage(kEnglishIndex).nValue);
    }
    void TearDown() override { m_pDialog->DestroyWindow(); }

    e2e::RegistryGuard m_registry;
    CSystemPalette m_palette;
    CHighContrastReport m_report{true};
    std::unique_ptr<CDialog> m_pDialog = GetParam().make();
};
}  // namespace

TEST_P(HighContrastTest, DrawsInSystemColoursWithoutArtworkOrRegion)
{
    const DialogCase& c = GetParam();
    CDialog& dlg = *m_pDialog;
    ASSERT_TRUE(dlg.Create());
    ::EnableWindow(dlg.GetDlgItem(static_cast<int>(c.nDisabled)), FALSE);
    ::SendMessageW(dlg.GetDlgItem(static_cast<int>(c.nHovered)), WM_MOUSEHOVER, 0, 0);
    RECT rcClient;
    dlg.GetClientRect(&rcClient);
    CCanvas canvas(rcClient.right, rcClient.bottom, RGB(255, 0, 255));
    PaintDialog(dlg, canvas);

    CRgn rgn;
    EXPECT_FALSE(ReadWindowRegion(dlg, rgn));
    for (const COLORREF cr : kArtworkBlues)
        EXPECT_EQ(canvas.CountPixels(cr), 0) << std::hex << cr;
    for (const int nElement : {COLOR_WINDOW, COLOR_WINDOWTEXT, COLOR_BTNFACE, COLOR_BTNTEXT})
        EXPECT_GT(canvas.CountPixels(Palette(nElement)), 0) << "element " << nElement;
    const RECT rcHovered = ChildRect(dlg, c.nHovered);
    EXPECT_EQ(canvas.GetPixel(rcHovered.left + 2, rcHovered.top + 2), Palette(COLOR_HIGHLIGHT));
    EXPECT_EQ(canvas.GetPixel(rcHovered.left, rcHovered.top), Palette(COLOR_WINDOWTEXT));  // the frame
    EXPECT_GT(canvas.CountPixels(Palette(COLOR_GRAYTEXT), ChildRect(dlg, c.nDisabled)), 0);
    if (c.nUncaptioned == 0)
        return;
    // A cross on the close button, and the title where the artwork's stands:
    // window text above the buttons, left of the close button, inside the frame.
    EXPECT_GT(canvas.CountPixels(Palette(COLOR_BTNTEXT), ChildRect(dlg, c.nUncaptioned)), 0);
    const RECT rcAbove = {1, 1, ChildRect(dlg, c.nUncaptioned).left, ChildRect(dlg, IDC_SUITE).top};
    EXPECT_GT(canvas.CountPixels(Palette(COLOR_WINDOWTEXT), rcAbove), 100);
}

INSTANTIATE_TEST_SUITE_P(
    Dialogs, HighContrastTest,
    ::testing::Values(DialogCase{"Menu", [] { return std::make_unique<CLauncherDlg>(); }, IDC_LANGUAGE, IDC_SUITE, IDOK},
                      DialogCase{"LanguageChooser", [] { return std::make_unique<CLanguageDlg>(); }, IDC_LANG_GERMAN,
                                 IDC_LANG_FRENCH, 0},
                      DialogCase{"ModelChooser", [] { return std::make_unique<CModelDlg>(); }, IDC_MODEL_PRO,
                                 IDC_MODEL_LITE, 0}),
    [](const auto& info) { return std::string(info.param.name); });

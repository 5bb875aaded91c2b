// In a high-contrast theme the menu and both choosers draw in the prefix's
// system colours only: no artwork, no region, the buttons' state colours.
#include "tests/support/HighContrast.h"
#include "tests/support/DialogTestSupport.h"
#include "tests/support/Driver.h"

#include "actions/Language.h"
#include "actions/ModelDlg.h"
#include "app/LanguageDlg.h"
#include "app/LauncherDlg.h"
#include "res/resource.h"

#include <gtest/gtest.h>

#include <memory>

namespace
{
// The artwork's blues (tools/make_assets.py).
const COLORREF kArtworkBlues[] = {RGB(20, 61, 83), RGB(41, 82, 104), RGB(60, 101, 123), RGB(111, 152, 174)};

struct DialogCase
{
    const char* name;
    std::unique_ptr<CDialog> (*make)();
    int nHovered, nDisabled;
    int nClose;  // the menu's close button, left of which its title stands; 0 in a chooser
};
template <class T>
std::unique_ptr<CDialog> Make()
{
    return std::make_unique<T>();
}

class HighContrastTest : public ::testing::TestWithParam<DialogCase>
{
protected:
    // The menu stores the language it detects.
    HighContrastTest() { m_registry.Value(HKEY_LOCAL_MACHINE, kLanguageKey, kLanguageValueName); }
    void TearDown() override { m_pDialog->DestroyWindow(); }
    RECT ChildRect(int nId) const
    {
        RECT rc;
        ::GetWindowRect(m_pDialog->GetDlgItem(nId), &rc);
        ::MapWindowPoints(nullptr, *m_pDialog, reinterpret_cast<POINT*>(&rc), 2);
        return rc;
    }

    e2e::RegistryGuard m_registry;
    CHighContrastReport m_report{true};
    std::unique_ptr<CDialog> m_pDialog = GetParam().make();
};
}  // namespace

TEST_P(HighContrastTest, DrawsInSystemColoursWithoutArtworkOrRegion)
{
    const DialogCase& c = GetParam();
    ASSERT_TRUE(m_pDialog->Create());
    ::EnableWindow(m_pDialog->GetDlgItem(c.nDisabled), FALSE);
    ::SendMessageW(m_pDialog->GetDlgItem(c.nHovered), WM_MOUSEHOVER, 0, 0);
    RECT rc;
    m_pDialog->GetClientRect(&rc);
    CCanvas canvas(rc.right, rc.bottom, RGB(255, 0, 255));
    PaintDialog(*m_pDialog, canvas);

    CRgn rgn;
    EXPECT_FALSE(ReadWindowRegion(*m_pDialog, rgn));
    for (const COLORREF cr : kArtworkBlues)
        EXPECT_EQ(canvas.CountPixels(cr), 0) << std::hex << cr;
    for (const int nElement : {COLOR_WINDOW, COLOR_BTNFACE, COLOR_BTNTEXT})
        EXPECT_GT(canvas.CountPixels(::GetSysColor(nElement)), 0) << "element " << nElement;
    EXPECT_GT(canvas.CountPixels(::GetSysColor(COLOR_GRAYTEXT), ChildRect(c.nDisabled)), 0) << "disabled caption";
    const RECT rcHovered = ChildRect(c.nHovered);
    EXPECT_EQ(canvas.GetPixel(rcHovered.left + 2, rcHovered.top + 2), ::GetSysColor(COLOR_HIGHLIGHT));
    EXPECT_EQ(canvas.GetPixel(rcHovered.left, rcHovered.top), ::GetSysColor(COLOR_WINDOWTEXT));  // its frame
    if (c.nClose == 0)
        return;
    const RECT rcTitle = {1, 1, ChildRect(c.nClose).left, ChildRect(IDC_SUITE).top};
    EXPECT_GT(canvas.CountPixels(::GetSysColor(COLOR_WINDOWTEXT), rcTitle), 100);
}

INSTANTIATE_TEST_SUITE_P(
    Dialogs, HighContrastTest,
    ::testing::Values(DialogCase{"Menu", &Make<CLauncherDlg>, IDC_LANGUAGE, IDC_SUITE, IDOK},
                      DialogCase{"LanguageChooser", &Make<CLanguageDlg>, IDC_LANG_GERMAN, IDC_LANG_FRENCH, 0},
                      DialogCase{"ModelChooser", &Make<CModelDlg>, IDC_MODEL_PRO, IDC_MODEL_LITE, 0}),
    [](const auto& info) { return std::string(info.param.name); });

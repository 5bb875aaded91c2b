// CSkinLabel bound to the main dialog's description area: what the parent's
// colour message, reflected to the label, leaves in the DC.
#include "tests/support/DialogTestSupport.h"

#include "res/resource.h"
#include "skin/SkinLabel.h"

#include <gtest/gtest.h>

namespace
{
const COLORREF kWhite = RGB(255, 255, 255);

// Sends the description area's WM_CTLCOLORSTATIC to its dialog, as the
// static control does when it paints.
HBRUSH SendColourMessage(const CWnd& dlg, const CSkinLabel& label, HDC hDC)
{
    return reinterpret_cast<HBRUSH>(
        dlg.SendMessage(WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(hDC), reinterpret_cast<LPARAM>(label.m_hWnd)));
}

LOGFONTW FontOf(HGDIOBJ hFont)
{
    LOGFONTW lf{};
    ::GetObjectW(hFont, sizeof(lf), &lf);
    return lf;
}

TEST(SkinLabelTest, InASkinDialogTheTextLiesOnTheSkinInTheGuiFont)
{
    CTestSkinDialog dlg(IDD_MAIN);
    CSkinLabel label;
    dlg.Bind(IDC_DESCRIPTION, label);
    ASSERT_TRUE(dlg.Create());
    label.SetForeground(kWhite).SetCaption(L"Installs the editing suite");
    CCanvas canvas(1, 1, 0);

    EXPECT_EQ(SendColourMessage(dlg, label, canvas.GetDC()), ::GetStockObject(NULL_BRUSH));
    EXPECT_EQ(::GetTextColor(canvas.GetDC()), kWhite);
    EXPECT_EQ(::GetBkMode(canvas.GetDC()), TRANSPARENT);
    // The font is the control's own, set once; the colour message leaves the DC's font alone.
    EXPECT_EQ(::GetCurrentObject(canvas.GetDC(), OBJ_FONT), ::GetStockObject(SYSTEM_FONT));
    const auto hFont = reinterpret_cast<HGDIOBJ>(label.SendMessage(WM_GETFONT));
    ASSERT_NE(hFont, nullptr);
    EXPECT_NE(hFont, ::GetStockObject(DEFAULT_GUI_FONT));  // a copy the label owns
    const LOGFONTW selected = FontOf(hFont);
    const LOGFONTW gui = FontOf(::GetStockObject(DEFAULT_GUI_FONT));
    EXPECT_STREQ(selected.lfFaceName, gui.lfFaceName);
    EXPECT_EQ(selected.lfHeight, gui.lfHeight);
    EXPECT_STREQ(label.GetWindowText(), L"Installs the editing suite");
    dlg.DestroyWindow();
}

TEST(SkinLabelTest, InAPlainDialogTheLabelPaintsItsOwnBackground)
{
    CDialog dlg(IDD_MAIN);
    ASSERT_TRUE(dlg.Create());
    CSkinLabel label;
    ASSERT_TRUE(label.SubclassDlgItem(IDC_DESCRIPTION, &dlg));
    CCanvas canvas(1, 1, 0);

    const HBRUSH hbr = SendColourMessage(dlg, label, canvas.GetDC());

    LOGBRUSH lb{};
    ASSERT_EQ(::GetObjectW(hbr, sizeof(lb), &lb), static_cast<int>(sizeof(lb)));
    EXPECT_EQ(lb.lbStyle, static_cast<UINT>(BS_SOLID));
    EXPECT_EQ(lb.lbColor, ::GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(::GetTextColor(canvas.GetDC()), ::GetSysColor(COLOR_WINDOWTEXT));
    EXPECT_EQ(::GetBkMode(canvas.GetDC()), TRANSPARENT);
    dlg.DestroyWindow();
}
}  // namespace

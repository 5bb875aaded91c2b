// CSkinLabel in a dialog without a skin: what the parent's colour message,
// reflected to the label, leaves in the DC (in the skin it is in the
// pictures, PictureTest).
#include "tests/support/DialogTestSupport.h"

#include "res/resource.h"
#include "skin/SkinLabel.h"

#include <gtest/gtest.h>

namespace
{
// Sends the description area's WM_CTLCOLORSTATIC to its dialog, as the
// static control does when it paints.
HBRUSH SendColourMessage(const CWnd& dlg, const CSkinLabel& label, HDC hDC)
{
    return reinterpret_cast<HBRUSH>(
        dlg.SendMessage(WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(hDC), reinterpret_cast<LPARAM>(label.m_hWnd)));
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

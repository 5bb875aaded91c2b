// Framework pieces that need no window: run-time class questions and the
// selection guard.
#include "framework/Bitmap.h"
#include "framework/DC.h"
#include "skin/HoverButton.h"
#include "skin/SkinLabel.h"

#include <gtest/gtest.h>

TEST(RuntimeClassTest, HoverButtonAnswersForItsWholeAncestry)
{
    const CHoverButton hover;
    const CButton button;
    const CSkinLabel label;

    EXPECT_STREQ(hover.GetRuntimeClass()->m_lpszClassName, "CHoverButton");
    for (const CRuntimeClass* pClass : {RUNTIME_CLASS(CHoverButton), RUNTIME_CLASS(CBitmapButton),
                                        RUNTIME_CLASS(CButton), &CObject::classCObject})
        EXPECT_TRUE(hover.IsKindOf(pClass)) << pClass->m_lpszClassName;
    EXPECT_FALSE(button.IsKindOf(RUNTIME_CLASS(CHoverButton)));
    EXPECT_FALSE(button.IsKindOf(RUNTIME_CLASS(CBitmapButton)));
    EXPECT_FALSE(label.IsKindOf(RUNTIME_CLASS(CHoverButton)));
}

TEST(SelectionGuardTest, PutsThePreviousObjectBack)
{
    CDC dc;
    ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
    const HGDIOBJ hOriginal = ::GetCurrentObject(dc, OBJ_BITMAP);
    const HDC hScreen = ::GetDC(nullptr);
    CBitmap first;
    CBitmap second;
    first.Attach(::CreateCompatibleBitmap(hScreen, 4, 4));
    second.Attach(::CreateCompatibleBitmap(hScreen, 4, 4));
    ::ReleaseDC(nullptr, hScreen);
    {
        CSelectionGuard outer(dc, first);
        {
            CSelectionGuard inner(dc, second);
            EXPECT_EQ(::GetCurrentObject(dc, OBJ_BITMAP), second.GetSafeHandle());
        }
        EXPECT_EQ(::GetCurrentObject(dc, OBJ_BITMAP), first.GetSafeHandle());
    }
    EXPECT_EQ(::GetCurrentObject(dc, OBJ_BITMAP), hOriginal);
}

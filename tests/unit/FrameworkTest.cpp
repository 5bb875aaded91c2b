// Framework pieces that need no window: run-time class questions and the
// selection guard.
#include "framework/Bitmap.h"
#include "framework/DC.h"
#include "framework/Handle.h"
#include "skin/HoverButton.h"
#include "skin/SkinLabel.h"

#include <gtest/gtest.h>

#include <utility>

TEST(RuntimeClassTest, HoverButtonAnswersForItsWholeAncestry)
{
    const CHoverButton hover;
    const CButton button;
    const CSkinLabel label;

    EXPECT_STREQ(hover.GetRuntimeClass()->m_lpszClassName, "CHoverButton");
    for (const CRuntimeClass* pClass :
         {RUNTIME_CLASS(CHoverButton), RUNTIME_CLASS(CBitmapButton), RUNTIME_CLASS(CButton), &CObject::classCObject})
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

namespace
{
bool IsOpen(HANDLE h)
{
    DWORD dwFlags = 0;
    return ::GetHandleInformation(h, &dwFlags) != FALSE;
}
}  // namespace

// Every owning handle closes what it holds exactly once, wherever ownership
// ends: at reset, when moved over, at the end of its scope; never after Release.
TEST(UniqueHandleTest, ClosesWhatItHoldsOnceAndNeverWhatItGaveUp)
{
    const HANDLE hFirst = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
    const HANDLE hSecond = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
    const HANDLE hKept = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
    {
        CHandle first(hFirst);
        CHandle second(hSecond);
        first = std::move(second);
        EXPECT_FALSE(IsOpen(hFirst));
        EXPECT_EQ(first.Get(), hSecond);
        EXPECT_FALSE(second.IsValid());
        CHandle kept(hKept);
        EXPECT_EQ(kept.Release(), hKept);
        first.Reset(INVALID_HANDLE_VALUE);
        EXPECT_FALSE(IsOpen(hSecond));
        EXPECT_FALSE(first.IsValid());
    }
    EXPECT_TRUE(IsOpen(hKept));
    ::CloseHandle(hKept);
}

// CStateStripCache: one load per strip for all of a dialog's buttons, and a
// strip deleted once, when its last holder lets it go, whichever goes first.
#include "skin/StateStripCache.h"
#include "res/resource.h"

#include <gtest/gtest.h>

namespace
{
HGDIOBJ HandleOf(const std::shared_ptr<const CBitmap>& pStrip)
{
    return pStrip != nullptr ? pStrip->GetSafeHandle() : nullptr;
}

bool IsLiveBitmap(HGDIOBJ hObject) { return ::GetObjectType(hObject) == OBJ_BITMAP; }

TEST(StateStripCacheTest, EachStripIsLoadedOnceAndShared)
{
    CStateStripCache cache;
    const auto pFirst = cache.Get(IDB_BUTTON_STRIP);
    const auto pAgain = cache.Get(IDB_BUTTON_STRIP);
    const auto pClose = cache.Get(IDB_CLOSE_STRIP);

    ASSERT_TRUE(IsLiveBitmap(HandleOf(pFirst)));
    EXPECT_EQ(pFirst, pAgain);
    EXPECT_NE(HandleOf(pClose), HandleOf(pFirst));
    BITMAP bm{};
    pClose->GetBitmap(&bm);
    EXPECT_EQ(bm.bmWidth, 21);
    EXPECT_EQ(bm.bmHeight, 84);
}

TEST(StateStripCacheTest, AStripLivesWhileAnyHolderHoldsIt)
{
    HGDIOBJ hStrip = nullptr;
    {
        std::shared_ptr<const CBitmap> pHeld;
        {
            CStateStripCache cache;
            pHeld = cache.Get(IDB_BUTTON_STRIP);
            hStrip = HandleOf(pHeld);
        }
        EXPECT_TRUE(IsLiveBitmap(hStrip));  // the cache went first
    }
    EXPECT_FALSE(IsLiveBitmap(hStrip));

    CStateStripCache cache;
    hStrip = HandleOf(cache.Get(IDB_BUTTON_STRIP));
    EXPECT_TRUE(IsLiveBitmap(hStrip));  // the holder went first
}

TEST(StateStripCacheTest, AMissingResourceGivesAnEmptyStrip)
{
    CStateStripCache cache;
    const auto pStrip = cache.Get(9999);
    ASSERT_NE(pStrip, nullptr);
    EXPECT_TRUE(pStrip->IsNull());
    EXPECT_NE(HandleOf(CStateStripCache::LoadStrip(IDB_BUTTON_STRIP)), HandleOf(cache.Get(IDB_BUTTON_STRIP)));
}
}  // namespace

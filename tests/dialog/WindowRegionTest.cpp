// CWindowRegion against the per-pixel reference it replaced (one GetPixel
// per pixel outside the keep-rectangle, one CombineRgn per opaque run): the
// two regions must be identical, rectangle for rectangle, on fixed and on
// seeded random backgrounds; and a background that cannot be read gives the
// plain window rectangle, not part of a region.
#include "skin/WindowRegion.h"
#include "framework/DC.h"
#include "framework/Rgn.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <random>
#include <string>
#include <vector>

namespace
{
const COLORREF kKey = RGB(255, 0, 255);
const COLORREF kOpaque = RGB(41, 82, 104);

// A screen-compatible bitmap painted pixel(x, y), like a stretched background.
class CTestBackground
{
public:
    CTestBackground(int nWidth, int nHeight, const std::function<COLORREF(int x, int y)>& pixel)
    {
        const HDC hScreen = ::GetDC(nullptr);
        m_bitmap.Attach(::CreateCompatibleBitmap(hScreen, nWidth, nHeight));
        ::ReleaseDC(nullptr, hScreen);
        std::vector<DWORD> bits(static_cast<size_t>(nWidth) * static_cast<size_t>(nHeight));
        for (int y = 0; y < nHeight; ++y)
            for (int x = 0; x < nWidth; ++x)
            {
                const COLORREF cr = pixel(x, y);
                bits[static_cast<size_t>(y * nWidth + x)] = GetRValue(cr) << 16 | GetGValue(cr) << 8 | GetBValue(cr);
            }
        BITMAPINFO bmi{{sizeof(BITMAPINFOHEADER), nWidth, -nHeight, 1, 32, BI_RGB, 0, 0, 0, 0, 0}, {}};
        CDC dc;
        dc.CreateCompatibleDC(nullptr);
        ::SetDIBits(dc, *this, 0, static_cast<UINT>(nHeight), bits.data(), &bmi, DIB_RGB_COLORS);
    }

    operator HBITMAP() const noexcept { return static_cast<HBITMAP>(m_bitmap.GetSafeHandle()); }  // NOLINT

private:
    CGdiObject m_bitmap;
};

// The region as the per-pixel algorithm builds it.
void BuildReference(CRgn& rgn, HBITMAP hBackground, COLORREF crKey, const CRect& rcKeep, CSize szWindow, CSize szClient)
{
    rgn.CreateRectRgn(0, 0, szWindow.cx, szWindow.cy);
    CRgn rgnClient;
    rgnClient.CreateRectRgn(0, 0, szClient.cx, szClient.cy);
    rgn.CombineRgn(&rgn, &rgnClient, RGN_XOR);

    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    CSelectionGuard select(dc, hBackground);
    const auto addRun = [&rgn](int xStart, int xEnd, int y) {
        CRgn run;
        run.CreateRectRgn(xStart, y, xEnd, y + 1);
        rgn.CombineRgn(&rgn, &run, RGN_OR);
    };
    for (int y = 0; y < szClient.cy; ++y)
    {
        int xStart = 0;
        for (int x = 0; x < szClient.cx; ++x)
        {
            if (rcKeep.PtInRect(CPoint(x, y)) || dc.GetPixel(x, y) != crKey)
                continue;
            if (xStart < x)
                addRun(xStart, x, y);
            xStart = x + 1;
        }
        if (xStart != szClient.cx)
            addRun(xStart, szClient.cx, y);
    }
}

std::vector<RECT> RegionRects(HRGN hRgn)
{
    const DWORD cbData = ::GetRegionData(hRgn, 0, nullptr);
    std::vector<BYTE> data(cbData);
    auto* pData = reinterpret_cast<RGNDATA*>(data.data());
    if (cbData == 0 || ::GetRegionData(hRgn, cbData, pData) != cbData)
        return {};
    const auto* pRects = reinterpret_cast<const RECT*>(pData->Buffer);
    return std::vector<RECT>(pRects, pRects + pData->rdh.nCount);
}

std::string Describe(const std::vector<RECT>& rects)
{
    std::string text;
    for (const RECT& rc : rects)
        text += "(" + std::to_string(rc.left) + "," + std::to_string(rc.top) + "," + std::to_string(rc.right) + "," +
                std::to_string(rc.bottom) + ")";
    return text.empty() ? "empty" : text;
}

// Both builders on the same input; the regions must match exactly.
void ExpectSameRegion(HBITMAP hBackground, COLORREF crKey, const CRect& rcKeep, CSize szWindow, CSize szClient)
{
    CRgn expected;
    BuildReference(expected, hBackground, crKey, rcKeep, szWindow, szClient);
    CRgn actual;
    ASSERT_TRUE(actual.Attach(CWindowRegion(hBackground, crKey, rcKeep).Create(szWindow, szClient).Release()));

    EXPECT_TRUE(::EqualRgn(actual, expected));
    const std::vector<RECT> actualRects = RegionRects(actual);
    const std::vector<RECT> expectedRects = RegionRects(expected);
    EXPECT_EQ(Describe(actualRects), Describe(expectedRects));
}

struct FixedCase
{
    const char* name;
    CSize szBitmap;
    std::function<COLORREF(int x, int y)> pixel;
    CRect rcKeep;
    CSize szWindow;
    CSize szClient;
    COLORREF crKey;
};

void PrintTo(const FixedCase& c, std::ostream* os) { *os << c.name; }

class WindowRegionFixedTest : public ::testing::TestWithParam<FixedCase>
{};

TEST_P(WindowRegionFixedTest, MatchesThePerPixelRegion)
{
    const FixedCase& c = GetParam();
    const CTestBackground background(c.szBitmap.cx, c.szBitmap.cy, c.pixel);
    ExpectSameRegion(background, c.crKey, c.rcKeep, c.szWindow, c.szClient);
}

const int kW = 24;
const int kH = 16;
// Key at each corner and in the middle of each edge.
COLORREF EdgesAndCorners(int x, int y)
{
    const bool bEdgeX = x == 0 || x == kW - 1 || x == kW / 2;
    const bool bEdgeY = y == 0 || y == kH - 1 || y == kH / 2;
    return bEdgeX && bEdgeY && (x != kW / 2 || y != kH / 2) ? kKey : kOpaque;
}
COLORREF Checkerboard(int x, int y) { return (x + y) % 2 == 0 ? kKey : kOpaque; }
COLORREF KeyBorder(int x, int y) { return x < 2 || y < 2 || x >= kW - 2 || y >= kH - 3 ? kKey : kOpaque; }
COLORREF AllKey(int, int) { return kKey; }
COLORREF NoKey(int, int) { return kOpaque; }
COLORREF NearKey(int x, int) { return x % 3 == 0 ? RGB(255, 0, 254) : x % 3 == 1 ? RGB(254, 0, 255) : kKey; }

const CSize kSize(kW, kH);
const FixedCase kFixedCases[] = {
    {"KeyAtEveryEdgeAndCorner", kSize, EdgesAndCorners, CRect(), kSize, kSize, kKey},
    {"KeepEmpty", kSize, KeyBorder, CRect(), kSize, kSize, kKey},
    {"KeepPartial", kSize, Checkerboard, CRect(3, 2, 15, 9), kSize, kSize, kKey},
    {"KeepOnTheEdges", kSize, KeyBorder, CRect(0, 0, 1, kH), kSize, kSize, kKey},
    {"KeepCoveringTheClient", kSize, AllKey, CRect(0, 0, kW, kH), kSize, kSize, kKey},
    {"KeepLargerThanTheWindow", kSize, AllKey, CRect(-5, -5, kW + 9, kH + 9), kSize, kSize, kKey},
    {"KeepInverted", kSize, KeyBorder, CRect(10, 10, 2, 2), kSize, kSize, kKey},
    {"OnePixelRuns", kSize, Checkerboard, CRect(), kSize, kSize, kKey},
    {"AllKey", kSize, AllKey, CRect(), kSize, kSize, kKey},
    {"NoKey", kSize, NoKey, CRect(), kSize, kSize, kKey},
    {"OneBitOffKeyIsOpaque", kSize, NearKey, CRect(), kSize, kSize, kKey},
    {"FramedDialogOuterStrips", CSize(kW + 6, kH + 8), KeyBorder, CRect(4, 4, 8, 8), CSize(kW + 6, kH + 8), kSize,
     kKey},
    {"FramedDialogAllKey", CSize(kW + 6, kH + 8), AllKey, CRect(), CSize(kW + 6, kH + 8), kSize, kKey},
    {"ClientBeyondTheBitmap", CSize(kW - 4, kH - 3), Checkerboard, CRect(), kSize, kSize, kKey},
    {"KeyNotAPixelValue", kSize, AllKey, CRect(), kSize, kSize, kKey | 0x01000000},
    {"EmptyClient", kSize, AllKey, CRect(), kSize, CSize(0, 0), kKey},
    // More runs than one ExtCreateRegion call takes: joined chunks.
    {"ManyChunks", CSize(130, 70), Checkerboard, CRect(), CSize(130, 70), CSize(130, 70), kKey},
    // Taller than one band of rows read at a time.
    {"ManyBands", CSize(400, 100), [](int x, int y) { return x == (y * 7) % 400 || x == 399 - y ? kKey : kOpaque; },
     CRect(0, 30, 200, 60), CSize(400, 100), CSize(400, 100), kKey},
    {"OnePixelWindow", CSize(1, 1), AllKey, CRect(), CSize(1, 1), CSize(1, 1), kKey},
};

INSTANTIATE_TEST_SUITE_P(Cases, WindowRegionFixedTest, ::testing::ValuesIn(kFixedCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(WindowRegionRandomTest, MatchesThePerPixelRegionOnSeededBackgrounds)
{
    std::mt19937 random(20261208);
    const auto between = [&random](int nLow, int nHigh) {
        return std::uniform_int_distribution<int>(nLow, nHigh)(random);
    };
    const COLORREF palette[] = {kKey, kKey, kOpaque, RGB(255, 0, 254), RGB(0, 0, 0)};
    for (int i = 0; i < 150; ++i)
    {
        const CSize szClient(between(1, 40), between(1, 30));
        const CSize szWindow(szClient.cx + between(0, 3) * between(0, 1), szClient.cy + between(0, 4) * between(0, 1));
        // Mostly key or mostly opaque rows, so runs both merge and break.
        const int nKeyShare = between(0, 4);
        std::vector<COLORREF> pixels(static_cast<size_t>(szWindow.cx * szWindow.cy));
        for (COLORREF& cr : pixels)
            cr = between(0, 4) < nKeyShare ? kKey : palette[between(0, 4)];
        const CTestBackground background(
            szWindow.cx, szWindow.cy, [&](int x, int y) { return pixels[static_cast<size_t>(y * szWindow.cx + x)]; });
        const CRect rcKeep(between(-5, szClient.cx + 5), between(-5, szClient.cy + 5), between(-5, szClient.cx + 5),
                           between(-5, szClient.cy + 5));
        SCOPED_TRACE("case " + std::to_string(i));
        ExpectSameRegion(background, kKey, rcKeep, szWindow, szClient);
        if (HasFailure())
            return;
    }
}

TEST(WindowRegionFallbackTest, AnUnreadableBackgroundGivesThePlainWindowRectangle)
{
    const CSize szWindow(30, 20);
    CRgn expected;
    expected.CreateRectRgn(0, 0, szWindow.cx, szWindow.cy);
    CGdiObject deleted;
    deleted.Attach(::CreateBitmap(4, 4, 1, 32, nullptr));
    const HGDIOBJ hDeleted = deleted.GetSafeHandle();
    deleted.DeleteObject();

    for (const HGDIOBJ hBackground : {static_cast<HGDIOBJ>(nullptr), hDeleted})
    {
        CRgn actual;
        ASSERT_TRUE(actual.Attach(CWindowRegion(static_cast<HBITMAP>(hBackground), kKey, CRect(0, 0, 5, 5))
                                      .Create(szWindow, CSize(24, 16))
                                      .Release()));
        EXPECT_TRUE(::EqualRgn(actual, expected));
    }
}

TEST(WindowRegionFallbackTest, AKeepRectangleOverTheClientNeedsNoPixels)
{
    // Nothing is read, so even without a background the shape is the client
    // area and the frame strips.
    CRgn actual;
    ASSERT_TRUE(actual.Attach(
        CWindowRegion(nullptr, kKey, CRect(0, 0, 24, 16)).Create(CSize(30, 20), CSize(24, 16)).Release()));
    CRgn expected;
    expected.CreateRectRgn(0, 0, 30, 20);
    EXPECT_TRUE(::EqualRgn(actual, expected));
}
}  // namespace

// The artwork as the program stores it: each bitmap decodes to exactly its
// source image's pixels and key-colour region; a stream cut short or
// corrupted decodes to nothing, and the menu then shows the plain look that
// a high-contrast theme gives.
#include "tests/support/DialogTestSupport.h"
#include "tests/support/Driver.h"
#include "tests/support/HighContrast.h"
#include "tests/support/ImportHook.h"

#include "actions/Language.h"
#include "actions/ModelDlg.h"
#include "app/LanguageDlg.h"
#include "app/LauncherDlg.h"
#include "res/resource.h"
#include "skin/PackedArtwork.h"
#include "skin/SkinColours.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace
{
const COLORREF kKey = RGB(255, 0, 255);  // the menu's key colour

std::vector<BYTE> PackedBytes(UINT nIDResource)
{
    const HINSTANCE hModule = ::GetModuleHandleW(nullptr);
    const HRSRC hInfo = ::FindResourceW(hModule, MAKEINTRESOURCEW(nIDResource), RT_RCDATA);
    const auto* pData = static_cast<const BYTE*>(::LockResource(::LoadResource(hModule, hInfo)));
    return pData != nullptr ? std::vector<BYTE>(pData, pData + ::SizeofResource(hModule, hInfo)) : std::vector<BYTE>();
}

class ArtworkPixelsTest : public ::testing::TestWithParam<UINT>
{};

TEST_P(ArtworkPixelsTest, DecodesToTheSourceImagesPixels)
{
    const Pixels source = ResourcePixels(GetParam());
    ASSERT_GT(source.nWidth, 0);
    CPackedArtwork artwork(GetParam());
    CBitmap bitmap;
    ASSERT_TRUE(artwork.Decode(bitmap, artwork.Size()));
    const Pixels decoded = BitmapPixels(bitmap);
    EXPECT_EQ(decoded.nWidth, source.nWidth);
    EXPECT_EQ(decoded.nHeight, source.nHeight);
    EXPECT_TRUE(decoded.values == source.values);
}

INSTANTIATE_TEST_SUITE_P(Bitmaps, ArtworkPixelsTest,
                         ::testing::Values(IDB_MAIN_BACKGROUND, IDB_CLOSE_STRIP, IDB_BUTTON_STRIP,
                                           IDB_CHOOSER_BACKGROUND));

// The menu's window cut from the decoded background, read whole (no
// keep-rectangle), against the runs of the source image's non-key pixels.
TEST(ArtworkRegionTest, TheMenusRegionIsTheSourceImagesNonKeyPixels)
{
    CTestSkinDialog dlg{IDD_MAIN};
    ASSERT_TRUE(dlg.Create());
    dlg.m_crKey = kKey;
    dlg.m_bUseKeyColor = TRUE;
    ASSERT_TRUE(dlg.SetBackground(IDB_MAIN_BACKGROUND));
    const Pixels source = ResourcePixels(IDB_MAIN_BACKGROUND);
    const CSize client = dlg.ClientSize();
    CRgn rgn;
    ASSERT_TRUE(ReadWindowRegion(dlg, rgn));
    for (int y = 0; y < client.cy; ++y)
    {
        Runs expected;
        for (int x = 0; x < client.cx; ++x)
        {
            if (source.At(OneToOneSource(x, client.cx, source.nWidth), OneToOneSource(y, client.cy, source.nHeight)) ==
                kKey)
                continue;
            if (!expected.empty() && expected.back().second == x)
                expected.back().second = x + 1;
            else
                expected.emplace_back(x, x + 1);
        }
        Runs actual;
        for (auto run : RowRuns(rgn, y))  // without the frame's strips
            if (run.first < client.cx)
                actual.emplace_back(run.first, std::min(run.second, static_cast<int>(client.cx)));
        ASSERT_EQ(actual, expected) << "row " << y;
    }
    dlg.DestroyWindow();
}

struct DamageCase
{
    const char* name;
    void (*damage)(std::vector<BYTE>& bytes);
};

void PrintTo(const DamageCase& c, std::ostream* os) { *os << c.name; }

class DamagedStreamTest : public ::testing::TestWithParam<DamageCase>
{};

TEST_P(DamagedStreamTest, DecodesToNothingAndSaysSo)
{
    std::vector<BYTE> bytes = PackedBytes(IDB_MAIN_BACKGROUND);
    ASSERT_GT(bytes.size(), 1000u);
    GetParam().damage(bytes);

    CPackedArtwork artwork(bytes.data(), static_cast<DWORD>(bytes.size()));
    CBitmap bitmap;
    EXPECT_FALSE(artwork.Decode(bitmap, CSize(763, 560)));
    EXPECT_TRUE(bitmap.IsNull());
    EXPECT_TRUE(artwork.IsDamaged());
}

// A gzip stream: a 10-byte header, the deflated bitmap file, then its CRC-32
// and length in 8 bytes.
const DamageCase kDamageCases[] = {
    {"Empty", [](std::vector<BYTE>& b) { b.clear(); }},
    {"CutInTheBitmapsHeader", [](std::vector<BYTE>& b) { b.resize(30); }},
    {"CutHalfway", [](std::vector<BYTE>& b) { b.resize(b.size() / 2); }},
    {"CutBeforeTheChecksum", [](std::vector<BYTE>& b) { b.resize(b.size() - 8); }},
    {"LastByteMissing", [](std::vector<BYTE>& b) { b.pop_back(); }},
    {"ByteInvertedHalfway", [](std::vector<BYTE>& b) { b[b.size() / 2] ^= 0xFF; }},
    {"ChecksumWrong", [](std::vector<BYTE>& b) { b[b.size() - 8] ^= 0x01; }},
};

INSTANTIATE_TEST_SUITE_P(Streams, DamagedStreamTest, ::testing::ValuesIn(kDamageCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Every resource of the program read half as long as it is: each bitmap's
// stream is cut short, as in a truncated executable.
DWORD WINAPI HalfTheResource(HMODULE hModule, HRSRC hInfo);
const auto s_pSizeofResource = reinterpret_cast<decltype(&::SizeofResource)>(
    reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleW(L"kernel32.dll"), "SizeofResource")));
DWORD WINAPI HalfTheResource(HMODULE hModule, HRSRC hInfo)
{
    return s_pSizeofResource(hModule, hInfo) / 2;
}

template <class T>
std::vector<COLORREF> Painted(bool bDamaged)
{
    T dialog;
    std::unique_ptr<ImportHook> pCut;
    std::unique_ptr<CHighContrastReport> pHighContrast;
    if (bDamaged)
        pCut = std::make_unique<ImportHook>(L"kernel32.dll", "SizeofResource",
                                            reinterpret_cast<const void*>(&HalfTheResource));
    else
        pHighContrast = std::make_unique<CHighContrastReport>(true);
    EXPECT_TRUE(dialog.Create());
    CRgn rgn;
    EXPECT_FALSE(ReadWindowRegion(dialog, rgn));
    RECT rc;
    dialog.GetClientRect(&rc);
    CCanvas canvas(rc.right, rc.bottom, kKey);
    PaintDialog(dialog, canvas);
    dialog.DestroyWindow();
    CSkinColours::SetArtworkDamaged(false);
    std::vector<COLORREF> pixels;
    for (int y = 0; y < rc.bottom; ++y)
        for (int x = 0; x < rc.right; ++x)
            pixels.push_back(canvas.GetPixel(x, y));
    return pixels;
}

struct PlainCase
{
    const char* name;
    std::vector<COLORREF> (*paint)(bool bDamaged);
};

class DamagedArtworkTest : public ::testing::TestWithParam<PlainCase>
{
protected:
    // The menu stores the language it detects.
    DamagedArtworkTest() { m_registry.Value(HKEY_LOCAL_MACHINE, kLanguageKey, kLanguageValueName); }

    e2e::RegistryGuard m_registry;
};

// The look in system colours is the high-contrast theme's, pixel for pixel.
TEST_P(DamagedArtworkTest, ShowsThePlainLookOfAHighContrastTheme)
{
    const std::vector<COLORREF> damaged = GetParam().paint(true);
    const std::vector<COLORREF> highContrast = GetParam().paint(false);
    ASSERT_FALSE(damaged.empty());
    EXPECT_TRUE(damaged == highContrast);
}

INSTANTIATE_TEST_SUITE_P(Dialogs, DamagedArtworkTest,
                         ::testing::Values(PlainCase{"Menu", &Painted<CLauncherDlg>},
                                           PlainCase{"LanguageChooser", &Painted<CLanguageDlg>},
                                           PlainCase{"ModelChooser", &Painted<CModelDlg>}),
                         [](const auto& info) { return std::string(info.param.name); });
}  // namespace

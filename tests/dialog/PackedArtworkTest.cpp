// The artwork as the program stores it: each bitmap decodes to exactly its
// source image's pixels and region; a stream cut short or corrupted decodes
// to nothing, and the dialogs then show the plain look of a high-contrast
// theme.
#include "tests/support/DialogTestSupport.h"
#include "tests/support/Driver.h"
#include "tests/support/HighContrast.h"
#include "tests/support/ImportHook.h"
#include "tests/support/ScreenPicture.h"

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

class ArtworkPixelsTest : public ::testing::TestWithParam<UINT>
{};

TEST_P(ArtworkPixelsTest, DecodesToTheSourceImagesPixels)
{
    const Pixels source = ResourcePixels(GetParam());
    CPackedArtwork artwork(GetParam());
    CBitmap bitmap;
    ASSERT_TRUE(artwork.Decode(bitmap, artwork.Size()));
    const Pixels decoded = BitmapPixels(bitmap);
    EXPECT_GT(source.nWidth, 0);
    EXPECT_EQ(decoded.nWidth, source.nWidth);
    EXPECT_TRUE(decoded.values == source.values);
}

INSTANTIATE_TEST_SUITE_P(Bitmaps, ArtworkPixelsTest,
                         ::testing::Values(IDB_MAIN_BACKGROUND, IDB_CLOSE_STRIP, IDB_BUTTON_STRIP,
                                           IDB_CHOOSER_BACKGROUND));

// Read whole (no keep-rectangle): each row of the client area is the runs
// of the source image's pixels, placed 1:1, that are not of the key colour.
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
        const int ySource = OneToOneSource(y, client.cy, source.nHeight);
        for (int x = 0; x < client.cx; ++x)
            if (source.At(OneToOneSource(x, client.cx, source.nWidth), ySource) == kKey)
                continue;
            else if (!expected.empty() && expected.back().second == x)
                ++expected.back().second;
            else
                expected.emplace_back(x, x + 1);
        Runs actual = RowRuns(rgn, y);  // less the frame's strips right of the client area
        if (!actual.empty() && actual.back().second > client.cx)
            actual.back().second = client.cx;
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
    const HRSRC hInfo = ::FindResourceW(nullptr, MAKEINTRESOURCEW(IDB_MAIN_BACKGROUND), RT_RCDATA);
    const auto* pData = static_cast<const BYTE*>(::LockResource(::LoadResource(nullptr, hInfo)));
    ASSERT_NE(pData, nullptr);
    std::vector<BYTE> bytes(pData, pData + ::SizeofResource(nullptr, hInfo));
    GetParam().damage(bytes);

    CPackedArtwork artwork(bytes.data(), static_cast<DWORD>(bytes.size()));
    CBitmap bitmap;
    EXPECT_FALSE(artwork.Decode(bitmap, CSize(763, 560)));
    EXPECT_TRUE(bitmap.IsNull());
    EXPECT_TRUE(artwork.IsDamaged());
}

// A gzip stream: a 10-byte header, the deflated bitmap file, its CRC-32 and
// its length in 8 bytes.
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

// Every resource read half as long as it is, as from a truncated executable.
const auto s_pSizeofResource = reinterpret_cast<decltype(&::SizeofResource)>(
    reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleW(L"kernel32.dll"), "SizeofResource")));
DWORD WINAPI HalfTheResource(HMODULE hModule, HRSRC hInfo) { return s_pSizeofResource(hModule, hInfo) / 2; }

using Painting = std::vector<COLORREF>;
template <class T>
Painting Paint(bool bDamaged)
{
    std::unique_ptr<ImportHook> pCut;
    if (bDamaged)
        pCut = std::make_unique<ImportHook>(L"kernel32.dll", "SizeofResource",
                                            reinterpret_cast<const void*>(&HalfTheResource));
    CHighContrastReport report(!bDamaged);
    T dialog;
    EXPECT_TRUE(dialog.Create());
    CRgn rgn;
    EXPECT_FALSE(ReadWindowRegion(dialog, rgn));
    Painting pixels = CScreenPicture(dialog).Take().values;
    dialog.DestroyWindow();
    CSkinColours::SetArtworkDamaged(false);
    return pixels;
}

class DamagedArtworkTest : public ::testing::TestWithParam<Painting (*)(bool)>
{
protected:
    // The menu stores the language it detects.
    DamagedArtworkTest() { m_registry.Value(HKEY_LOCAL_MACHINE, kLanguageKey, kLanguageValueName); }

    e2e::RegistryGuard m_registry;
};

TEST_P(DamagedArtworkTest, ShowsTheHighContrastLookPixelForPixel)
{
    const Painting damaged = GetParam()(true);
    EXPECT_FALSE(damaged.empty());
    EXPECT_TRUE(damaged == GetParam()(false));
}

const char* const kDialogNames[] = {"Menu", "LanguageChooser", "ModelChooser"};
INSTANTIATE_TEST_SUITE_P(Dialogs, DamagedArtworkTest,
                         ::testing::Values(&Paint<CLauncherDlg>, &Paint<CLanguageDlg>, &Paint<CModelDlg>),
                         [](const auto& info) { return std::string(kDialogNames[info.index]); });
}  // namespace

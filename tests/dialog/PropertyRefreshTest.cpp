// Over a thousand seeded random machine states through the real menu's full
// refresh. Whatever the registry and the disc say, every text a button shows
// is in the menu's language, an enabled button has no status text and its
// program is on the disc, an installed product's button is disabled, and a
// visible disabled button always says why. SPLASH_PROPERTY_SEED=<n> replays.
// The states run in shards, side by side: each draws the states before its
// own without applying them, so every shard sees the states of one sequence.
#include "actions/DiscFiles.h"
#include "actions/Language.h"
#include "actions/MenuSettings.h"
#include "actions/RunKeyResume.h"
#include "app/LauncherDlg.h"
#include "probes/Registry.h"
#include "res/resource.h"
#include "tests/support/DialogTestSupport.h"
#include "tests/support/Driver.h"
#include "tests/support/TestKeys.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <random>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace
{
constexpr unsigned kDefaultSeed = 20011203;
constexpr int kStates = 1200;
constexpr int kShards = 8;
using keys::kAppPaths;
using keys::kUninstall;

// A product code or disc file, and the button it belongs to.
struct Owned
{
    std::wstring name;
    UINT nButton;
};

// The products the rows install: an installed one disables its button.
std::vector<Owned> Products()
{
    std::vector<Owned> products;
    for (const ButtonRow& row : MenuButtonTable())
        if (row.pszProductCode != nullptr)
            products.push_back({row.pszProductCode, row.nId});
    return products;
}

// Every file a refresh looks for, in every language, after the disc root.
std::vector<Owned> DiscFiles()
{
    std::vector<Owned> files;
    std::set<std::wstring> seen;
    for (const ButtonRow& row : MenuButtonTable())
        for (const DiscFileIds& file : row.files)
            // A translated file is looked for outside English only.
            for (int nIndex = file.bTranslated ? 1 : 0; nIndex < kLanguageCount && file.nFileNameId != 0; ++nIndex)
            {
                const std::wstring path = L"\\" + std::wstring(DiscPath::Of(file, CLanguage::FromIndex(nIndex)).Path());
                if (seen.insert(path).second)
                    files.push_back({path, row.nId});
            }
    return files;
}
// The six stored values and numbers that are none of them.
const DWORD kLanguageValues[] = {9, 0x40C, 7, 0x10, 0x0A, 0x11, 12, 0x409, 1, 0xFFFF};
// Buttons with a refresh step.
std::vector<UINT> Refreshed()
{
    std::vector<UINT> refreshed;
    for (const ButtonRow& row : MenuButtonTable())
        if (row.pfnRefresh != nullptr)
            refreshed.push_back(row.nId);
    return refreshed;
}

void SetKey(const std::wstring& key, bool bPresent)
{
    HKEY hKey = nullptr;
    if (!bPresent)
        ::RegDeleteKeyW(HKEY_LOCAL_MACHINE, key.c_str());
    else if (::RegCreateKeyExW(HKEY_LOCAL_MACHINE, key.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &hKey, nullptr) == 0)
        ::RegCloseKey(hKey);
}
// 0: no key; 1: the key without a "Path"; 2: "Path" = folder.
void SetAppPath(const wchar_t* exe, int nKind, const std::wstring& folder)
{
    SetKey(kAppPaths + exe, false);
    SetKey(kAppPaths + exe, nKind != 0);
    if (nKind == 2)
        WriteRegistryString((kAppPaths + exe).c_str(), L"Path", folder.c_str());
}

// A button's description for either enabled state, read with the style bit
// set for a moment (no repaint, no focus change).
std::wstring DescriptionWhen(CHoverButton& button, bool bEnabled)
{
    const LONG lStyle = ::GetWindowLongW(button, GWL_STYLE);
    ::SetWindowLongW(button, GWL_STYLE, bEnabled ? lStyle & ~WS_DISABLED : lStyle | WS_DISABLED);
    const std::wstring text(static_cast<LPCWSTR>(button.GetDescription()));
    ::SetWindowLongW(button, GWL_STYLE, lStyle);
    return text;
}

// One machine state, drawn in this order: six products, Codec, Language,
// Premiere, Acrobat, then one per disc file. Every choice goes into the trace.
struct MachineState
{
    std::vector<bool> installed;
    int nCodec;  // none, 4, 5, anything
    DWORD dwCodec;
    DWORD dwLanguage;
    int nPremiere;  // none, updated, not updated
    int nAcrobat;   // as SetAppPath's kinds
    std::vector<bool> files;
    std::string trace;
};

MachineState Draw(std::mt19937& random, std::string trace, size_t nProducts, size_t nFiles)
{
    MachineState state{{}, 0, 0, 0, 0, 0, {}, std::move(trace)};
    const auto pick = [&](size_t n) {
        const int v = static_cast<int>(random() % n);
        state.trace += " " + std::to_string(v);
        return v;
    };
    for (size_t i = 0; i < nProducts; ++i)
        state.installed.push_back(pick(2) == 1);
    state.nCodec = pick(4);
    if (state.nCodec != 0)
        state.dwCodec = static_cast<DWORD>(state.nCodec == 3 ? pick(20) : 3 + state.nCodec);
    state.dwLanguage = kLanguageValues[pick(std::size(kLanguageValues))];
    state.nPremiere = pick(3);
    state.nAcrobat = pick(3);
    for (size_t i = 0; i < nFiles; ++i)
        state.files.push_back(pick(3) != 0);
    return state;
}
}  // namespace

class PropertyRefreshTest : public ::testing::TestWithParam<int>
{};

TEST_P(PropertyRefreshTest, RandomMachineStatesKeepButtonsTruthfulAndInOneLanguage)
{
    const char* pszSeed = std::getenv("SPLASH_PROPERTY_SEED");
    const unsigned nSeed =
        pszSeed != nullptr ? static_cast<unsigned>(std::strtoul(pszSeed, nullptr, 10)) : kDefaultSeed;
    const int nFirst = GetParam() * kStates / kShards, nEnd = (GetParam() + 1) * kStates / kShards;
    std::printf("PropertyRefreshTest seed %u (SPLASH_PROPERTY_SEED replays it), states %d to %d of %d\n", nSeed, nFirst,
                nEnd - 1, kStates);
    std::mt19937 random(nSeed);

    const std::vector<Owned> kProducts = Products();
    const std::vector<Owned> kDiscFiles = DiscFiles();
    const std::vector<UINT> kRefreshed = Refreshed();
    e2e::RegistryGuard registry;
    for (const Owned& product : kProducts)
        registry.Key(HKEY_LOCAL_MACHINE, kUninstall + product.name);
    for (const wchar_t* exe : {L"Premiere.exe", L"AcroRd32.exe"})
        registry.Key(HKEY_LOCAL_MACHINE, kAppPaths + exe);
    registry.Value(HKEY_LOCAL_MACHINE, keys::kCodecKey, L"Codec")
        .Value(HKEY_LOCAL_MACHINE, kLanguageKey, kLanguageValueName)
        .Value(HKEY_LOCAL_MACHINE, kRunKey, kRunValueName);
    e2e::FixtureDisc disc(L"property disc");
    const auto resumeFromDisc = [&] {
        e2e::WriteRegString(HKEY_LOCAL_MACHINE, kRunKey, kRunValueName, disc.Root() + L"\\setup.exe");
    };
    resumeFromDisc();
    CLauncherDlg dlg;
    ASSERT_TRUE(dlg.Create());
    ASSERT_EQ(std::wstring(dlg.m_strDiscRoot), disc.Root());
    // Hidden, the menu paints nothing as it refreshes: what is checked here
    // is read from the buttons and their drawing, and painting is the
    // stability test's.
    dlg.ShowWindow(SW_HIDE);
    std::vector<CHoverButton*> buttons;
    for (const auto& refreshed : kRefreshed)
        buttons.push_back(
            dynamic_cast<CHoverButton*>(CWnd::FromHandlePermanent(dlg.GetDlgItem(static_cast<int>(refreshed)))));
    buttons.push_back(&dlg.Button(IDC_LANGUAGE));
    // Captions are read from metafiles, which would copy each button's strip
    // every time (and Wine keeps the copies): the strips go.
    for (CHoverButton* pButton : buttons)
        pButton->LoadStateBitmap(0);

    std::set<std::wstring> languageTexts[kLanguageCount];
    for (int nIndex = 0; nIndex < kLanguageCount; ++nIndex)
        for (UINT nId = 1000; nId < 1100; ++nId)
            languageTexts[nIndex].insert(std::wstring(CLauncherDlg::LoadFixed(GetLanguage(nIndex).nBase + nId)));

    std::vector<bool> onDisc(std::size(kDiscFiles), false);
    for (int nState = 0; nState < nEnd && !::testing::Test::HasFailure(); ++nState)
    {
        const MachineState state =
            Draw(random, "state " + std::to_string(nState) + " of seed " + std::to_string(nSeed) + ":",
                 kProducts.size(), kDiscFiles.size());
        if (nState < nFirst)
            continue;
        for (size_t i = 0; i < kProducts.size(); ++i)
            SetKey(kUninstall + kProducts[i].name, state.installed[i]);
        state.nCodec == 0 ? (void)DeleteRegistryValue(keys::kCodecKey, L"Codec")
                          : (void)WriteRegistryDword(keys::kCodecKey, L"Codec", state.dwCodec);
        WriteRegistryDword(kLanguageKey, kLanguageValueName, state.dwLanguage);
        SetAppPath(L"Premiere.exe", state.nPremiere != 0 ? 2 : 0,
                   e2e::FixturePath(state.nPremiere == 1 ? L"preminfo-601" : L"preminfo-60"));
        SetAppPath(L"AcroRd32.exe", state.nAcrobat, disc.Root());
        for (size_t i = 0; i < onDisc.size(); ++i)
        {
            if (state.files[i] != onDisc[i])
                state.files[i] ? (void)disc.AddText(kDiscFiles[i].name, {})
                               : (void)::DeleteFileW(disc.Path(kDiscFiles[i].name).c_str());
            onDisc[i] = state.files[i];
        }
        SCOPED_TRACE(state.trace);

        // What the menu reads as it starts, applied as it applies it.
        resumeFromDisc();
        const MenuSettings settings = ReadMenuSettings();
        ASSERT_EQ(std::wstring(settings.strDiscRoot), disc.Root());
        dlg.ApplySettings(settings);
        const int nLanguage = settings.language.Index();
        dlg.RefreshAllButtons(nLanguage);

        const auto inLanguage = [&](const std::wstring& text, const char* what, int nId) {
            EXPECT_TRUE(languageTexts[nLanguage].count(text) == 1 && !text.empty())
                << what << " of " << nId << " is not a text of language " << nLanguage << ": " << e2e::ToUtf8(text);
        };
        const std::vector<std::wstring> captions = DrawnCaptions(buttons);
        for (size_t b = 0; b < kRefreshed.size(); ++b)
        {
            CHoverButton& btn = *buttons[b];
            const UINT nId = kRefreshed[b];
            const BOOL bEnabled = btn.IsWindowEnabled();
            const std::wstring shown(static_cast<LPCWSTR>(btn.GetDescription()));
            const std::wstring status = bEnabled ? DescriptionWhen(btn, false) : shown;
            EXPECT_EQ(dlg.IsAvailable(nId), bEnabled != FALSE) << "available flag of " << nId;
            EXPECT_TRUE(!bEnabled || status.empty()) << "enabled button " << nId << " has a status text";
            EXPECT_TRUE(bEnabled || (btn.GetStyle() & WS_VISIBLE) == 0 || !status.empty())
                << "disabled " << nId << " gives no reason";
            if (!status.empty())
                inLanguage(status, "status", nId);
            inLanguage(bEnabled ? shown : DescriptionWhen(btn, true), "description", nId);
            inLanguage(captions[b], "caption", nId);

            bool bProgramOnDisc = false;
            for (size_t i = 0; i < onDisc.size(); ++i)
                bProgramOnDisc |= kDiscFiles[i].nButton == nId && onDisc[i];
            EXPECT_TRUE(!bEnabled || bProgramOnDisc) << "button " << nId << " enabled without its file";
            for (size_t i = 0; i < std::size(kProducts); ++i)
                EXPECT_TRUE(!bEnabled || !state.installed[i] || kProducts[i].nButton != nId)
                    << nId << " enabled, installed";
        }
        inLanguage(captions.back(), "caption", IDC_LANGUAGE);
        inLanguage(std::wstring(dlg.Button(IDC_LANGUAGE).GetDescription()), "description", IDC_LANGUAGE);
        inLanguage(std::wstring(dlg.Button(IDOK).GetDescription()), "description", IDOK);
    }
    dlg.DestroyWindow();
}

INSTANTIATE_TEST_SUITE_P(Shards, PropertyRefreshTest, ::testing::Range(0, kShards));

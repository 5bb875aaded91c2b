// The menu dialog created in-process: start-up state from the registry and
// the program's folder, the stored and detected language, the description
// area under the real cursor, and the language chooser.
#include "app/LauncherDlg.h"
#include "actions/Language.h"
#include "actions/RunKeyResume.h"
#include "res/resource.h"
#include "res/strings.h"
#include "tests/support/DialogTestSupport.h"
#include "tests/support/Driver.h"
#include "tests/support/ImportHook.h"
#include "tests/support/TestKeys.h"

#include <gtest/gtest.h>
#include <sddl.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

namespace
{
using keys::kCodecKey;
const std::wstring kSuiteKey = keys::kUninstall + keys::kSuiteCode;
constexpr int kNone = -1;
// The large buttons: the rows the language chooser hides.
std::vector<UINT> LargeButtons()
{
    std::vector<UINT> ids;
    for (const ButtonRow& row : MenuButtonTable())
        if (row.shown == Shown::OutsideChooser)
            ids.push_back(row.nId);
    return ids;
}

// kNone deletes the value.
void WriteDword(const wchar_t* key, const wchar_t* name, int value)
{
    value == kNone ? e2e::DeleteRegValue(HKEY_LOCAL_MACHINE, key, name)
                   : e2e::WriteRegDword(HKEY_LOCAL_MACHINE, key, name, static_cast<DWORD>(value));
}
int ReadDword(const wchar_t* key, const wchar_t* name)
{
    return static_cast<int>(e2e::ReadRegDword(HKEY_LOCAL_MACHINE, key, name).value_or(kNone));
}

std::wstring Text(UINT nID) { return static_cast<LPCWSTR>(CLauncherDlg::LoadFixed(nID)); }

// How many of the items have WS_VISIBLE.
int CountVisible(HWND hDlg, const std::vector<UINT>& ids)
{
    return static_cast<int>(std::count_if(ids.begin(), ids.end(), [hDlg](UINT nID) {
        return (::GetWindowLongW(::GetDlgItem(hDlg, static_cast<int>(nID)), GWL_STYLE) & WS_VISIBLE) != 0;
    }));
}

// Every caption and description the menu shows, and the Exit tooltip.
std::vector<std::wstring> ShownTexts(CLauncherDlg& dlg)
{
    std::vector<std::wstring> texts{TipText(dlg.Button(IDOK))};
    for (CHoverButton* pButton : HoverButtons(dlg, false))
        texts.insert(texts.end(), {DrawnCaption(*pButton), static_cast<LPCWSTR>(pButton->GetDescription())});
    return texts;
}

template <typename Case>
std::string CaseName(const ::testing::TestParamInfo<Case>& info)
{
    return info.param.name;
}

// Gives an existing key an ACL that lets everyone read it and nobody change
// it, and its own back (through the handle opened first) on destruction.
class ReadOnlyKey
{
public:
    explicit ReadOnlyKey(const std::wstring& subkey)
    {
        DWORD cb = static_cast<DWORD>(m_ownAcl.size());
        PSECURITY_DESCRIPTOR pReadOnly = nullptr;  // protected: nothing inherited grants more
        if (::RegOpenKeyExW(HKEY_LOCAL_MACHINE, subkey.c_str(), 0, READ_CONTROL | WRITE_DAC, &m_hKey) ||
            ::RegGetKeySecurity(m_hKey, DACL_SECURITY_INFORMATION, m_ownAcl.data(), &cb))
        {
            ADD_FAILURE() << "cannot change the ACL";
            return;
        }
        ::ConvertStringSecurityDescriptorToSecurityDescriptorW(L"D:P(A;;KR;;;WD)", SDDL_REVISION_1, &pReadOnly,
                                                               nullptr);
        m_bChanged = ::RegSetKeySecurity(m_hKey, DACL_SECURITY_INFORMATION, pReadOnly) == ERROR_SUCCESS;
        ::LocalFree(pReadOnly);
    }
    ~ReadOnlyKey()
    {
        if (m_bChanged)
            ::RegSetKeySecurity(m_hKey, DACL_SECURITY_INFORMATION, m_ownAcl.data());
        ::RegCloseKey(m_hKey);
    }

private:
    HKEY m_hKey = nullptr;
    std::vector<BYTE> m_ownAcl = std::vector<BYTE>(4096);
    bool m_bChanged = false;
};

// Client and window size when the first region is set, and how many are set.
std::pair<int, int> g_clientAtRegion, g_windowAtRegion;
int g_nRegions = 0;
const auto g_pfnSetWindowRgn = SystemFunction<decltype(&::SetWindowRgn)>(L"user32.dll", "SetWindowRgn");

int WINAPI MeasureAtFirstRegion(HWND hWnd, HRGN hRgn, BOOL bRedraw)
{
    ++g_nRegions;
    CRect rcClient, rcWindow;
    if (g_windowAtRegion.first == 0 && ::GetClientRect(hWnd, &rcClient) && ::GetWindowRect(hWnd, &rcWindow))
    {
        g_clientAtRegion = {rcClient.Width(), rcClient.Height()};
        g_windowAtRegion = {rcWindow.Width(), rcWindow.Height()};
    }
    return g_pfnSetWindowRgn(hWnd, hRgn, bRedraw);
}

// Every test starts in English without a resume entry or hardware model;
// the registry is put back afterwards.
class LauncherTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_registry.RemovedValue(HKEY_LOCAL_MACHINE, kCodecKey, L"Codec");
        WriteDword(kLanguageKey, kLanguageValueName, 9);
    }
    void TearDown() override
    {
        std::for_each(m_dialogs.begin(), m_dialogs.end(), [](auto& p) { p->DestroyWindow(); });
    }
    CLauncherDlg& Open()
    {
        m_dialogs.push_back(std::make_unique<CLauncherDlg>());
        EXPECT_TRUE(m_dialogs.back()->Create());
        return *m_dialogs.back();
    }

    e2e::MenuRegistry m_registry;
    std::vector<std::unique_ptr<CLauncherDlg>> m_dialogs;
};
}  // namespace

// --- Start-up ---------------------------------------------------------------

// Run value (null: none), disc root (null: the program's own folder), value kept.
struct DiscRootCase
{
    const char* name;
    const wchar_t* runValue;
    const wchar_t* root;
    bool bValueKept;
};
void PrintTo(const DiscRootCase& c, std::ostream* os) { *os << c.name; }

class LauncherDiscRootTest : public LauncherTest, public ::testing::WithParamInterface<DiscRootCase>
{};

TEST_P(LauncherDiscRootTest, TakesResumeEntryOnceElseOwnFolder)
{
    const DiscRootCase& c = GetParam();
    wchar_t szOwn[MAX_PATH];
    ::GetModuleFileNameW(nullptr, szOwn, MAX_PATH);
    *wcsrchr(szOwn, L'\\') = 0;
    if (c.runValue != nullptr)
        e2e::WriteRegString(HKEY_LOCAL_MACHINE, kRunKey, kRunValueName, c.runValue);
    EXPECT_EQ(std::wstring(Open().m_strDiscRoot), c.root != nullptr ? c.root : szOwn);
    EXPECT_EQ(e2e::ReadRegString(HKEY_LOCAL_MACHINE, kRunKey, kRunValueName).value_or(L""),
              c.bValueKept ? c.runValue : L"");
}

INSTANTIATE_TEST_SUITE_P(Cases, LauncherDiscRootTest,
                         ::testing::Values(DiscRootCase{"NoResumeEntry", nullptr, nullptr, false},
                                           DiscRootCase{"DriveRoot", L"X:\\setup.exe", L"X:", false},
                                           DiscRootCase{"Quoted", L"\"E:\\my disc\\setup.exe\"", L"E:\\my disc", false},
                                           DiscRootCase{"NoBackslash", L"setup.exe", nullptr, true}),
                         CaseName<DiscRootCase>);

class LauncherHardwareTest : public LauncherTest, public ::testing::WithParamInterface<std::pair<int, int>>
{};

TEST_P(LauncherHardwareTest, ModelIsCodecMinusFourOrNone)
{
    WriteDword(kCodecKey, L"Codec", GetParam().first);
    EXPECT_EQ(Open().m_nHardwareModel, GetParam().second);
}

INSTANTIATE_TEST_SUITE_P(Codec, LauncherHardwareTest,
                         ::testing::Values(std::pair(4, 0), std::pair(5, 1), std::pair(kNone, 3), std::pair(9, 5)));

// (The suite as the default button is KeyboardMenuTest's.)
TEST_F(LauncherTest, TitleIconAndSuiteInstalledFlag)
{
    ASSERT_FALSE(e2e::KeyExists(HKEY_LOCAL_MACHINE, kSuiteKey)) << "suite installed in the prefix";
    CLauncherDlg& dlg = Open();
    EXPECT_EQ(std::wstring(dlg.GetWindowText()), L"Zelvora Velquin");
    EXPECT_NE(dlg.SendMessage(WM_GETICON, ICON_BIG), 0);
    EXPECT_NE(dlg.SendMessage(WM_GETICON, ICON_SMALL), 0);
    EXPECT_FALSE(dlg.m_bSuiteInstalled);
    m_registry.Key(HKEY_LOCAL_MACHINE, kSuiteKey);
    e2e::WriteRegString(HKEY_LOCAL_MACHINE, kSuiteKey, L"DisplayName", L"installed");
    EXPECT_TRUE(Open().m_bSuiteInstalled);
}

// Keys the menu may read but not change read as they are: an installed
// suite, a known model, an installed reader and Premiere's folder.
TEST_F(LauncherTest, KeysThatMayOnlyBeReadStillCount)
{
    const std::wstring readerKey = keys::kAppPaths + L"AcroRd32.exe";
    const std::wstring premiereKey = keys::kAppPaths + L"Premiere.exe";
    for (const std::wstring& key : {kSuiteKey, readerKey, premiereKey})
        m_registry.Key(HKEY_LOCAL_MACHINE, key);
    e2e::WriteRegString(HKEY_LOCAL_MACHINE, kSuiteKey, L"DisplayName", L"installed");
    e2e::WriteRegString(HKEY_LOCAL_MACHINE, readerKey, L"Path", L"C:\\Reader");
    e2e::WriteRegString(HKEY_LOCAL_MACHINE, premiereKey, L"Path", L"C:\\Premiere");
    WriteDword(kCodecKey, L"Codec", 5);
    const ReadOnlyKey suite(kSuiteKey), reader(readerKey), premiere(premiereKey), codec(kCodecKey);

    CLauncherDlg& dlg = Open();
    EXPECT_TRUE(dlg.m_bSuiteInstalled);
    EXPECT_EQ(dlg.m_nHardwareModel, kModelPro);
    EXPECT_EQ(std::wstring(dlg.TargetOf(IDC_MANUAL)), L"C:\\Reader");
    EXPECT_EQ(std::wstring(dlg.Button(IDC_ACROBAT_READER).GetDescription()), Text(IDS_STATUS_ACROBAT_INSTALLED));
    // Premiere found: the updater is looked for on the disc.
    EXPECT_EQ(std::wstring(dlg.Button(IDC_PREMIERE_UPDATER).GetDescription()), Text(IDS_STATUS_PREMIERE_NOT_FOUND));
}

// The frame's removal reaches Windows before any region is cut: the client
// area is the whole window, as the background and the region assume. The
// start cuts one region, the keyed one, not a plain one first.
TEST_F(LauncherTest, ClientAreaIsTheWindowBeforeTheOneRegion)
{
    g_windowAtRegion = {0, 0};
    g_nRegions = 0;
    {
        const ImportHook hook(L"user32.dll", "SetWindowRgn", reinterpret_cast<const void*>(&MeasureAtFirstRegion));
        Open();
    }
    ASSERT_GT(g_windowAtRegion.first, 0);
    EXPECT_EQ(g_clientAtRegion, g_windowAtRegion);
    EXPECT_EQ(g_nRegions, 1);
}

// --- Language ---------------------------------------------------------------

class LauncherLanguageTest : public LauncherTest, public ::testing::WithParamInterface<std::pair<int, int>>
{
protected:
    void ExpectLanguage(CLauncherDlg& dlg, int nValue, int nBase)
    {
        EXPECT_EQ(ReadDword(kLanguageKey, kLanguageValueName), nValue);
        EXPECT_EQ(dlg.m_language.StoredValue(), nValue);
        EXPECT_EQ(dlg.m_language.Base(), nBase);
        EXPECT_EQ(DrawnCaption(dlg.Button(IDC_SUITE)), Text(nBase + IDS_CAPTION_SUITE));
        EXPECT_EQ(std::wstring(dlg.Button(IDC_LANGUAGE).GetDescription()), Text(nBase + IDS_DESC_LANGUAGE));
    }
};

// Also runs under other system languages (tests/CMakeLists.txt): a stored
// value wins over every one of them and is left as it is.
TEST_P(LauncherLanguageTest, StoredValueWinsAndIsKept)
{
    WriteDword(kLanguageKey, kLanguageValueName, GetParam().first);
    ExpectLanguage(Open(), GetParam().first, GetParam().second);
}

// Each language's value, and one the table does not know.
std::vector<std::pair<int, int>> StoredValues()
{
    std::vector<std::pair<int, int>> values{{12, 0}};
    for (int nIndex = 0; nIndex < kLanguageCount; ++nIndex)
        values.emplace_back(GetLanguage(nIndex).nValue, GetLanguage(nIndex).nBase);
    return values;
}
INSTANTIATE_TEST_SUITE_P(Stored, LauncherLanguageTest, ::testing::ValuesIn(StoredValues()));

TEST_F(LauncherLanguageTest, FirstStartStoresSystemLanguage)
{
    // Wine gives a process the system language of its Unix locale.
    const struct
    {
        const char* locale;
        int nValue, nBase;
    } kByLocale[] = {{"fr_FR", 1036, 1000}, {"de_AT", 7, 2000}, {"ja_JP", 17, 5000},
                     {"nl_NL", 9, 0},       {"C", 9, 0},        {"en", 9, 0}};
    const char* env = std::getenv("LC_ALL") != nullptr ? std::getenv("LC_ALL") : std::getenv("LANG");
    const std::string locale = env != nullptr && *env != 0 ? env : "C";
    for (const auto& entry : kByLocale)
    {
        if (locale.rfind(entry.locale, 0) == 0)
        {
            WriteDword(kLanguageKey, kLanguageValueName, kNone);
            ExpectLanguage(Open(), entry.nValue, entry.nBase);
            return;
        }
    }
    GTEST_SKIP() << "no expectation for locale " << locale;
}

// --- Description area -------------------------------------------------------

// Target 0 is the bare background.
struct HoverCase
{
    const char* name;
    UINT nTarget;
    bool bEnabled;
    const wchar_t* expected;
};
void PrintTo(const HoverCase& c, std::ostream* os) { *os << c.name; }

class LauncherDescriptionTest : public LauncherTest, public ::testing::WithParamInterface<HoverCase>
{
protected:
    void SetUp() override
    {
        LauncherTest::SetUp();
        m_pDlg = &Open();
        m_pDlg->SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    }
    // Puts the cursor on the item's centre (or the background) and lets the menu see it.
    std::wstring HoverOver(UINT nID)
    {
        return e2e::Describe(*m_pDlg, nID != 0 ? m_pDlg->GetDlgItem(static_cast<int>(nID)) : m_pDlg->m_hWnd);
    }

    CLauncherDlg* m_pDlg = nullptr;
};

TEST_P(LauncherDescriptionTest, ShowsWhatTheVisibleButtonUnderTheCursorSays)
{
    const HoverCase& c = GetParam();
    if (c.nTarget != 0 && c.nTarget != IDC_DESCRIPTION)
    {
        m_pDlg->Button(c.nTarget).SetDescriptions(L"usable", L"not usable");
        m_pDlg->Button(c.nTarget).EnableWindow(c.bEnabled);
    }
    ASSERT_EQ(HoverOver(IDC_LANGUAGE), Text(IDS_DESC_LANGUAGE));
    EXPECT_EQ(HoverOver(c.nTarget), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Places, LauncherDescriptionTest,
                         ::testing::Values(HoverCase{"EnabledButton", IDC_SUITE, true, L"usable"},
                                           HoverCase{"DisabledButton", IDC_3DS_MAX, false, L"not usable"},
                                           HoverCase{"Background", 0, true, L""},
                                           HoverCase{"DescriptionArea", IDC_DESCRIPTION, true, L""},
                                           HoverCase{"HiddenUpdater", IDC_PREMIERE_UPDATER, true, L""},
                                           HoverCase{"HiddenAcrobatReader", IDC_ACROBAT_READER, true, L""},
                                           HoverCase{"HiddenManual", IDC_MANUAL, true, L""}),
                         CaseName<HoverCase>);

int g_nPaints = 0, g_nAnnounced = 0;
HWND g_hPainted = nullptr, g_hDescription = nullptr;

LRESULT CALLBACK CountPaints(int nCode, WPARAM wParam, LPARAM lParam)
{
    const auto* pMsg = reinterpret_cast<const CWPSTRUCT*>(lParam);
    g_nPaints += pMsg->hwnd == g_hPainted && (pMsg->message == WM_PAINT || pMsg->message == WM_ERASEBKGND);
    return ::CallNextHookEx(nullptr, nCode, wParam, lParam);
}
void CALLBACK CountAnnouncements(HWINEVENTHOOK, DWORD, HWND hWnd, LONG idObject, LONG idChild, DWORD, DWORD)
{
    g_nAnnounced += hWnd == g_hDescription && idObject == OBJID_WINDOW && idChild == CHILDID_SELF;
}
void Pump()
{
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
        ::DispatchMessageW(&msg);
}

// A new text repaints the menu and is announced to screen readers; the same
// text again does neither.
TEST_F(LauncherDescriptionTest, OnlyANewTextRepaintsAndIsAnnounced)
{
    const HHOOK hHook = ::SetWindowsHookExW(WH_CALLWNDPROC, CountPaints, nullptr, ::GetCurrentThreadId());
    const HWINEVENTHOOK hEvents =
        ::SetWinEventHook(EVENT_OBJECT_NAMECHANGE, EVENT_OBJECT_NAMECHANGE, nullptr, CountAnnouncements,
                          ::GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
    ASSERT_NE(hEvents, nullptr);
    g_hPainted = *m_pDlg;
    g_hDescription = m_pDlg->m_description;
    Pump();
    g_nPaints = g_nAnnounced = 0;
    HoverOver(IDC_LANGUAGE);
    Pump();
    const int nPaintsAfterChange = std::exchange(g_nPaints, 0), nAnnouncedAfterChange = std::exchange(g_nAnnounced, 0);
    HoverOver(IDC_LANGUAGE);
    Pump();
    ::UnhookWinEvent(hEvents);
    ::UnhookWindowsHookEx(hHook);
    EXPECT_GT(nPaintsAfterChange, 0);
    EXPECT_EQ(nAnnouncedAfterChange, 1);
    EXPECT_EQ(g_nPaints, 0);
    EXPECT_EQ(g_nAnnounced, 0);
}

// --- Language chooser -------------------------------------------------------

// Button 0 is Esc; kNone stored means nothing is written.
struct ChoiceCase
{
    std::string name;
    UINT nButton;
    int nStored;
    int nBase;
};
void PrintTo(const ChoiceCase& c, std::ostream* os) { *os << c.name; }

HWND g_hMenu = nullptr;

// The menu's whole-window redraws: how many large buttons each one showed.
const auto g_pfnRedraw = SystemFunction<decltype(&::RedrawWindow)>(L"user32.dll", "RedrawWindow");
std::vector<int> g_redraws;
BOOL WINAPI RecordingRedraw(HWND hWnd, const RECT* prcUpdate, HRGN hrgnUpdate, UINT flags)
{
    constexpr UINT kNow = RDW_INVALIDATE | RDW_UPDATENOW;
    if (hWnd == g_hMenu && prcUpdate == nullptr && hrgnUpdate == nullptr && (flags & kNow) == kNow)
        g_redraws.push_back(CountVisible(hWnd, LargeButtons()));
    return g_pfnRedraw(hWnd, prcUpdate, hrgnUpdate, flags);
}

class LanguageChooserTest : public LauncherTest, public ::testing::WithParamInterface<ChoiceCase>
{};

// The menu starts in Japanese; each case opens the chooser and uses one button.
TEST_P(LanguageChooserTest, OpensAboveLanguageButtonAndAppliesOnlyANewChoice)
{
    const ChoiceCase& c = GetParam();
    WriteDword(kLanguageKey, kLanguageValueName, 17);
    CLauncherDlg& dlg = Open();
    const std::vector<UINT> neverShown = OwnerDrawnItems(dlg, true);
    ASSERT_FALSE(neverShown.empty());
    WriteDword(kLanguageKey, kLanguageValueName, kNone);
    dlg.Button(IDC_SUITE).SetDescriptions(L"before", nullptr);
    g_hMenu = dlg;
    g_redraws.clear();
    {
        const ImportHook redraw(L"user32.dll", "RedrawWindow", reinterpret_cast<const void*>(&RecordingRedraw));
        EXPECT_TRUE(ChooseLanguage(dlg, c.nButton, [&dlg](HWND hChooser) {
            CRect rcChooser, rcLanguage;
            ::GetWindowRect(hChooser, &rcChooser);
            dlg.Button(IDC_LANGUAGE).GetWindowRect(&rcLanguage);
            EXPECT_EQ(rcChooser.left, rcLanguage.left);
            EXPECT_EQ(rcChooser.bottom, rcLanguage.top);
            EXPECT_EQ(CountVisible(dlg, LargeButtons()), 0);
        }));
    }
    // Captions painted before the change must not stay on the screen. Wine
    // repaints a button whose style turns visible, Windows does not: the
    // menu redraws itself at once, with its buttons back.
    ASSERT_FALSE(g_redraws.empty());
    EXPECT_EQ(g_redraws.back(), 9);

    EXPECT_EQ(CountVisible(dlg, LargeButtons()), static_cast<int>(LargeButtons().size()));
    EXPECT_EQ(CountVisible(dlg, neverShown), 0);

    EXPECT_EQ(ReadDword(kLanguageKey, kLanguageValueName), c.nStored);
    EXPECT_EQ(dlg.m_language.StoredValue(), c.nStored == kNone ? 17 : c.nStored);
    EXPECT_EQ(dlg.m_language.Base(), c.nBase);
    if (c.nStored == kNone)
    {
        EXPECT_EQ(std::wstring(dlg.Button(IDC_SUITE).GetDescription()), L"before");
        return;
    }
    // Everything reads as in a menu started in the chosen language.
    EXPECT_EQ(ShownTexts(dlg), ShownTexts(Open()));
    EXPECT_EQ(TipText(dlg.Button(IDOK)), Text(c.nBase + IDS_TIP_EXIT));
}

// Each language's button but the one the menu starts in, that one, and Esc.
std::vector<ChoiceCase> Choices()
{
    std::vector<ChoiceCase> choices;
    for (int nIndex = 0; nIndex + 1 < kLanguageCount; ++nIndex)
    {
        const LanguageInfo& row = GetLanguage(nIndex);
        choices.push_back(
            {e2e::ToUtf8(row.pszEnglishName), row.nChooserButton, row.nValue, static_cast<int>(row.nBase)});
    }
    choices.push_back({"SameLanguage", GetLanguage(kLanguageCount - 1).nChooserButton, kNone, 5000});
    choices.push_back({"Esc", 0, kNone, 5000});
    return choices;
}
INSTANTIATE_TEST_SUITE_P(Rows, LanguageChooserTest, ::testing::ValuesIn(Choices()), CaseName<ChoiceCase>);

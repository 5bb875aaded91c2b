// Every click of the menu, told once: one row per button, typed from the
// launch table the menu is built to (never from the program's own table),
// each clicked as a user clicks it, BN_CLICKED through the real dialog's
// message map, on one launch recorder. Each row's click runs in a language of
// its own, so the switches, the messages and the captions refreshed
// afterwards show that language, and each language is used at least once.
// The Language button's click shows in the pictures (PictureTest/MenuGerman).
#include "tests/support/LaunchRecorder.h"
#include "tests/support/MenuTest.h"

#include "actions/ButtonTable.h"
#include "actions/ProgramLauncher.h"
#include "res/resource.h"

#include <algorithm>
#include <atomic>
#include <optional>
#include <thread>

namespace
{
constexpr DWORD kWindowless = CREATE_NO_WINDOW | NORMAL_PRIORITY_CLASS;
constexpr DWORD kTenMinutesMs = 600000;
constexpr DWORD kNoWait = 0;
enum : int
{
    kEnglish,
    kFrench,
    kGerman,
    kItalian,
    kSpanish,
    kJapanese
};

// In a command line or folder %R is the disc root (it holds a blank, a
// comma, an equals sign and a "%s"), %A the reader's folder (with a blank)
// and %W the system's Windows folder. Null command: the click starts nothing.
struct ClickRow
{
    const char* name;
    UINT nId;
    int nLanguage;
    const wchar_t* pszCommand;
    const wchar_t* pszFolder;  // null: the menu's own
    DWORD dwFlags;
    DWORD dwWaitMs;  // kNoWait: the menu stays shown
    bool bReportUnfinished;
    UINT refreshed[2];  // the buttons refreshed afterwards
    bool bWindows2000 = false;
    bool bEndsMenu = false;
};
void PrintTo(const ClickRow& r, std::ostream* os) { *os << r.name; }

// clang-format off
const ClickRow kClicks[] = {
    {"Suite", IDC_SUITE, kEnglish, L"\"%R\\Corla\\setup.exe\" /l0x09", L"%R\\Corla", kWindowless, INFINITE, true, {}},
    {"SuiteDirectX", IDC_SUITE, kEnglish, L"\"%R\\Corla\\Support\\Directx8\\english\\dx81.exe\"", nullptr, kWindowless,
     kNoWait, false, {}, true, true},
    {"PremiereUpdater", IDC_PREMIERE_UPDATER, kGerman, L"\"%R\\Bonus\\PremiereUpdater\\Premiere6.01Setup.exe\"", nullptr,
     kWindowless, kTenMinutesMs, true, {IDC_PREMIERE_UPDATER}},
    {"AfterEffects", IDC_AFTER_EFFECTS, kFrench, L"\"%R\\ExtraPlug-ins\\AfterEffects\\setup.exe\" /l0x40C", nullptr,
     kWindowless, kTenMinutesMs, false, {IDC_AFTER_EFFECTS}},
    {"3dsMax", IDC_3DS_MAX, kGerman, L"\"%R\\ExtraPlug-ins\\3DsMax\\setup.exe\" /l0x07", nullptr, kWindowless,
     kTenMinutesMs, true, {IDC_3DS_MAX}},
    {"LightWave", IDC_LIGHTWAVE, kItalian, L"\"%R\\ExtraPlug-ins\\LightWave\\setup.exe\" /l0x10", nullptr, kWindowless,
     kTenMinutesMs, true, {IDC_LIGHTWAVE}},
    {"Effects", IDC_EFFECTS, kItalian, L"\"%R\\ExtraPlug-ins\\Effects\\Setup.exe\" /l0x10", nullptr, kWindowless,
     kTenMinutesMs, false, {IDC_EFFECTS}},
    {"Wallpapers", IDC_WALLPAPERS, kSpanish, L"\"%R\\Bonus\\DesktopWallpapers\\setup.exe\" /l0x0A", nullptr, kWindowless,
     kTenMinutesMs, true, {IDC_WALLPAPERS}},
    {"VfwCodecs", IDC_VFW_CODECS, kJapanese, L"\"%R\\Bonus\\VFWSoftwareCodecs\\setup.exe\" /l0x11", nullptr, kWindowless,
     kTenMinutesMs, true, {IDC_SUITE, IDC_VFW_CODECS}},
    {"SpiceMaster", IDC_SPICEMASTER, kSpanish, L"\"%R\\Bonus\\Pixelan\\spicemaster2zelvorademo.exe\"", nullptr,
     kWindowless, kNoWait, false, {}},
    {"Manual", IDC_MANUAL, kFrench, L"\"%A\\acrord32\" \"%R\\Docs\\Manual_Brisa.pdf\"", nullptr, kWindowless,
     kTenMinutesMs, true, {}},
    {"Readme", IDC_README, kFrench, L"%W\\explorer.exe \"%R\\Readme.htm\"", nullptr, kWindowless, kNoWait, false, {}},
    {"AcrobatReader", IDC_ACROBAT_READER, kEnglish, L"\"%R\\Bonus\\AcrobatReader\\Acrobat Reader 5.00.exe\"", nullptr, 0,
     kNoWait, false, {IDC_ACROBAT_READER}},
    {"Exit", IDOK, kEnglish, nullptr, nullptr, 0, kNoWait, false, {}, false, true},
};
// clang-format on

// A text of the string tables in a language: its English id plus the
// language's base, read straight from the resources.
std::wstring TextIn(int nLanguage, UINT nId)
{
    const wchar_t* pText = nullptr;
    const int nLength =
        ::LoadStringW(::GetModuleHandleW(nullptr), nLanguage * 1000 + nId, reinterpret_cast<LPWSTR>(&pText), 0);
    return std::wstring(pText, static_cast<size_t>(std::max(nLength, 0)));
}

BOOL WINAPI Windows2000(LPOSVERSIONINFOW pInfo) { return pInfo->dwMajorVersion = 5, pInfo->dwMinorVersion = 0, TRUE; }

constexpr UINT kErrorBox = MB_OK | MB_ICONHAND | MB_SETFOREGROUND;

class ClickTableTest : public docs::MenuTest, public ::testing::WithParamInterface<ClickRow>
{
protected:
    void SetUp() override
    {
        MenuTest::SetUp();
        m_registry.Key(HKEY_LOCAL_MACHINE, keys::kRunKey);
        m_menu.ShowWindow(SW_SHOW);
        m_menu.m_strDiscRoot = m_oddDisc.Root().c_str();
        m_menu.m_nHardwareModel = kModelLite;
        m_oddDisc.AddText(L"\\Docs\\Manual_Brisa.pdf", "");
        docs::SetAppPath(L"AcroRd32.exe", m_reader.Root());
        m_menu.RefreshButton(IDC_MANUAL);
        m_menu.TargetOf(IDC_README) = m_oddDisc.Path(L"Readme.htm").c_str();
        // Only what the click refreshes turns to the click's language.
        SetLanguage(GetParam().nLanguage);
    }
    void Click(bool bStartsFail)
    {
        const ClickRow& r = GetParam();
        std::optional<ImportHook> version;
        if (r.bWindows2000)
            version.emplace(L"kernel32.dll", "GetVersionExW", reinterpret_cast<const void*>(&Windows2000));
        m_pRecorder.emplace(m_menu, bStartsFail);
        m_menu.SendMessage(WM_COMMAND, MAKEWPARAM(r.nId, BN_CLICKED),
                           reinterpret_cast<LPARAM>(m_menu.GetDlgItem(static_cast<int>(r.nId))));
    }
    std::wstring Expand(std::wstring text) const
    {
        wchar_t sz[MAX_PATH];
        const std::pair<const wchar_t*, std::wstring> fields[] = {
            {L"%R", m_oddDisc.Root()},
            {L"%A", m_reader.Root()},
            {L"%W", std::wstring(sz, ::GetSystemWindowsDirectoryW(sz, MAX_PATH))}};
        for (const auto& [pszField, value] : fields)
            for (size_t at = text.find(pszField); at != std::wstring::npos; at = text.find(pszField, at + value.size()))
                text.replace(at, 2, value);
        return text;
    }
    std::vector<CLaunchRecorder::Box> ErrorBoxes() const
    {
        std::vector<CLaunchRecorder::Box> boxes;
        std::copy_if(m_pRecorder->boxes.begin(), m_pRecorder->boxes.end(), std::back_inserter(boxes),
                     [](const CLaunchRecorder::Box& box) { return (box.uType & MB_TYPEMASK) == MB_OK; });
        return boxes;
    }
    // The refreshed buttons show the click's language; the others are untouched.
    void ExpectRefreshed() const
    {
        const ClickRow& r = GetParam();
        for (const ButtonRow& row : MenuButtonTable())
        {
            if (row.nCaptionId == 0)
                continue;
            const bool bRefreshed = std::count(std::begin(r.refreshed), std::end(r.refreshed), row.nId) != 0;
            EXPECT_EQ(std::wstring(m_menu.Button(row.nId).GetWindowText()),
                      TextIn(bRefreshed ? r.nLanguage : kEnglish, row.nCaptionId))
                << "button " << row.nId << (bRefreshed ? " refreshed" : " left alone");
        }
    }

    e2e::FixtureDisc m_oddDisc{L"Velquin,v2=x 100%s"};
    e2e::FixtureDisc m_reader{L"Acrobat Reader"};
    std::optional<CLaunchRecorder> m_pRecorder;
};

// The program started outlives its wait.
TEST_P(ClickTableTest, StartsWaitsReportsAndRefreshesAsTheTableSays)
{
    const ClickRow& r = GetParam();
    Click(false);
    const CLaunchRecorder& rec = *m_pRecorder;
    if (r.pszCommand == nullptr)
    {
        EXPECT_TRUE(rec.starts.empty());
    }
    else
    {
        ASSERT_EQ(rec.starts.size(), 1u);
        EXPECT_EQ(rec.starts[0].commandLine, Expand(r.pszCommand));
        EXPECT_EQ(rec.starts[0].folder, r.pszFolder != nullptr ? std::optional(Expand(r.pszFolder)) : std::nullopt);
        // Every program gets the system's default error mode, not the menu's.
        EXPECT_EQ(rec.starts[0].dwFlags, r.dwFlags | CREATE_DEFAULT_ERROR_MODE);
    }
    if (r.dwWaitMs == kNoWait)
    {
        EXPECT_TRUE(rec.waits.empty());
    }
    else
    {
        ASSERT_EQ(rec.waits.size(), 1u) << "the wait ends at its time-out";
        // The wait gets the whole time-out, less what the start took.
        EXPECT_LE(rec.waits[0].dwTimeoutMs, r.dwWaitMs);
        EXPECT_GT(rec.waits[0].dwTimeoutMs, r.dwWaitMs == INFINITE ? INFINITE - 1 : r.dwWaitMs - 5000);
        EXPECT_FALSE(rec.waits[0].bMenuVisible) << "the menu hides while it waits";
    }
    const auto boxes = ErrorBoxes();
    ASSERT_EQ(boxes.size(), r.bReportUnfinished ? 1u : 0u) << "an unfinished program is reported where asked";
    if (r.bReportUnfinished)
    {
        EXPECT_EQ(boxes[0].text, TextIn(r.nLanguage, 1082));
        EXPECT_EQ(boxes[0].caption, L"Splash.exe");
        // A box owned by the hidden menu would have no taskbar button: this
        // one has no owner and is modal to the menu's thread.
        EXPECT_EQ(boxes[0].uType, kErrorBox | MB_TASKMODAL);
        EXPECT_EQ(boxes[0].hOwner, nullptr);
        EXPECT_FALSE(boxes[0].bMenuVisible) << "reported while the menu is hidden";
    }
    for (const CLaunchRecorder::Box& box : rec.boxes)  // the DirectX question too
        EXPECT_TRUE(box.uType & MB_SETFOREGROUND) << std::hex << box.uType;
    EXPECT_EQ(m_menu.IsWindowVisible() != FALSE, !r.bEndsMenu);
    ExpectRefreshed();
}

// A program that cannot start is reported with its whole command line, in the
// menu's language, while the menu shows; the refresh follows all the same.
TEST_P(ClickTableTest, AStartThatFailsIsReportedInTheMenuLanguage)
{
    const ClickRow& r = GetParam();
    if (r.pszCommand == nullptr)
        GTEST_SKIP() << "starts nothing";
    Click(true);
    const auto boxes = ErrorBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    std::wstring text = TextIn(r.nLanguage, 1028);
    text.replace(text.find(L"%s"), 2, Expand(r.pszCommand));
    EXPECT_EQ(boxes[0].text, text);
    EXPECT_EQ(boxes[0].caption, r.bWindows2000 ? L"Directx 8.1 setup" : L"Splash.exe");
    EXPECT_EQ(boxes[0].uType, kErrorBox);
    EXPECT_EQ(boxes[0].hOwner, m_menu.m_hWnd);
    EXPECT_TRUE(boxes[0].bMenuVisible);
    EXPECT_TRUE(m_pRecorder->waits.empty());
    EXPECT_TRUE(m_menu.IsWindowVisible());
    ExpectRefreshed();
}

INSTANTIATE_TEST_SUITE_P(Buttons, ClickTableTest, ::testing::ValuesIn(kClicks), docs::kCaseName);

TEST(ClickTableCoverageTest, EveryButtonThatDoesSomethingHasARow)
{
    for (const ButtonRow& row : MenuButtonTable())
        EXPECT_EQ(
            row.pfnClick != nullptr || row.nId == IDOK,
            std::any_of(std::begin(kClicks), std::end(kClicks), [&](const ClickRow& r) { return r.nId == row.nId; }))
            << row.nId;
}

// An installer that keeps sending to the menu while it waits (a setting
// broadcast, say, every few milliseconds) still ends the wait at its time-out.
TEST(LaunchWaitTest, SentMessagesDoNotPutTheTimeOutOff)
{
    const HWND hWindow = ::CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
    const CHandle never(::CreateEventW(nullptr, TRUE, FALSE, nullptr));
    std::atomic<bool> bWaiting{true};
    std::thread sender([&] {
        for (const DWORD dwStart = ::GetTickCount(); bWaiting && ::GetTickCount() - dwStart < 3000;)
            ::SendMessageTimeoutW(hWindow, WM_NULL, 0, 0, SMTO_NORMAL, 1000, nullptr), ::Sleep(5);
    });
    const DWORD dwStart = ::GetTickCount();
    EXPECT_EQ(WaitAnsweringSentMessages(never, 300), static_cast<DWORD>(WAIT_TIMEOUT));
    EXPECT_LT(::GetTickCount() - dwStart, 1500u);
    bWaiting = false;
    sender.join();
    ::DestroyWindow(hWindow);
}
}  // namespace

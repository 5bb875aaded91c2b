// Every launch of the menu's clicks: how long the wait lasts (ten minutes, no
// limit for the suite setup, or none), whether a setup still running when it
// ends is reported, and which buttons are refreshed afterwards. The wait is
// watched through this process's import of MsgWaitForMultipleObjects and
// ends as a time-out would; message boxes through its import of MessageBoxW.
#include "tests/dialog/DocumentTestSupport.h"
#include "tests/support/ImportHook.h"

#include "res/resource.h"

#include <algorithm>
#include <iterator>
#include <vector>

namespace
{
using docs::MenuTest;

constexpr DWORD kTenMinutesMs = 10 * 60 * 1000;
constexpr DWORD kNoWait = 0;
constexpr int kJapanese = 5;

// The system's own function (this executable's import may be hooked).
const auto g_pfnWait = reinterpret_cast<decltype(&::MsgWaitForMultipleObjects)>(
    reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleW(L"user32.dll"), "MsgWaitForMultipleObjects")));
std::vector<DWORD> g_timeouts;
int g_nBoxes = 0;

// Waits for the program, then answers as if its time had run out.
DWORD WINAPI TimingOutWait(DWORD nCount, const HANDLE* pHandles, BOOL bWaitAll, DWORD dwMilliseconds, DWORD dwWakeMask)
{
    g_timeouts.push_back(dwMilliseconds);
    const DWORD dwResult = g_pfnWait(nCount, pHandles, bWaitAll, dwMilliseconds, dwWakeMask);
    return dwResult == WAIT_OBJECT_0 ? WAIT_TIMEOUT : dwResult;
}

int WINAPI CountingBox(HWND, LPCWSTR, LPCWSTR, UINT)
{
    ++g_nBoxes;
    return IDOK;
}

// Refreshed: the buttons that show the new language afterwards (0: none).
struct LaunchCase
{
    const char* name;
    UINT nId;
    const wchar_t* pszProgram;
    DWORD dwTimeout;
    bool bReport;
    UINT refreshed[2];
};
void PrintTo(const LaunchCase& c, std::ostream* os) { *os << c.name; }

const LaunchCase kLaunchCases[] = {
    {"Suite", IDC_SUITE, L"\\Corla\\setup.exe", INFINITE, true, {}},
    {"PremiereUpdater",
     IDC_PREMIERE_UPDATER,
     L"\\Bonus\\PremiereUpdater\\Premiere6.01Setup.exe",
     kTenMinutesMs,
     true,
     {IDC_PREMIERE_UPDATER}},
    {"AfterEffects",
     IDC_AFTER_EFFECTS,
     L"\\ExtraPlug-ins\\AfterEffects\\setup.exe",
     kTenMinutesMs,
     false,
     {IDC_AFTER_EFFECTS}},
    {"3dsMax", IDC_3DS_MAX, L"\\ExtraPlug-ins\\3DsMax\\setup.exe", kTenMinutesMs, true, {IDC_3DS_MAX}},
    {"LightWave", IDC_LIGHTWAVE, L"\\ExtraPlug-ins\\LightWave\\setup.exe", kTenMinutesMs, true, {IDC_LIGHTWAVE}},
    {"Effects", IDC_EFFECTS, L"\\ExtraPlug-ins\\Effects\\Setup.exe", kTenMinutesMs, false, {IDC_EFFECTS}},
    {"Wallpapers", IDC_WALLPAPERS, L"\\Bonus\\DesktopWallpapers\\setup.exe", kTenMinutesMs, true, {IDC_WALLPAPERS}},
    {"VfwCodecs",
     IDC_VFW_CODECS,
     L"\\Bonus\\VFWSoftwareCodecs\\setup.exe",
     kTenMinutesMs,
     true,
     {IDC_SUITE, IDC_VFW_CODECS}},
    {"SpiceMaster", IDC_SPICEMASTER, L"\\Bonus\\Pixelan\\spicemaster2zelvorademo.exe", kNoWait, false, {}},
    {"Manual", IDC_MANUAL, L"\\Docs\\Manual_Brisa.pdf", kTenMinutesMs, true, {}},
    {"AcrobatReader",
     IDC_ACROBAT_READER,
     L"\\Bonus\\AcrobatReader\\Acrobat Reader 5.00.exe",
     kNoWait,
     false,
     {IDC_ACROBAT_READER}},
};

class LaunchTableTest : public MenuTest, public ::testing::WithParamInterface<LaunchCase>
{};

TEST_P(LaunchTableTest, WaitReportAndRefreshAsEachLaunchAsks)
{
    const LaunchCase& c = GetParam();
    m_disc.AddInstaller(c.pszProgram);
    m_programs.AddInstaller(L"acrord32.exe");  // the manual's reader
    docs::SetAppPath(L"AcroRd32.exe", m_programs.Root());
    m_menu.RefreshButton(IDC_MANUAL);
    m_menu.m_nHardwareModel = kModelLite;
    SetLanguage(kJapanese);  // the buttons refreshed afterwards turn Japanese
    g_timeouts.clear();
    g_nBoxes = 0;
    {
        const ImportHook wait(L"user32.dll", "MsgWaitForMultipleObjects",
                              reinterpret_cast<const void*>(&TimingOutWait));
        const ImportHook box(L"user32.dll", "MessageBoxW", reinterpret_cast<const void*>(&CountingBox));
        m_menu.SendMessage(WM_COMMAND, MAKEWPARAM(c.nId, BN_CLICKED),
                           reinterpret_cast<LPARAM>(m_menu.GetDlgItem(static_cast<int>(c.nId))));
    }
    // A program left running would hold the disc: it has ended once it logged its start.
    const std::wstring program = c.pszProgram;
    const std::wstring folder = program.substr(0, program.rfind(L'\\'));
    EXPECT_TRUE(e2e::WaitUntil([&] { return !m_disc.Runs(folder).empty() || !m_programs.Runs(L"").empty(); }, 5000));
    if (c.dwTimeout == kNoWait)
    {
        EXPECT_TRUE(g_timeouts.empty());
    }
    else
    {
        ASSERT_FALSE(g_timeouts.empty()) << "the click waited";
        // The first wait gets the whole time-out, less what the start took.
        EXPECT_LE(g_timeouts.front(), c.dwTimeout);
        EXPECT_GT(g_timeouts.front(), c.dwTimeout == INFINITE ? INFINITE - 1 : c.dwTimeout - 5000);
    }
    EXPECT_EQ(g_nBoxes, c.bReport ? 1 : 0) << "a setup still running when the wait ends is reported";
    for (const ButtonRow& row : MenuButtonTable())
    {
        if (row.nCaptionId == 0)
            continue;
        const bool bRefreshed = std::count(std::begin(c.refreshed), std::end(c.refreshed), row.nId) != 0;
        const CString strCaption = bRefreshed ? m_menu.LoadText(row.nCaptionId) : CLanguage::LoadFixed(row.nCaptionId);
        EXPECT_EQ(std::wstring(m_menu.Button(row.nId).GetWindowText()), static_cast<LPCWSTR>(strCaption))
            << "button " << row.nId << (bRefreshed ? " refreshed" : " left alone");
    }
}

INSTANTIATE_TEST_SUITE_P(Clicks, LaunchTableTest, ::testing::ValuesIn(kLaunchCases), docs::kCaseName);
}  // namespace

// What each waited click hands to the wait: ten minutes, or no limit for the
// suite setup. The wait is watched through this process's import of
// MsgWaitForMultipleObjects, so nothing has to last ten minutes.
#include "tests/dialog/DocumentTestSupport.h"
#include "tests/support/ImportHook.h"

#include <vector>

namespace
{
using docs::MenuTest;

constexpr DWORD kTenMinutesMs = 10 * 60 * 1000;

// The system's own function (this executable's import may be hooked).
const auto g_pfnWait = reinterpret_cast<decltype(&::MsgWaitForMultipleObjects)>(
    reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleW(L"user32.dll"), "MsgWaitForMultipleObjects")));
std::vector<DWORD> g_timeouts;

DWORD WINAPI RecordingWait(DWORD nCount, const HANDLE* pHandles, BOOL bWaitAll, DWORD dwMilliseconds, DWORD dwWakeMask)
{
    g_timeouts.push_back(dwMilliseconds);
    return g_pfnWait(nCount, pHandles, bWaitAll, dwMilliseconds, dwWakeMask);
}

struct WaitCase { const char* name; const wchar_t* pszSetup; void (CLauncherDlg::*pClick)(); DWORD dwTimeout; };
void PrintTo(const WaitCase& c, std::ostream* os) { *os << c.name; }

const WaitCase kWaitCases[] = {
    {"Suite", L"\\Corla\\setup.exe", &CLauncherDlg::OnInstallSuite, INFINITE},
    {"AfterEffects", L"\\ExtraPlug-ins\\AfterEffects\\setup.exe", &CLauncherDlg::OnInstallAfterEffects, kTenMinutesMs},
    {"3dsMax", L"\\ExtraPlug-ins\\3DsMax\\setup.exe", &CLauncherDlg::OnInstall3dsMax, kTenMinutesMs},
    {"LightWave", L"\\ExtraPlug-ins\\LightWave\\setup.exe", &CLauncherDlg::OnInstallLightWave, kTenMinutesMs},
    {"Effects", L"\\ExtraPlug-ins\\Effects\\Setup.exe", &CLauncherDlg::OnInstallEffects, kTenMinutesMs},
    {"Wallpapers", L"\\Bonus\\DesktopWallpapers\\setup.exe", &CLauncherDlg::OnInstallWallpapers, kTenMinutesMs},
    {"VfwCodecs", L"\\Bonus\\VFWSoftwareCodecs\\setup.exe", &CLauncherDlg::OnInstallVfwCodecs, kTenMinutesMs},
    {"Manual", L"\\Docs\\Manual_Brisa.pdf", &CLauncherDlg::OnViewManual, kTenMinutesMs},
};

class WaitedClickTest : public MenuTest, public ::testing::WithParamInterface<WaitCase> {};

TEST_P(WaitedClickTest, WaitsTenMinutesOrForTheSuiteWithoutLimit)
{
    const WaitCase& c = GetParam();
    m_disc.AddInstaller(c.pszSetup);
    m_programs.AddInstaller(L"acrord32.exe");  // the manual's reader
    docs::SetAppPath(L"AcroRd32.exe", m_programs.Root());
    m_menu.RefreshManual();
    m_menu.m_nHardwareModel = kModelLite;
    g_timeouts.clear();
    {
        const ImportHook watch(L"user32.dll", "MsgWaitForMultipleObjects",
                               reinterpret_cast<const void*>(&RecordingWait));
        (m_menu.*c.pClick)();
    }
    ASSERT_FALSE(g_timeouts.empty()) << "the click waited";
    // The first wait gets the whole time-out, less what the start took.
    EXPECT_LE(g_timeouts.front(), c.dwTimeout);
    EXPECT_GT(g_timeouts.front(), c.dwTimeout == INFINITE ? INFINITE - 1 : c.dwTimeout - 5000);
}

INSTANTIATE_TEST_SUITE_P(Clicks, WaitedClickTest, ::testing::ValuesIn(kWaitCases), docs::kCaseName);
}  // namespace

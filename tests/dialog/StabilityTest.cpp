// The menu's kernel handles, GDI objects and windows stay flat over many
// language changes, hover cycles, waited installer runs and switches of the
// high-contrast theme.
#include "actions/CommandLine.h"
#include "actions/Language.h"
#include "actions/RunKeyResume.h"
#include "app/LauncherDlg.h"
#include "probes/Registry.h"
#include "res/resource.h"
#include "tests/support/DialogTestSupport.h"
#include "tests/support/Driver.h"
#include "tests/support/HighContrast.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <iterator>
#include <string>
#include <vector>

namespace
{
// Wine 8 answers 0 to GetProcessHandleCount and GetGuiResources, so each
// figure has a substitute that it does answer: the system's handle list
// filtered by process id, GDI handle indices that still name an object
// (Wine's GDI also accepts a handle given by its table index alone), and
// the thread's windows.
DWORD OwnKernelHandles()
{
    struct Entry
    {
        ULONG pid;
        BYTE type, flags;
        USHORT handle;
        PVOID object;
        ULONG access;
    };
    using Query = LONG(WINAPI*)(ULONG, PVOID, ULONG, PULONG);
    static const auto pQuery = reinterpret_cast<Query>(
        reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleW(L"ntdll.dll"), "NtQuerySystemInformation")));
    static std::vector<BYTE> buffer(1 << 22);
    constexpr ULONG kSystemHandleInformation = 16;
    if (pQuery(kSystemHandleInformation, buffer.data(), static_cast<ULONG>(buffer.size()), nullptr) != 0)
        return 0;
    const ULONG nCount = *reinterpret_cast<const ULONG*>(buffer.data());
    const auto* pEntries = reinterpret_cast<const Entry*>(buffer.data() + sizeof(ULONG_PTR));
    return static_cast<DWORD>(std::count_if(
        pEntries, pEntries + nCount, [](const Entry& e) { return LOWORD(e.pid) == LOWORD(::GetCurrentProcessId()); }));
}

DWORD LiveGdiIndices()
{
    DWORD n = 0;
    for (ULONG_PTR nIndex = 1; nIndex < 0x10000; ++nIndex)
        n += ::GetObjectType(reinterpret_cast<HGDIOBJ>(nIndex)) != 0;
    return n;
}

BOOL CALLBACK CountWindow(HWND hWnd, LPARAM lParam)
{
    ++*reinterpret_cast<DWORD*>(lParam);
    ::EnumChildWindows(hWnd, CountWindow, lParam);
    return TRUE;
}

enum Figure
{
    kHandles,
    kGdi,
    kUser,
    kListedHandles,
    kGdiIndices,
    kWindows,
    kFigureCount
};
const char* const kFigureNames[] = {"handles", "GDI", "USER", "listed handles", "live GDI indices", "windows"};
using Counts = std::array<DWORD, kFigureCount>;

Counts CountNow()
{
    Counts c{};
    ::GetProcessHandleCount(::GetCurrentProcess(), &c[kHandles]);
    c[kGdi] = ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS);
    c[kUser] = ::GetGuiResources(::GetCurrentProcess(), GR_USEROBJECTS);
    c[kListedHandles] = OwnKernelHandles();
    c[kGdiIndices] = LiveGdiIndices();
    ::EnumThreadWindows(::GetCurrentThreadId(), CountWindow, reinterpret_cast<LPARAM>(&c[kWindows]));
    return c;
}

void Print(const char* when, const Counts& c)
{
    std::printf("%-8s", when);
    for (int i = 0; i < kFigureCount; ++i)
        std::printf(" %s %lu%s", kFigureNames[i], c[i], i + 1 < kFigureCount ? "," : "\n");
}
}  // namespace

// The substitutes see one new object of their kind; Wine's own figures are printed.
TEST(StabilityCountersTest, SeeOneNewObjectOfTheirKind)
{
    const auto newWindow = [] { return ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 1, 1, 0, 0, 0, 0); };
    const HWND hFirst = newWindow();  // the thread's first window brings company
    const Counts before = CountNow();
    const HBRUSH hBrush = ::CreateSolidBrush(RGB(1, 2, 3));
    const HANDLE hEvent = ::CreateEventW(nullptr, FALSE, FALSE, nullptr);
    const HWND hWnd = newWindow();
    const Counts after = CountNow();
    Print("before", before);
    Print("+1 each", after);
    for (const HWND h : {hWnd, hFirst})
        ::DestroyWindow(h);
    ::CloseHandle(hEvent);
    ::DeleteObject(hBrush);
    const auto grew = [&](Figure f) { return after[f] == before[f] + 1; };
    EXPECT_TRUE(grew(kHandles) || grew(kListedHandles));
    EXPECT_TRUE(grew(kGdi) || grew(kGdiIndices));
    EXPECT_TRUE(grew(kWindows));
}

namespace
{
class StabilityTest;
struct Workload
{
    const char* name;
    int nRounds;
    void (*pRun)(StabilityTest& test, int nRound);
};

const UINT kHovered[] = {IDC_SUITE, IDC_AFTER_EFFECTS, IDC_README, IDC_VFW_CODECS, IDC_LANGUAGE, IDOK};
constexpr int kHoverCycle = static_cast<int>(std::size(kHovered));

// The real menu, modeless, on a disc holding the fake installer.
class StabilityTest : public ::testing::TestWithParam<Workload>
{
public:
    void SetUp() override
    {
        m_registry.Value(HKEY_LOCAL_MACHINE, kRunKey, kRunValueName)
            .Value(HKEY_LOCAL_MACHINE, kLanguageKey, kLanguageValueName);
        WriteRegistryDword(kLanguageKey, kLanguageValueName, GetLanguage(kEnglishIndex).nValue);
        e2e::WriteRegString(HKEY_LOCAL_MACHINE, kRunKey, kRunValueName, m_disc.Root() + L"\\setup.exe");
        m_strInstaller = QuoteArgument(m_disc.AddInstaller(L"setup.exe").c_str());
        ASSERT_TRUE(m_dlg.Create());
    }
    void TearDown() override { m_dlg.DestroyWindow(); }

    void ChangeLanguage(int nRound)
    {
        ChooseLanguage(m_dlg, GetLanguage((nRound + 1) % kLanguageCount).nChooserButton);
        ASSERT_EQ(m_dlg.m_language.StoredValue(), GetLanguage((nRound + 1) % kLanguageCount).nValue);
    }
    void Hover(int nRound)
    {
        const HWND hButton = m_dlg.GetDlgItem(static_cast<int>(kHovered[nRound % kHoverCycle]));
        CRect rc;
        ::GetWindowRect(hButton, &rc);
        ::SetCursorPos((rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2);
        ::SendMessageW(hButton, WM_MOUSEMOVE, 0, MAKELPARAM(2, 2));
        ::SendMessageW(hButton, WM_MOUSEHOVER, 0, MAKELPARAM(2, 2));
        ::UpdateWindow(hButton);
        ASSERT_EQ(e2e::Describe(m_dlg, hButton),
                  std::wstring(dynamic_cast<CHoverButton*>(CWnd::FromHandlePermanent(hButton))->GetDescription()));
        ::SendMessageW(hButton, WM_MOUSELEAVE, 0, 0);
        ::UpdateWindow(hButton);
        e2e::Describe(m_dlg, m_dlg);
    }
    // The theme on and off, told by each message of a switch in turn: the look follows.
    void SwitchContrast(int nRound)
    {
        const CHighContrastReport report(false);
        for (const bool bOn : {true, false})
        {
            CHighContrastReport::Set(bOn);
            m_dlg.SendMessage(bOn == (nRound % 2 == 0) ? WM_SETTINGCHANGE : WM_SYSCOLORCHANGE, SPI_SETHIGHCONTRAST);
            CRgn rgn;
            ASSERT_EQ(ReadWindowRegion(m_dlg, rgn), !bOn);
            ::SendMessageW(m_dlg, WM_ERASEBKGND, reinterpret_cast<WPARAM>(m_canvas.GetDC()), 0);
            ASSERT_EQ(m_canvas.GetPixel(8, 8) == ::GetSysColor(COLOR_WINDOW), bOn) << "artwork or window colour";
        }
    }
    void Launch(int)
    {
        m_dlg.Launcher().RunProgramHidden(m_strInstaller, nullptr, 10000, true);
        ASSERT_EQ(m_disc.Runs(L"").size(), ++m_nLaunches);
    }

    e2e::RegistryGuard m_registry;
    e2e::FixtureDisc m_disc{L"stability disc"};
    CString m_strInstaller;
    size_t m_nLaunches = 0;
    CLauncherDlg m_dlg;
    CCanvas m_canvas{16, 16, RGB(255, 0, 255)};
};

constexpr int kWarmUpRounds = 3;
// The rounds are whole cycles through each workload's cases (the languages,
// the hovered buttons, both messages of a theme switch): every step repeats
// at least twenty times, so a leak of one object even every twentieth time
// shows. More rounds would only repeat the same steps.
}  // namespace

TEST_P(StabilityTest, CountsGrowByZero)
{
    const Workload& work = GetParam();
    for (int nRound = 0; nRound < kWarmUpRounds; ++nRound)
        work.pRun(*this, nRound);
    const Counts before = CountNow();
    const auto start = std::chrono::steady_clock::now();
    for (int nRound = 0; nRound < work.nRounds && !HasFailure(); ++nRound)
        work.pRun(*this, nRound);
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
    const Counts after = CountNow();
    std::printf("%s: %d rounds in %lld ms\n", work.name, work.nRounds, static_cast<long long>(ms.count()));
    Print("before", before);
    Print("after", after);
    EXPECT_EQ(after, before) << "in the order: handles, GDI, USER, listed handles, live GDI indices, windows";
}

INSTANTIATE_TEST_SUITE_P(
    Menu, StabilityTest,
    ::testing::Values(Workload{"LanguageChanges", 20 * kLanguageCount,
                               [](StabilityTest& t, int n) { t.ChangeLanguage(n); }},
                      Workload{"HoverCycles", 200 * kHoverCycle, [](StabilityTest& t, int n) { t.Hover(n); }},
                      Workload{"WaitedLaunches", 20, [](StabilityTest& t, int n) { t.Launch(n); }},
                      Workload{"ContrastSwitches", 20 * 2, [](StabilityTest& t, int n) { t.SwitchContrast(n); }}),
    [](const auto& info) { return std::string(info.param.name); });

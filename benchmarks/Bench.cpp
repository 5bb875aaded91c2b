// Measures the menu: start-up to a painted window against a minimal dialog,
// refresh-all against the number of entries in the disc folders, memory after
// start-up, and the size of the executable. Prints a Markdown table.
// Usage: splash_bench <Splash.exe> <FloorDialog.exe> <work folder>
#include "app/LauncherDlg.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace
{
constexpr int kStartupRuns = 20;
constexpr int kRefreshRuns = 20;
constexpr DWORD kWindowTimeoutMs = 20000;
const wchar_t kMenuTitle[] = L"Zelvora Velquin";
const wchar_t kFloorTitle[] = L"Bench Floor";

// Every folder a refresh-all lists.
const wchar_t* const kDiscFolders[] = {
    L"", L"\\Corla", L"\\ExtraPlug-ins", L"\\ExtraPlug-ins\\AfterEffects", L"\\ExtraPlug-ins\\3DSMax",
    L"\\ExtraPlug-ins\\Lightwave", L"\\ExtraPlug-ins\\Effects", L"\\Bonus", L"\\Bonus\\DesktopWallpapers",
    L"\\Bonus\\VFWSoftwareCodecs", L"\\Bonus\\Pixelan", L"\\Bonus\\AcrobatReader",
    L"\\Bonus\\PremiereUpdater", L"\\Docs", L"\\Readme"};

struct Startup
{
    double dMedianMs = 0;
    SIZE_T nWorkingSet = 0;
    SIZE_T nPrivateBytes = 0;
};

double Now()
{
    LARGE_INTEGER frequency;
    LARGE_INTEGER counter;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&counter);
    return 1000.0 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// A window of the process with that title, visible, initialised and painted.
HWND WaitUntilPainted(DWORD dwProcessId, LPCWSTR lpszTitle)
{
    const double dDeadline = Now() + kWindowTimeoutMs;
    while (Now() < dDeadline)
    {
        HWND hWnd = FindWindowW(nullptr, lpszTitle);
        DWORD dwOwner = 0;
        if (hWnd != nullptr && GetWindowThreadProcessId(hWnd, &dwOwner) && dwOwner == dwProcessId &&
            IsWindowVisible(hWnd))
        {
            DWORD_PTR result = 0;
            SendMessageTimeoutW(hWnd, WM_NULL, 0, 0, SMTO_BLOCK, kWindowTimeoutMs, &result);
            if (!GetUpdateRect(hWnd, nullptr, FALSE))
                return hWnd;
        }
        Sleep(1);
    }
    return nullptr;
}

void ReadMemory(HANDLE hProcess, Startup& startup)
{
    struct Counters
    {
        DWORD cb;
        DWORD PageFaultCount;
        SIZE_T PeakWorkingSetSize, WorkingSetSize, QuotaPeakPagedPoolUsage, QuotaPagedPoolUsage,
            QuotaPeakNonPagedPoolUsage, QuotaNonPagedPoolUsage, PagefileUsage, PeakPagefileUsage,
            PrivateUsage;
    } counters{};
    counters.cb = sizeof(counters);
    using GetMemoryInfoFn = BOOL(WINAPI*)(HANDLE, Counters*, DWORD);
    const auto pfnGet = reinterpret_cast<GetMemoryInfoFn>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "K32GetProcessMemoryInfo")));
    if (pfnGet != nullptr && pfnGet(hProcess, &counters, sizeof(counters)))
    {
        startup.nWorkingSet = counters.WorkingSetSize;
        startup.nPrivateBytes = counters.PrivateUsage;
    }
}

Startup MeasureStartup(const std::wstring& exe, LPCWSTR lpszTitle)
{
    Startup startup;
    std::vector<double> samples;
    for (int run = 0; run < kStartupRuns; ++run)
    {
        std::wstring commandLine = L"\"" + exe + L"\"";
        STARTUPINFOW si{};
        si.cb = sizeof(si);
        PROCESS_INFORMATION pi{};
        const double dStart = Now();
        if (!CreateProcessW(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
            break;
        const HWND hWnd = WaitUntilPainted(pi.dwProcessId, lpszTitle);
        samples.push_back(Now() - dStart);
        ReadMemory(pi.hProcess, startup);
        if (hWnd != nullptr)
            PostMessageW(hWnd, WM_COMMAND, IDOK, 0);
        if (WaitForSingleObject(pi.hProcess, 5000) != WAIT_OBJECT_0)
            TerminateProcess(pi.hProcess, 1);
        CloseHandle(pi.hThread);
        CloseHandle(pi.hProcess);
    }
    if (!samples.empty())
        startup.dMedianMs = Median(samples);
    return startup;
}

void CreateEntries(const std::wstring& disc, int nEntries)
{
    for (const wchar_t* pszFolder : kDiscFolders)
    {
        const std::wstring folder = disc + pszFolder;
        CreateDirectoryW(folder.c_str(), nullptr);
        for (int i = 0; i < nEntries; ++i)
        {
            const std::wstring file = folder + L"\\entry" + std::to_wstring(i) + L".dat";
            HANDLE hFile = CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
            if (hFile != INVALID_HANDLE_VALUE)
                CloseHandle(hFile);
        }
    }
}

double MeasureRefresh(const std::wstring& disc)
{
    CLauncherDlg menu;
    if (!menu.Create())
        return -1;
    menu.m_strDiscRoot = disc.c_str();
    menu.RefreshAllButtons(0);
    std::vector<double> samples;
    for (int run = 0; run < kRefreshRuns; ++run)
    {
        const double dStart = Now();
        menu.RefreshAllButtons(0);
        samples.push_back(Now() - dStart);
    }
    menu.DestroyWindow();
    return Median(samples);
}

LONGLONG FileSize(const std::wstring& path)
{
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data))
        return -1;
    return (static_cast<LONGLONG>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}
}  // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc != 4)
    {
        std::fprintf(stderr, "usage: splash_bench <Splash.exe> <FloorDialog.exe> <work folder>\n");
        return 2;
    }
    const std::wstring splash = argv[1];
    const std::wstring floor = argv[2];
    const std::wstring disc = argv[3];

    const Startup menu = MeasureStartup(splash, kMenuTitle);
    const Startup minimal = MeasureStartup(floor, kFloorTitle);
    std::printf("| Measure | Splash.exe | Minimal dialog | Ratio |\n|---|---|---|---|\n");
    std::printf("| Start-up to painted window, median of %d | %.1f ms | %.1f ms | %.2f |\n", kStartupRuns,
                menu.dMedianMs, minimal.dMedianMs,
                minimal.dMedianMs > 0 ? menu.dMedianMs / minimal.dMedianMs : 0.0);
    std::printf("| Working set after start-up | %.0f KB | %.0f KB | %.2f |\n", menu.nWorkingSet / 1024.0,
                minimal.nWorkingSet / 1024.0,
                minimal.nWorkingSet > 0 ? static_cast<double>(menu.nWorkingSet) / minimal.nWorkingSet : 0.0);
    std::printf("| Private bytes after start-up | %.0f KB | %.0f KB | %.2f |\n", menu.nPrivateBytes / 1024.0,
                minimal.nPrivateBytes / 1024.0,
                minimal.nPrivateBytes > 0 ? static_cast<double>(menu.nPrivateBytes) / minimal.nPrivateBytes
                                          : 0.0);
    std::printf("| Executable size | %lld KB | %lld KB | |\n", FileSize(splash) / 1024, FileSize(floor) / 1024);

    std::printf("\n| Entries per disc folder | Refresh-all, median of %d |\n|---|---|\n", kRefreshRuns);
    int nCreated = 0;
    for (const int nEntries : {10, 1000, 10000})
    {
        CreateEntries(disc, nEntries);  // adds to what is there: entry0 .. entry(n-1)
        nCreated = nEntries;
        std::printf("| %d | %.2f ms |\n", nCreated, MeasureRefresh(disc));
        std::fflush(stdout);
    }
    return 0;
}

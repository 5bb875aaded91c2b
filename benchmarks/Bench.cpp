// Measures the menu and prints rows of Markdown tables; ./bench runs it once
// per screen density and puts the rows under one header.
//   splash_bench header
//   splash_bench startup <Splash.exe> <FloorDialog.exe> <FloorDialogManifest.exe>
//       start-up against the minimal dialog (and against it with the menu's
//       manifest) at the prefix's density, working set
//   splash_bench phases <SplashTraced.exe> <FloorTraced.exe> <trace file>
//       the menu's own start-up work (first line), then where the start-up
//       time goes, from the benchmark build's start-up points
//   splash_bench region
//       the region build alone
//   splash_bench inprocess <Splash.exe> <work folder>
//       region build at 192 DPI, refresh-all against folder size, section
//       sizes and the bytes a start reads
#include "app/LauncherDlg.h"
#include "framework/StartupTrace.h"
#include "res/resource.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

namespace
{
constexpr int kStartupRuns = 20;
constexpr int kRefreshRuns = 20;
constexpr int kRegionRuns = 9;
constexpr DWORD kWindowTimeoutMs = 20000;
const wchar_t kMenuTitle[] = L"Zelvora Velquin";
const wchar_t kFloorTitle[] = L"Bench Floor";

constexpr double kStartupTarget96 = 1.20;
constexpr double kStartupTarget144 = 1.25;
// The menu's own start-up work at 96 DPI; at 144 DPI it is reported only,
// since the HALFTONE stretch there costs under Wine what says little about
// Windows.
constexpr double kOwnWorkTargetMs96 = 8.0;
constexpr double kRegionTargetMs = 5.0;
constexpr double kRefreshTargetMs = 2.0;
constexpr int kTargetEntries = 10;  // per disc folder, for the refresh target
constexpr double kTextTargetKb = 400.0;
// What a start reads from the disc: the whole 32-bit executable.
constexpr double kBytesReadTargetKb = 600.0;
// A CD drive reads about 150 KB/s per "x" of speed (less near the centre).
constexpr double kCdKbPerSecondAt1x = 150.0;
// Refresh-all may grow with the folder size, but no faster than it; the
// slack is for the noise of a shared machine.
constexpr double kLinearSlack = 1.5;

// Every folder a refresh-all lists.
const wchar_t* const kDiscFolders[] = {L"",
                                       L"\\Corla",
                                       L"\\ExtraPlug-ins",
                                       L"\\ExtraPlug-ins\\AfterEffects",
                                       L"\\ExtraPlug-ins\\3DsMax",
                                       L"\\ExtraPlug-ins\\LightWave",
                                       L"\\ExtraPlug-ins\\Effects",
                                       L"\\Bonus",
                                       L"\\Bonus\\DesktopWallpapers",
                                       L"\\Bonus\\VFWSoftwareCodecs",
                                       L"\\Bonus\\Pixelan",
                                       L"\\Bonus\\AcrobatReader",
                                       L"\\Bonus\\PremiereUpdater",
                                       L"\\Docs",
                                       L"\\Readme"};

// The columns of the phase table: the time from the previous point to each.
const char* const kPhaseNames[] = {"runtime start",   "dialog creation",    "binding and settings",
                                   "background load", "background scaling", "region",
                                   "button strips",   "refresh-all",        "show and first paint"};
constexpr int kPhaseCount = static_cast<int>(StartupPoint::kCount) + 1;
static_assert(sizeof(kPhaseNames) / sizeof(kPhaseNames[0]) == kPhaseCount, "one name per phase");
// The menu's own work: the phases from the program's entry to the first
// paint less the dialog's creation, which it shares with the minimal dialog
// (as it does the process and runtime start before and the first paint after).
constexpr int kFirstOwnPhase = static_cast<int>(StartupPoint::kSettingsRead);
constexpr int kLastOwnPhase = static_cast<int>(StartupPoint::kButtonsRefreshed);

struct Launch
{
    double dMs = -1;  // to a painted window
    SIZE_T nWorkingSet = 0;
    LONGLONG llStart = 0;
    LONGLONG llPainted = 0;
};

LONGLONG Counter()
{
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    return counter.QuadPart;
}

double Ms(LONGLONG llCounts)
{
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(llCounts) / static_cast<double>(frequency.QuadPart);
}

double Now() { return Ms(Counter()); }

double Median(std::vector<double> values)
{
    if (values.empty())
        return -1;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

int ScreenDpi()
{
    const HDC hScreen = GetDC(nullptr);
    const int nDpi = GetDeviceCaps(hScreen, LOGPIXELSX);
    ReleaseDC(nullptr, hScreen);
    return nDpi;
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

SIZE_T WorkingSet(HANDLE hProcess)
{
    struct Counters
    {
        DWORD cb;
        DWORD PageFaultCount;
        SIZE_T PeakWorkingSetSize, WorkingSetSize, QuotaPeakPagedPoolUsage, QuotaPagedPoolUsage,
            QuotaPeakNonPagedPoolUsage, QuotaNonPagedPoolUsage, PagefileUsage, PeakPagefileUsage;
    } counters{};
    counters.cb = sizeof(counters);
    using GetMemoryInfoFn = BOOL(WINAPI*)(HANDLE, Counters*, DWORD);
    const auto pfnGet = reinterpret_cast<GetMemoryInfoFn>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "K32GetProcessMemoryInfo")));
    if (pfnGet == nullptr || !pfnGet(hProcess, &counters, sizeof(counters)))
        return 0;
    return counters.WorkingSetSize;
}

// Starts exe, waits for its painted window, reads its memory and closes it.
Launch Run(const std::wstring& exe, LPCWSTR lpszTitle)
{
    Launch launch;
    std::wstring commandLine = L"\"" + exe + L"\"";
    STARTUPINFOW si{};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi{};
    launch.llStart = Counter();
    if (!CreateProcessW(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
        return launch;
    const HWND hWnd = WaitUntilPainted(pi.dwProcessId, lpszTitle);
    launch.llPainted = Counter();
    if (hWnd != nullptr)
        launch.dMs = Ms(launch.llPainted - launch.llStart);
    launch.nWorkingSet = WorkingSet(pi.hProcess);
    if (hWnd != nullptr)
        PostMessageW(hWnd, WM_COMMAND, IDOK, 0);
    if (WaitForSingleObject(pi.hProcess, 5000) != WAIT_OBJECT_0)
        TerminateProcess(pi.hProcess, 1);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return launch;
}

const char* Met(bool bMet) { return bMet ? "yes" : "**no**"; }

constexpr double kReportedOnly = -1;

// One row: a measure in ms against its target (kReportedOnly: none). ./bench
// names a condition in SPLASH_BENCH_CONDITION for rows it measures under one,
// for comparison; those are not held against the target.
void PrintMeasure(const char* pszMeasure, int nDecimals, double dMs, double dTargetMs)
{
    std::string strTarget = "none (reported)";
    std::string strMet;
    if (dTargetMs != kReportedOnly)
    {
        char szTarget[32];
        std::snprintf(szTarget, sizeof(szTarget), "≤ %.0f ms", dTargetMs);
        strTarget = szTarget;
        strMet = Met(dMs >= 0 && dMs <= dTargetMs);
    }
    std::string strMeasure = pszMeasure;
    if (const char* pszCondition = std::getenv("SPLASH_BENCH_CONDITION"))
    {
        strMeasure = strMeasure + ", " + pszCondition;
        strTarget = "reported (target " + strTarget + ")";
        strMet.clear();
    }
    std::printf("| %s | %.*f ms | | | %s | %s |\n", strMeasure.c_str(), nDecimals, dMs, strTarget.c_str(),
                strMet.c_str());
}

void PrintHeader()
{
    std::printf("| Measure | Splash.exe | Minimal dialog | Ratio | Target | Met |\n"
                "|---|---|---|---|---|---|\n");
}

void PrintPhaseHeader()
{
    std::printf("| Program, density |");
    for (const char* pszName : kPhaseNames)
        std::printf(" %s |", pszName);
    std::printf(" total |\n|---|");
    for (int i = 0; i <= kPhaseCount; ++i)
        std::printf("---|");
    std::printf("\n");
}

// The programs started in turn, so that all see the same load.
void MeasureStartup(const std::wstring& splash, const std::wstring& floor, const std::wstring& floorManifest)
{
    std::vector<double> menuMs;
    std::vector<double> floorMs;
    std::vector<double> floorManifestMs;
    SIZE_T nMenuSet = 0;
    SIZE_T nFloorSet = 0;
    for (int run = 0; run < kStartupRuns; ++run)
    {
        const Launch menu = Run(splash, kMenuTitle);
        const Launch minimal = Run(floor, kFloorTitle);
        const Launch minimalManifest = Run(floorManifest, kFloorTitle);
        if (minimalManifest.dMs >= 0)
            floorManifestMs.push_back(minimalManifest.dMs);
        if (menu.dMs >= 0)
            menuMs.push_back(menu.dMs);
        if (minimal.dMs >= 0)
            floorMs.push_back(minimal.dMs);
        nMenuSet = std::max(nMenuSet, menu.nWorkingSet);
        nFloorSet = std::max(nFloorSet, minimal.nWorkingSet);
    }
    const int nDpi = ScreenDpi();
    const double dMenu = Median(menuMs);
    const double dFloor = Median(floorMs);
    const double dRatio = dFloor > 0 ? dMenu / dFloor : 0.0;
    const double dTarget = nDpi > 96 ? kStartupTarget144 : kStartupTarget96;
    std::printf("| Start-up to painted window, process start-up included, at %d DPI, median of %d interleaved | "
                "%.1f ms | %.1f ms | %.2f | "
                "≤ %.2f × minimal | %s |\n",
                nDpi, kStartupRuns, dMenu, dFloor, dRatio, dTarget, Met(dRatio > 0 && dRatio <= dTarget));
    const double dFloorManifest = Median(floorManifestMs);
    std::printf("| (for reference) against the minimal dialog with the menu's manifest at %d DPI | %.1f ms | %.1f ms | "
                "%.2f | | |\n",
                nDpi, dMenu, dFloorManifest, dFloorManifest > 0 ? dMenu / dFloorManifest : 0.0);
    std::printf("| Working set after start-up at %d DPI | %.0f KB | %.0f KB | %.2f | | |\n", nDpi, nMenuSet / 1024.0,
                nFloorSet / 1024.0, nFloorSet > 0 ? static_cast<double>(nMenuSet) / nFloorSet : 0.0);
}

// The start-up points the benchmark build wrote, as counters (0: not reached).
std::vector<LONGLONG> ReadTrace(const std::wstring& traceFile)
{
    std::vector<LONGLONG> points(static_cast<size_t>(StartupPoint::kCount), 0);
    std::ifstream in(std::string(traceFile.begin(), traceFile.end()));
    int nPoint = 0;
    LONGLONG llCounter = 0;
    while (in >> nPoint >> llCounter)
        if (nPoint >= 0 && nPoint < static_cast<int>(points.size()))
            points[static_cast<size_t>(nPoint)] = llCounter;
    return points;
}

// Each phase ends at its point and begins at the point reached just before
// it, whatever order the points came in. One launch adds a sample to each
// phase it reached, and to ownWork the sum of the own phases when it reached
// them all.
void AddPhaseSamples(const Launch& launch, const std::wstring& traceFile, std::vector<std::vector<double>>& phases,
                     std::vector<double>& ownWork)
{
    if (launch.dMs < 0)
        return;
    double dOwn = 0;
    int nOwnReached = 0;
    std::vector<LONGLONG> ends = ReadTrace(traceFile);
    ends.push_back(launch.llPainted);
    std::vector<LONGLONG> sorted = ends;
    sorted.push_back(launch.llStart);
    std::sort(sorted.begin(), sorted.end());
    for (int i = 0; i < kPhaseCount; ++i)
    {
        const LONGLONG llEnd = ends[static_cast<size_t>(i)];
        if (llEnd == 0)
            continue;
        const auto it = std::lower_bound(sorted.begin(), sorted.end(), llEnd);
        const double dPhase = it == sorted.begin() ? 0.0 : Ms(llEnd - *(it - 1));
        phases[static_cast<size_t>(i)].push_back(dPhase);
        if (i >= kFirstOwnPhase && i <= kLastOwnPhase)
        {
            dOwn += dPhase;
            ++nOwnReached;
        }
    }
    phases[kPhaseCount].push_back(launch.dMs);
    if (nOwnReached == kLastOwnPhase - kFirstOwnPhase + 1)
        ownWork.push_back(dOwn);
}

void PrintOwnWork(const std::vector<double>& ownWork)
{
    const int nDpi = ScreenDpi();
    const double dMs = Median(ownWork);
    char szMeasure[160];
    std::snprintf(szMeasure, sizeof(szMeasure),
                  "Own start-up work at %d DPI: entry to first paint less dialog creation, median of %d", nDpi,
                  kStartupRuns);
    PrintMeasure(szMeasure, 1, dMs, nDpi > 96 ? kReportedOnly : kOwnWorkTargetMs96);
}

void PrintPhases(const char* pszProgram, const std::vector<std::vector<double>>& phases)
{
    std::printf("| %s, %d DPI |", pszProgram, ScreenDpi());
    for (const auto& samples : phases)
    {
        if (samples.empty())
            std::printf(" |");
        else
            std::printf(" %.2f |", Median(samples));
    }
    std::printf("\n");
}

// The menu's benchmark build and the minimal dialog's, started in turn.
void MeasurePhases(const std::wstring& traced, const std::wstring& floorTraced, const std::wstring& traceFile)
{
    SetEnvironmentVariableW(L"SPLASH_STARTUP_TRACE", traceFile.c_str());
    std::vector<std::vector<double>> menu(kPhaseCount + 1);
    std::vector<std::vector<double>> minimal(kPhaseCount + 1);
    std::vector<double> ownWork;
    std::vector<double> minimalOwnWork;  // the minimal dialog has none
    for (int run = 0; run < kStartupRuns; ++run)
    {
        DeleteFileW(traceFile.c_str());
        AddPhaseSamples(Run(traced, kMenuTitle), traceFile, menu, ownWork);
        DeleteFileW(traceFile.c_str());
        AddPhaseSamples(Run(floorTraced, kFloorTitle), traceFile, minimal, minimalOwnWork);
    }
    SetEnvironmentVariableW(L"SPLASH_STARTUP_TRACE", nullptr);
    PrintOwnWork(ownWork);
    PrintPhases("Splash.exe", menu);
    PrintPhases("minimal dialog", minimal);
}

// The main menu's region rebuilt for a window twice the size it has here,
// with the keep-rectangle of the background's own size: the most pixels read.
double MeasureRegionAt192Dpi()
{
    CLauncherDlg menu;
    if (!menu.Create())
        return -1;
    CRect rcWindow;
    menu.GetWindowRect(&rcWindow);
    const int nScale = 192 / ScreenDpi();
    menu.SetWindowPos(nullptr, 0, 0, rcWindow.Width() * nScale, rcWindow.Height() * nScale,
                      SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    menu.m_bUseKeyColor = FALSE;
    menu.SetBackground(IDB_MAIN_BACKGROUND);
    menu.m_bUseKeyColor = TRUE;
    std::vector<double> samples;
    for (int run = 0; run < kRegionRuns; ++run)
    {
        const double dStart = Now();
        menu.BuildWindowRegion(CRect(0, 0, 763, 560));
        samples.push_back(Now() - dStart);
    }
    menu.DestroyWindow();
    return Median(samples);
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

struct Sections
{
    WORD wMachine = 0;
    DWORD dwText = 0;
    DWORD dwResources = 0;
    DWORD dwUnwind = 0;
    size_t nFileBytes = 0;
    DWORD dwResourceBytes = 0;  // as stored in the file
};

// The sizes of the file and of its code and resource sections, from the PE
// section table.
Sections ReadSections(const std::wstring& exe)
{
    Sections sections;
    std::ifstream in(std::string(exe.begin(), exe.end()), std::ios::binary);
    std::vector<char> image((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    sections.nFileBytes = image.size();
    IMAGE_DOS_HEADER dos{};
    if (image.size() < sizeof(dos))
        return sections;
    std::memcpy(&dos, image.data(), sizeof(dos));
    const size_t nFileHeader = static_cast<size_t>(dos.e_lfanew) + sizeof(DWORD);
    IMAGE_FILE_HEADER file{};
    if (image.size() < nFileHeader + sizeof(file))
        return sections;
    std::memcpy(&file, image.data() + nFileHeader, sizeof(file));
    sections.wMachine = file.Machine;
    size_t nOffset = nFileHeader + sizeof(file) + file.SizeOfOptionalHeader;
    for (WORD i = 0; i < file.NumberOfSections && image.size() >= nOffset + sizeof(IMAGE_SECTION_HEADER);
         ++i, nOffset += sizeof(IMAGE_SECTION_HEADER))
    {
        IMAGE_SECTION_HEADER section{};
        std::memcpy(&section, image.data() + nOffset, sizeof(section));
        const std::string name(reinterpret_cast<const char*>(section.Name),
                               strnlen(reinterpret_cast<const char*>(section.Name), IMAGE_SIZEOF_SHORT_NAME));
        if (name == ".text")
            sections.dwText = section.Misc.VirtualSize;
        else if (name == ".eh_fram")  // .eh_frame, cut to the section table's eight characters
            sections.dwUnwind = section.Misc.VirtualSize;
        else if (name == ".rsrc")
        {
            sections.dwResources = section.Misc.VirtualSize;
            sections.dwResourceBytes = section.SizeOfRawData;
        }
    }
    return sections;
}

// The bytes of the main background's resource in exe (0 when unreadable).
DWORD MainBackgroundBytes(const std::wstring& exe)
{
    const HMODULE hExe = LoadLibraryExW(exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (hExe == nullptr)
        return 0;
    const HRSRC hInfo = FindResourceW(hExe, MAKEINTRESOURCEW(IDB_MAIN_BACKGROUND), RT_RCDATA);
    const DWORD dwBytes = hInfo != nullptr ? SizeofResource(hExe, hInfo) : 0;
    FreeLibrary(hExe);
    return dwBytes;
}

// What a start reads from the disc before the first paint: the executable,
// its resource section among it, and how long a CD drive takes for it.
void PrintBytesRead(const std::wstring& splash, const Sections& sections)
{
    const DWORD dwBackground = MainBackgroundBytes(splash);
    const DWORD dwOther = sections.dwResourceBytes > dwBackground ? sections.dwResourceBytes - dwBackground : 0;
    const double dKb = sections.nFileBytes / 1024.0;
    const bool b32Bit = sections.wMachine == IMAGE_FILE_MACHINE_I386;
    std::printf("| Bytes a start reads: Splash.exe, %s | %.0f KB | | | ≤ %.0f KB (32-bit) | %s |\n",
                b32Bit ? "32-bit" : "64-bit", dKb, kBytesReadTargetKb, b32Bit ? Met(dKb <= kBytesReadTargetKb) : "n/a");
    const auto ReadMs = [dKb](int nSpeed) { return dKb / (kCdKbPerSecondAt1x * nSpeed) * 1000.0; };
    std::printf("| Time a CD drive takes for them at 1x, 24x, 48x (computed at %.0f KB/s per x, not measured) "
                "| %.0f, %.0f, %.0f ms | | | | |\n",
                kCdKbPerSecondAt1x, ReadMs(1), ReadMs(24), ReadMs(48));
    std::printf("| of which the resource section (.rsrc, as stored) | %.0f KB | | | | |\n",
                sections.dwResourceBytes / 1024.0);
    std::printf("| of which the main background (bitmap %d, as stored) | %.0f KB | | | | |\n", IDB_MAIN_BACKGROUND,
                dwBackground / 1024.0);
    std::printf("| of which the other resources | %.0f KB | | | | |\n", dwOther / 1024.0);
}

void PrintRegionAt192Dpi()
{
    const double dRegion = MeasureRegionAt192Dpi();
    std::printf("| Region build of the main menu at 192 DPI (keep-rectangle 763 × 560), median of %d | %.2f ms "
                "| | | < %.0f ms | %s |\n",
                kRegionRuns, dRegion, kRegionTargetMs, Met(dRegion >= 0 && dRegion < kRegionTargetMs));
    std::fflush(stdout);
}

void PrintRefreshAtTarget(double dMs)
{
    char szMeasure[96];
    std::snprintf(szMeasure, sizeof(szMeasure), "Refresh-all, %d entries per disc folder, median of %d", kTargetEntries,
                  kRefreshRuns);
    PrintMeasure(szMeasure, 2, dMs, kRefreshTargetMs);
}

// Refresh-all at the target's folder size alone, in an empty work folder.
void MeasureRefreshAtTarget(const std::wstring& disc)
{
    CreateEntries(disc, kTargetEntries);
    PrintRefreshAtTarget(MeasureRefresh(disc));
}

void MeasureInProcess(const std::wstring& splash, const std::wstring& disc)
{
    PrintRegionAt192Dpi();

    double dPrevious = 0;
    int nPrevious = 0;
    for (const int nEntries : {kTargetEntries, 1000, 10000})
    {
        CreateEntries(disc, nEntries);  // adds to what is there: entry0 .. entry(n-1)
        const double dMs = MeasureRefresh(disc);
        if (nPrevious == 0)
            PrintRefreshAtTarget(dMs);
        else
            std::printf("| Refresh-all, %d entries per disc folder, median of %d | %.2f ms | | | linear or better | "
                        "%s |\n",
                        nEntries, kRefreshRuns, dMs, Met(dMs <= dPrevious * nEntries / nPrevious * kLinearSlack));
        std::fflush(stdout);
        dPrevious = dMs;
        nPrevious = nEntries;
    }

    const Sections sections = ReadSections(splash);
    const bool b32Bit = sections.wMachine == IMAGE_FILE_MACHINE_I386;
    const double dTextKb = sections.dwText / 1024.0;
    std::printf("| Code (.text) of Splash.exe, %s | %.0f KB | | | ≤ %.0f KB (32-bit) | %s |\n",
                b32Bit ? "32-bit" : "64-bit", dTextKb, kTextTargetKb, b32Bit ? Met(dTextKb <= kTextTargetKb) : "n/a");
    std::printf("| Unwind tables (.eh_frame) of Splash.exe | %.0f KB | | | | |\n", sections.dwUnwind / 1024.0);
    std::printf("| Resources (.rsrc) of Splash.exe | %.0f KB | | | | |\n", sections.dwResources / 1024.0);
    PrintBytesRead(splash, sections);
}
}  // namespace

int wmain(int argc, wchar_t** argv)
{
    const std::wstring mode = argc > 1 ? argv[1] : L"";
    if (mode == L"header" && argc == 2)
        PrintHeader();
    else if (mode == L"phase-header" && argc == 2)
        PrintPhaseHeader();
    else if (mode == L"startup" && argc == 5)
        MeasureStartup(argv[2], argv[3], argv[4]);
    else if (mode == L"phases" && argc == 5)
        MeasurePhases(argv[2], argv[3], argv[4]);
    else if (mode == L"region" && argc == 2)
        PrintRegionAt192Dpi();
    else if (mode == L"inprocess" && argc == 4)
        MeasureInProcess(argv[2], argv[3]);
    else if (mode == L"refresh" && argc == 3)
        MeasureRefreshAtTarget(argv[2]);
    else
    {
        std::fprintf(stderr, "usage: splash_bench header | phase-header | startup <Splash.exe> <FloorDialog.exe> |"
                             " phases <SplashTraced.exe> <FloorTraced.exe> <trace file> | region | inprocess "
                             "<Splash.exe> <work folder> | refresh <work folder>\n");
        return 2;
    }
    return 0;
}

// The real Splash.exe run from a CD-ROM drive's root holding what the demo
// disc's image holds: the disc root is "X:" alone, and every path is "X:"
// followed by "\...".
#include "res/resource.h"
#include "tests/disc/CdromDrive.h"
#include "tests/support/Driver.h"
#include "tests/support/TestKeys.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>

using namespace e2e;

namespace
{

// The content taken out of the demo disc's image, as Windows and Unix paths.
const std::wstring kDiscContent = SPLASH_DISC_CONTENT;
const std::string kDiscContentUnix = SPLASH_DISC_CONTENT_UNIX;
using keys::kRunKey;
using keys::kSuiteCode;
using keys::kUninstall;
const std::wstring kZelvoraKey = keys::kZelvoraKey;
const std::wstring kDirectXVersion = L"\\Corla\\Support\\Directx8\\dsetup.version";

void DeleteEverywhere(const std::wstring& folder, const std::wstring& name)
{
    DeleteFileW((folder + L"\\" + name).c_str());
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return;
    do
    {
        const std::wstring entry = found.cFileName;
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && entry != L"." && entry != L"..")
            DeleteEverywhere(folder + L"\\" + entry, name);
    } while (FindNextFileW(search, &found));
    FindClose(search);
}

std::vector<std::string> SplitAtNul(const std::string& bytes)
{
    std::vector<std::string> parts;
    for (size_t start = 0; start < bytes.size();)
    {
        size_t end = bytes.find('\0', start);
        if (end == std::string::npos)
            end = bytes.size();
        if (end > start)
            parts.push_back(bytes.substr(start, end - start));
        start = end + 1;
    }
    return parts;
}

// What the shell of this prefix was started to open. Wine runs a Windows
// process as a Unix one whose arguments are its command line, split, so
// they show in /proc, and the shell itself shows nothing of them.
std::vector<std::wstring> ShellArguments()
{
    wchar_t windows[MAX_PATH] = L"", prefix[1024] = L"";
    GetWindowsDirectoryW(windows, MAX_PATH);
    GetEnvironmentVariableW(L"WINEPREFIX", prefix, ARRAYSIZE(prefix));
    const std::string shell = ToUtf8(std::wstring(windows) + L"\\explorer.exe");
    const std::string ourPrefix = "WINEPREFIX=" + ToUtf8(prefix);
    std::vector<std::wstring> arguments;
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW(L"Z:\\proc\\*", &found);
    if (search == INVALID_HANDLE_VALUE)
        return arguments;
    do
    {
        const std::wstring process = std::wstring(L"Z:\\proc\\") + found.cFileName;
        const std::vector<std::string> command = SplitAtNul(ReadTextFile(process + L"\\cmdline"));
        if (command.size() != 2 || command[0] != shell)
            continue;
        const std::vector<std::string> environment = SplitAtNul(ReadTextFile(process + L"\\environ"));
        if (std::find(environment.begin(), environment.end(), ourPrefix) != environment.end())
            arguments.push_back(FromUtf8(command[1]));
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return arguments;
}

class DriveRootTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_drive.Defined());
        for (const wchar_t* code : keys::kProductCodes)
            m_registry.RemovedKey(HKEY_LOCAL_MACHINE, kUninstall + code);
        m_registry.Value(HKEY_LOCAL_MACHINE, kZelvoraKey, L"Codec");
        m_registry.RemovedValue(HKEY_LOCAL_MACHINE, kZelvoraKey, L"SplashPath");
        WriteRegDword(HKEY_LOCAL_MACHINE, kZelvoraKey, L"Codec", 5);  // a Velquin Pro
        SetLanguage(0x09);
        ForgetRuns();
    }
    void TearDown() override
    {
        WriteTextFile(kDiscContent + kDirectXVersion, "8\n");
        ForgetRuns();
    }

    static void SetLanguage(DWORD value) { WriteRegDword(HKEY_LOCAL_MACHINE, keys::kLanguageKey, L"Language", value); }
    static void SetSuiteInstalled() { WriteRegString(HKEY_LOCAL_MACHINE, kUninstall + kSuiteCode, L"", L""); }
    // The stand-in installers record their runs beside themselves.
    static void ForgetRuns()
    {
        DeleteEverywhere(kDiscContent, L"installer.log");
        DeleteEverywhere(kDiscContent, L"dsetup.log");
    }
    static std::vector<InstallerRun> Runs(const std::wstring& folder) { return ReadInstallerLog(L"X:" + folder); }

    // The menu started as "X:\Splash.exe", shown.
    static Process StartFromDrive(HWND& window)
    {
        Process menu = Process::Start(L"X:\\Splash.exe", {}, L"X:\\");
        window = menu.WaitForWindow();
        if (window != nullptr)
            WaitUntil([&] { return IsWindowVisible(window) != FALSE; }, 5000);
        return menu;
    }

    CdromDrive m_drive{L'x', kDiscContentUnix};
    MenuRegistry m_registry;
};

// Wine's drive types, in the registry's 64-bit view whatever this build.
std::wstring WineDriveType(const wchar_t* drive)
{
    wchar_t type[16] = L"";
    DWORD size = sizeof type - sizeof(wchar_t);
    HKEY drives = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"Software\\Wine\\Drives", 0, KEY_READ | KEY_WOW64_64KEY, &drives) ==
        ERROR_SUCCESS)
    {
        RegQueryValueExW(drives, drive, nullptr, nullptr, reinterpret_cast<BYTE*>(type), &size);
        RegCloseKey(drives);
    }
    return type;
}

TEST(CdromDriveTest, GivenAsCdromAndTakenBack)
{
    {
        CdromDrive drive(L'x', kDiscContentUnix);
        ASSERT_TRUE(drive.Defined());
        EXPECT_EQ(GetDriveTypeW(L"X:\\"), static_cast<UINT>(DRIVE_CDROM));
        EXPECT_EQ(WineDriveType(L"x:"), L"cdrom");
        EXPECT_TRUE(FileExists(L"X:\\Splash.exe"));
    }
    EXPECT_EQ(GetDriveTypeW(L"X:\\"), static_cast<UINT>(DRIVE_NO_ROOT_DIR));
    EXPECT_EQ(WineDriveType(L"x:"), L"");
    EXPECT_FALSE(FileExists(L"X:\\Splash.exe"));
}

struct StateCase
{
    const char* name;
    bool bSuiteInstalled;
    std::vector<int> enabled, disabled;
};
void PrintTo(const StateCase& c, std::ostream* os) { *os << c.name; }

class DriveRootStateTest : public DriveRootTest, public ::testing::WithParamInterface<StateCase>
{};

TEST_P(DriveRootStateTest, ButtonsFindTheirFilesOnTheDrive)
{
    if (GetParam().bSuiteInstalled)
        SetSuiteInstalled();
    HWND window = nullptr;
    Process menu = StartFromDrive(window);
    ASSERT_NE(window, nullptr);
    for (int id : GetParam().enabled)
        EXPECT_TRUE(Enabled(window, id)) << id;
    for (int id : GetParam().disabled)
        EXPECT_FALSE(Enabled(window, id)) << id;
}

INSTANTIATE_TEST_SUITE_P(Machines, DriveRootStateTest,
                         ::testing::Values(StateCase{"Fresh",
                                                     false,
                                                     {IDC_SUITE, IDC_SPICEMASTER, IDC_README, IDC_WALLPAPERS,
                                                      IDC_VFW_CODECS},
                                                     {IDC_AFTER_EFFECTS, IDC_3DS_MAX, IDC_LIGHTWAVE, IDC_EFFECTS}},
                                           StateCase{"SuiteOnVelquinPro",
                                                     true,
                                                     {IDC_AFTER_EFFECTS, IDC_3DS_MAX, IDC_LIGHTWAVE, IDC_EFFECTS,
                                                      IDC_SPICEMASTER, IDC_README, IDC_WALLPAPERS},
                                                     {IDC_SUITE, IDC_VFW_CODECS}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(DriveRootTest, AddOnRunsFromTheDriveWithOneBackslash)
{
    SetSuiteInstalled();
    HWND window = nullptr;
    Process menu = StartFromDrive(window);
    ASSERT_NE(window, nullptr);
    ClickButton(window, IDC_3DS_MAX);
    ASSERT_TRUE(WaitUntil([&] { return !Runs(L"\\ExtraPlug-ins\\3DsMax").empty(); }, 10000));
    EXPECT_EQ(Runs(L"\\ExtraPlug-ins\\3DsMax")[0].commandLine, L"X:\\ExtraPlug-ins\\3DsMax\\setup.exe /l0x09");
    // The demo installer registers itself: the button then says so.
    EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(window) && !Enabled(window, IDC_3DS_MAX); }, 10000));
}

struct ReadmeCase
{
    const char* name;
    DWORD language;
    const wchar_t* path;
};
void PrintTo(const ReadmeCase& c, std::ostream* os) { *os << c.name; }

class DriveRootReadmeTest : public DriveRootTest, public ::testing::WithParamInterface<ReadmeCase>
{};

TEST_P(DriveRootReadmeTest, ShellOpensTheReadmeOnTheDrive)
{
    SetLanguage(GetParam().language);
    HWND window = nullptr;
    Process menu = StartFromDrive(window);
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(Enabled(window, IDC_README));
    ClickButton(window, IDC_README);
    std::vector<std::wstring> opened;
    EXPECT_TRUE(WaitUntil([&] { return !(opened = ShellArguments()).empty(); }, 10000));
    EXPECT_EQ(opened, std::vector<std::wstring>{GetParam().path});
}

INSTANTIATE_TEST_SUITE_P(Languages, DriveRootReadmeTest,
                         ::testing::Values(ReadmeCase{"French", 0x40C, L"X:\\Readme\\readme.fr.htm"},
                                           ReadmeCase{"ItalianFallsBackToEnglish", 0x10, L"X:\\Readme.htm"}),
                         [](const auto& info) { return std::string(info.param.name); });

// On Windows 2000 without DirectX 8: the DirectX installer runs from the
// drive, "X:\setup.exe" goes into the Run key, and the next start, from
// anywhere, takes "X:" as its disc.
TEST_F(DriveRootTest, DirectXResumeEntryNamesTheDriveAndBringsTheMenuBackToIt)
{
    ASSERT_EQ(PRIMARYLANGID(GetSystemDefaultLangID()), LANG_ENGLISH);
    SetWindowsVersion(m_registry, L"Splash.exe", L"win2k");
    WriteTextFile(kDiscContent + kDirectXVersion, "7\n");
    {
        HWND window = nullptr;
        Process menu = StartFromDrive(window);
        ASSERT_NE(window, nullptr);
        ClickButton(window, IDC_SUITE);
        const auto question = WaitForMessageBox(menu.Id());
        ASSERT_TRUE(question.has_value());
        DismissMessageBox(question->window, IDYES);
        EXPECT_TRUE(menu.WaitForExit());
        ASSERT_TRUE(WaitUntil([&] { return !Runs(L"\\Corla\\Support\\Directx8\\english").empty(); }, 5000));
    }
    EXPECT_EQ(Runs(L"\\Corla\\Support\\Directx8\\english")[0].commandLine,
              L"X:\\Corla\\Support\\Directx8\\english\\dx81.exe");
    EXPECT_EQ(ReadRegString(HKEY_LOCAL_MACHINE, kRunKey, L"Splash"), L"X:\\setup.exe");
    EXPECT_EQ(ReadRegString(HKEY_LOCAL_MACHINE, kZelvoraKey, L"SplashPath"), L"X:\\setup.exe");

    WriteTextFile(kDiscContent + kDirectXVersion, "8\n");
    FixtureDisc elsewhere(L"elsewhere");
    Process menu = Process::Start(elsewhere.AddSplash());
    const HWND window = menu.WaitForWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_FALSE(ReadRegString(HKEY_LOCAL_MACHINE, kRunKey, L"Splash").has_value());
    ASSERT_TRUE(WaitUntil([&] { return Enabled(window, IDC_SUITE); }, 5000));
    ClickButton(window, IDC_SUITE);
    ASSERT_TRUE(WaitUntil([&] { return !Runs(L"\\Corla").empty(); }, 10000));
    EXPECT_EQ(Runs(L"\\Corla")[0].commandLine, L"X:\\Corla\\setup.exe /l0x09");
    EXPECT_EQ(Runs(L"\\Corla")[0].currentFolder, L"X:\\Corla");
}

}  // namespace

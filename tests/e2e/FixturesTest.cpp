// The fixture programs and the driver, checked on their own so that an
// end-to-end failure points at the menu rather than at its stand-ins.
#include "tests/support/Driver.h"
#include "tests/support/TestKeys.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <thread>

using namespace e2e;

namespace
{

const std::wstring kUninstallKey = keys::kUninstall;
const std::wstring kTestCode = L"{0E2E0E2E-0000-4000-8000-F1C7D0E2E001}";

DWORD RunToEnd(const std::wstring& exe, const std::wstring& arguments = {}, const std::wstring& folder = {})
{
    Process process = Process::Start(exe, arguments, folder);
    EXPECT_TRUE(process.WaitForExit(10000));
    return process.ExitCode();
}

}  // namespace

TEST(FakeInstallerTest, LogsCommandLineCurrentFolderAndNameOfEachCopy)
{
    FixtureDisc disc(L"disc with blanks");
    std::wstring setup = disc.AddInstaller(L"\\Corla\\setup.exe");
    std::wstring dx = disc.AddInstaller(L"\\Corla\\dx81.exe");

    RunToEnd(setup, L"/l0x40C", disc.Path(L"\\Corla"));
    RunToEnd(dx, {}, disc.Root());

    auto runs = disc.Runs(L"\\Corla");
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_EQ(runs[0].commandLine, L"\"" + setup + L"\" /l0x40C");
    EXPECT_EQ(runs[0].currentFolder, disc.Path(L"\\Corla"));
    EXPECT_EQ(runs[0].exeName, L"setup.exe");
    EXPECT_EQ(runs[1].currentFolder, disc.Root());
    EXPECT_EQ(runs[1].exeName, L"dx81.exe");
    EXPECT_TRUE(disc.Runs(L"").empty());
}

TEST(FakeInstallerTest, OwnBehaviourFileOverridesSharedOne)
{
    FixtureDisc disc;
    std::wstring setup = disc.AddInstaller(L"setup.exe");
    std::wstring dx = disc.AddInstaller(L"dx81.exe", "exit=7\r\n");
    std::wstring plain = disc.AddInstaller(L"Plain.exe");
    disc.AddText(L"installer.behaviour", "exit=5\n");

    EXPECT_EQ(RunToEnd(setup), 5u);
    EXPECT_EQ(RunToEnd(dx), 7u);
    DeleteFileW(disc.Path(L"installer.behaviour").c_str());
    EXPECT_EQ(RunToEnd(plain), 0u);
}

TEST(FakeInstallerTest, SleepsBeforeExiting)
{
    FixtureDisc disc;
    std::wstring setup = disc.AddInstaller(L"setup.exe", "sleep=700\nexit=3");

    DWORD start = GetTickCount();
    Process process = Process::Start(setup);
    // Logged at once, before the sleep.
    EXPECT_TRUE(WaitUntil([&] { return disc.Runs(L"").size() == 1; }, 5000));
    EXPECT_TRUE(process.Running());
    ASSERT_TRUE(process.WaitForExit(10000));
    EXPECT_GE(GetTickCount() - start, 650u);
    EXPECT_EQ(process.ExitCode(), 3u);
}

TEST(FakeInstallerTest, WritesUninstallKeyAndMarker)
{
    RegistryGuard registry;
    registry.RemovedKey(HKEY_LOCAL_MACHINE, kUninstallKey + kTestCode);
    FixtureDisc disc;
    std::wstring marker = disc.Path(L"canary ran.txt");
    std::wstring setup =
        disc.AddInstaller(L"\\Bonus\\setup.exe", "uninstall=" + ToUtf8(kTestCode) + "\nmarker=" + ToUtf8(marker));

    RunToEnd(setup);

    EXPECT_EQ(ReadRegString(HKEY_LOCAL_MACHINE, kUninstallKey + kTestCode, L"DisplayName"), L"setup.exe");
    EXPECT_TRUE(FileExists(marker));
}

TEST(FakeInstallerTest, GrandchildOutlivesInstallerAndDiesWithTheJob)
{
    FixtureDisc disc;
    std::wstring setup = disc.AddInstaller(L"setup.exe", "grandchild=30000");
    Process process = Process::Start(setup);

    ASSERT_TRUE(process.WaitForExit(10000));
    EXPECT_EQ(process.LiveProcessCount(), 1u);
    EXPECT_EQ(disc.Runs(L"").size(), 1u);
    process.Kill();
    EXPECT_TRUE(WaitUntil([&] { return process.LiveProcessCount() == 0; }, 5000));
}

// The broadcast is a real sent message: a window whose thread does not
// answer holds the installer until that thread pumps its messages.
TEST(FakeInstallerTest, BroadcastWaitsForEveryTopLevelWindow)
{
    FixtureDisc disc;
    std::wstring setup = disc.AddInstaller(L"setup.exe", "broadcast=1");
    HWND window = CreateWindowExW(0, L"STATIC", L"busy", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(window, nullptr);
    Process process = Process::Start(setup);

    EXPECT_EQ(WaitForSingleObject(process.Handle(), 1500), static_cast<DWORD>(WAIT_TIMEOUT));
    EXPECT_TRUE(WaitUntil(
        [&] {
            MSG message;
            while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
                DispatchMessageW(&message);
            return !process.Running();
        },
        10000));
    DestroyWindow(window);

    Process unhindered = Process::Start(setup);
    EXPECT_TRUE(unhindered.WaitForExit(5000));
}

TEST(FakeDSetupTest, ReportsVersionFromItsFileAndLogsEachLoad)
{
    FixtureDisc disc;
    std::wstring folder = disc.Path(L"\\Corla\\Support\\Directx8");
    std::wstring dll = disc.AddFile(FixturePath(L"DSetup.dll"), L"\\Corla\\Support\\Directx8\\DSetup.dll");
    EXPECT_FALSE(FileExists(folder + L"\\dsetup.log"));

    HMODULE module = LoadLibraryW(dll.c_str());
    ASSERT_NE(module, nullptr);
    using GetVersion = INT(WINAPI*)(DWORD*, DWORD*);
    auto getVersion =
        reinterpret_cast<GetVersion>(reinterpret_cast<void*>(GetProcAddress(module, "DirectXSetupGetVersion")));
    ASSERT_NE(getVersion, nullptr);

    DWORD version = 0xDEAD, revision = 0xDEAD;
    EXPECT_EQ(getVersion(&version, &revision), 0);
    disc.AddText(L"\\Corla\\Support\\Directx8\\dsetup.version", "7");
    EXPECT_EQ(getVersion(&version, &revision), 1);
    EXPECT_EQ(version, 0x00040007u);
    EXPECT_EQ(revision, 0u);
    disc.AddText(L"\\Corla\\Support\\Directx8\\dsetup.version", "8\r\n");
    EXPECT_EQ(getVersion(&version, &revision), 1);
    EXPECT_EQ(version & 0xFFFF, 8u);
    FreeLibrary(module);

    EXPECT_EQ(ReadTextFile(folder + L"\\dsetup.log"), "loaded\n");
}

namespace
{

// A value of the file's version resource; null when it has none.
std::optional<std::wstring> VersionValue(const std::wstring& file, const std::wstring& name)
{
    std::vector<BYTE> block(GetFileVersionInfoSizeW(file.c_str(), nullptr));
    if (block.empty() || !GetFileVersionInfoW(file.c_str(), 0, static_cast<DWORD>(block.size()), block.data()))
        return std::nullopt;
    void* value = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(block.data(), name.c_str(), &value, &length) || length == 0)
        return L"";
    if (name == L"\\VarFileInfo\\Translation")  // language in the low word, code page in the high word
        return std::to_wstring(*static_cast<DWORD*>(value));
    return static_cast<wchar_t*>(value);
}

std::wstring FileVersion(const wchar_t* preminfo, const wchar_t* block)
{
    return VersionValue(FixturePath(preminfo + std::wstring(L"\\preminfo.dll")),
                        L"\\StringFileInfo\\" + std::wstring(block) + L"\\FileVersion")
        .value_or(L"?");
}

}  // namespace

TEST(VersionStubTest, PremiereReportsItsLanguage)
{
    const std::pair<const wchar_t*, WORD> variants[] = {
        {L"de", 0x0407}, {L"fr", 0x040C}, {L"ja", 0x0411}, {L"it", 0x0410}, {L"en", 0x0409}};
    for (const auto& [suffix, language] : variants)
        EXPECT_EQ(VersionValue(FixturePath(L"premiere-" + std::wstring(suffix) + L"\\premiere.exe"),
                               L"\\VarFileInfo\\Translation"),
                  std::to_wstring(MAKELONG(language, 1252)))
            << ToUtf8(suffix);
    EXPECT_FALSE(VersionValue(FixturePath(L"premiere-none\\premiere.exe"), L"\\").has_value());
    EXPECT_TRUE(FileExists(FixturePath(L"premiere-none\\premiere.exe")));
}

// Unicode tables are block 040904B0, ANSI ones 040904E4.
TEST(VersionStubTest, PreminfoCarriesFileVersionInTheIntendedTable)
{
    EXPECT_EQ(FileVersion(L"preminfo-601", L"040904B0"), L"6.01");
    EXPECT_EQ(FileVersion(L"preminfo-601", L"040904E4"), L"");
    EXPECT_EQ(FileVersion(L"preminfo-601-ansi", L"040904B0"), L"");
    EXPECT_EQ(FileVersion(L"preminfo-601-ansi", L"040904E4"), L"6.01");
    EXPECT_EQ(FileVersion(L"preminfo-60", L"040904B0"), L"6.0");
    EXPECT_EQ(FileVersion(L"preminfo-601blank", L"040904B0"), L"6.01 ");
    EXPECT_EQ(FileVersion(L"preminfo-none", L"040904B0"), L"?");
    EXPECT_TRUE(FileExists(FixturePath(L"preminfo-none\\preminfo.dll")));
}

namespace
{

// The machine a PE image is built for, from its file header (0 when unreadable).
WORD ImageMachine(const BYTE* image, size_t size)
{
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(image);
    if (size < sizeof(IMAGE_DOS_HEADER) || dos->e_magic != IMAGE_DOS_SIGNATURE || dos->e_lfanew < 0 ||
        size < static_cast<size_t>(dos->e_lfanew) + sizeof(DWORD) + sizeof(IMAGE_FILE_HEADER))
        return 0;
    const BYTE* nt = image + dos->e_lfanew;
    if (*reinterpret_cast<const DWORD*>(nt) != IMAGE_NT_SIGNATURE)
        return 0;
    return reinterpret_cast<const IMAGE_FILE_HEADER*>(nt + sizeof(DWORD))->Machine;
}

WORD FileMachine(const std::wstring& path)
{
    std::string bytes = ReadTextFile(path).substr(0, 4096);
    return ImageMachine(reinterpret_cast<const BYTE*>(bytes.data()), bytes.size());
}

// Every .exe and .dll below folder.
void CollectPrograms(const std::wstring& folder, std::vector<std::wstring>& programs)
{
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return;
    do
    {
        std::wstring name = found.cFileName;
        std::wstring path = folder + L"\\" + name;
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        {
            if (name != L"." && name != L"..")
                CollectPrograms(path, programs);
        }
        else if (name.size() > 4 && (_wcsicmp(name.c_str() + name.size() - 4, L".exe") == 0 ||
                                     _wcsicmp(name.c_str() + name.size() - 4, L".dll") == 0))
        {
            programs.push_back(path);
        }
    } while (FindNextFileW(search, &found));
    FindClose(search);
}

}  // namespace

// The menu is built where the driver looks, and, as a host without 32-bit
// support starts no 32-bit program, it and every stand-in it starts or loads
// match the tests' own target.
TEST(DriverTest, MenuAndFixturesAreBuiltForTheTestsTarget)
{
    const auto* self = reinterpret_cast<const BYTE*>(GetModuleHandleW(nullptr));
    const WORD machine = ImageMachine(self, 4096);
    ASSERT_TRUE(machine == IMAGE_FILE_MACHINE_I386 || machine == IMAGE_FILE_MACHINE_AMD64);

    std::vector<std::wstring> programs{SplashExe()};
    CollectPrograms(FixturePath(L"").substr(0, FixturePath(L"").size() - 1), programs);
    EXPECT_GT(programs.size(), 10u);
    for (const std::wstring& program : programs)
        EXPECT_EQ(FileMachine(program), machine) << ToUtf8(program);
}

TEST(DriverTest, RegistryGuardPutsKeysAndValuesBack)
{
    const std::wstring base = L"SOFTWARE\\ZelvoraE2E";
    RegistryGuard outer;
    outer.Key(HKEY_LOCAL_MACHINE, base);
    WriteRegString(HKEY_LOCAL_MACHINE, base + L"\\Kept", L"Name", L"before");
    WriteRegString(HKEY_LOCAL_MACHINE, base + L"\\Kept\\Child", L"", L"child");
    {
        RegistryGuard guard;
        guard.Key(HKEY_LOCAL_MACHINE, base + L"\\Kept")
            .Key(HKEY_LOCAL_MACHINE, base + L"\\New\\Deeper\\Key")
            .Value(HKEY_LOCAL_MACHINE, base + L"\\Kept", L"Added")
            .Value(HKEY_LOCAL_MACHINE, base + L"\\Values", L"Fresh");
        DeleteRegTree(HKEY_LOCAL_MACHINE, base + L"\\Kept");
        WriteRegString(HKEY_LOCAL_MACHINE, base + L"\\Kept", L"Added", L"x");
        WriteRegString(HKEY_LOCAL_MACHINE, base + L"\\New\\Deeper\\Key", L"v", L"x");
        WriteRegString(HKEY_LOCAL_MACHINE, base + L"\\Values", L"Fresh", L"x");
    }
    EXPECT_EQ(ReadRegString(HKEY_LOCAL_MACHINE, base + L"\\Kept", L"Name"), L"before");
    EXPECT_EQ(ReadRegString(HKEY_LOCAL_MACHINE, base + L"\\Kept\\Child", L""), L"child");
    EXPECT_FALSE(ReadRegString(HKEY_LOCAL_MACHINE, base + L"\\Kept", L"Added"));
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, base + L"\\New"));
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, base + L"\\Values"));
}

TEST(DriverTest, ReadsAndAnswersMessageBoxes)
{
    auto answer = std::make_shared<int>(0);
    std::thread shower([answer] { *answer = MessageBoxW(nullptr, L"Install now?", L"Question", MB_YESNO); });
    auto box = WaitForMessageBox(GetCurrentProcessId(), 5000);
    if (!box)
    {
        shower.detach();
        FAIL() << "no message box";
    }
    EXPECT_EQ(box->caption, L"Question");
    EXPECT_EQ(box->text, L"Install now?");
    DismissMessageBox(box->window, IDNO);
    shower.join();
    EXPECT_EQ(*answer, IDNO);
    EXPECT_FALSE(FindMessageBox(GetCurrentProcessId()));
}

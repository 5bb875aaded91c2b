// The real Splash.exe on a fixture disc: what it shows, that it runs once,
// the ways it closes, and how its start hardens the process.
#include "framework/WinApp.h"
#include "res/resource.h"
#include "tests/support/Driver.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>
#include <string>

using namespace e2e;

namespace
{

// The three ways to close: the Exit button, Esc and the system's close command.
const UINT kCloseMessages[][3] = {{WM_COMMAND, IDOK, 0}, {WM_KEYDOWN, VK_ESCAPE, 0}, {WM_SYSCOMMAND, SC_CLOSE, 0}};

}  // namespace

class MenuCloseTest : public ::testing::TestWithParam<int>
{};

TEST_P(MenuCloseTest, ShowsDiscOffersAndEndsWithoutAnotherWindow)
{
    MenuRegistry registry;
    FixtureDisc disc;
    std::wstring splash = disc.AddSplash();
    disc.AddInstaller(L"\\Corla\\setup.exe");
    disc.AddText(L"Readme.htm", "<html></html>");
    Process menu = Process::Start(splash, {}, disc.Root());
    HWND window = menu.WaitForWindow();
    ASSERT_NE(window, nullptr);

    // The title comes early in the start-up; the window shows once it is done,
    // its buttons refreshed from the disc (each button's rules are the dialog
    // tests').
    ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(window) != FALSE; }, 5000));
    EXPECT_TRUE(Enabled(window, IDC_SUITE));
    EXPECT_TRUE(Enabled(window, IDC_README));
    EXPECT_FALSE(Enabled(window, IDC_AFTER_EFFECTS));

    const UINT* close = kCloseMessages[GetParam()];
    PostMessageW(window, close[0], close[1], close[2]);
    EXPECT_TRUE(menu.WaitForExit(5000));
    EXPECT_FALSE(FindMessageBox(menu.Id()).has_value());
}

INSTANTIATE_TEST_SUITE_P(ExitEscSysClose, MenuCloseTest, ::testing::Values(0, 1, 2));

TEST(MenuSingleInstanceTest, SecondCopyEndsSilentlyWhileMenuRunsAndRunsAfterItClosed)
{
    MenuRegistry registry;
    FixtureDisc disc;
    std::wstring splash = disc.AddSplash();
    Process first = Process::Start(splash);
    HWND window = first.WaitForWindow();
    ASSERT_NE(window, nullptr);

    Process second = Process::Start(splash);
    // A message box would keep it running; a window of its own would be a second menu.
    EXPECT_TRUE(second.WaitForExit(5000));
    EXPECT_EQ(FindWindowExW(nullptr, window, nullptr, kMenuTitle), nullptr);
    EXPECT_EQ(FindWindowExW(nullptr, nullptr, nullptr, kMenuTitle), window);
    EXPECT_TRUE(first.Running());

    ClickButton(window, IDOK);
    ASSERT_TRUE(first.WaitForExit(5000));
    // Another program's dialog, of the class every dialog has, is no menu.
    const HWND other =
        CreateWindowExW(0, L"#32770", L"Another program", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    Process third = Process::Start(splash);
    HWND again = third.WaitForWindow();
    ASSERT_NE(again, nullptr);
    ClickButton(again, IDOK);
    EXPECT_TRUE(third.WaitForExit(5000));
    DestroyWindow(other);
}

// The program's start routine, run here without an application object: it
// hardens this process and returns at once.
TEST(MenuStartTest, StartIgnoresDllsBesideTheProgramAndSuppressesErrorBoxes)
{
    FixtureDisc disc;
    disc.AddFile(FixturePath(L"DSetup.dll"), L"planted.dll");
    SetCurrentDirectoryW(disc.Root().c_str());
    HMODULE planted = LoadLibraryW(L"planted.dll");
    ASSERT_NE(planted, nullptr) << "the plain search finds the plant";
    FreeLibrary(planted);

    EXPECT_EQ(AfxWinMain(GetModuleHandleW(nullptr)), -1);
    planted = LoadLibraryW(L"planted.dll");
    EXPECT_EQ(planted, nullptr);
    FreeLibrary(planted);
    const UINT wanted = SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX;
    EXPECT_EQ(SetErrorMode(0) & wanted, wanted);
    SetCurrentDirectoryW(L"C:\\");
}

#ifdef SPLASH_SIGNED_EXE_PATH
// Signed as a release is (SHA-1, with SHA-256 nested), the menu starts and closes.
TEST(MenuStartTest, SignedMenuStartsAndCloses)
{
    MenuRegistry registry;
    FixtureDisc disc;
    Process menu = Process::Start(disc.AddFile(SPLASH_SIGNED_EXE_PATH, L"Splash.exe"), {}, disc.Root());
    const HWND window = menu.WaitForWindow();
    ASSERT_NE(window, nullptr);
    PostMessageW(window, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(menu.WaitForExit(5000));
}
#endif

// Installers on the disc need administrator rights, so the menu asks for
// them; it draws itself at the screen's density, per monitor where it can,
// else system-aware (Windows 10 1607 takes the first value it knows).
TEST(MenuStartTest, ManifestRequiresAdministratorAndIsDpiAware)
{
    HMODULE splash = LoadLibraryExW(SplashExe().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(splash, nullptr);
    HRSRC resource = FindResourceW(splash, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));  // RT_MANIFEST
    ASSERT_NE(resource, nullptr);
    std::string manifest(static_cast<const char*>(LockResource(LoadResource(splash, resource))),
                         SizeofResource(splash, resource));
    EXPECT_NE(manifest.find("level=\"requireAdministrator\""), std::string::npos);
    EXPECT_NE(manifest.find("WindowsSettings\">true</dpiAware>"), std::string::npos);
    EXPECT_NE(manifest.find("WindowsSettings\">PerMonitorV2, system</dpiAwareness>"), std::string::npos);
    FreeLibrary(splash);
}

// Terminal-Server-aware, with DEP and ASLR (high-entropy on 64-bit builds),
// read from the built executable's PE header.
TEST(MenuStartTest, ExecutableIsTerminalServerAwareWithDepAndAslr)
{
    const std::string image = ReadTextFile(SplashExe());
    ASSERT_GT(image.size(), sizeof(IMAGE_DOS_HEADER));
    LONG ntOffset = 0;
    memcpy(&ntOffset, image.data() + offsetof(IMAGE_DOS_HEADER, e_lfanew), sizeof ntOffset);
    const size_t optional = ntOffset + offsetof(IMAGE_NT_HEADERS32, OptionalHeader);
    ASSERT_LT(optional + sizeof(IMAGE_OPTIONAL_HEADER64), image.size());
    WORD magic = 0, characteristics = 0;
    memcpy(&magic, image.data() + optional, sizeof magic);
    // DllCharacteristics lies at the same offset in both optional headers.
    static_assert(offsetof(IMAGE_OPTIONAL_HEADER32, DllCharacteristics) ==
                  offsetof(IMAGE_OPTIONAL_HEADER64, DllCharacteristics));
    memcpy(&characteristics, image.data() + optional + offsetof(IMAGE_OPTIONAL_HEADER32, DllCharacteristics),
           sizeof characteristics);

    WORD wanted = IMAGE_DLLCHARACTERISTICS_TERMINAL_SERVER_AWARE | IMAGE_DLLCHARACTERISTICS_NX_COMPAT |
                  IMAGE_DLLCHARACTERISTICS_DYNAMIC_BASE;
    EXPECT_EQ(magic, sizeof(void*) == 8 ? IMAGE_NT_OPTIONAL_HDR64_MAGIC : IMAGE_NT_OPTIONAL_HDR32_MAGIC);
    if (magic == IMAGE_NT_OPTIONAL_HDR64_MAGIC)
        wanted |= IMAGE_DLLCHARACTERISTICS_HIGH_ENTROPY_VA;
    EXPECT_EQ(characteristics & wanted, wanted) << std::hex << characteristics;
}

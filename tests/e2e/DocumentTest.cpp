// The Readme click of the real menu: the shell comes from the Windows
// folder, so an "explorer.exe" planted on the disc, where the program's own
// folder and the current folder would be searched first, never runs.
#include "res/resource.h"
#include "tests/support/Driver.h"

#include <gtest/gtest.h>

using namespace e2e;

namespace
{

TEST(ReadmeLaunchTest, ShellFromTheWindowsFolderNotThePlantedCanary)
{
    MenuRegistry registry;
    FixtureDisc disc;
    const std::wstring marker = disc.Path(L"canary ran.txt");
    disc.AddInstaller(L"explorer.exe", "marker=" + ToUtf8(marker));
    disc.AddText(L"Readme.htm", "<html></html>");
    Process menu = Process::Start(disc.AddSplash(), {}, disc.Root());
    HWND window = menu.WaitForWindow();
    ASSERT_NE(window, nullptr);

    ClickButton(window, IDC_README);

    // The shell stays up showing the file; the menu reports no start failure.
    EXPECT_TRUE(WaitUntil([&] { return menu.LiveProcessCount() >= 2; }, 10000));
    EXPECT_FALSE(WaitForMessageBox(menu.Id(), 1000).has_value());
    EXPECT_FALSE(FileExists(marker));
}

}  // namespace

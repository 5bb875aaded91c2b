// The real Splash.exe driven from the keyboard through its own message loop:
// the focus starts on the suite (Enter there is ActivationTest's), Enter or
// Space runs the focused button, and the language chooser answers keys (Tab
// order and the arrows are the table of tests/dialog/KeyboardTest.cpp).
#include "tests/support/Driver.h"
#include "tests/support/TestKeys.h"

#include "res/resource.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

using namespace e2e;

namespace
{

using keys::kLanguageKey;

HWND Focus(HWND window)
{
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    return GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info) ? info.hwndFocus : nullptr;
}

int FocusId(HWND window) { return GetDlgCtrlID(Focus(window)); }

// Presses a key in the menu's thread as the keyboard would: posted to the
// focused window, with Shift held in the thread's key state when asked. A
// moving key returns once the focus has moved; the tests wait for what other
// keys do.
void Press(HWND window, UINT vk, bool shift = false)
{
    const DWORD thread = GetWindowThreadProcessId(window, nullptr);
    AttachThreadInput(GetCurrentThreadId(), thread, TRUE);
    BYTE keys[256];
    GetKeyboardState(keys);
    keys[VK_SHIFT] = shift ? 0x80 : 0;
    SetKeyboardState(keys);
    const HWND before = Focus(window);
    const HWND target = before != nullptr ? before : window;
    PostMessageW(target, WM_KEYDOWN, vk, 1);
    PostMessageW(target, WM_KEYUP, vk, 0xC0000001);
    if (vk == VK_TAB || (vk >= VK_LEFT && vk <= VK_DOWN))
        WaitUntil([&] { return Focus(window) != before; }, 3000);
    else
        Sleep(100);
    keys[VK_SHIFT] = 0;
    SetKeyboardState(keys);
    AttachThreadInput(GetCurrentThreadId(), thread, FALSE);
}

class KeyboardE2ETest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        registry.Value(HKEY_LOCAL_MACHINE, kLanguageKey, L"Language");
        WriteRegDword(HKEY_LOCAL_MACHINE, kLanguageKey, L"Language", 9);
        disc.AddInstaller(L"\\Corla\\setup.exe");
        disc.AddText(L"Readme.htm", "<html></html>");
        disc.AddInstaller(L"\\Bonus\\DesktopWallpapers\\setup.exe");
        menu = std::make_unique<Process>(Process::Start(disc.AddSplash(), {}, disc.Root()));
        window = menu->WaitForWindow();
        ASSERT_NE(window, nullptr);
        ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(window) != FALSE; }, 5000));
        ASSERT_TRUE(WaitUntil([&] { return FocusId(window) == IDC_SUITE; }, 5000));
    }

    MenuRegistry registry;
    FixtureDisc disc;
    std::unique_ptr<Process> menu;
    HWND window = nullptr;
};

}  // namespace

class KeyboardKeyE2ETest : public KeyboardE2ETest, public ::testing::WithParamInterface<UINT>
{};

TEST_P(KeyboardKeyE2ETest, EnterOrSpaceRunsTheFocusedWallpapersButton)
{
    Press(window, VK_TAB);
    Press(window, VK_TAB);
    ASSERT_EQ(FocusId(window), IDC_WALLPAPERS);
    Press(window, GetParam());
    EXPECT_TRUE(WaitUntil([&] { return !disc.Runs(L"\\Bonus\\DesktopWallpapers").empty(); }, 10000));
    EXPECT_TRUE(disc.Runs(L"\\Corla").empty());
}

INSTANTIATE_TEST_SUITE_P(EnterSpace, KeyboardKeyE2ETest, ::testing::Values(VK_RETURN, VK_SPACE));

class KeyboardChooserE2ETest : public KeyboardE2ETest, public ::testing::WithParamInterface<bool>
{};

// Shift+Tab twice from the suite reaches Language; Enter opens the chooser,
// where Tab and the arrows move and Enter chooses, or Esc leaves.
TEST_P(KeyboardChooserE2ETest, LanguageChooserAnswersTabArrowsEnterAndEsc)
{
    const bool escape = GetParam();
    Press(window, VK_TAB, true);
    Press(window, VK_TAB, true);
    ASSERT_EQ(FocusId(window), IDC_LANGUAGE);
    Press(window, VK_RETURN);
    HWND chooser = nullptr;
    ASSERT_TRUE(WaitUntil(
        [&] {
            for (HWND h = nullptr; (h = FindWindowExW(nullptr, h, nullptr, nullptr)) != nullptr;)
                if (GetDlgItem(h, IDC_LANG_ENGLISH) != nullptr && IsWindowVisible(h))
                    chooser = h;
            return chooser != nullptr && Focus(chooser) != nullptr;
        },
        5000));
    Press(chooser, VK_TAB);   // French
    Press(chooser, VK_DOWN);  // German
    EXPECT_EQ(FocusId(chooser), IDC_LANG_GERMAN);
    Press(chooser, escape ? VK_ESCAPE : VK_RETURN);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(chooser) || !IsWindowVisible(chooser); }, 5000));
    ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(GetDlgItem(window, IDC_SUITE)) != FALSE; }, 5000));
    EXPECT_EQ(ReadRegDword(HKEY_LOCAL_MACHINE, kLanguageKey, L"Language"), escape ? 9u : 7u);
    // The buttons' names follow the language.
    EXPECT_EQ(WindowText(GetDlgItem(window, IDC_LANGUAGE)) == L"Select a different language", escape);
}

INSTANTIATE_TEST_SUITE_P(EnterOrEsc, KeyboardChooserE2ETest, ::testing::Values(false, true));

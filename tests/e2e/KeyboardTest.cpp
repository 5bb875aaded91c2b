// The real Splash.exe driven from the keyboard through its own message loop:
// the focus starts on the suite, Enter or Space runs the focused button, the
// language chooser answers keys (Tab order and the arrows are the table of
// tests/dialog/KeyboardTest.cpp), and in front of another program's window,
// when either chooser closes, the menu is active and in the foreground again,
// so Enter on the suite reaches it.
#include "tests/support/Driver.h"
#include "tests/support/TestKeys.h"

#include "res/resource.h"

#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <memory>
#include <string>
#include <thread>
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

// A plain window of this process, with its own message loop, standing for
// another program's window behind the menu.
class OtherProgramWindow
{
public:
    OtherProgramWindow()
        : m_thread([this] {
              WNDCLASSW wc = {};
              wc.lpfnWndProc = DefWindowProcW;
              wc.hInstance = GetModuleHandleW(nullptr);
              wc.lpszClassName = L"OtherProgram";
              RegisterClassW(&wc);
              m_window = CreateWindowExW(0, wc.lpszClassName, L"Other program", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                                         1000, 700, nullptr, nullptr, wc.hInstance, nullptr);
              SetForegroundWindow(m_window);
              m_threadId = GetCurrentThreadId();
              m_ready = true;
              MSG msg;
              while (GetMessageW(&msg, nullptr, 0, 0) > 0)
                  DispatchMessageW(&msg);
              DestroyWindow(m_window);
          })
    {
        WaitUntil([this] { return m_ready.load(); }, 5000);
    }
    ~OtherProgramWindow()
    {
        PostThreadMessageW(m_threadId, WM_QUIT, 0, 0);
        m_thread.join();
    }
    HWND Window() const { return m_window; }

private:
    std::atomic<bool> m_ready{false};
    HWND m_window = nullptr;
    DWORD m_threadId = 0;
    std::thread m_thread;
};

void PressKey(WORD key)
{
    INPUT input[2] = {};
    input[0].type = input[1].type = INPUT_KEYBOARD;
    input[0].ki.wVk = input[1].ki.wVk = key;
    input[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, input, sizeof(INPUT));
}

// A visible top-level window of the process that holds control id.
HWND FindDialogWith(DWORD processId, int id)
{
    for (HWND window = FindWindowExW(nullptr, nullptr, nullptr, nullptr); window;
         window = FindWindowExW(nullptr, window, nullptr, nullptr))
    {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == processId && IsWindowVisible(window) && GetDlgItem(window, id))
            return window;
    }
    return nullptr;
}

bool ActiveAndForeground(HWND menu)
{
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    return GetForegroundWindow() == menu && GetGUIThreadInfo(GetWindowThreadProcessId(menu, nullptr), &info) &&
           info.hwndActive == menu;
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
            return (chooser = FindDialogWith(menu->Id(), IDC_LANG_ENGLISH)) != nullptr && Focus(chooser) != nullptr;
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

namespace
{
struct ChooserCase
{
    const char* name;
    int opener;       // the menu's button that opens the chooser
    int chooserItem;  // an item only that chooser has
    std::function<void(HWND chooser)> close;
};
void PrintTo(const ChooserCase& c, std::ostream* os) { *os << c.name; }

const ChooserCase kChooserCases[] = {
    {"LanguageChosen", IDC_LANGUAGE, IDC_LANG_GERMAN, [](HWND chooser) { ClickButton(chooser, IDC_LANG_GERMAN); }},
    {"LanguageEscape", IDC_LANGUAGE, IDC_LANG_GERMAN, [](HWND) { PressKey(VK_ESCAPE); }},
    {"ModelExit", IDC_MANUAL, IDC_MODEL_PRO, [](HWND chooser) { ClickButton(chooser, IDC_MODEL_CANCEL); }},
    {"ModelEscape", IDC_MANUAL, IDC_MODEL_PRO, [](HWND) { PressKey(VK_ESCAPE); }},
};

class ChooserActivationTest : public ::testing::TestWithParam<ChooserCase>
{};

TEST_P(ChooserActivationTest, MenuIsActiveAgainAndEnterRunsTheSuite)
{
    const ChooserCase& c = GetParam();
    MenuRegistry registry;
    registry.RemovedValue(HKEY_LOCAL_MACHINE, keys::kCodecKey, L"Codec");  // the model is asked for
    registry.Value(HKEY_LOCAL_MACHINE, keys::kZelvoraKey, L"SplashPath");
    FixtureDisc disc;
    std::wstring splash = disc.AddSplash();
    disc.AddInstaller(L"\\Corla\\setup.exe");
    OtherProgramWindow other;
    ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == other.Window(); }, 5000));

    Process menu = Process::Start(splash, {}, disc.Root());
    HWND window = menu.WaitForWindow();
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(WaitUntil([&] { return ActiveAndForeground(window); }, 5000)) << "the menu starts in front";

    ClickButton(window, c.opener);
    HWND chooser = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (chooser = FindDialogWith(menu.Id(), c.chooserItem)) != nullptr; }, 5000));
    ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == chooser; }, 5000));
    c.close(chooser);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(chooser) && IsWindowEnabled(window); }, 5000));

    EXPECT_TRUE(WaitUntil([&] { return ActiveAndForeground(window); }, 2000))
        << "foreground " << GetForegroundWindow() << ", menu " << window << ", other " << other.Window();
    PressKey(VK_RETURN);
    EXPECT_TRUE(WaitUntil([&] { return disc.Runs(L"\\Corla").size() == 1; }, 5000)) << "Enter reached the menu";
    ClickButton(window, IDOK);
    EXPECT_TRUE(menu.WaitForExit(5000));
}

INSTANTIATE_TEST_SUITE_P(Choosers, ChooserActivationTest, ::testing::ValuesIn(kChooserCases),
                         [](const ::testing::TestParamInfo<ChooserCase>& info) { return info.param.name; });
}  // namespace

// The real Splash.exe in front of another program's window: when either
// chooser closes, the menu is active and in the foreground again, so the
// keyboard still reaches it.
#include "res/resource.h"
#include "tests/support/Driver.h"
#include "tests/support/TestKeys.h"

#include <gtest/gtest.h>

#include <functional>

using namespace e2e;

namespace
{

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

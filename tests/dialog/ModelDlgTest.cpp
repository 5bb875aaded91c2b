// The hardware-model chooser on its own and as the manual click uses it: the
// answer of each button and of Esc, Enter and Alt+F4, the manual each answer
// opens, and when it is asked again (its English captions in every menu
// language are AccessibleNamesTest's).
#include "tests/support/DialogTestSupport.h"
#include "tests/support/MenuTest.h"

#include "actions/ModelDlg.h"
#include "res/resource.h"

#include <atomic>
#include <iterator>

namespace
{
using docs::MenuTest;

// Keys, posted to the focused Exit button as the keyboard would send them.
struct Key
{
    UINT message;
    WPARAM key;
    LPARAM flags;
};
const Key kKeys[] = {{WM_KEYDOWN, VK_ESCAPE, 0}, {WM_KEYDOWN, VK_RETURN, 0}, {WM_SYSKEYDOWN, VK_F4, 1 << 29 /* Alt */}};
const int kEscape = 0, kEnter = 1, kAltF4 = 2, kQuit = 3;

struct ChooserCase
{
    const char* name;
    int nAnswer, nModel;
    const wchar_t* pszManual;
};  // null: nothing opened
void PrintTo(const ChooserCase& c, std::ostream* os) { *os << c.name; }

const ChooserCase kChooserCases[] = {
    {"Lite", IDC_MODEL_LITE, kModelLite, L"Manual_Brisa.pdf"},
    {"Pro", IDC_MODEL_PRO, kModelPro, L"Manual_Quarn.pdf"},
    {"Exit", IDC_MODEL_CANCEL, kModelNone, nullptr},
    {"Escape", kEscape, kModelNone, nullptr},
    {"Enter", kEnter, kModelNone, nullptr},
    {"AltF4", kAltF4, kModelNone, nullptr},
    {"Quit", kQuit, kModelNone, nullptr},  // the program is asked to end while the chooser is open
};

class ModelChooserTest : public MenuTest, public ::testing::WithParamInterface<ChooserCase>
{
protected:
    void SetUp() override
    {
        MenuTest::SetUp();
        m_disc.AddText(L"\\Docs\\Manual_Brisa.pdf", "");
        m_disc.AddText(L"\\Docs\\Manual_Quarn.pdf", "");
        m_programs.AddInstaller(L"acrord32.exe");
        docs::SetAppPath(L"AcroRd32.exe", m_programs.Root());
        m_menu.RefreshButton(IDC_MANUAL);
        m_menu.m_nHardwareModel = kModelNone;
    }
    // Clicks the manual button; true when the chooser showed. A helper thread
    // answers it: a click on a button, or a key on the focused Exit button.
    bool ViewManual(int nAnswer)
    {
        std::atomic<bool> bShown{false};
        std::atomic<bool> bExitFocused{false};
        e2e::Poller answer([&, dwThread = ::GetCurrentThreadId()] {
            for (HWND hWnd = nullptr; (hWnd = ::FindWindowExW(nullptr, hWnd, nullptr, nullptr)) != nullptr;)
            {
                if (::GetWindowThreadProcessId(hWnd, nullptr) != dwThread || !::IsWindowVisible(hWnd) ||
                    ::GetDlgItem(hWnd, IDC_MODEL_PRO) == nullptr || bShown.exchange(true))
                    continue;
                const HWND hWndExit = ::GetDlgItem(hWnd, IDC_MODEL_CANCEL);
                GUITHREADINFO info{};
                info.cbSize = sizeof info;
                bExitFocused = ::GetGUIThreadInfo(dwThread, &info) && info.hwndFocus == hWndExit;
                if (nAnswer == kQuit)
                    ::PostThreadMessageW(dwThread, WM_QUIT, 0, 0);
                else if (nAnswer < static_cast<int>(std::size(kKeys)))
                    ::PostMessageW(hWndExit, kKeys[nAnswer].message, kKeys[nAnswer].key, kKeys[nAnswer].flags);
                else
                    e2e::ClickButton(hWnd, nAnswer);
            }
        });
        m_menu.ClickButton(IDC_MANUAL);
        answer.Stop();
        EXPECT_TRUE(!bShown || bExitFocused) << "the chooser opens with the focus on Exit";
        // (The quit is left for the menu's loop: the modal loop's, ModalLoopTest.)
        MSG msg;
        ::PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
        return bShown;
    }
    std::wstring ReaderRun(const wchar_t* pszManual) const
    {
        return m_programs.Root() + L"\\acrord32 " + m_disc.Root() + L"\\Docs\\" + pszManual;
    }
};

// The answer becomes the menu's model and picks the manual; a model once
// chosen is kept, while after Exit, Esc, Enter, Alt+F4 or a quit the next click asks again.
TEST_P(ModelChooserTest, AnswerPicksTheManualAndIsKept)
{
    const ChooserCase& c = GetParam();
    ASSERT_TRUE(ViewManual(c.nAnswer));
    EXPECT_EQ(m_menu.m_nHardwareModel, c.nModel);
    std::vector<std::wstring> expected;
    if (c.pszManual != nullptr)
        expected.push_back(ReaderRun(c.pszManual));
    EXPECT_EQ(docs::Runs(m_programs), expected);

    EXPECT_EQ(ViewManual(IDC_MODEL_LITE), c.pszManual == nullptr);
    expected.push_back(ReaderRun(c.pszManual != nullptr ? c.pszManual : L"Manual_Brisa.pdf"));
    EXPECT_EQ(docs::Runs(m_programs), expected);
}

INSTANTIATE_TEST_SUITE_P(Answers, ModelChooserTest, ::testing::ValuesIn(kChooserCases), docs::kCaseName);

}  // namespace

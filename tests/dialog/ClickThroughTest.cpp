// The rows of the button table that start nothing, clicked as a user clicks
// them: BN_CLICKED sent to the real menu, through its message map. The
// Language button opens the chooser, Exit ends the menu; a click entry
// missing from the message map leaves a dead button, and this shows it.
// The rows that start a program are clicked the same way, each with its
// whole command line, by LaunchCommandTest. This executable's CreateProcessW
// and MessageBoxW are replaced, recording anything a click asked for.
#include "tests/support/DialogTestSupport.h"
#include "tests/support/Driver.h"
#include "tests/support/ImportHook.h"
#include "tests/support/TestKeys.h"

#include "actions/ButtonTable.h"
#include "app/LanguageDlg.h"
#include "app/LauncherDlg.h"
#include "res/resource.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
std::vector<std::wstring> g_started;
bool g_bChooserSeen = false;

BOOL WINAPI RecordStart(LPCWSTR, LPWSTR pszCommandLine, LPSECURITY_ATTRIBUTES, LPSECURITY_ATTRIBUTES, BOOL, DWORD,
                        LPVOID, LPCWSTR, LPSTARTUPINFOW, LPPROCESS_INFORMATION)
{
    g_started.push_back(pszCommandLine);
    ::SetLastError(ERROR_FILE_NOT_FOUND);
    return FALSE;
}

int WINAPI AnswerOk(HWND, LPCWSTR, LPCWSTR, UINT) { return IDOK; }

// From the chooser's modal loop: note it, and close it with Esc.
void CALLBACK CloseChooser(HWND, UINT, UINT_PTR nTimer, DWORD)
{
    for (HWND hWnd = ::GetTopWindow(nullptr); hWnd != nullptr; hWnd = ::GetWindow(hWnd, GW_HWNDNEXT))
    {
        if (dynamic_cast<CLanguageDlg*>(CWnd::FromHandlePermanent(hWnd)) != nullptr && ::IsWindowVisible(hWnd))
        {
            ::KillTimer(nullptr, nTimer);
            g_bChooserSeen = true;
            ::PostMessageW(hWnd, WM_KEYDOWN, VK_ESCAPE, 0);
        }
    }
}

std::vector<ButtonRow> RowsWithoutAProgram()
{
    std::vector<ButtonRow> rows;
    for (const ButtonRow& row : MenuButtonTable())
        if (row.pfnClick == nullptr)
            rows.push_back(row);
    return rows;
}

class ClickThroughTest : public ::testing::TestWithParam<ButtonRow>
{
protected:
    void SetUp() override
    {
        m_registry.Key(HKEY_LOCAL_MACHINE, keys::kZelvoraKey);
        ASSERT_TRUE(m_menu.Create());
        m_menu.ShowWindow(SW_SHOW);
        g_started.clear();
        g_bChooserSeen = false;
    }
    void TearDown() override { m_menu.DestroyWindow(); }

    void Click(UINT nId)
    {
        const ImportHook start(L"kernel32.dll", "CreateProcessW", reinterpret_cast<const void*>(&RecordStart));
        const ImportHook answer(L"user32.dll", "MessageBoxW", reinterpret_cast<const void*>(&AnswerOk));
        const UINT_PTR nTimer = ::SetTimer(nullptr, 0, 20, CloseChooser);
        m_menu.SendMessage(WM_COMMAND, MAKEWPARAM(nId, BN_CLICKED),
                           reinterpret_cast<LPARAM>(m_menu.GetDlgItem(static_cast<int>(nId))));
        ::KillTimer(nullptr, nTimer);
    }

    e2e::MenuRegistry m_registry;
    CLauncherDlg m_menu;
};
}  // namespace

TEST_P(ClickThroughTest, TheClickRunsWhatItsRowSays)
{
    const ButtonRow& row = GetParam();
    Click(row.nId);
    if (row.nId == IDC_LANGUAGE)
    {
        EXPECT_TRUE(g_bChooserSeen) << "the Language button opened no chooser";
    }
    else
    {
        EXPECT_FALSE(m_menu.IsWindowVisible()) << "Exit left the menu open";
    }
    EXPECT_TRUE(g_started.empty());
}

INSTANTIATE_TEST_SUITE_P(Rows, ClickThroughTest, ::testing::ValuesIn(RowsWithoutAProgram()),
                         [](const auto& info) { return "Button" + std::to_string(info.param.nId); });

// Every row of the button table clicked as a user clicks it: BN_CLICKED sent
// to the real menu, through its message map, with every file of the table on
// the disc. A clickable row starts a program naming its first file, the
// Language button opens the chooser, Exit ends the menu. A click entry
// missing from the message map leaves a dead button, and this shows it.
// Programs are not started: this executable's CreateProcessW and MessageBoxW
// are replaced, recording what the click asked for.
#include "tests/support/DialogTestSupport.h"
#include "tests/support/Driver.h"
#include "tests/support/ImportHook.h"
#include "tests/support/TestKeys.h"

#include "actions/ButtonTable.h"
#include "actions/ModelDlg.h"
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

std::vector<ButtonRow> Rows() { return {MenuButtonTable().begin(), MenuButtonTable().end()}; }

class ClickThroughTest : public ::testing::TestWithParam<ButtonRow>
{
protected:
    void SetUp() override
    {
        m_registry.Key(HKEY_LOCAL_MACHINE, keys::kZelvoraKey)
            .RemovedKey(HKEY_LOCAL_MACHINE, keys::kAppPaths + L"Premiere.exe");
        // French: the Readme opened is the row's translated first file.
        e2e::WriteRegDword(HKEY_LOCAL_MACHINE, kLanguageKey, kLanguageValueName, 0x40C);
        ASSERT_TRUE(m_menu.Create());
        m_menu.ShowWindow(SW_SHOW);
        m_menu.m_strDiscRoot = m_disc.Root().c_str();
        m_menu.m_nHardwareModel = kModelLite;
        for (const ButtonRow& row : MenuButtonTable())
            for (const DiscFileIds& file : row.files)
                if (file.nFileNameId != 0)
                    e2e::WriteTextFile(static_cast<LPCWSTR>(m_menu.DiscPathOf(file)), {});
        m_menu.RefreshAllButtons(m_menu.m_language.Index());
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
    e2e::FixtureDisc m_disc{L"click disc"};
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
    else if (row.pfnClick == nullptr)
    {
        EXPECT_FALSE(m_menu.IsWindowVisible()) << "Exit left the menu open";
    }
    else
    {
        ASSERT_FALSE(g_started.empty()) << "a dead button: the click started nothing";
        const std::wstring first(static_cast<LPCWSTR>(m_menu.DiscPathOf(row.files[0])));
        EXPECT_NE(g_started.front().find(first), std::wstring::npos) << e2e::ToUtf8(g_started.front());
    }
    EXPECT_EQ(g_started.size() > 0, row.pfnClick != nullptr);
}

INSTANTIATE_TEST_SUITE_P(Rows, ClickThroughTest, ::testing::ValuesIn(Rows()),
                         [](const auto& info) { return "Button" + std::to_string(info.param.nId); });

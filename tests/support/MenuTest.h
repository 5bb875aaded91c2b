// The real menu created in this process, modeless, in English over a temp
// disc, with the fake installer standing in for the reader and the
// installers: the one menu builder of the in-process tests.
#pragma once

#include "actions/Language.h"
#include "app/LauncherDlg.h"
#include "tests/support/Driver.h"
#include "tests/support/TestKeys.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace docs
{
using keys::kAppPaths;
inline constexpr auto kCaseName = [](const auto& info) { return std::string(info.param.name); };

// An empty folder unregisters the application.
inline void SetAppPath(const std::wstring& exe, const std::wstring& folder)
{
    folder.empty() ? e2e::DeleteRegTree(HKEY_LOCAL_MACHINE, kAppPaths + exe)
                   : e2e::WriteRegString(HKEY_LOCAL_MACHINE, kAppPaths + exe, L"Path", folder);
}

// The command lines logged in that folder of the disc.
inline std::vector<std::wstring> Runs(const e2e::FixtureDisc& disc, const std::wstring& folder = L"")
{
    std::vector<std::wstring> commands;
    for (const e2e::InstallerRun& run : disc.Runs(folder))
        commands.push_back(run.commandLine);
    return commands;
}

class MenuTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        // Neither the reader nor Premiere is installed until a test says so.
        m_registry.Key(HKEY_LOCAL_MACHINE, keys::kZelvoraKey)
            .RemovedKey(HKEY_LOCAL_MACHINE, kAppPaths + L"AcroRd32.exe")
            .RemovedKey(HKEY_LOCAL_MACHINE, kAppPaths + L"Premiere.exe");
        e2e::WriteRegDword(HKEY_LOCAL_MACHINE, kLanguageKey, kLanguageValueName, 9);
        ASSERT_TRUE(m_menu.Create());
        m_menu.m_strDiscRoot = m_disc.Root().c_str();
    }
    void TearDown() override { m_menu.DestroyWindow(); }

    void SetLanguage(int nIndex) { m_menu.m_language = CLanguage::FromIndex(nIndex); }
    std::wstring Text(UINT nId) const { return static_cast<LPCWSTR>(m_menu.LoadText(nId)); }
    // Usable exactly when available; hovering it shows that text.
    void ExpectButton(UINT nId, bool bAvailable, const std::wstring& shown)
    {
        EXPECT_EQ(m_menu.Button(nId).IsWindowEnabled() != FALSE, bAvailable);
        EXPECT_EQ(m_menu.IsAvailable(nId), bAvailable);
        EXPECT_EQ(std::wstring(m_menu.Button(nId).GetDescription()), shown);
    }

    e2e::MenuRegistry m_registry;
    e2e::FixtureDisc m_programs{L"programs"};  // where the reader and Premiere are "installed"
    e2e::FixtureDisc m_disc;
    CLauncherDlg m_menu;
};
}  // namespace docs

// The real Splash.exe on a fixture disc whose root holds a blank, driven from
// outside: the suite button on each Windows version, with the DirectX step
// and the resume after the restart, and an add-on click.
#include "actions/Language.h"
#include "actions/SuiteInstaller.h"
#include "res/resource.h"
#include "tests/support/Driver.h"
#include "tests/support/TestKeys.h"

#include <gtest/gtest.h>

#include <iterator>
#include <ostream>

using namespace e2e;

namespace
{
using keys::kRunKey;
using keys::kUninstall;
using keys::kWallpapersCode;
using keys::kZelvoraKey;
const std::wstring kDirectX = L"\\Corla\\Support\\Directx8\\";
const std::wstring kDirectXInstaller = kDirectX + L"english\\dx81.exe";
const int kSuiteButton = IDC_SUITE;
const std::wstring kDirectXQuestion = L"For Zelvora Corla to work properly, Setup must now install Microsoft DirectX "
                                      L"8.1. Do you want to continue?\nIf you choose No, Zelvora Corla will not be "
                                      L"installed.";

class InstallSplashTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        // The DirectX installer's folder follows the system language.
        ASSERT_EQ(PRIMARYLANGID(::GetSystemDefaultLangID()), LANG_ENGLISH);
        PrepareRegistry();
    }
    void PrepareRegistry()
    {
        m_registry.RemovedValue(HKEY_LOCAL_MACHINE, kZelvoraKey, L"SplashPath");
        // The menu in French: the DirectX question stays English.
        WriteRegDword(HKEY_LOCAL_MACHINE, keys::kLanguageKey, L"Language", 0x40C);
        for (const wchar_t* code : {keys::kSuiteCode, keys::kVfwCodecsCode, kWallpapersCode})
            m_registry.RemovedKey(HKEY_LOCAL_MACHINE, kUninstall + code);
    }

    // dsetupVersion: what the disc's DirectX library reports; null: no library.
    Process StartSuite(const wchar_t* windows, const char* dsetupVersion, bool bDirectXInstaller = true)
    {
        m_disc.AddInstaller(L"\\Corla\\setup.exe");
        if (dsetupVersion != nullptr)
        {
            m_disc.AddFile(FixturePath(L"DSetup.dll"), kDirectX + L"DSetup.dll");
            m_disc.AddText(kDirectX + L"dsetup.version", dsetupVersion);
        }
        if (bDirectXInstaller)
            m_disc.AddInstaller(kDirectXInstaller);
        SetWindowsVersion(m_registry, L"Splash.exe", windows);
        Process menu = Process::Start(m_disc.AddSplash());
        ClickButton(menu.WaitForWindow(), kSuiteButton);
        return menu;
    }
    // Checks the next message box, the DirectX question unless told, and answers it.
    static void Answer(const Process& menu, int answer, const std::wstring& text = kDirectXQuestion)
    {
        const auto box = WaitForMessageBox(menu.Id());
        ASSERT_TRUE(box.has_value());
        EXPECT_EQ(box->caption, L"Directx 8.1 setup");
        EXPECT_EQ(box->text, text);
        DismissMessageBox(box->window, answer);
        ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(box->window); }, 5000));
    }

    std::optional<std::wstring> RunValue() const { return ReadRegString(HKEY_LOCAL_MACHINE, kRunKey, L"Splash"); }
    std::wstring Quoted(const std::wstring& relative) const { return L"\"" + m_disc.Path(relative) + L"\""; }

    MenuRegistry m_registry;
    FixtureDisc m_disc{L"disc with blanks"};
};

// Asks: and is answered No.
struct VersionCase
{
    const char* name;
    const wchar_t* windows;
    const char* dsetupVersion;
    bool bAsks, bLoadsLibrary;
};
void PrintTo(const VersionCase& c, std::ostream* os) { *os << c.name; }

class InstallSuiteVersionTest : public InstallSplashTest, public ::testing::WithParamInterface<VersionCase>
{};

TEST_P(InstallSuiteVersionTest, RunsTheSetupOrAsksAboutDirectX)
{
    Process menu = StartSuite(GetParam().windows, GetParam().dsetupVersion);
    if (GetParam().bAsks)
    {
        Answer(menu, IDNO);
        ::Sleep(300);
        EXPECT_TRUE(m_disc.Runs(L"\\Corla").empty());
        EXPECT_TRUE(menu.Running());
    }
    else
    {
        ASSERT_TRUE(WaitUntil([&] { return m_disc.Runs(L"\\Corla").size() == 1; }, 10000));
        EXPECT_EQ(m_disc.Runs(L"\\Corla")[0].commandLine, Quoted(L"\\Corla\\setup.exe") + L" /l0x40C");
        EXPECT_EQ(m_disc.Runs(L"\\Corla")[0].currentFolder, m_disc.Path(L"\\Corla"));
        EXPECT_FALSE(FindMessageBox(menu.Id()).has_value());
    }
    EXPECT_EQ(FileExists(m_disc.Path(kDirectX + L"dsetup.log")), GetParam().bLoadsLibrary);
    EXPECT_TRUE(m_disc.Runs(kDirectX + L"english").empty());
    EXPECT_EQ(ReadRegString(HKEY_LOCAL_MACHINE, kZelvoraKey, L"SplashPath"), m_disc.Path(L"setup.exe"));
    EXPECT_FALSE(RunValue().has_value());
}

INSTANTIATE_TEST_SUITE_P(Versions, InstallSuiteVersionTest,
                         ::testing::Values(VersionCase{"WindowsXp", L"winxp", "7", false, false},
                                           VersionCase{"Windows2000WithDirectX8", L"win2k", "8", false, true},
                                           VersionCase{"Windows2000WithDirectX7", L"win2k", "7", true, true},
                                           VersionCase{"Windows2000WithoutLibrary", L"win2k", nullptr, true, false},
                                           VersionCase{"NewerThanXp", L"win10", "7", false, false}),
                         [](const auto& info) { return std::string(info.param.name); });

// Yes: DirectX starts, the disc goes into the Run key, quoted, and the menu
// ends (the next start reads it back: LauncherDiscRootTest, and from a drive
// DriveRootTest).
TEST_F(InstallSplashTest, DirectXRestartLeavesTheDiscInTheRunKey)
{
    Process menu = StartSuite(L"win2k", "7");
    Answer(menu, IDYES);
    EXPECT_TRUE(menu.WaitForExit());
    ASSERT_TRUE(WaitUntil([&] { return m_disc.Runs(kDirectX + L"english").size() == 1; }, 5000));
    EXPECT_EQ(m_disc.Runs(kDirectX + L"english")[0].commandLine, Quoted(kDirectXInstaller));
    EXPECT_TRUE(m_disc.Runs(L"\\Corla").empty());
    EXPECT_EQ(RunValue(), Quoted(L"setup.exe"));  // a Run entry is a command line
}

TEST_F(InstallSplashTest, DirectXInstallerThatCannotStartIsReportedAndNothingRegistered)
{
    Process menu = StartSuite(L"win2k", "7", false);
    Answer(menu, IDYES);
    Answer(menu, IDOK, L"Impossible de trouver le fichier\u00a0: '" + Quoted(kDirectXInstaller) + L"'");
    ::Sleep(300);
    EXPECT_TRUE(menu.Running());
    EXPECT_FALSE(RunValue().has_value());
}

// Before Windows 2000 the click records the disc and does nothing else.
TEST_F(InstallSplashTest, OlderThanWindows2000WritesOnlyTheDiscAndStartsNothing)
{
    Process menu = StartSuite(L"nt40", "8");
    ASSERT_TRUE(
        WaitUntil([&] { return ReadRegString(HKEY_LOCAL_MACHINE, kZelvoraKey, L"SplashPath").has_value(); }, 5000));
    ::Sleep(500);
    EXPECT_EQ(ReadRegString(HKEY_LOCAL_MACHINE, kZelvoraKey, L"SplashPath"), m_disc.Path(L"setup.exe"));
    EXPECT_TRUE(m_disc.Runs(L"\\Corla").empty());
    EXPECT_TRUE(m_disc.Runs(kDirectX + L"english").empty());
    EXPECT_FALSE(FileExists(m_disc.Path(kDirectX + L"dsetup.log")));
    EXPECT_FALSE(FindMessageBox(menu.Id()).has_value());
    EXPECT_FALSE(RunValue().has_value());
    EXPECT_TRUE(menu.Running());
}

// Run again under other system languages (German, Japanese, French, Dutch):
// the DirectX installer comes from that language's folder, whatever the
// menu's language (French here).
class DirectXFolderTest : public InstallSplashTest
{
protected:
    void SetUp() override { PrepareRegistry(); }
};

TEST_F(DirectXFolderTest, InstallerFolderFollowsTheSystemLanguage)
{
    const WORD system = PRIMARYLANGID(::GetSystemDefaultLangID());
    const std::wstring expected = LanguageFromPrimary(system).pszDirectXFolder;
    for (int nIndex = 0; nIndex < kLanguageCount; ++nIndex)
        m_disc.AddInstaller(kDirectX + GetLanguage(nIndex).pszDirectXFolder + L"\\dx81.exe");
    Process menu = StartSuite(L"win2k", nullptr, false);
    Answer(menu, IDYES);
    EXPECT_TRUE(menu.WaitForExit());
    EXPECT_TRUE(WaitUntil([&] { return !m_disc.Runs(kDirectX + expected).empty(); }, 5000));
    for (int nIndex = 0; nIndex < kLanguageCount; ++nIndex)
    {
        const std::wstring folder = GetLanguage(nIndex).pszDirectXFolder;
        EXPECT_EQ(m_disc.Runs(kDirectX + folder).size(), folder == expected ? 1u : 0u)
            << ToUtf8(folder) << ", system language " << system;
    }
}
}  // namespace

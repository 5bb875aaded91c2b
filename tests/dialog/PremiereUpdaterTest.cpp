// The Premiere updater button of the real menu: offered while an older
// Premiere is installed and the international updater is on the disc; the
// updater run is chosen by the installed Premiere's language.
#include "tests/support/BrokenFiles.h"
#include "tests/support/MenuTest.h"

#include "actions/PremiereUpdater.h"
#include "res/resource.h"
#include "res/strings.h"

namespace
{
using docs::MenuTest;
using e2e::FixturePath;

const wchar_t kUpdaters[] = L"\\Bonus\\PremiereUpdater";
const wchar_t kInternational[] = L"\\Premiere6.01Setup.exe";
const wchar_t kGerman[] = L"\\German\\Premiere6.01SetupGER.exe";

// Path: what follows Premiere's folder in "Path" (null: not installed); PremInfo: the fixture folder of its
// preminfo.dll, or null; Updater: the one on the disc; Status 0: available, ~0u: disabled without a text.
struct RefreshCase
{
    const char* name;
    const wchar_t *pszPath, *pszPremInfo, *pszUpdater;
    UINT nStatus;
};
void PrintTo(const RefreshCase& c, std::ostream* os) { *os << c.name; }

const RefreshCase kRefreshCases[] = {
    {"NotInstalled", nullptr, nullptr, kInternational, ~0u},
    {"UpdatedTrailingBackslash", L"\\", L"preminfo-601", kInternational, IDS_STATUS_PREMIERE_INSTALLED},
    {"UpdatedAnsiTable", L"", L"preminfo-601-ansi", kInternational, IDS_STATUS_PREMIERE_INSTALLED},
    {"Version60", L"", L"preminfo-60", kInternational, 0},
    {"Version601Blank", L"\\", L"preminfo-601blank", kInternational, 0},
    {"NoVersionResource", L"", L"preminfo-none", kInternational, 0},
    {"NoPremInfo", L"", nullptr, kInternational, 0},
    {"OnlyGermanUpdater", L"", L"preminfo-60", kGerman, IDS_STATUS_PREMIERE_NOT_FOUND},
};

class PremiereRefreshTest : public MenuTest, public ::testing::WithParamInterface<RefreshCase>
{};

TEST_P(PremiereRefreshTest, OfferedForAnOlderPremiere)
{
    const RefreshCase& c = GetParam();
    SetLanguage(4);
    docs::SetAppPath(L"Premiere.exe", c.pszPath != nullptr ? m_programs.Root() + c.pszPath : L"");
    if (c.pszPremInfo != nullptr)
        m_programs.AddFile(FixturePath(std::wstring(c.pszPremInfo) + L"\\preminfo.dll"), L"preminfo.dll");
    m_disc.AddText(kUpdaters + std::wstring(c.pszUpdater), "");
    m_menu.RefreshButton(IDC_PREMIERE_UPDATER);

    ExpectButton(IDC_PREMIERE_UPDATER, c.nStatus == 0,
                 c.nStatus == ~0u ? L"" : Text(c.nStatus != 0 ? c.nStatus : IDS_DESC_PREMIERE_UPDATER));
}

INSTANTIATE_TEST_SUITE_P(Cases, PremiereRefreshTest, ::testing::ValuesIn(kRefreshCases), docs::kCaseName);

using PremiereFolderTest = MenuTest;

TEST_F(PremiereFolderTest, SameFolderWithOrWithoutTrailingBackslash)
{
    for (const wchar_t* pszPath : {L"C:\\Adobe\\Premiere 6.0\\", L"C:\\Adobe\\Premiere 6.0"})
    {
        docs::SetAppPath(L"Premiere.exe", pszPath);
        CString strFolder;
        EXPECT_TRUE(GetPremiereFolder(strFolder));
        EXPECT_EQ(std::wstring(strFolder), L"C:\\ADOBE\\PREMIERE 6.0");
    }
}

// Premiere: the fixture folder of premiere.exe; L"": registered without it; null: none.
struct InstallCase
{
    const char* name;
    const wchar_t *pszPremiere, *pszUpdater;
};
void PrintTo(const InstallCase& c, std::ostream* os) { *os << c.name; }

const InstallCase kInstallCases[] = {
    {"German", L"premiere-de", kGerman},
    {"French", L"premiere-fr", L"\\FRENCH\\Premiere6.01SetupFRN.exe"},
    {"Japanese", L"premiere-ja", L"\\Japanese\\Premiere6.01SetupJPN.exe"},
    {"Italian", L"premiere-it", kInternational},
    {"English", L"premiere-en", kInternational},
    {"NoLanguage", L"premiere-none", kInternational},
    {"PremiereExeMissing", L"", kInternational},
    {"NotInstalled", nullptr, kInternational},
};

class PremiereInstallTest : public MenuTest, public ::testing::WithParamInterface<InstallCase>
{};

// Whatever the menu's language (French here), the updater of Premiere's language runs.
TEST_P(PremiereInstallTest, RunsTheUpdaterOfPremieresLanguage)
{
    const InstallCase& c = GetParam();
    SetLanguage(1);
    docs::SetAppPath(L"Premiere.exe", c.pszPremiere != nullptr ? m_programs.Root() : L"");
    if (c.pszPremiere != nullptr && *c.pszPremiere != 0)
        m_programs.AddFile(FixturePath(std::wstring(c.pszPremiere) + L"\\premiere.exe"), L"premiere.exe");
    const wchar_t* const updaters[] = {kGerman, L"\\FRENCH\\Premiere6.01SetupFRN.exe",
                                       L"\\Japanese\\Premiere6.01SetupJPN.exe", kInternational};
    for (const std::wstring updater : updaters)
        m_disc.AddInstaller(kUpdaters + updater);

    m_menu.ClickButton(IDC_PREMIERE_UPDATER);

    for (const std::wstring updater : updaters)
    {
        const std::wstring folder = kUpdaters + updater.substr(0, updater.rfind(L'\\'));
        std::vector<std::wstring> expected;
        if (updater == c.pszUpdater)
            expected.push_back(m_disc.Path(kUpdaters + updater));
        EXPECT_EQ(docs::Runs(m_disc, folder), expected) << "folder " << e2e::ToUtf8(folder);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, PremiereInstallTest, ::testing::ValuesIn(kInstallCases), docs::kCaseName);

// Unreadable version resources: not "6.01", so the updater is offered, and no
// language, so the click runs the international updater.
class PremiereDamageTest : public MenuTest, public ::testing::WithParamInterface<broken::BrokenFile>
{};

TEST_P(PremiereDamageTest, BrokenPremiereFilesGiveTheInternationalUpdater)
{
    docs::SetAppPath(L"Premiere.exe", m_programs.Root());
    broken::Add(GetParam(), m_programs, L"premiere.exe", FixturePath(L"premiere-de\\premiere.exe"));
    broken::Add(GetParam(), m_programs, L"preminfo.dll", FixturePath(L"preminfo-601\\preminfo.dll"));
    for (const std::wstring updater : {kInternational, kGerman})
        m_disc.AddInstaller(kUpdaters + updater);
    m_menu.RefreshButton(IDC_PREMIERE_UPDATER);
    ExpectButton(IDC_PREMIERE_UPDATER, true, Text(IDS_DESC_PREMIERE_UPDATER));

    m_menu.ClickButton(IDC_PREMIERE_UPDATER);
    EXPECT_EQ(docs::Runs(m_disc, kUpdaters),
              std::vector<std::wstring>{m_disc.Path(kUpdaters + std::wstring(kInternational))});
    EXPECT_TRUE(docs::Runs(m_disc, kUpdaters + std::wstring(L"\\German")).empty());
}

INSTANTIATE_TEST_SUITE_P(Damage, PremiereDamageTest, ::testing::ValuesIn(broken::kBrokenFiles), docs::kCaseName);

// The button is refreshed after the updater has run: the 6.01 preminfo.dll it
// put in place shows as installed.
TEST_F(PremiereFolderTest, UpdaterThatInstalled601LeavesTheButtonDisabled)
{
    SetLanguage(2);
    docs::SetAppPath(L"Premiere.exe", m_programs.Root());
    m_programs.AddFile(FixturePath(L"premiere-en\\premiere.exe"), L"premiere.exe");
    m_programs.AddFile(FixturePath(L"preminfo-60\\preminfo.dll"), L"preminfo.dll");
    m_disc.AddInstaller(kUpdaters + std::wstring(kInternational),
                        "copyfrom=" + e2e::ToUtf8(FixturePath(L"preminfo-601\\preminfo.dll")) +
                            "\ncopyto=" + e2e::ToUtf8(m_programs.Path(L"preminfo.dll")));
    m_menu.RefreshButton(IDC_PREMIERE_UPDATER);
    ExpectButton(IDC_PREMIERE_UPDATER, true, Text(IDS_DESC_PREMIERE_UPDATER));

    m_menu.ClickButton(IDC_PREMIERE_UPDATER);
    ASSERT_EQ(docs::Runs(m_disc, kUpdaters).size(), 1u);
    ExpectButton(IDC_PREMIERE_UPDATER, false, Text(IDS_STATUS_PREMIERE_INSTALLED));
}
}  // namespace

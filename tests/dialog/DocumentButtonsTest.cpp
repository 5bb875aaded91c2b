// The manual, Readme and Acrobat Reader buttons of the real menu: when each
// is offered and why not, and what opens the manual and the Readme (their
// clicks are rows of ClickTableTest).
#include "tests/support/MenuTest.h"

#include "actions/DocumentButtons.h"
#include "res/resource.h"
#include "res/strings.h"
#include "tests/support/ImportHook.h"

namespace
{
using docs::MenuTest;
using docs::Runs;
using docs::SetAppPath;

const wchar_t kReaderInstaller[] = L"\\Bonus\\AcrobatReader\\Acrobat Reader 5.00.exe";

// The manual's or the reader installer's refresh step (bManual), with the
// reader registered or not and one file on the disc: what the button shows.
struct RefreshCase
{
    const char* name;
    bool bManual, bReader;
    const wchar_t* pszFile;
    UINT nStatus;
};  // 0: available
void PrintTo(const RefreshCase& c, std::ostream* os) { *os << c.name; }

const RefreshCase kRefreshCases[] = {
    {"ManualNeedsReader", true, false, L"\\Docs\\Manual_Brisa.pdf", IDS_STATUS_MANUAL_NEEDS_ACROBAT},
    {"ManualNoEdition", true, true, nullptr, IDS_STATUS_MANUAL_NOT_FOUND},
    {"ManualLiteEditionOnly", true, true, L"\\Docs\\Manual_Brisa.pdf", 0},
    {"ManualProEditionOnly", true, true, L"\\Docs\\Manual_Quarn.pdf", 0},
    {"ReaderInstalled", false, true, kReaderInstaller, IDS_STATUS_ACROBAT_INSTALLED},
    {"ReaderInstallerMissing", false, false, nullptr, IDS_STATUS_ACROBAT_NOT_FOUND},
    {"ReaderOffered", false, false, kReaderInstaller, 0},
};

class DocumentRefreshTest : public MenuTest, public ::testing::WithParamInterface<RefreshCase>
{};

TEST_P(DocumentRefreshTest, EnabledOrWhyNot)
{
    const RefreshCase& c = GetParam();
    SetLanguage(c.bManual ? 2 : 3);
    SetAppPath(L"AcroRd32.exe", c.bReader ? m_programs.Root() : L"");
    if (c.pszFile != nullptr)
        m_disc.AddText(c.pszFile, "");
    c.bManual ? m_menu.RefreshButton(IDC_MANUAL) : m_menu.RefreshButton(IDC_ACROBAT_READER);

    const UINT nShown = c.nStatus != 0 ? c.nStatus : c.bManual ? IDS_DESC_MANUAL : IDS_DESC_ACROBAT_READER;
    ExpectButton(c.bManual ? IDC_MANUAL : IDC_ACROBAT_READER, c.nStatus == 0, Text(nShown));
}

INSTANTIATE_TEST_SUITE_P(Cases, DocumentRefreshTest, ::testing::ValuesIn(kRefreshCases), docs::kCaseName);

using DocumentClickTest = MenuTest;

// The reader's folder goes in as registered: a trailing backslash is doubled.
TEST_F(DocumentClickTest, ManualOpensInTheRegisteredReader)
{
    m_programs.AddInstaller(L"acrord32.exe");
    m_disc.AddText(L"\\Docs\\Manual_Quarn.pdf", "");
    m_menu.m_nHardwareModel = kModelPro;
    std::vector<std::wstring> expected;
    for (const std::wstring& folder : {m_programs.Root(), m_programs.Root() + L"\\"})
    {
        SetAppPath(L"AcroRd32.exe", folder);
        m_menu.RefreshButton(IDC_MANUAL);
        m_menu.ClickButton(IDC_MANUAL);
        expected.push_back(folder + L"\\acrord32 " + m_disc.Root() + L"\\Docs\\Manual_Quarn.pdf");
    }
    EXPECT_EQ(Runs(m_programs), expected);
}

// On a Remote Desktop host with per-user Windows folders GetWindowsDirectoryW
// answers the user's private folder.
const wchar_t kPerUserWindows[] = L"C:\\Users\\remote\\WINDOWS";
UINT WINAPI PerUserWindowsDirectory(LPWSTR lpBuffer, UINT uSize)
{
    const UINT nLength = static_cast<UINT>(wcslen(kPerUserWindows));
    if (uSize <= nLength)
        return nLength + 1;
    wcscpy(lpBuffer, kPerUserWindows);
    return nLength;
}

// The shell is never searched for (a planted "explorer.exe" would come
// first), and it comes from the system's Windows folder, not the user's.
TEST(ReadmeCommandTest, ShellFromTheSystemWindowsFolderWithThePath)
{
    wchar_t sz[MAX_PATH];
    const std::wstring shell = std::wstring(sz, ::GetSystemWindowsDirectoryW(sz, MAX_PATH)) + L"\\explorer.exe ";
    const ImportHook perUser(L"kernel32.dll", "GetWindowsDirectoryW",
                             reinterpret_cast<const void*>(&PerUserWindowsDirectory));
    ASSERT_EQ(std::wstring(sz, ::GetWindowsDirectoryW(sz, MAX_PATH)), kPerUserWindows);
    EXPECT_EQ(std::wstring(ReadmeCommandLine(L"D:\\Readme.htm")), shell + L"\"D:\\Readme.htm\"");
    EXPECT_EQ(std::wstring(ReadmeCommandLine(L"D:\\My Disc\\Readme.htm")), shell + L"\"D:\\My Disc\\Readme.htm\"");
}

// Opened null: unavailable, showing the status text.
struct ReadmeCase
{
    const char* name;
    int nLanguage;
    std::vector<const wchar_t*> files;
    const wchar_t *pszOpened, *pszStatus;
};
void PrintTo(const ReadmeCase& c, std::ostream* os) { *os << c.name; }

const ReadmeCase kReadmeCases[] = {
    {"JapaneseOwn", 5, {L"\\Readme\\readme.jp.htm", L"\\Readme.htm"}, L"\\Readme\\readme.jp.htm", nullptr},
    {"JapaneseFallback", 5, {L"\\Readme\\readme.fr.htm", L"\\Readme.htm"}, L"\\Readme.htm", nullptr},
    {"JapaneseNone", 5, {L"\\Readme\\readme.fr.htm"}, nullptr, L"Readme.htm が見つかりません。"},
    {"FrenchNone", 1, {}, nullptr, L"Le fichier Readme.htm est introuvable."},
    {"EnglishFromRoot", 0, {L"\\Readme.htm"}, L"\\Readme.htm", nullptr},
    {"EnglishNotFromReadmeFolder", 0, {L"\\Readme\\Readme.htm"}, nullptr, L"Readme.htm could not be found."},
};

class ReadmeTest : public MenuTest, public ::testing::WithParamInterface<ReadmeCase>
{};

TEST_P(ReadmeTest, MenuLanguageFirstThenEnglishFromTheRoot)
{
    const ReadmeCase& c = GetParam();
    SetLanguage(c.nLanguage);
    for (const wchar_t* pszFile : c.files)
        m_disc.AddText(pszFile, "");
    m_menu.RefreshButton(IDC_README);

    ExpectButton(IDC_README, c.pszOpened != nullptr, c.pszStatus != nullptr ? c.pszStatus : Text(IDS_DESC_README));
    EXPECT_EQ(std::wstring(m_menu.TargetOf(IDC_README)), c.pszOpened != nullptr ? m_disc.Path(c.pszOpened) : L"");
}

INSTANTIATE_TEST_SUITE_P(Cases, ReadmeTest, ::testing::ValuesIn(kReadmeCases), docs::kCaseName);
}  // namespace

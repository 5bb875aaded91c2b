// The manual, Readme and Acrobat Reader buttons of the real menu: when each
// is offered and why not, and what their clicks start.
#include "tests/dialog/DocumentTestSupport.h"

#include "actions/DocumentButtons.h"
#include "res/strings.h"

namespace
{
using docs::MenuTest;
using docs::Runs;
using docs::SetAppPath;

const wchar_t kReaderInstaller[] = L"\\Bonus\\AcrobatReader\\Acrobat Reader 5.00.exe";

// The manual's or the reader installer's refresh step (bManual), with the
// reader registered or not and one file on the disc: what the button shows.
struct RefreshCase { const char* name; bool bManual, bReader; const wchar_t* pszFile; UINT nStatus; };  // 0: available
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

class DocumentRefreshTest : public MenuTest, public ::testing::WithParamInterface<RefreshCase> {};

TEST_P(DocumentRefreshTest, EnabledOrWhyNot)
{
    const RefreshCase& c = GetParam();
    SetLanguage(c.bManual ? 2 : 3);
    SetAppPath(L"AcroRd32.exe", c.bReader ? m_programs.Root() : L"");
    if (c.pszFile != nullptr)
        m_disc.AddText(c.pszFile, "");
    c.bManual ? m_menu.RefreshManual() : m_menu.RefreshAcrobatReader();

    const UINT nShown = c.nStatus != 0 ? c.nStatus : c.bManual ? IDS_DESC_MANUAL : IDS_DESC_ACROBAT_READER;
    ExpectButton(c.bManual ? m_menu.m_btnManual : m_menu.m_btnAcrobatReader,
                 c.bManual ? kAvailManual : kAvailAcrobatReader, c.nStatus == 0, Text(nShown));
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
        m_menu.RefreshManual();
        m_menu.OnViewManual();
        expected.push_back(folder + L"\\acrord32 " + m_disc.Root() + L"\\Docs\\Manual_Quarn.pdf");
    }
    EXPECT_EQ(Runs(m_programs), expected);
}

// The installer shows its own windows and the menu does not wait for it.
TEST_F(DocumentClickTest, AcrobatReaderInstallerStartsWithoutWaiting)
{
    m_disc.AddInstaller(kReaderInstaller, "sleep=2000");
    const DWORD dwStart = ::GetTickCount();
    m_menu.OnInstallAcrobatReader();
    EXPECT_LT(::GetTickCount() - dwStart, 1500u);

    const std::wstring folder = L"\\Bonus\\AcrobatReader";
    e2e::WaitUntil([&] { return !Runs(m_disc, folder).empty(); }, 5000);
    EXPECT_EQ(Runs(m_disc, folder), std::vector<std::wstring>{L"\"" + m_disc.Path(kReaderInstaller) + L"\""});
}

// On a Remote Desktop host with per-user Windows folders GetWindowsDirectoryW
// answers the user's private folder. This process's import of it is pointed
// at such an answer while the object lives.
class PerUserWindowsFolder
{
public:
    PerUserWindowsFolder() { Repoint(m_original, reinterpret_cast<ULONG_PTR>(&PerUserFolder)); }
    ~PerUserWindowsFolder() { Repoint(reinterpret_cast<ULONG_PTR>(&PerUserFolder), m_original); }
    PerUserWindowsFolder(const PerUserWindowsFolder&) = delete;
    PerUserWindowsFolder& operator=(const PerUserWindowsFolder&) = delete;

    static constexpr const wchar_t* kFolder = L"C:\\Users\\remote\\WINDOWS";

private:
    static UINT WINAPI PerUserFolder(LPWSTR lpBuffer, UINT uSize)
    {
        const UINT nLength = static_cast<UINT>(wcslen(kFolder));
        if (uSize > nLength)
            wcscpy(lpBuffer, kFolder);
        return uSize > nLength ? nLength : nLength + 1;
    }
    // Every import slot of this executable that holds from gets to.
    static void Repoint(ULONG_PTR from, ULONG_PTR to)
    {
        auto* pBase = reinterpret_cast<BYTE*>(::GetModuleHandleW(nullptr));
        const auto* pNt = reinterpret_cast<const IMAGE_NT_HEADERS*>(
            pBase + reinterpret_cast<const IMAGE_DOS_HEADER*>(pBase)->e_lfanew);
        const IMAGE_DATA_DIRECTORY& imports = pNt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
        for (auto* pImport = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(pBase + imports.VirtualAddress);
             pImport->Name != 0; ++pImport)
            for (auto* pSlot = reinterpret_cast<IMAGE_THUNK_DATA*>(pBase + pImport->FirstThunk);
                 pSlot->u1.Function != 0; ++pSlot)
                if (pSlot->u1.Function == from)
                {
                    DWORD dwOld = 0;
                    ::VirtualProtect(&pSlot->u1.Function, sizeof(ULONG_PTR), PAGE_READWRITE, &dwOld);
                    pSlot->u1.Function = to;
                    ::VirtualProtect(&pSlot->u1.Function, sizeof(ULONG_PTR), dwOld, &dwOld);
                }
    }

    const ULONG_PTR m_original = reinterpret_cast<ULONG_PTR>(
        ::GetProcAddress(::GetModuleHandleW(L"kernel32.dll"), "GetWindowsDirectoryW"));
};

// The shell is never searched for (a planted "explorer.exe" would come
// first), and it comes from the system's Windows folder, not the user's.
TEST(ReadmeCommandTest, ShellFromTheSystemWindowsFolderWithThePath)
{
    wchar_t sz[MAX_PATH];
    const std::wstring shell = std::wstring(sz, ::GetSystemWindowsDirectoryW(sz, MAX_PATH)) + L"\\explorer.exe ";
    PerUserWindowsFolder perUser;
    ASSERT_EQ(std::wstring(sz, ::GetWindowsDirectoryW(sz, MAX_PATH)), PerUserWindowsFolder::kFolder);
    EXPECT_EQ(std::wstring(ReadmeCommandLine(L"D:\\Readme.htm")), shell + L"D:\\Readme.htm");
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

class ReadmeTest : public MenuTest, public ::testing::WithParamInterface<ReadmeCase> {};

TEST_P(ReadmeTest, MenuLanguageFirstThenEnglishFromTheRoot)
{
    const ReadmeCase& c = GetParam();
    SetLanguage(c.nLanguage);
    for (const wchar_t* pszFile : c.files)
        m_disc.AddText(pszFile, "");
    m_menu.RefreshReadme();

    ExpectButton(m_menu.m_btnReadme, kAvailReadme, c.pszOpened != nullptr,
                 c.pszStatus != nullptr ? c.pszStatus : Text(IDS_DESC_README));
    EXPECT_EQ(std::wstring(m_menu.m_strReadmePath), c.pszOpened != nullptr ? m_disc.Path(c.pszOpened) : L"");
}

INSTANTIATE_TEST_SUITE_P(Cases, ReadmeTest, ::testing::ValuesIn(kReadmeCases), docs::kCaseName);
}  // namespace

// The registry probes against the prefix's own HKEY_LOCAL_MACHINE, under a
// test key that is removed around each test, and the folder probe against a
// temp folder.
#include "probes/Folder.h"
#include "probes/Registry.h"
#include "probes/WindowsVersion.h"
#include "tests/support/ImportHook.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace
{
const wchar_t kTestKey[] = L"SOFTWARE\\SplashTest";
const wchar_t kMissingKey[] = L"SOFTWARE\\SplashTest\\Missing";
const wchar_t kTestProduct[] = L"{0D2C5A77-53A1-4F0B-9E1C-5A7E57C0DE01}";

std::wstring TestSubKey(LPCWSTR lpszChild) { return std::wstring(kTestKey) + L"\\" + lpszChild; }

bool KeyExists(const std::wstring& subKey)
{
    HKEY hKey = nullptr;
    if (::RegOpenKeyExW(HKEY_LOCAL_MACHINE, subKey.c_str(), 0, KEY_READ, &hKey) != ERROR_SUCCESS)
        return false;
    ::RegCloseKey(hKey);
    return true;
}

class RegistryProbeTest : public ::testing::Test
{
protected:
    void SetUp() override { RemoveTestKeys(); }
    void TearDown() override { RemoveTestKeys(); }

    static void RemoveTestKeys()
    {
        for (LPCWSTR lpszChild : {L"Zelvora\\Sorlan", L"Zelvora", L"Child"})
            ::RegDeleteKeyW(HKEY_LOCAL_MACHINE, TestSubKey(lpszChild).c_str());
        ::RegDeleteKeyW(HKEY_LOCAL_MACHINE, kTestKey);
    }

    // Stores the bytes as given, bypassing the probes.
    static void SetRawValue(LPCWSTR lpszName, DWORD dwType, const void* pData, DWORD cbData)
    {
        HKEY hKey = nullptr;
        ASSERT_EQ(
            ::RegCreateKeyExW(HKEY_LOCAL_MACHINE, kTestKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &hKey, nullptr),
            ERROR_SUCCESS);
        EXPECT_EQ(::RegSetValueExW(hKey, lpszName, 0, dwType, static_cast<const BYTE*>(pData), cbData), ERROR_SUCCESS);
        ::RegCloseKey(hKey);
    }
};

struct RawStringCase
{
    const char* name;
    DWORD dwType;
    const wchar_t* pData;
    DWORD cbData;
    bool bRead;
    const wchar_t* pszAfter;  // the output string after the read
};

void PrintTo(const RawStringCase& c, std::ostream* os) { *os << c.name; }

class ReadStringTest : public RegistryProbeTest, public ::testing::WithParamInterface<RawStringCase>
{};

TEST_P(ReadStringTest, ReadsOnlyStringValuesAndEndsTheTextWithTheData)
{
    const RawStringCase& c = GetParam();
    SetRawValue(L"Path", c.dwType, c.pData, c.cbData);
    CString str(L"previous");

    EXPECT_EQ(ReadRegistryString(kTestKey, L"Path", str), c.bRead);
    EXPECT_STREQ(str, c.pszAfter);
}

const RawStringCase kRawStringCases[] = {
    {"Plain", REG_SZ, L"D:\\Disc", 16, true, L"D:\\Disc"},
    {"Empty", REG_SZ, L"", 2, true, L""},
    {"NoData", REG_SZ, L"", 0, true, L""},
    {"NoTerminatingNul", REG_SZ, L"abc", 6, true, L"abc"},
    {"OddByteCount", REG_SZ, L"abcd", 7, true, L"abc"},
    {"EmbeddedNul", REG_SZ, L"ab\0cd", 12, true, L"ab"},
    {"ExpandStringRefused", REG_EXPAND_SZ, L"%TEMP%", 14, false, L"previous"},
    {"MultiStringRefused", REG_MULTI_SZ, L"a\0b\0", 10, false, L"previous"},
};

INSTANTIATE_TEST_SUITE_P(Values, ReadStringTest, ::testing::ValuesIn(kRawStringCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(RegistryProbeTest, NumberReadsNeedExactlyFourBytes)
{
    const DWORD dwFour = 0x40C;
    const unsigned long long qwEight = 7;
    SetRawValue(L"Dword", REG_DWORD, &dwFour, 4);
    SetRawValue(L"Binary", REG_BINARY, &dwFour, 4);
    SetRawValue(L"Qword", REG_QWORD, &qwEight, 8);

    DWORD dw = 99;
    EXPECT_FALSE(ReadRegistryDword(kTestKey, L"Qword", dw));
    EXPECT_FALSE(ReadRegistryDword(kTestKey, L"Missing", dw));
    EXPECT_FALSE(ReadRegistryDword(kMissingKey, L"Dword", dw));
    EXPECT_EQ(dw, 99u);
    EXPECT_TRUE(ReadRegistryDword(kTestKey, L"Dword", dw));
    EXPECT_EQ(dw, 0x40Cu);
    dw = 99;
    EXPECT_TRUE(ReadRegistryDword(kTestKey, L"Binary", dw));  // the type is not examined
    EXPECT_EQ(dw, 0x40Cu);
}

TEST_F(RegistryProbeTest, WritingCreatesMissingSubkeys)
{
    const std::wstring subKey = TestSubKey(L"Zelvora\\Sorlan");
    ASSERT_EQ(WriteRegistryDword(subKey.c_str(), L"Language", 1036), ERROR_SUCCESS);
    ASSERT_EQ(WriteRegistryString(subKey.c_str(), L"SplashPath", L"D:\\日本語\\Français"), ERROR_SUCCESS);

    DWORD dw = 0;
    EXPECT_TRUE(ReadRegistryDword(subKey.c_str(), L"Language", dw));
    EXPECT_EQ(dw, 1036u);
    CString str;
    EXPECT_TRUE(ReadRegistryString(subKey.c_str(), L"SplashPath", str));
    EXPECT_STREQ(str, L"D:\\日本語\\Français");
}

TEST_F(RegistryProbeTest, WritesReportTheErrorCode)
{
    // A volatile key cannot hold a lasting subkey, so creating one fails.
    HKEY hKey = nullptr;
    ASSERT_EQ(::RegCreateKeyExW(HKEY_LOCAL_MACHINE, kTestKey, 0, nullptr, REG_OPTION_VOLATILE, KEY_ALL_ACCESS, nullptr,
                                &hKey, nullptr),
              ERROR_SUCCESS);
    ::RegCloseKey(hKey);
    const std::wstring child = TestSubKey(L"Child");

    EXPECT_EQ(WriteRegistryDword(child.c_str(), L"Language", 9), ERROR_CHILD_MUST_BE_VOLATILE);
    EXPECT_EQ(WriteRegistryString(child.c_str(), L"Splash", L"D:\\setup.exe"), ERROR_CHILD_MUST_BE_VOLATILE);
    EXPECT_FALSE(KeyExists(child));
}

TEST_F(RegistryProbeTest, DeleteRemovesTheValueAndKeepsTheKey)
{
    ASSERT_EQ(WriteRegistryString(kTestKey, L"Splash", L"D:\\setup.exe"), ERROR_SUCCESS);

    EXPECT_TRUE(DeleteRegistryValue(kTestKey, L"Splash"));
    CString str;
    EXPECT_FALSE(ReadRegistryString(kTestKey, L"Splash", str));
    EXPECT_TRUE(KeyExists(kTestKey));
    EXPECT_FALSE(DeleteRegistryValue(kTestKey, L"Splash"));
    EXPECT_FALSE(DeleteRegistryValue(kMissingKey, L"Splash"));
}

TEST(UninstallKeyTest, KeyWithoutValuesCountsAsInstalled)
{
    const std::wstring key = std::wstring(kUninstallKeyPrefix) + kTestProduct;
    HKEY hKey = nullptr;
    ASSERT_EQ(
        ::RegCreateKeyExW(HKEY_LOCAL_MACHINE, key.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &hKey, nullptr),
        ERROR_SUCCESS);
    ::RegCloseKey(hKey);

    EXPECT_TRUE(UninstallKeyExists(kTestProduct));
    EXPECT_TRUE(UninstallKeyExists(L"{0d2c5a77-53a1-4f0b-9e1c-5a7e57c0de01}"));
    ::RegDeleteKeyW(HKEY_LOCAL_MACHINE, key.c_str());
    EXPECT_FALSE(UninstallKeyExists(kTestProduct));
}

struct EntryCase
{
    const char* name;
    const wchar_t* pszEntry;
    bool bFound;
};

void PrintTo(const EntryCase& c, std::ostream* os) { *os << c.name; }

// A temp folder holding SETUP.EXE, Éclair.txt and a subfolder Manuals.
class FolderProbeTest : public ::testing::TestWithParam<EntryCase>
{
protected:
    static void SetUpTestSuite()
    {
        wchar_t szTemp[MAX_PATH];
        ::GetTempPathW(MAX_PATH, szTemp);
        s_folder = std::wstring(szTemp) + L"SplashFolderTest";
        ::CreateDirectoryW(s_folder.c_str(), nullptr);
        ::CreateDirectoryW((s_folder + L"\\Manuals").c_str(), nullptr);
        for (LPCWSTR lpszFile : kFiles)
            ::CloseHandle(::CreateFileW((s_folder + lpszFile).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                        FILE_ATTRIBUTE_NORMAL, nullptr));
    }

    static void TearDownTestSuite()
    {
        for (LPCWSTR lpszFile : kFiles)
            ::DeleteFileW((s_folder + lpszFile).c_str());
        ::RemoveDirectoryW((s_folder + L"\\Manuals").c_str());
        ::RemoveDirectoryW(s_folder.c_str());
    }

    static constexpr LPCWSTR kFiles[] = {L"\\SETUP.EXE", L"\\Éclair.txt"};
    static std::wstring s_folder;
};

std::wstring FolderProbeTest::s_folder;

TEST_P(FolderProbeTest, FindsEntriesWhateverTheirCase)
{
    EXPECT_EQ(FolderContains(GetParam().pszEntry, s_folder.c_str()), GetParam().bFound);
}

const EntryCase kEntryCases[] = {
    {"LowerCaseName", L"setup.exe", true},     {"MixedCaseName", L"Setup.Exe", true},
    {"AccentedName", L"éclair.TXT", true},     {"Subfolder", L"manuals", true},
    {"NameWithoutExtension", L"setup", false}, {"AbsentName", L"readme.txt", false},
};

INSTANTIATE_TEST_SUITE_P(Names, FolderProbeTest, ::testing::ValuesIn(kEntryCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(FolderProbeMissingTest, FolderThatDoesNotExistHoldsNothing)
{
    EXPECT_FALSE(FolderContains(L"setup.exe", L"C:\\SplashNoSuchFolder"));
}

// Past MAX_PATH the search goes through the literal "\\?\" form.
TEST(FolderProbeLongPathTest, FindsEntriesBeyondMaxPath)
{
    wchar_t szTemp[MAX_PATH];
    std::wstring folder(szTemp, ::GetTempPathW(MAX_PATH, szTemp));
    folder += L"SplashLong";
    std::vector<std::wstring> created{folder};
    ::CreateDirectoryW(folder.c_str(), nullptr);
    while (folder.size() < MAX_PATH + 20)
    {
        folder += L"\\" + std::wstring(40, L'x');
        ::CreateDirectoryW((L"\\\\?\\" + folder).c_str(), nullptr);
        created.push_back(folder);
    }
    ::CreateDirectoryW((L"\\\\?\\" + folder + L"\\Corla").c_str(), nullptr);

    EXPECT_TRUE(FolderContains(L"corla", folder.c_str()));
    EXPECT_FALSE(FolderContains(L"setup.exe", folder.c_str()));

    ::RemoveDirectoryW((L"\\\\?\\" + folder + L"\\Corla").c_str());
    for (auto it = created.rbegin(); it != created.rend(); ++it)
        ::RemoveDirectoryW((L"\\\\?\\" + *it).c_str());
}

std::wstring g_searched;
HANDLE WINAPI RecordingFind(LPCWSTR lpszPattern, LPWIN32_FIND_DATAW)
{
    g_searched = lpszPattern;
    ::SetLastError(ERROR_PATH_NOT_FOUND);
    return INVALID_HANDLE_VALUE;
}

// What the search is handed, for roots Wine cannot provide (a network share).
TEST(FolderProbeLongPathTest, LongDriveAndShareRootsTakeTheirLiteralForm)
{
    const std::wstring tail = L"\\" + std::wstring(MAX_PATH, L'x');
    const std::pair<std::wstring, std::wstring> kCases[] = {
        {L"D:\\Disc", L"D:\\Disc\\*"},
        {L"D:" + tail.substr(0, MAX_PATH - 5),
         L"D:" + tail.substr(0, MAX_PATH - 5) + L"\\*"},  // the longest plain pattern
        {L"D:" + tail.substr(0, MAX_PATH - 4), L"\\\\?\\D:" + tail.substr(0, MAX_PATH - 4) + L"\\*"},
        {L"\\\\server\\share", L"\\\\server\\share\\*"},
        {L"D:" + tail, L"\\\\?\\D:" + tail + L"\\*"},
        {L"\\\\server\\share" + tail, L"\\\\?\\UNC\\server\\share" + tail + L"\\*"},
        {L"\\\\?\\D:" + tail, L"\\\\?\\D:" + tail + L"\\*"},
        {L"Disc" + tail, L"Disc" + tail + L"\\*"},  // relative: it has no literal form
    };
    const ImportHook find(L"kernel32.dll", "FindFirstFileW", reinterpret_cast<const void*>(&RecordingFind));
    for (const auto& [folder, pattern] : kCases)
    {
        EXPECT_FALSE(FolderContains(L"setup.exe", folder.c_str()));
        EXPECT_EQ(g_searched, pattern);
    }
}

DWORD g_dwMajor = 0, g_dwMinor = 0;
BOOL WINAPI ReportedVersion(LPOSVERSIONINFOW pInfo)
{
    pInfo->dwMajorVersion = g_dwMajor;
    pInfo->dwMinorVersion = g_dwMinor;
    return TRUE;
}

// Versions Wine is not set to report (Server 2003 and XP x64 are 5.2).
TEST(WindowsVersionProbeTest, EachVersionTakesItsPath)
{
    const struct
    {
        DWORD dwMajor, dwMinor;
        WindowsVersionClass expected;
    } kVersions[] = {{4, 0, kWindowsOther}, {4, 90, kWindowsOther}, {5, 0, kWindows2000},  {5, 1, kWindowsXP},
                     {5, 2, kWindowsNewer}, {6, 0, kWindowsNewer},  {10, 0, kWindowsNewer}};
    const ImportHook version(L"kernel32.dll", "GetVersionExW", reinterpret_cast<const void*>(&ReportedVersion));
    for (const auto& v : kVersions)
    {
        g_dwMajor = v.dwMajor;
        g_dwMinor = v.dwMinor;
        EXPECT_EQ(ClassifyWindowsVersion(), v.expected) << v.dwMajor << "." << v.dwMinor;
    }
}
}  // namespace

// Paths quoted so that Windows splits the line back into the path that was
// meant (the switch of every language is in the click table, ClickTableTest).
#include "actions/CommandLine.h"

#include <gtest/gtest.h>

#include <shellapi.h>

#include <string>
#include <vector>

namespace
{
std::vector<std::wstring> Split(const CString& strCommandLine)
{
    int nCount = 0;
    LPWSTR* argv = ::CommandLineToArgvW(strCommandLine, &nCount);
    std::vector<std::wstring> args(argv, argv + nCount);
    ::LocalFree(argv);
    return args;
}

// As the program and as a later argument (where backslashes before a quote
// escape it), the path comes back whole and the switch stays apart.
TEST(CommandLine, WindowsSplitsTheLineBackIntoThePath)
{
    for (const wchar_t* pszPath : {L"D:\\Corla\\setup.exe", L"C:\\disc with blanks\\Corla\\setup.exe",
                                   L"C:\\tab\there\\setup.exe", L"C:\\100% sure\\%s\\setup.exe"})
    {
        const std::wstring path(pszPath);
        EXPECT_EQ(Split(QuoteArgument(pszPath) + LanguageSwitch(9)), (std::vector<std::wstring>{path, L"/l0x09"}));
        EXPECT_EQ(Split(L"viewer.exe " + QuoteArgument(pszPath)), (std::vector<std::wstring>{L"viewer.exe", path}));
    }
    EXPECT_EQ(Split(L"x.exe " + QuoteArgument(L"C:\\a b\\\\") + L" /q"),
              (std::vector<std::wstring>{L"x.exe", L"C:\\a b\\\\", L"/q"}));
}

TEST(CommandLine, QuotesOnlyPathsWithBlanks)
{
    EXPECT_STREQ(QuoteArgument(L"D:\\ExtraPlug-ins\\3DsMax\\setup.exe"), L"D:\\ExtraPlug-ins\\3DsMax\\setup.exe");
    EXPECT_STREQ(QuoteArgument(L"C:\\50%s\\setup.exe"), L"C:\\50%s\\setup.exe");
    EXPECT_STREQ(QuoteArgument(L"C:\\disc with blanks\\"), L"\"C:\\disc with blanks\\\\\"");
}
}  // namespace

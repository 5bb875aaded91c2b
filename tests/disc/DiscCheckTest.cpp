// DiscCheck on the demo disc's content as the image holds it, on a broken
// copy of it, and on roots it cannot read.
#include "res/strings.h"
#include "tests/disc/CdromDrive.h"
#include "tests/disc/DiscTestSupport.h"
#include "tests/support/Driver.h"

#include <gtest/gtest.h>

using namespace e2e;

namespace {

std::wstring Text(UINT id)
{
    wchar_t text[256] = L"";
    LoadStringW(GetModuleHandleW(nullptr), id, text, ARRAYSIZE(text));
    return text;
}

// The output without its first line, which names the root as given.
std::wstring Findings(const DiscCheckRun& run)
{
    return run.output.substr(run.output.find(L'\n') + 1);
}

TEST(DiscCheckTest, DemoDiscPassesWithEveryButtonListedInTheMenusOrder)
{
    const DiscCheckRun run = RunDiscCheck({kDiscContent});
    EXPECT_EQ(run.exitCode, 0u) << ToUtf8(run.output);
    size_t position = 0;
    for (UINT id : {IDS_CAPTION_SUITE, IDS_CAPTION_PREMIERE_UPDATER, IDS_CAPTION_AFTER_EFFECTS, IDS_CAPTION_3DS_MAX,
                    IDS_CAPTION_SPICEMASTER, IDS_CAPTION_ACROBAT_READER, IDS_CAPTION_MANUAL, IDS_CAPTION_README,
                    IDS_CAPTION_WALLPAPERS, IDS_CAPTION_VFW_CODECS, IDS_CAPTION_LIGHTWAVE, IDS_CAPTION_EFFECTS}) {
        const size_t found = run.output.find(L"\n" + Text(id), position);
        ASSERT_NE(found, std::wstring::npos) << ToUtf8(Text(id)) << " missing or out of order";
        position = found + 1;
    }
    for (const wchar_t* file : {L"found    Corla\\Support\\Directx8\\DSetup.dll",
                                L"found    Corla\\Support\\Directx8\\Japanese\\dx81.exe",
                                L"found    Readme\\readme.jp.htm", L"MISSING  Readme\\readme.it.htm",
                                L"-> Readme.htm found", L"found    Docs\\Manual_Quarn.pdf"})
        EXPECT_NE(run.output.find(file), std::wstring::npos) << ToUtf8(file);
    EXPECT_TRUE(run.Problems().empty());
    EXPECT_EQ(run.Lines().back(), L"No problems: every button the menu shows finds its files.");
}

TEST(DiscCheckTest, BrokenDiscNamesExactlyItsThreeProblems)
{
    FixtureDisc disc(L"Broken disc \u00e9 \u65e5\u672c");
    CopyTree(kDiscContent, disc.Root());
    ASSERT_TRUE(DeleteFileW(disc.Path(L"ExtraPlug-ins\\3DSMax\\setup.exe").c_str()));
    ASSERT_TRUE(MoveFileW(disc.Path(L"Readme.htm").c_str(), disc.Path(L"Read me.htm").c_str()));
    ASSERT_TRUE(DeleteFileW(disc.Path(L"Corla\\Support\\Directx8\\DSetup.dll").c_str()));

    const DiscCheckRun run = RunDiscCheck({disc.Root()});
    EXPECT_EQ(run.exitCode, 1u);
    EXPECT_EQ(run.Lines().front(), L"Disc root: " + disc.Root() + L"\\");
    const std::vector<std::wstring> expected = {
        L"PROBLEM: Install Zelvora Corla: Corla\\Support\\Directx8\\DSetup.dll is missing (needed for: Windows 2000, "
        L"DirectX check).",
        L"PROBLEM: Install 3ds max plug-in: ExtraPlug-ins\\3DSMax\\setup.exe is missing (the button stays disabled on "
        L"every machine).",
        L"PROBLEM: View Zelvora Velquin Readme: Readme.htm is missing (needed for: English, Italian, Spanish).",
    };
    EXPECT_EQ(run.Problems(), expected) << ToUtf8(run.output);
    EXPECT_EQ(run.Lines()[run.Lines().size() - 4], L"3 problems:");
}

// With or without a trailing backslash, with forward slashes, as a bare
// drive or a drive's root: the same findings.
TEST(DiscCheckTest, EveryFormOfTheRootGivesTheSameFindings)
{
    const DiscCheckRun plain = RunDiscCheck({kDiscContent});
    std::wstring slashes = kDiscContent;
    for (wchar_t& c : slashes)
        c = c == L'\\' ? L'/' : c;
    for (const std::wstring& root : {kDiscContent + L"\\", slashes, slashes + L"/"}) {
        const DiscCheckRun run = RunDiscCheck({root});
        EXPECT_EQ(run.exitCode, 0u) << ToUtf8(root);
        EXPECT_EQ(run.output, plain.output) << ToUtf8(root);
    }

    CdromDrive drive(L'x', kDiscContentUnix);
    ASSERT_TRUE(drive.Defined());
    const DiscCheckRun bare = RunDiscCheck({L"X:"});
    EXPECT_EQ(bare.exitCode, 0u);
    EXPECT_EQ(bare.Lines().front(), L"Disc root: X:\\");
    EXPECT_EQ(Findings(bare), Findings(plain));
    for (const wchar_t* root : {L"X:\\", L"x:", L"X:/"})
        EXPECT_EQ(RunDiscCheck({root}).output, bare.output) << ToUtf8(root);
}

struct BadRootCase {
    const char* name;
    std::vector<std::wstring> arguments;
    const wchar_t* sentence;  // the start of what it says
};
void PrintTo(const BadRootCase& c, std::ostream* os) { *os << c.name; }

class DiscCheckBadRootTest : public ::testing::TestWithParam<BadRootCase> {};

TEST_P(DiscCheckBadRootTest, ExitsWithTwoAndOneSentence)
{
    const BadRootCase& c = GetParam();
    std::vector<std::wstring> arguments = c.arguments;
    for (std::wstring& argument : arguments)
        if (argument == L"<file>")
            argument = kDiscContent + L"\\Splash.exe";
    const DiscCheckRun run = RunDiscCheck(arguments);
    EXPECT_EQ(run.exitCode, 2u);
    ASSERT_EQ(run.Lines().size(), 1u) << ToUtf8(run.output);
    EXPECT_EQ(run.Lines()[0].rfind(c.sentence, 0), 0u) << ToUtf8(run.output);
    EXPECT_EQ(run.Lines()[0].back(), L'.');
}

INSTANTIATE_TEST_SUITE_P(
    Roots, DiscCheckBadRootTest,
    ::testing::Values(BadRootCase{"NoArgument", {}, L"Usage: DiscCheck <disc root>"},
                      BadRootCase{"Empty", {L""}, L"Usage: DiscCheck <disc root>"},
                      BadRootCase{"Two", {L"C:\\Disc", L"D:\\Disc"}, L"Usage: DiscCheck <disc root>"},
                      BadRootCase{"Missing", {L"C:\\no such disc \u00e9"},
                                  L"Cannot read the disc root \"C:\\no such disc \u00e9\""},
                      BadRootCase{"AFile", {L"<file>"}, L"Cannot read the disc root"},
                      BadRootCase{"UnknownDrive", {L"Q:"}, L"Cannot read the disc root \"Q:\""}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace

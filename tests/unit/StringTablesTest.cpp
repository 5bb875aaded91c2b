// Checks the six string tables linked into this executable: every text the
// menu loads at language base + id must exist in every language with the same
// placeholders and line breaks, and the English-only entries must stay so.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "actions/Language.h"
#include "res/strings.h"

namespace
{

// The bases of the languages but English.
std::vector<UINT> TranslatedBases()
{
    std::vector<UINT> bases;
    for (int index = 1; index < kLanguageCount; ++index)
        bases.push_back(GetLanguage(index).nBase);
    return bases;
}
const std::vector<UINT> kTranslatedBases = TranslatedBases();

// Loaded at the bare id whatever the language.
const UINT kFixedIds[] = {
    IDS_TITLE_SPLASH,          IDS_TITLE_DIRECTX,        IDS_FOLDER_ACROBAT_READER,
    IDS_FOLDER_WALLPAPERS,     IDS_FOLDER_PIXELAN,       IDS_FOLDER_VFW_CODECS,
    IDS_FOLDER_3DS_MAX,        IDS_FOLDER_AFTER_EFFECTS, IDS_FOLDER_LIGHTWAVE,
    IDS_FILE_ACROBAT_READER,   IDS_FILE_SETUP,           IDS_FOLDER_PREMIERE_UPDATER,
    IDS_FILE_PREMIERE_UPDATER, IDS_FOLDER_DOCS,          IDS_FILE_MANUAL_LITE,
    IDS_FILE_MANUAL_PRO,       IDS_FOLDER_README,        IDS_FOLDER_CORLA,
    IDS_FOLDER_EFFECTS,        IDS_FILE_EFFECTS_SETUP,   IDS_FILE_SPICEMASTER,
};

// Translated entries that may read as the English one: names and file names.
const UINT kMayMatchEnglish[] = {IDS_LANGUAGE_NAME, IDS_FILE_README};

// Empty when the id is absent: the tables hold no empty texts.
std::wstring Load(UINT id)
{
    const wchar_t* text = nullptr;
    const int length = LoadStringW(GetModuleHandleW(nullptr), id, reinterpret_cast<LPWSTR>(&text), 0);
    return length > 0 ? std::wstring(text, static_cast<size_t>(length)) : std::wstring();
}

// Loaded at language base + id: every English text in the texts' id range
// but the English-only entries.
std::vector<UINT> TranslatedIds()
{
    std::vector<UINT> ids;
    for (UINT id = IDS_FIRST_TEXT; id < IDS_END_TEXT; ++id)
        if (!Load(id).empty() && std::find(std::begin(kFixedIds), std::end(kFixedIds), id) == std::end(kFixedIds))
            ids.push_back(id);
    return ids;
}

size_t Count(const std::wstring& text, const std::wstring& needle)
{
    size_t n = 0;
    for (size_t at = text.find(needle); at != std::wstring::npos; at = text.find(needle, at + needle.size()))
        ++n;
    return n;
}

std::string IdName(const testing::TestParamInfo<UINT>& info) { return "Id" + std::to_string(info.param); }

class TranslatedText : public testing::TestWithParam<UINT>
{};

TEST_P(TranslatedText, ExistsInEveryLanguageWithTheSameFormat)
{
    const std::wstring english = Load(GetParam());
    ASSERT_FALSE(english.empty());
    for (UINT base : kTranslatedBases)
    {
        SCOPED_TRACE(base + GetParam());
        const std::wstring text = Load(base + GetParam());
        ASSERT_FALSE(text.empty());
        // A stray '%' would be taken as a conversion by the formatter.
        EXPECT_EQ(Count(text, L"%s"), Count(english, L"%s"));
        EXPECT_EQ(Count(text, L"%"), Count(english, L"%"));
        EXPECT_EQ(Count(text, L"\n"), Count(english, L"\n"));
        EXPECT_EQ(text.back() == L'\n', english.back() == L'\n');
        // English pasted into another table.
        EXPECT_TRUE(text != english || std::count(std::begin(kMayMatchEnglish), std::end(kMayMatchEnglish), GetParam()))
            << "untranslated";
    }
}

INSTANTIATE_TEST_SUITE_P(StringTables, TranslatedText, testing::ValuesIn(TranslatedIds()), IdName);

class FixedEntry : public testing::TestWithParam<UINT>
{};

TEST_P(FixedEntry, ExistsInEnglishOnly)
{
    EXPECT_FALSE(Load(GetParam()).empty());
    for (UINT base : kTranslatedBases)
        EXPECT_TRUE(Load(base + GetParam()).empty()) << base + GetParam();
}

INSTANTIATE_TEST_SUITE_P(StringTables, FixedEntry, testing::ValuesIn(kFixedIds), IdName);

// The language table, told once: what each language stores, which system
// language selects it, where its texts start, what it is called, and the
// files it names on a disc. The other tests walk the product's table.
TEST(StringTables, EveryLanguageRowIsExact)
{
    struct Language
    {
        int value;
        UINT base;
        const wchar_t *name, *readme, *directX;
        WORD systemLanguage;
    };
    const Language languages[] = {
        {0x09, 0, L"English", L"Readme.htm", L"english", LANG_ENGLISH},
        {0x40C, 1000, L"Fran\u00e7ais", L"readme.fr.htm", L"French", LANG_FRENCH},
        {0x07, 2000, L"Deutsch", L"readme.de.htm", L"German", LANG_GERMAN},
        {0x10, 3000, L"Italiano", L"readme.it.htm", L"Italian", LANG_ITALIAN},
        {0x0A, 4000, L"Espa\u00f1ol", L"readme.es.htm", L"Spanish", LANG_SPANISH},
        {0x11, 5000, L"\u65e5\u672c\u8a9e", L"readme.jp.htm", L"Japanese", LANG_JAPANESE},
    };
    for (int index = 0; index < kLanguageCount; ++index)
    {
        const Language& language = languages[index];
        const LanguageInfo& row = LanguageFromPrimary(language.systemLanguage);
        EXPECT_EQ(row.nIndex, index);
        EXPECT_EQ(row.nValue, language.value);
        EXPECT_EQ(row.nBase, language.base);
        EXPECT_EQ(Load(row.NameId()), language.name);
        EXPECT_EQ(Load(language.base + IDS_FILE_README), language.readme);
        EXPECT_STREQ(row.pszDirectXFolder, language.directX);
        EXPECT_EQ(CLanguage::FromStoredValue(language.value).Index(), index);
        const CLanguage chosen = CLanguage::FromIndex(index);
        EXPECT_EQ(chosen.StoredValue(), language.value);
        EXPECT_EQ(chosen.Base(), static_cast<int>(language.base));
        EXPECT_EQ(std::wstring(chosen.LoadText(IDS_CAPTION_SUITE)), Load(language.base + IDS_CAPTION_SUITE));
    }
    EXPECT_STREQ(LanguageFromPrimary(LANG_DUTCH).pszDirectXFolder, L"english");
    EXPECT_TRUE(CLanguage().IsEnglish());
}

// The reviewed list, id to text; "\\n" stands for a line break, "\\\\" for a backslash.
std::map<UINT, std::wstring> ReadReviewedTexts()
{
    std::map<UINT, std::wstring> texts;
    FILE* file = _wfopen(SPLASH_STRINGS_LIST, L"rb");
    if (file == nullptr)
        return texts;
    char line[2048];
    while (fgets(line, sizeof line, file) != nullptr)
    {
        wchar_t wide[2048];
        const int length = MultiByteToWideChar(CP_UTF8, 0, line, -1, wide, 2048) - 1;
        std::wstring entry(wide, static_cast<size_t>(length > 0 ? length : 0));
        while (!entry.empty() && (entry.back() == L'\n' || entry.back() == L'\r'))
            entry.pop_back();
        const size_t tab = entry.find(L'\t');
        if (entry.empty() || entry[0] == L'#' || tab == std::wstring::npos)
            continue;
        std::wstring text;
        for (size_t i = tab + 1; i < entry.size(); ++i)
            text += entry[i] == L'\\' && i + 1 < entry.size() ? (entry[++i] == L'n' ? L'\n' : entry[i]) : entry[i];
        texts[static_cast<UINT>(std::stoul(entry.substr(0, tab)))] = text;
    }
    fclose(file);
    return texts;
}

// Each text stands at its reviewed id in every language (two texts swapped
// between ids show), and no text is in the tables without being reviewed.
TEST(StringTables, EveryTextIsTheReviewedOneAtItsId)
{
    const std::map<UINT, std::wstring> reviewed = ReadReviewedTexts();
    ASSERT_GT(reviewed.size(), 300u);
    for (const auto& [id, text] : reviewed)
        EXPECT_EQ(Load(id), text) << "text " << id;
    for (UINT id = 0; id < IDS_LANGUAGE_ROOM * IDS_LANGUAGE_STEP + IDS_END_TEXT; ++id)
        EXPECT_TRUE(Load(id).empty() || reviewed.count(id) == 1) << "text " << id << " is not in the reviewed list";
}

// Resource-compiler escapes: backslashes, doubled quotes and line breaks.
TEST(StringTables, EnglishOnlyTextsAndEscapesSurviveCompilation)
{
    EXPECT_EQ(Load(IDS_TITLE_SPLASH), L"Splash.exe");
    EXPECT_EQ(Load(IDS_TITLE_DIRECTX), L"Directx 8.1 setup");
    // A lone backslash before "3" would compile to an octal escape.
    EXPECT_EQ(Load(IDS_FOLDER_3DS_MAX), L"%s\\ExtraPlug-ins\\3DsMax");
    EXPECT_EQ(Load(IDS_MSG_CANNOT_FIND_FILE), L"Cannot find the file : '%s'");
    EXPECT_NE(Load(IDS_STATUS_SUITE_VFW_INSTALLED).find(L"(using \"Add/Remove Programs\" in"), std::wstring::npos);
    EXPECT_NE(Load(IDS_MSG_DIRECTX_QUESTION).find(L"continue?\nIf you"), std::wstring::npos);
}

}  // namespace

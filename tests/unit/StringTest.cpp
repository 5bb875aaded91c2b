#include "framework/String.h"
#include "actions/Language.h"

#include "res/strings.h"

#include <gtest/gtest.h>

TEST(StringTest, SubstitutesPlaceholderLiterally)
{
    EXPECT_EQ(CString::Substitute(L"%s\\Corla", L"D:\\100%s %d"), CString(L"D:\\100%s %d\\Corla"));
    EXPECT_EQ(CString::Substitute(L"Cannot find the file : '%s'", L"a%%b"), CString(L"Cannot find the file : 'a%%b'"));
    EXPECT_EQ(CString::Substitute(L"no placeholder 100%", L"x"), CString(L"no placeholder 100%"));
}

TEST(StringTest, ReverseFindGivesTheLastOccurrence)
{
    const CString strPath(L"D:\\Disc\\Splash.exe");
    EXPECT_EQ(strPath.ReverseFind(L'\\'), 7);
    EXPECT_EQ(strPath.ReverseFind(L'/'), -1);
    EXPECT_EQ(CString().ReverseFind(L'\\'), -1);
}

TEST(StringTest, ExtractionClampsCountsAndPositionsToTheText)
{
    const CString str(L"setup.exe");
    EXPECT_STREQ(str.Left(5), L"setup");
    EXPECT_STREQ(str.Left(-1), L"");
    EXPECT_STREQ(str.Left(100), L"setup.exe");
    EXPECT_STREQ(str.Mid(6), L"exe");
    EXPECT_STREQ(str.Mid(100), L"");
    EXPECT_STREQ(str.Mid(-3, 5), L"setup");
    EXPECT_STREQ(str.Mid(6, 100), L"exe");
    EXPECT_STREQ(str.Mid(2, -1), L"");
    EXPECT_STREQ(str.Right(3), L"exe");
    EXPECT_STREQ(str.Right(100), L"setup.exe");
    EXPECT_STREQ(str.Right(-1), L"");
}

TEST(StringTest, CaseChangesCoverAccentedLetters)
{
    CString str(L"café é");
    EXPECT_STREQ(str.MakeUpper(), L"CAFÉ É");
    EXPECT_STREQ(str.MakeLower(), L"café é");
}

TEST(StringTest, LoadStringOfAMissingIdGivesEmptyText)
{
    CString str(L"previous");
    EXPECT_FALSE(str.LoadString(60000));
    EXPECT_TRUE(str.IsEmpty());

    EXPECT_TRUE(str.LoadString(IDS_CAPTION_SUITE));
    EXPECT_FALSE(str.IsEmpty());
}

TEST(StringTest, ReleaseBufferTakesTheTextUpToTheFirstNul)
{
    CString str;
    wcscpy(str.GetBuffer(16), L"Velquin");
    str.ReleaseBuffer();
    EXPECT_EQ(str.GetLength(), 7);
    EXPECT_STREQ(str, L"Velquin");

    str.GetBuffer(16);
    str.ReleaseBuffer(3);
    EXPECT_STREQ(str, L"Vel");
}

// A stored value the table does not know: English texts, the value passed on.
TEST(LanguageValueTest, UnknownValueShowsEnglishButIsPassedOnAsStored)
{
    const CLanguage unknown = CLanguage::FromStoredValue(0x4D2);
    EXPECT_TRUE(unknown.IsEnglish());
    EXPECT_EQ(unknown.Base(), 0);
    EXPECT_EQ(unknown.StoredValue(), 0x4D2);
    EXPECT_TRUE(CLanguage(kLanguageCount, 9).IsEnglish());  // no such index
}

#include "framework/String.h"

#include <gtest/gtest.h>

TEST(StringTest, SubstitutesPlaceholderLiterally)
{
    EXPECT_EQ(CString::Substitute(L"%s\\Corla", L"D:\\100%s %d"), CString(L"D:\\100%s %d\\Corla"));
    EXPECT_EQ(CString::Substitute(L"Cannot find the file : '%s'", L"a%%b"),
              CString(L"Cannot find the file : 'a%%b'"));
    EXPECT_EQ(CString::Substitute(L"no placeholder 100%", L"x"), CString(L"no placeholder 100%"));
}

#include "actions/CommandLine.h"

CString QuoteArgument(const CString& strPath)
{
    if (strPath.Find(L' ') < 0 && strPath.Find(L'\t') < 0)
        return strPath;
    return AlwaysQuoted(strPath);
}

CString AlwaysQuoted(const CString& strPath)
{
    // Backslashes before the closing quote are doubled so that they stay
    // backslashes instead of escaping the quote.
    int nTrailingBackslashes = 0;
    while (nTrailingBackslashes < strPath.GetLength() &&
           strPath.GetAt(strPath.GetLength() - 1 - nTrailingBackslashes) == L'\\')
        ++nTrailingBackslashes;

    CString strQuoted(L"\"");
    strQuoted += strPath;
    for (int i = 0; i < nTrailingBackslashes; ++i)
        strQuoted += L'\\';
    strQuoted += L'"';
    return strQuoted;
}

CString LanguageSwitch(int nLanguageValue)
{
    wchar_t szHex[9] = L"";
    const auto value = static_cast<unsigned long>(static_cast<DWORD>(nLanguageValue));
    ::wsprintfW(szHex, L"%.2lX", value);
    return CString(L" /l0x") + szHex;
}

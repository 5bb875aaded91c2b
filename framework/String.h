// CString: a UTF-16 text value. Loads texts from the program's string tables,
// compares, searches and changes case the way the menu needs, and fills a
// "%s" placeholder by plain substitution: the inserted text is never read as
// a format, so a "%" in a path is an ordinary character.
#pragma once

#include <windows.h>

#include <string>

class CString
{
public:
    CString() = default;
    CString(LPCWSTR psz) : m_str(psz != nullptr ? psz : L"") {}  // NOLINT: implicit like LPCWSTR
    CString(LPCWSTR pch, int nLength) : m_str(pch, static_cast<size_t>(nLength)) {}

    operator LPCWSTR() const noexcept { return m_str.c_str(); }  // NOLINT: implicit by design
    int GetLength() const noexcept { return static_cast<int>(m_str.size()); }
    bool IsEmpty() const noexcept { return m_str.empty(); }
    void Empty() noexcept { m_str.clear(); }
    wchar_t GetAt(int nIndex) const { return m_str.at(static_cast<size_t>(nIndex)); }

    // Loads string nID of the program's module; a missing string gives an empty text.
    BOOL LoadString(UINT nID);

    CString& operator+=(const CString& str)
    {
        m_str += str.m_str;
        return *this;
    }
    CString& operator+=(LPCWSTR psz)
    {
        if (psz != nullptr)
            m_str += psz;
        return *this;
    }
    CString& operator+=(wchar_t ch)
    {
        m_str += ch;
        return *this;
    }
    friend CString operator+(CString left, const CString& right) { return left += right; }
    friend CString operator+(CString left, LPCWSTR right) { return left += right; }
    friend CString operator+(LPCWSTR left, const CString& right) { return CString(left) += right; }
    friend bool operator==(const CString& a, const CString& b) noexcept { return a.m_str == b.m_str; }
    friend bool operator!=(const CString& a, const CString& b) noexcept { return a.m_str != b.m_str; }
    friend bool operator==(const CString& a, LPCWSTR b) { return a == CString(b); }
    friend bool operator!=(const CString& a, LPCWSTR b) { return a != CString(b); }

    // Ordinal comparison: <0, 0 or >0.
    int Compare(LPCWSTR psz) const;
    int Find(wchar_t ch, int nStart = 0) const noexcept;
    int Find(LPCWSTR pszSub, int nStart = 0) const;
    int ReverseFind(wchar_t ch) const noexcept;
    CString Left(int nCount) const;
    CString Mid(int nFirst) const;
    CString Mid(int nFirst, int nCount) const;
    CString Right(int nCount) const;

    // Case changes follow the system's linguistic rules, not just ASCII.
    CString& MakeUpper();
    CString& MakeLower();

    // Direct write access for APIs that fill a buffer. ReleaseBuffer(-1)
    // takes the length up to the first NUL.
    LPWSTR GetBuffer(int nMinLength);
    void ReleaseBuffer(int nNewLength = -1);

    // pattern with every "%s" replaced by text, literally.
    static CString Substitute(LPCWSTR pattern, LPCWSTR text);

private:
    std::wstring m_str;
};

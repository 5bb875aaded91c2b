#include "framework/String.h"

#include "framework/ResourceModule.h"

#include <algorithm>
#include <cwchar>

BOOL CString::LoadString(UINT nID)
{
    // Length 0 asks for a read-only pointer into the resource itself, so texts
    // of any length load whole and nothing is copied twice.
    LPCWSTR pResource = nullptr;
    const int nLength = ::LoadStringW(AfxGetResourceHandle(), nID, reinterpret_cast<LPWSTR>(&pResource), 0);
    if (nLength <= 0 || pResource == nullptr)
    {
        Empty();
        return FALSE;
    }
    m_str.assign(pResource, static_cast<size_t>(nLength));
    return TRUE;
}

int CString::Compare(LPCWSTR psz) const { return m_str.compare(psz != nullptr ? psz : L""); }

int CString::Find(wchar_t ch, int nStart) const noexcept
{
    if (nStart < 0 || nStart > GetLength())
        return -1;
    const size_t pos = m_str.find(ch, static_cast<size_t>(nStart));
    return pos == std::wstring::npos ? -1 : static_cast<int>(pos);
}

int CString::Find(LPCWSTR pszSub, int nStart) const
{
    if (pszSub == nullptr || nStart < 0 || nStart > GetLength())
        return -1;
    const size_t pos = m_str.find(pszSub, static_cast<size_t>(nStart));
    return pos == std::wstring::npos ? -1 : static_cast<int>(pos);
}

int CString::ReverseFind(wchar_t ch) const noexcept
{
    const size_t pos = m_str.rfind(ch);
    return pos == std::wstring::npos ? -1 : static_cast<int>(pos);
}

CString CString::Left(int nCount) const
{
    nCount = std::clamp(nCount, 0, GetLength());
    return CString(m_str.c_str(), nCount);
}

CString CString::Mid(int nFirst) const { return Mid(nFirst, GetLength()); }

CString CString::Mid(int nFirst, int nCount) const
{
    nFirst = std::clamp(nFirst, 0, GetLength());
    nCount = std::clamp(nCount, 0, GetLength() - nFirst);
    return CString(m_str.c_str() + nFirst, nCount);
}

CString CString::Right(int nCount) const
{
    nCount = std::clamp(nCount, 0, GetLength());
    return CString(m_str.c_str() + (GetLength() - nCount), nCount);
}

CString& CString::MakeUpper()
{
    if (!m_str.empty())
        ::CharUpperBuffW(&m_str[0], static_cast<DWORD>(m_str.size()));
    return *this;
}

CString& CString::MakeLower()
{
    if (!m_str.empty())
        ::CharLowerBuffW(&m_str[0], static_cast<DWORD>(m_str.size()));
    return *this;
}

LPWSTR CString::GetBuffer(int nMinLength)
{
    if (nMinLength > GetLength())
        m_str.resize(static_cast<size_t>(nMinLength));
    return &m_str[0];
}

void CString::ReleaseBuffer(int nNewLength)
{
    if (nNewLength < 0)
        nNewLength = static_cast<int>(wcsnlen(m_str.c_str(), m_str.size()));
    m_str.resize(static_cast<size_t>(std::min(nNewLength, GetLength())));
}

CString CString::Substitute(LPCWSTR pattern, LPCWSTR text)
{
    const std::wstring source = pattern != nullptr ? pattern : L"";
    const std::wstring insert = text != nullptr ? text : L"";
    std::wstring result;
    result.reserve(source.size() + insert.size());
    for (size_t i = 0; i < source.size(); ++i)
    {
        if (source[i] == L'%' && i + 1 < source.size() && source[i + 1] == L's')
        {
            result += insert;
            ++i;
        }
        else
        {
            result += source[i];
        }
    }
    CString str;
    str.m_str = std::move(result);
    return str;
}

#include "probes/FileVersion.h"

#include "probes/LibraryModule.h"

#include <cwchar>
#include <vector>

namespace
{
using GetSizeFn = DWORD(WINAPI*)(LPCWSTR, LPDWORD);
using GetInfoFn = BOOL(WINAPI*)(LPCWSTR, DWORD, DWORD, LPVOID);
using QueryValueFn = BOOL(WINAPI*)(LPCVOID, LPCWSTR, LPVOID*, PUINT);

const wchar_t kLanguageKey[] = L"Language";
const wchar_t* const kStringTables[] = {L"\\StringFileInfo\\040904B0\\", L"\\StringFileInfo\\040904E4\\"};

bool QueryString(QueryValueFn pfnQuery, const void* pBlock, const CString& strPath, CString& strValue)
{
    LPVOID pData = nullptr;
    UINT nLength = 0;
    if (!pfnQuery(pBlock, strPath, &pData, &nLength) || nLength == 0 || pData == nullptr)
        return false;
    // The length counts characters; stop at the NUL that usually ends them.
    const auto* pszText = static_cast<const wchar_t*>(pData);
    strValue = CString(pszText, static_cast<int>(wcsnlen(pszText, nLength)));
    return true;
}
}  // namespace

void GetFileVersionValue(const CString& strFileName, LPCWSTR lpszKey, CString& strValue, WORD& wLanguage)
{
    strValue.Empty();
    CLibraryModule version;
    if (!version.LoadSystem(L"version.dll"))
        return;
    const auto pfnGetSize = version.GetProc<GetSizeFn>("GetFileVersionInfoSizeW");
    const auto pfnGetInfo = version.GetProc<GetInfoFn>("GetFileVersionInfoW");
    const auto pfnQuery = version.GetProc<QueryValueFn>("VerQueryValueW");
    if (pfnGetSize == nullptr || pfnGetInfo == nullptr || pfnQuery == nullptr)
        return;

    DWORD dwHandle = 0;
    const DWORD dwSize = pfnGetSize(strFileName, &dwHandle);
    if (dwSize == 0)
        return;
    std::vector<BYTE> block(dwSize);
    if (!pfnGetInfo(strFileName, 0, dwSize, block.data()))
        return;

    if (std::wcscmp(lpszKey, kLanguageKey) == 0)
    {
        LPVOID pData = nullptr;
        UINT nLength = 0;
        if (pfnQuery(block.data(), L"\\VarFileInfo\\Translation", &pData, &nLength) && pData != nullptr &&
            nLength >= sizeof(DWORD))
            wLanguage = PRIMARYLANGID(*static_cast<const WORD*>(pData));
        return;
    }
    for (const wchar_t* pszTable : kStringTables)
    {
        if (QueryString(pfnQuery, block.data(), CString(pszTable) + lpszKey, strValue))
            return;
    }
}

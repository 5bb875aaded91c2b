#include "probes/Folder.h"

#include "framework/Handle.h"
#include "framework/String.h"

namespace
{
// A search pattern longer than MAX_PATH needs the "\\?\" form, which
// takes the path literally: only absolute drive and UNC paths qualify.
CString SearchPattern(const CString& strFolder)
{
    const CString strPattern = strFolder + L"\\*";
    if (strPattern.GetLength() < MAX_PATH || strFolder.Left(4) == L"\\\\?\\")
        return strPattern;
    if (strFolder.Left(2) == L"\\\\")
        return CString(L"\\\\?\\UNC") + strPattern.Mid(1);
    if (strFolder.GetLength() >= 3 && strFolder.GetAt(1) == L':' && strFolder.GetAt(2) == L'\\')
        return CString(L"\\\\?\\") + strPattern;
    return strPattern;
}
}  // namespace

bool FolderContains(LPCWSTR lpszName, LPCWSTR lpszFolder)
{
    CString strWanted(lpszName);
    strWanted.MakeLower();
    WIN32_FIND_DATAW data;
    CFindHandle find(::FindFirstFileW(SearchPattern(lpszFolder), &data));
    if (!find.IsValid())
        return false;
    do
    {
        CString strEntry(data.cFileName);
        if (strEntry.MakeLower() == strWanted)
            return true;
    } while (::FindNextFileW(find, &data));
    return false;
}

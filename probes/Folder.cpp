#include "probes/Folder.h"

#include "framework/String.h"

namespace
{
class CFindHandle
{
public:
    explicit CFindHandle(HANDLE hFind) noexcept : m_hFind(hFind) {}
    ~CFindHandle()
    {
        if (m_hFind != INVALID_HANDLE_VALUE)
            ::FindClose(m_hFind);
    }
    CFindHandle(const CFindHandle&) = delete;
    CFindHandle& operator=(const CFindHandle&) = delete;
    bool IsValid() const noexcept { return m_hFind != INVALID_HANDLE_VALUE; }
    operator HANDLE() const noexcept { return m_hFind; }  // NOLINT

private:
    HANDLE m_hFind;
};
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

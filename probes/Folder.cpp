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
}  // namespace

bool FolderContains(LPCWSTR lpszName, LPCWSTR lpszFolder)
{
    CString strWanted(lpszName);
    strWanted.MakeLower();
    const CString strPattern = CString(lpszFolder) + L"\\*";

    WIN32_FIND_DATAW data;
    CFindHandle find(::FindFirstFileW(strPattern, &data));
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

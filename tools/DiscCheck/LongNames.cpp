#include "tools/DiscCheck/LongNames.h"

#include "framework/Handle.h"

#include <windows.h>

namespace
{
// Deeper than any disc's folders; a folder link that loops ends here.
constexpr int kMaxDepth = 32;

void Collect(const CString& strRoot, const CString& strRelative, int nDepth, std::vector<CString>& names)
{
    WIN32_FIND_DATAW data;
    const CFindHandle find(::FindFirstFileW(strRoot + strRelative + L"\\*", &data));
    if (!find.IsValid())
        return;
    do
    {
        const CString strName = data.cFileName;
        if (strName == L"." || strName == L"..")
            continue;
        const CString strPath = strRelative.IsEmpty() ? strName : strRelative.Mid(1) + L"\\" + strName;
        if (strName.GetLength() > kJolietNameLimit)
            names.push_back(strPath);
        if ((data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && nDepth < kMaxDepth)
            Collect(strRoot, strRelative + L"\\" + strName, nDepth + 1, names);
    } while (::FindNextFileW(find.Get(), &data));
}
}  // namespace

std::vector<CString> NamesTooLongForJoliet(const CString& strRoot)
{
    std::vector<CString> names;
    Collect(strRoot, CString(), 1, names);
    return names;
}

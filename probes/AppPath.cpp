#include "probes/AppPath.h"

#include "probes/Registry.h"
#include "probes/RegistryKey.h"

namespace
{
const wchar_t kAppPathsKey[] = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\";
const wchar_t kPathValueName[] = L"Path";
}  // namespace

bool ReadAppPath(LPCWSTR lpszExeName, CString& strFolder)
{
    return ReadRegistryString(CString(kAppPathsKey) + lpszExeName, kPathValueName, strFolder);
}

bool AppPathExists(LPCWSTR lpszExeName)
{
    CRegistryKey key;
    return key.Open(CString(kAppPathsKey) + lpszExeName, KEY_QUERY_VALUE) == ERROR_SUCCESS;
}

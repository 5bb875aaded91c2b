#include "probes/Registry.h"

#include "probes/RegistryKey.h"

#include <cwchar>
#include <vector>

const wchar_t kUninstallKeyPrefix[] = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\";

bool ReadRegistryString(LPCWSTR lpszSubKey, LPCWSTR lpszValueName, CString& strValue)
{
    CRegistryKey key;
    if (key.Open(lpszSubKey, KEY_QUERY_VALUE) != ERROR_SUCCESS)
        return false;

    DWORD dwType = 0;
    DWORD cbData = 0;
    if (::RegQueryValueExW(key, lpszValueName, nullptr, &dwType, nullptr, &cbData) != ERROR_SUCCESS || dwType != REG_SZ)
        return false;

    // Stored data need not hold a whole number of characters nor a final NUL:
    // read into a buffer with room for all of the data (an odd byte count
    // rounded up) and one more character.
    std::vector<wchar_t> buffer((cbData + 1) / sizeof(wchar_t) + 1, L'\0');
    DWORD cbRead = static_cast<DWORD>((buffer.size() - 1) * sizeof(wchar_t));
    if (::RegQueryValueExW(key, lpszValueName, nullptr, &dwType, reinterpret_cast<BYTE*>(buffer.data()), &cbRead) !=
            ERROR_SUCCESS ||
        dwType != REG_SZ)
        return false;

    const size_t nChars = std::min<size_t>(cbRead / sizeof(wchar_t), buffer.size() - 1);
    strValue = CString(buffer.data(), static_cast<int>(wcsnlen(buffer.data(), nChars)));
    return true;
}

bool ReadRegistryDword(LPCWSTR lpszSubKey, LPCWSTR lpszValueName, DWORD& dwValue)
{
    CRegistryKey key;
    if (key.Open(lpszSubKey, KEY_QUERY_VALUE) != ERROR_SUCCESS)
        return false;
    DWORD dwData = 0;
    DWORD cbData = sizeof(dwData);
    if (::RegQueryValueExW(key, lpszValueName, nullptr, nullptr, reinterpret_cast<BYTE*>(&dwData), &cbData) !=
            ERROR_SUCCESS ||
        cbData != sizeof(dwData))
        return false;
    dwValue = dwData;
    return true;
}

namespace
{
LONG WriteValue(LPCWSTR lpszSubKey, LPCWSTR lpszValueName, DWORD dwType, const void* pData, DWORD cbData)
{
    CRegistryKey key;
    const LONG lOpen = key.OpenOrCreate(lpszSubKey, KEY_SET_VALUE);
    if (lOpen != ERROR_SUCCESS)
        return lOpen;
    return ::RegSetValueExW(key, lpszValueName, 0, dwType, static_cast<const BYTE*>(pData), cbData);
}
}  // namespace

LONG WriteRegistryDword(LPCWSTR lpszSubKey, LPCWSTR lpszValueName, DWORD dwValue)
{
    return WriteValue(lpszSubKey, lpszValueName, REG_DWORD, &dwValue, sizeof(dwValue));
}

LONG WriteRegistryString(LPCWSTR lpszSubKey, LPCWSTR lpszValueName, LPCWSTR lpszValue)
{
    const DWORD cbData = static_cast<DWORD>((std::wcslen(lpszValue) + 1) * sizeof(wchar_t));
    return WriteValue(lpszSubKey, lpszValueName, REG_SZ, lpszValue, cbData);
}

bool DeleteRegistryValue(LPCWSTR lpszSubKey, LPCWSTR lpszValueName)
{
    CRegistryKey key;
    return key.Open(lpszSubKey, KEY_SET_VALUE) == ERROR_SUCCESS &&
           ::RegDeleteValueW(key, lpszValueName) == ERROR_SUCCESS;
}

bool UninstallKeyExists(LPCWSTR lpszProductCode)
{
    CRegistryKey key;
    return key.Open(CString(kUninstallKeyPrefix) + lpszProductCode, KEY_QUERY_VALUE) == ERROR_SUCCESS;
}

#include "probes/RegistryKey.h"

LONG CRegistryKey::Open(LPCWSTR lpszSubKey, REGSAM samDesired) noexcept
{
    return ::RegOpenKeyExW(HKEY_LOCAL_MACHINE, lpszSubKey, 0, samDesired, m_key.Put());
}

LONG CRegistryKey::OpenOrCreate(LPCWSTR lpszSubKey, REGSAM samDesired) noexcept
{
    if (Open(lpszSubKey, samDesired) == ERROR_SUCCESS)
        return ERROR_SUCCESS;
    return ::RegCreateKeyExW(HKEY_LOCAL_MACHINE, lpszSubKey, 0, nullptr, REG_OPTION_NON_VOLATILE, samDesired, nullptr,
                             m_key.Put(), nullptr);
}

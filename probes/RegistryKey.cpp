#include "probes/RegistryKey.h"

LONG CRegistryKey::Open(LPCWSTR lpszSubKey) noexcept
{
    Close();
    return ::RegOpenKeyExW(HKEY_LOCAL_MACHINE, lpszSubKey, 0, KEY_ALL_ACCESS, &m_hKey);
}

LONG CRegistryKey::OpenOrCreate(LPCWSTR lpszSubKey) noexcept
{
    if (Open(lpszSubKey) == ERROR_SUCCESS)
        return ERROR_SUCCESS;
    return ::RegCreateKeyExW(HKEY_LOCAL_MACHINE, lpszSubKey, 0, nullptr, REG_OPTION_NON_VOLATILE,
                             KEY_ALL_ACCESS, nullptr, &m_hKey, nullptr);
}

void CRegistryKey::Close() noexcept
{
    if (m_hKey != nullptr)
    {
        ::RegCloseKey(m_hKey);
        m_hKey = nullptr;
    }
}

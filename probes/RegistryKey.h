// CRegistryKey: an open key under HKEY_LOCAL_MACHINE, closed with the object.
// Keys are opened with full access: where the system refuses it, the key
// counts as missing.
#pragma once

#include <windows.h>

class CRegistryKey
{
public:
    CRegistryKey() = default;
    ~CRegistryKey() { Close(); }
    CRegistryKey(const CRegistryKey&) = delete;
    CRegistryKey& operator=(const CRegistryKey&) = delete;

    LONG Open(LPCWSTR lpszSubKey) noexcept;
    // Opens the key, creating it when it cannot be opened.
    LONG OpenOrCreate(LPCWSTR lpszSubKey) noexcept;
    void Close() noexcept;
    operator HKEY() const noexcept { return m_hKey; }  // NOLINT

private:
    HKEY m_hKey = nullptr;
};

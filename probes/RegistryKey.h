// CRegistryKey: an open key under HKEY_LOCAL_MACHINE, closed with the object.
// Keys are opened with the access the caller needs and no more: a key that
// may be read but not changed (HKEY_LOCAL_MACHINE for a limited user, an
// installer's key with a strict ACL) still reads. Where the system refuses
// the access asked for, the key counts as missing.
#pragma once

#include "framework/Handle.h"

#include <windows.h>

class CRegistryKey
{
public:
    LONG Open(LPCWSTR lpszSubKey, REGSAM samDesired) noexcept;
    // Opens the key, creating it when it cannot be opened.
    LONG OpenOrCreate(LPCWSTR lpszSubKey, REGSAM samDesired) noexcept;
    void Close() noexcept { m_key.Reset(); }
    operator HKEY() const noexcept { return m_key; }  // NOLINT

private:
    CKeyHandle m_key;
};

// The registry probes. Every subkey is under HKEY_LOCAL_MACHINE. Reads ask
// for read access only, return whether a value was read and leave the output
// alone otherwise; writes ask for write access and return the Win32 error
// code. Nothing is ever reported to the user.
#pragma once

#include "framework/String.h"

#include <windows.h>

extern const wchar_t kUninstallKeyPrefix[];

// A REG_SZ value, cut at its first NUL or at the end of its data.
bool ReadRegistryString(LPCWSTR lpszSubKey, LPCWSTR lpszValueName, CString& strValue);
// Exactly four bytes of data, whatever the value's type.
bool ReadRegistryDword(LPCWSTR lpszSubKey, LPCWSTR lpszValueName, DWORD& dwValue);
LONG WriteRegistryDword(LPCWSTR lpszSubKey, LPCWSTR lpszValueName, DWORD dwValue);
LONG WriteRegistryString(LPCWSTR lpszSubKey, LPCWSTR lpszValueName, LPCWSTR lpszValue);
bool DeleteRegistryValue(LPCWSTR lpszSubKey, LPCWSTR lpszValueName);
// Whether the product's uninstall key can be opened for reading.
bool UninstallKeyExists(LPCWSTR lpszProductCode);

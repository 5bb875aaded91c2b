// Reads one item of a file's version resource, from the US-English tables.
#pragma once

#include "framework/String.h"

#include <windows.h>

// For lpszKey "Language": wLanguage = the primary language of the first
// translation entry, strValue stays empty. For any other key: strValue = that
// string from "040904B0", else from "040904E4", else empty; wLanguage untouched.
void GetFileVersionValue(const CString& strFileName, LPCWSTR lpszKey, CString& strValue, WORD& wLanguage);

// The folder an application registered under "App Paths" lives in.
#pragma once

#include "framework/String.h"

// The "Path" value of ...\App Paths\<lpszExeName>; true when it was read.
bool ReadAppPath(LPCWSTR lpszExeName, CString& strFolder);
// Whether ...\App Paths\<lpszExeName> can be opened for reading.
bool AppPathExists(LPCWSTR lpszExeName);

// The disc probe: does a folder hold an entry of a given name?
#pragma once

#include <windows.h>

// Compares long names without regard to case; "." and "..", subfolders and
// files all count. A folder that cannot be listed holds nothing.
bool FolderContains(LPCWSTR lpszName, LPCWSTR lpszFolder);

// Resuming after the restart that the DirectX installer asks for: the disc's
// setup.exe is registered in the Run key, and the menu that starts next takes
// its disc root from that value, once.
#pragma once

#include "framework/String.h"

extern const wchar_t kRunKey[];
extern const wchar_t kRunValueName[];

// The command that starts the disc again: disc root + "\setup.exe".
CString ResumeCommand(const CString& strDiscRoot);
// Registers ResumeCommand, quoted like every other command line.
bool RegisterResume(const CString& strDiscRoot);
// The disc root that the Run value names, deleting the value; empty when no
// value names one.
CString TakeResumeDiscRoot();
// The folder part of a path: everything before its last backslash, or empty.
CString FolderOf(const CString& strPath);

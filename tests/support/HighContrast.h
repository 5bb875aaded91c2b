// The system's high-contrast flag as a test sets it: Wine always reports it
// off, so the program's question is answered here while the object lives.
#pragma once

#include "tests/support/ImportHook.h"

class CHighContrastReport
{
public:
    explicit CHighContrastReport(bool bOn) { s_bOn = bOn; }
    static void Set(bool bOn) { s_bOn = bOn; }

private:
    static BOOL WINAPI Answer(UINT uiAction, UINT uiParam, PVOID pvParam, UINT fWinIni);
    static inline bool s_bOn = false;
    ImportHook m_hook{L"user32.dll", "SystemParametersInfoW", reinterpret_cast<const void*>(&Answer)};
};

// Points this executable's imports of a system function at a replacement
// while the object lives, so a test can see or change what the program's
// code gets from the system (the program is linked into the test).
#pragma once

#include <windows.h>

// The system's own function, wherever this executable's import points.
template <class Function>
Function SystemFunction(const wchar_t* pszModule, const char* pszName)
{
    return reinterpret_cast<Function>(
        reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleW(pszModule), pszName)));
}

class ImportHook
{
public:
    ImportHook(const wchar_t* pszModule, const char* pszFunction, const void* pReplacement);
    ~ImportHook();
    ImportHook(const ImportHook&) = delete;
    ImportHook& operator=(const ImportHook&) = delete;

private:
    static void Repoint(ULONG_PTR from, ULONG_PTR to);

    ULONG_PTR m_original;
    ULONG_PTR m_replacement;
};

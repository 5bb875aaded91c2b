// CLibraryModule: a DLL loaded at run time, freed with the object. System
// DLLs are loaded by full path from the system folder, so a copy planted
// beside the program is never used.
#pragma once

#include "framework/Handle.h"
#include "framework/String.h"

#include <windows.h>

class CLibraryModule
{
public:
    // lpszName from the system folder; either Load frees what was held first.
    bool LoadSystem(LPCWSTR lpszName);
    // A DLL by full path; its own dependencies come from its folder and the system.
    bool LoadFromPath(const CString& strPath);
    bool IsLoaded() const noexcept { return m_module.IsValid(); }

    template <typename Function>
    Function GetProc(const char* pszName) const noexcept
    {
        if (!m_module.IsValid())
            return nullptr;
        return reinterpret_cast<Function>(reinterpret_cast<void*>(::GetProcAddress(m_module, pszName)));
    }

private:
    CModuleHandle m_module;
};

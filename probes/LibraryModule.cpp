#include "probes/LibraryModule.h"

namespace
{
#ifndef LOAD_LIBRARY_SEARCH_DLL_LOAD_DIR
constexpr DWORD LOAD_LIBRARY_SEARCH_DLL_LOAD_DIR = 0x00000100;
constexpr DWORD LOAD_LIBRARY_SEARCH_SYSTEM32 = 0x00000800;
#endif

// The LOAD_LIBRARY_SEARCH_* flags exist where SetDefaultDllDirectories does.
bool HasSearchFlags()
{
    return ::GetProcAddress(::GetModuleHandleW(L"kernel32.dll"), "SetDefaultDllDirectories") != nullptr;
}
}  // namespace

bool CLibraryModule::LoadSystem(LPCWSTR lpszName)
{
    m_module.Reset();
    wchar_t szSystem[MAX_PATH] = L"";
    const UINT nLength = ::GetSystemDirectoryW(szSystem, MAX_PATH);
    if (nLength == 0 || nLength >= MAX_PATH)
        return false;
    m_module.Reset(::LoadLibraryW(CString(szSystem) + L"\\" + lpszName));
    return m_module.IsValid();
}

bool CLibraryModule::LoadFromPath(const CString& strPath)
{
    const DWORD dwFlags = HasSearchFlags() ? LOAD_LIBRARY_SEARCH_DLL_LOAD_DIR | LOAD_LIBRARY_SEARCH_SYSTEM32
                                           : LOAD_WITH_ALTERED_SEARCH_PATH;
    m_module.Reset(::LoadLibraryExW(strPath, nullptr, dwFlags));
    return m_module.IsValid();
}

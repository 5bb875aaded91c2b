// What the program asks of kernel32 to restrict its DLL search path, per
// system, seen through this executable's import of GetProcAddress: Wine
// searches as it likes, so the calls are what is checked.
#include "framework/WinApp.h"
#include "tests/support/ImportHook.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>

namespace
{
using GetProcAddressFn = FARPROC(WINAPI*)(HMODULE, LPCSTR);
// kernel32's own, not this executable's import of it, which the hook repoints.
const auto g_pfnRealGetProcAddress = reinterpret_cast<GetProcAddressFn>(
    reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleW(L"kernel32.dll"), "GetProcAddress")));

struct SystemCase
{
    const char* name;
    bool bDefaultDirectories;  // SetDefaultDllDirectories (7 with its update, 8 and later)
    bool bActivationContexts;  // side-by-side assemblies (XP and later)
};
const SystemCase* g_pSystem = nullptr;
std::set<std::string> g_asked;
std::set<DWORD> g_defaultFlags;

BOOL WINAPI RecordingSetDefaultDllDirectories(DWORD dwFlags)
{
    g_defaultFlags.insert(dwFlags);
    return TRUE;
}

FARPROC WINAPI GetProcAddressOfSystem(HMODULE hModule, LPCSTR pszName)
{
    if (reinterpret_cast<ULONG_PTR>(pszName) <= 0xFFFF)
        return g_pfnRealGetProcAddress(hModule, pszName);
    g_asked.insert(pszName);
    if (std::strcmp(pszName, "SetDefaultDllDirectories") == 0)
        return g_pSystem->bDefaultDirectories
                   ? reinterpret_cast<FARPROC>(reinterpret_cast<void*>(&RecordingSetDefaultDllDirectories))
                   : nullptr;
    if (std::strcmp(pszName, "CreateActCtxW") == 0 && !g_pSystem->bActivationContexts)
        return nullptr;
    return g_pfnRealGetProcAddress(hModule, pszName);
}

const SystemCase kSystems[] = {
    {"Windows2000", false, false},
    {"XPTo7WithoutUpdate", false, true},
    {"SevenWithUpdateAndLater", true, true},
};

class DllSearchPathTest : public ::testing::TestWithParam<SystemCase>
{};
}  // namespace

// Only SetDefaultDllDirectories restricts the search, and only this process's:
// SetDllDirectory would pass its change on to every installer the menu starts.
// comctl32 comes by name where the manifest's side-by-side version 6 resolves
// it, else by its full path, never found beside the program.
TEST_P(DllSearchPathTest, RestrictsOnlyThisProcessAndLoadsCommonControlsFromTheSystem)
{
    const SystemCase& c = GetParam();
    g_pSystem = &c;
    g_asked.clear();
    g_defaultFlags.clear();
    bool bRestricted = false;
    std::wstring commonControls;
    {
        const ImportHook system(L"kernel32.dll", "GetProcAddress",
                                reinterpret_cast<const void*>(&GetProcAddressOfSystem));
        bRestricted = AfxRestrictDllSearchPath();
        commonControls = static_cast<LPCWSTR>(AfxCommonControlsPath());
    }
    EXPECT_EQ(bRestricted, c.bDefaultDirectories);
    EXPECT_EQ(g_defaultFlags,
              c.bDefaultDirectories ? std::set<DWORD>{LOAD_LIBRARY_SEARCH_SYSTEM32} : std::set<DWORD>{});
    for (const char* pszChange : {"SetDllDirectoryW", "SetDllDirectoryA", "AddDllDirectory"})
        EXPECT_EQ(g_asked.count(pszChange), 0u) << pszChange;

    wchar_t szSystem[MAX_PATH];
    const UINT nLength = ::GetSystemDirectoryW(szSystem, MAX_PATH);
    EXPECT_EQ(commonControls,
              c.bActivationContexts ? L"comctl32.dll" : std::wstring(szSystem, nLength) + L"\\comctl32.dll");
}

INSTANTIATE_TEST_SUITE_P(Systems, DllSearchPathTest, ::testing::ValuesIn(kSystems),
                         [](const auto& info) { return std::string(info.param.name); });

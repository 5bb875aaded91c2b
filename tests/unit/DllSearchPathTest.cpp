#include "framework/WinApp.h"
#include "tests/support/ImportHook.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace
{
using GetProcAddressFn = FARPROC(WINAPI*)(HMODULE, LPCSTR);
const GetProcAddressFn g_pfnRealGetProcAddress = &::GetProcAddress;

// Windows 2000: kernel32 has neither function that restricts the search path.
FARPROC WINAPI GetProcAddressOfWindows2000(HMODULE hModule, LPCSTR pszName)
{
    const bool bByName = reinterpret_cast<ULONG_PTR>(pszName) > 0xFFFF;
    if (bByName &&
        (std::strcmp(pszName, "SetDefaultDllDirectories") == 0 || std::strcmp(pszName, "SetDllDirectoryW") == 0))
        return nullptr;
    return g_pfnRealGetProcAddress(hModule, pszName);
}
}  // namespace

// Where the program's folder stays in the search path, comctl32 by bare name
// would be found beside the program first: it must come by its full path.
TEST(DllSearchPathTest, CommonControlsByFullPathWhereTheSearchPathStaysOpen)
{
    {
        const ImportHook windows2000(L"kernel32.dll", "GetProcAddress",
                                     reinterpret_cast<const void*>(&GetProcAddressOfWindows2000));
        EXPECT_FALSE(AfxRestrictDllSearchPath());
    }
    wchar_t szSystem[MAX_PATH];
    const UINT nLength = ::GetSystemDirectoryW(szSystem, MAX_PATH);
    EXPECT_EQ(std::wstring(AfxCommonControlsPath()), std::wstring(szSystem, nLength) + L"\\comctl32.dll");

    // By name elsewhere, so that the manifest's version 6 loads side by side.
    EXPECT_TRUE(AfxRestrictDllSearchPath());
    EXPECT_EQ(std::wstring(AfxCommonControlsPath()), L"comctl32.dll");
}

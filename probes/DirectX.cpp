#include "probes/DirectX.h"

#include "probes/LibraryModule.h"

const wchar_t kDSetupPath[] = L"\\Corla\\Support\\Directx8\\DSetup.dll";

namespace
{
constexpr DWORD kRequiredMajorVersion = 8;
using GetVersionFn = INT(WINAPI*)(DWORD*, DWORD*);
}  // namespace

bool HasDirectX8(const CString& strDiscRoot)
{
    CLibraryModule library;
    if (!library.LoadFromPath(strDiscRoot + kDSetupPath))
        return false;
    const auto pfnGetVersion = library.GetProc<GetVersionFn>("DirectXSetupGetVersion");
    if (pfnGetVersion == nullptr)
        return false;
    DWORD dwVersion = 0;
    DWORD dwRevision = 0;
    return pfnGetVersion(&dwVersion, &dwRevision) != 0 && LOWORD(dwVersion) >= kRequiredMajorVersion;
}

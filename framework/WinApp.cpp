#include "framework/WinApp.h"

#include "framework/StartupTrace.h"
#include "framework/Wnd.h"

#include <commctrl.h>

namespace
{
CWinApp* g_pApp = nullptr;

#ifndef LOAD_LIBRARY_SEARCH_SYSTEM32
constexpr DWORD LOAD_LIBRARY_SEARCH_SYSTEM32 = 0x00000800;
#endif

FARPROC KernelFunction(LPCSTR pszName) noexcept
{
    return ::GetProcAddress(::GetModuleHandleW(L"kernel32.dll"), pszName);
}
}  // namespace

bool AfxRestrictDllSearchPath() noexcept
{
    using SetDefaultDllDirectoriesFn = BOOL(WINAPI*)(DWORD);
    const auto pfnSetDefault = reinterpret_cast<SetDefaultDllDirectoriesFn>(
        reinterpret_cast<void*>(KernelFunction("SetDefaultDllDirectories")));
    return pfnSetDefault != nullptr && pfnSetDefault(LOAD_LIBRARY_SEARCH_SYSTEM32);
}

CString AfxCommonControlsPath()
{
    // By name the manifest's side-by-side version 6 loads, and that
    // redirection comes before any folder is searched; a full path would give
    // version 5. Without activation contexts (Windows 2000) a bare name would
    // find a copy beside the program first.
    if (KernelFunction("CreateActCtxW") != nullptr)
        return L"comctl32.dll";
    wchar_t szSystem[MAX_PATH] = L"";
    const UINT nLength = ::GetSystemDirectoryW(szSystem, MAX_PATH);
    if (nLength == 0 || nLength >= MAX_PATH)
        return CString();
    return CString(szSystem) + L"\\comctl32.dll";
}

namespace
{
// A program started from a disc folder must not pick up DLLs planted beside
// it, nor stop on a system "no disk" box while it probes a removed disc.
void HardenProcess() noexcept
{
    ::SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    AfxRestrictDllSearchPath();
}
}  // namespace

CWinApp::CWinApp(LPCWSTR lpszAppName)
    : m_hInstance(::GetModuleHandleW(nullptr)), m_pszAppName(lpszAppName != nullptr ? lpszAppName : L"Splash")
{
    g_pApp = this;
}

CWinApp::~CWinApp()
{
    if (g_pApp == this)
        g_pApp = nullptr;
}

BOOL CWinApp::InitInstance() { return FALSE; }

int CWinApp::Run()
{
    MSG msg;
    while (::GetMessageW(&msg, nullptr, 0, 0) > 0)
    {
        if (!CWnd::WalkPreTranslateTree(nullptr, &msg))
        {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
    }
    return ExitInstance();
}

int CWinApp::ExitInstance() { return 0; }

CWinApp* AfxGetApp() noexcept { return g_pApp; }

CWnd* AfxGetMainWnd() noexcept { return g_pApp != nullptr ? g_pApp->m_pMainWnd : nullptr; }

HINSTANCE AfxGetInstanceHandle() noexcept
{
    return g_pApp != nullptr ? g_pApp->m_hInstance : ::GetModuleHandleW(nullptr);
}

bool AfxEnsureCommonControls() noexcept
{
    static const bool bReady = [] {
        // Kept loaded for the life of the process, like a static import.
        const CString strComCtl = AfxCommonControlsPath();
        const HMODULE hComCtl = strComCtl.IsEmpty() ? nullptr : ::LoadLibraryW(strComCtl);
        using InitFn = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
        const auto pfnInit =
            reinterpret_cast<InitFn>(reinterpret_cast<void*>(::GetProcAddress(hComCtl, "InitCommonControlsEx")));
        const INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_WIN95_CLASSES};
        return pfnInit != nullptr && pfnInit(&icc) != FALSE;
    }();
    return bReady;
}

int AfxWinMain(HINSTANCE hInstance)
{
    MarkStartup(StartupPoint::kEntered);
    HardenProcess();
    CWinApp* pApp = AfxGetApp();
    if (pApp == nullptr)
        return -1;
    pApp->m_hInstance = hInstance;
    AfxSetResourceHandle(hInstance);
    if (!pApp->InitInstance())
        return pApp->ExitInstance();
    return pApp->Run();
}

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

// A program started from a disc folder must not pick up DLLs planted beside
// it, nor stop on a system "no disk" box while it probes a removed disc.
void HardenProcess() noexcept
{
    ::SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);

    const HMODULE hKernel = ::GetModuleHandleW(L"kernel32.dll");
    using SetDefaultDllDirectoriesFn = BOOL(WINAPI*)(DWORD);
    using SetDllDirectoryFn = BOOL(WINAPI*)(LPCWSTR);
    const auto pfnSetDefault = reinterpret_cast<SetDefaultDllDirectoriesFn>(
        reinterpret_cast<void*>(::GetProcAddress(hKernel, "SetDefaultDllDirectories")));
    if (pfnSetDefault != nullptr && pfnSetDefault(LOAD_LIBRARY_SEARCH_SYSTEM32))
        return;
    const auto pfnSetDllDirectory = reinterpret_cast<SetDllDirectoryFn>(
        reinterpret_cast<void*>(::GetProcAddress(hKernel, "SetDllDirectoryW")));
    if (pfnSetDllDirectory != nullptr)
        pfnSetDllDirectory(L"");
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

BOOL CWinApp::InitInstance()
{
    return FALSE;
}

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

int CWinApp::ExitInstance()
{
    return 0;
}

CWinApp* AfxGetApp() noexcept
{
    return g_pApp;
}

CWnd* AfxGetMainWnd() noexcept
{
    return g_pApp != nullptr ? g_pApp->m_pMainWnd : nullptr;
}

HINSTANCE AfxGetInstanceHandle() noexcept
{
    return g_pApp != nullptr ? g_pApp->m_hInstance : ::GetModuleHandleW(nullptr);
}

bool AfxEnsureCommonControls() noexcept
{
    static const bool bReady = [] {
        // Kept loaded for the life of the process, like a static import.
        const HMODULE hComCtl = ::LoadLibraryW(L"comctl32.dll");
        using InitFn = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
        const auto pfnInit = reinterpret_cast<InitFn>(
            reinterpret_cast<void*>(::GetProcAddress(hComCtl, "InitCommonControlsEx")));
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

// CWinApp: the one application object. The program defines a global object of
// a derived class; the entry point runs its InitInstance, and when that
// returns FALSE the process ends without a message loop of its own.
#pragma once

#include "framework/Object.h"
#include "framework/ResourceModule.h"
#include "framework/String.h"

#include <windows.h>

class CWnd;

class CWinApp : public CObject
{
public:
    explicit CWinApp(LPCWSTR lpszAppName = nullptr);
    ~CWinApp() override;

    virtual BOOL InitInstance();
    virtual int Run();
    virtual int ExitInstance();

    // Standard controls draw in 3-D on every supported system: nothing to do.
    void Enable3dControlsStatic() noexcept {}

    HINSTANCE m_hInstance;
    LPCWSTR m_pszAppName;
    CWnd* m_pMainWnd = nullptr;
};

CWinApp* AfxGetApp() noexcept;
CWnd* AfxGetMainWnd() noexcept;
HINSTANCE AfxGetInstanceHandle() noexcept;
// Restricts the DLL search path of this process to the system folder where
// the system can (SetDefaultDllDirectories, not inherited by the programs
// the menu starts); says whether it could. Called first at start. Where it
// cannot, the path stays as the system has it: changing it with
// SetDllDirectory would change it for every installer the menu starts.
bool AfxRestrictDllSearchPath() noexcept;
// What comctl32 is loaded by: its name where side-by-side assemblies resolve
// it (XP and later), else its full path in the system folder (empty when that
// path cannot be read).
CString AfxCommonControlsPath();
// Loads comctl32 from the system (version 6 through the manifest) and
// registers its classes, once.
bool AfxEnsureCommonControls() noexcept;
int AfxWinMain(HINSTANCE hInstance);

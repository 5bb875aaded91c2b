#include "app/LauncherApp.h"

#include "app/LauncherDlg.h"

CLauncherApp::CLauncherApp() = default;
CLauncherApp::~CLauncherApp() = default;

BOOL CLauncherApp::InitInstance()
{
    CLauncherDlg dlg(nullptr);
    if (::FindWindowW(nullptr, CLauncherDlg::kMainTitle) != nullptr)
        return FALSE;

    Enable3dControlsStatic();
    m_pMainWnd = &dlg;
    dlg.DoModal();
    m_pMainWnd = nullptr;
    return FALSE;
}

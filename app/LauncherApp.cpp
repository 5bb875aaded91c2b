#include "app/LauncherApp.h"

#include "app/LauncherDlg.h"

namespace
{
const wchar_t kMainTitle[] = L"Zelvora Velquin";
}  // namespace

CLauncherApp::CLauncherApp() = default;
CLauncherApp::~CLauncherApp() = default;

BOOL CLauncherApp::InitInstance()
{
    CLauncherDlg dlg(nullptr);
    if (::FindWindowW(nullptr, kMainTitle) != nullptr)
        return FALSE;

    Enable3dControlsStatic();
    m_pMainWnd = &dlg;
    dlg.DoModal();
    m_pMainWnd = nullptr;
    return FALSE;
}

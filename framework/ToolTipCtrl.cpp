#include "framework/ToolTipCtrl.h"

#include "framework/WinApp.h"

namespace
{
// The size every comctl32 version accepts.
const UINT kToolInfoSize = TTTOOLINFOW_V2_SIZE;

TOOLINFOW MakeToolInfo(const CWnd* pWnd, UINT_PTR nIDTool, LPCWSTR lpszText)
{
    TOOLINFOW ti{};
    ti.cbSize = kToolInfoSize;
    ti.hwnd = pWnd->m_hWnd;
    ti.uId = nIDTool;
    ti.hinst = AfxGetResourceHandle();
    ti.lpszText = const_cast<LPWSTR>(lpszText);
    return ti;
}
}  // namespace

BOOL CToolTipCtrl::Create(CWnd* pParentWnd, DWORD dwStyle)
{
    if (!AfxEnsureCommonControls())
        return FALSE;
    const HWND hWnd =
        ::CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, WS_POPUP | dwStyle, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                          CW_USEDEFAULT, pParentWnd->m_hWnd, nullptr, AfxGetInstanceHandle(), nullptr);
    if (hWnd == nullptr || !SubclassWindow(hWnd))
        return FALSE;
    m_bOwnsWindow = true;
    return TRUE;
}

BOOL CToolTipCtrl::AddTool(CWnd* pWnd, LPCWSTR lpszText, LPCRECT lpRectTool, UINT_PTR nIDTool)
{
    TOOLINFOW ti = MakeToolInfo(pWnd, nIDTool, lpszText);
    // No TTF_SUBCLASS: the owner relays the mouse messages itself.
    if (lpRectTool != nullptr)
        ti.rect = *lpRectTool;
    return static_cast<BOOL>(SendMessage(TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&ti)));
}

void CToolTipCtrl::UpdateTipText(LPCWSTR lpszText, CWnd* pWnd, UINT_PTR nIDTool)
{
    TOOLINFOW ti = MakeToolInfo(pWnd, nIDTool, lpszText);
    SendMessage(TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&ti));
}

void CToolTipCtrl::Activate(BOOL bActivate) { SendMessage(TTM_ACTIVATE, static_cast<WPARAM>(bActivate)); }

int CToolTipCtrl::GetToolCount() const { return static_cast<int>(SendMessage(TTM_GETTOOLCOUNT)); }

void CToolTipCtrl::RelayEvent(LPMSG lpMsg) { SendMessage(TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(lpMsg)); }

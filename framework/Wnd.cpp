#include "framework/Wnd.h"

#include <unordered_map>
#include <utility>

namespace
{
// One GUI thread: the map needs no lock.
std::unordered_map<HWND, CWnd*>& HandleMap()
{
    static std::unordered_map<HWND, CWnd*> map;
    return map;
}

bool IsCtlColor(UINT message) noexcept { return message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC; }

const AFX_MSGMAP_ENTRY* FindEntry(const AFX_MSGMAP* pMap, UINT nMessage, UINT nCode, UINT nID)
{
    for (; pMap != nullptr; pMap = pMap->pfnGetBaseMap != nullptr ? pMap->pfnGetBaseMap() : nullptr)
    {
        for (const AFX_MSGMAP_ENTRY* pEntry = pMap->lpEntries; pEntry->pfnThunk != nullptr; ++pEntry)
        {
            const bool bIdMatches =
                pEntry->nLastID == 0 ? pEntry->nID == nID : nID >= pEntry->nID && nID <= pEntry->nLastID;
            if (pEntry->nMessage == nMessage && pEntry->nCode == nCode && bIdMatches)
                return pEntry;
        }
    }
    return nullptr;
}
}  // namespace

LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) noexcept
{
    CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
    if (pWnd == nullptr)
        return ::DefWindowProcW(hWnd, message, wParam, lParam);
    return pWnd->Dispatch(message, wParam, lParam);
}

CWnd::~CWnd()
{
    if (m_hWnd == nullptr || FromHandlePermanent(m_hWnd) != this)
        return;  // a temporary wrapper owns nothing
    if (m_bOwnsWindow)
        DestroyWindow();
    else
        UnsubclassWindow();
}

CWnd* CWnd::FromHandlePermanent(HWND hWnd)
{
    const auto found = HandleMap().find(hWnd);
    return found != HandleMap().end() ? found->second : nullptr;
}

CWnd* CWnd::FromHandle(HWND hWnd, CWnd& temporary)
{
    if (CWnd* pWnd = FromHandlePermanent(hWnd))
        return pWnd;
    temporary.m_hWnd = hWnd;
    return &temporary;
}

void CWnd::Attach(HWND hWnd)
{
    m_hWnd = hWnd;
    HandleMap()[hWnd] = this;
}

void CWnd::Detach()
{
    HandleMap().erase(m_hWnd);
    m_hWnd = nullptr;
    m_pfnSuper = nullptr;
}

BOOL CWnd::SubclassWindow(HWND hWnd)
{
    if (hWnd == nullptr || m_hWnd != nullptr || FromHandlePermanent(hWnd) != nullptr)
        return FALSE;
    Attach(hWnd);
    PreSubclassWindow();
    m_pfnSuper =
        reinterpret_cast<WNDPROC>(::SetWindowLongPtrW(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&AfxWndProc)));
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT nID, CWnd* pParent)
{
    return SubclassWindow(::GetDlgItem(pParent->m_hWnd, static_cast<int>(nID)));
}

HWND CWnd::UnsubclassWindow()
{
    HWND hWnd = m_hWnd;
    if (hWnd == nullptr)
        return nullptr;
    if (m_pfnSuper != nullptr && ::GetWindowLongPtrW(hWnd, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&AfxWndProc))
    {
        ::SetWindowLongPtrW(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
    }
    Detach();
    return hWnd;
}

BOOL CWnd::DestroyWindow()
{
    // WM_NCDESTROY detaches the object on the way.
    return m_hWnd != nullptr ? ::DestroyWindow(m_hWnd) : FALSE;
}

LRESULT CWnd::Dispatch(UINT message, WPARAM wParam, LPARAM lParam)
{
    const MSG current = {m_hWnd, message, wParam, lParam, 0, {0, 0}};
    const MSG* pPrevious = std::exchange(m_pCurrentMsg, &current);
    const LRESULT lResult = WindowProc(message, wParam, lParam);
    m_pCurrentMsg = pPrevious;
    if (message == WM_NCDESTROY && m_hWnd != nullptr)
        UnsubclassWindow();
    return lResult;
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT lResult = 0;
    if (!OnWndMsg(message, wParam, lParam, &lResult))
        lResult = DefWindowProc(message, wParam, lParam);
    return lResult;
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (message == WM_DRAWITEM)
    {
        const auto* pDraw = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        if (pDraw->CtlType != ODT_MENU && ReflectToChild(pDraw->hwndItem, message, wParam, lParam, pResult))
            return TRUE;
    }

    UINT nKey = message;
    UINT nCode = 0;
    UINT nID = 0;
    if (IsCtlColor(message))
    {
        nKey = WM_CTLCOLOR;
    }
    else if (message == WM_COMMAND)
    {
        nCode = HIWORD(wParam);
        nID = LOWORD(wParam);
    }

    if (const AFX_MSGMAP_ENTRY* pEntry = FindEntry(GetMessageMap(), nKey, nCode, nID))
    {
        *pResult = pEntry->pfnThunk(this, message, wParam, lParam);
        return TRUE;
    }
    if (nKey == WM_CTLCOLOR)
    {
        CDCHandle dc(reinterpret_cast<HDC>(wParam));
        CWnd temporary;
        *pResult = reinterpret_cast<LRESULT>(
            OnCtlColor(&dc, FromHandle(reinterpret_cast<HWND>(lParam), temporary), message - WM_CTLCOLORMSGBOX));
        return TRUE;
    }
    return FALSE;
}

BOOL CWnd::ReflectToChild(HWND hWndChild, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    CWnd* pChild = FromHandlePermanent(hWndChild);
    return pChild != nullptr && pChild->OnChildNotify(message, wParam, lParam, pResult);
}

BOOL CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    const bool bCtlColor = IsCtlColor(message);
    const UINT nKey = WM_REFLECT_BASE + (bCtlColor ? WM_CTLCOLOR : message);
    const AFX_MSGMAP_ENTRY* pEntry = FindEntry(GetMessageMap(), nKey, 0, 0);
    if (pEntry == nullptr)
        return FALSE;
    const LRESULT lResult = pEntry->pfnThunk(this, message, wParam, lParam);
    if (bCtlColor && lResult == 0)
        return FALSE;
    *pResult = lResult;
    return TRUE;
}

HBRUSH CWnd::OnCtlColor(CDCHandle* pDC, CWnd* pWnd, UINT nCtlColor)
{
    LRESULT lResult = 0;
    if (pWnd != nullptr &&
        ReflectToChild(pWnd->m_hWnd, WM_CTLCOLORMSGBOX + nCtlColor, reinterpret_cast<WPARAM>(pDC->GetSafeHdc()),
                       reinterpret_cast<LPARAM>(pWnd->m_hWnd), &lResult))
        return reinterpret_cast<HBRUSH>(lResult);
    return reinterpret_cast<HBRUSH>(Default());
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_pfnSuper != nullptr)
        return ::CallWindowProcW(m_pfnSuper, m_hWnd, message, wParam, lParam);
    return ::DefWindowProcW(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Default()
{
    if (m_pCurrentMsg == nullptr)
        return 0;
    return DefWindowProc(m_pCurrentMsg->message, m_pCurrentMsg->wParam, m_pCurrentMsg->lParam);
}

const AFX_MSGMAP* CWnd::GetMessageMap() const { return GetThisMessageMap(); }

const AFX_MSGMAP* CWnd::GetThisMessageMap()
{
    static const AFX_MSGMAP_ENTRY entries[] = {{0, 0, 0, nullptr}};
    static const AFX_MSGMAP messageMap = {nullptr, &entries[0]};
    return &messageMap;
}

BOOL CWnd::PreTranslateMessage(MSG*) { return FALSE; }

BOOL CWnd::WalkPreTranslateTree(HWND hWndStop, MSG* pMsg)
{
    for (HWND hWnd = pMsg->hwnd; hWnd != nullptr; hWnd = ::GetParent(hWnd))
    {
        CWnd* pWnd = FromHandlePermanent(hWnd);
        if (pWnd != nullptr && pWnd->PreTranslateMessage(pMsg))
            return TRUE;
        if (hWnd == hWndStop)
            break;
    }
    return FALSE;
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) const
{
    return ::SendMessageW(m_hWnd, message, wParam, lParam);
}

BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam) const
{
    return ::PostMessageW(m_hWnd, message, wParam, lParam);
}

void CWnd::SetWindowText(LPCWSTR lpszString) { ::SetWindowTextW(m_hWnd, lpszString); }

CString CWnd::GetWindowText() const
{
    CString str;
    const int nLength = ::GetWindowTextLengthW(m_hWnd);
    if (nLength > 0)
    {
        const int nCopied = ::GetWindowTextW(m_hWnd, str.GetBuffer(nLength + 1), nLength + 1);
        str.ReleaseBuffer(nCopied);
    }
    return str;
}

DWORD CWnd::GetStyle() const noexcept { return static_cast<DWORD>(::GetWindowLongPtrW(m_hWnd, GWL_STYLE)); }

BOOL CWnd::ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags)
{
    const DWORD dwStyle = GetStyle();
    const DWORD dwNewStyle = (dwStyle & ~dwRemove) | dwAdd;
    if (dwStyle == dwNewStyle)
        return FALSE;
    ::SetWindowLongPtrW(m_hWnd, GWL_STYLE, static_cast<LONG_PTR>(dwNewStyle));
    if (nFlags != 0)
    {
        ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | nFlags);
    }
    return TRUE;
}

void CWnd::ScreenToClient(LPRECT lpRect) const noexcept
{
    ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<LPPOINT>(lpRect), 2);
}

BOOL CWnd::SetWindowPos(HWND hWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags) noexcept
{
    return ::SetWindowPos(m_hWnd, hWndInsertAfter, x, y, cx, cy, nFlags);
}

BOOL CWnd::RedrawWindow(LPCRECT lpRectUpdate, HRGN hrgnUpdate, UINT flags) noexcept
{
    return ::RedrawWindow(m_hWnd, lpRectUpdate, hrgnUpdate, flags);
}

int CWnd::MessageBox(LPCWSTR lpszText, LPCWSTR lpszCaption, UINT nType)
{
    return ::MessageBoxW(m_hWnd, lpszText, lpszCaption, nType);
}

// CWnd: a window object bound to a window handle. A bound window's messages
// run through the object's message map (subclassing); the handle map finds
// the object of a handle. Messages a class does not map go to the window's
// previous procedure (Default). A parent offers WM_DRAWITEM and WM_CTLCOLOR*
// to the child's own object first (reflection). When the window is destroyed
// the object lets go of it; a window the object created itself is destroyed
// with the object.
#pragma once

#include "framework/DC.h"
#include "framework/MessageMap.h"
#include "framework/Object.h"
#include "framework/Rect.h"
#include "framework/String.h"

#include <windows.h>

class CWnd : public CObject
{
public:
    CWnd() = default;
    ~CWnd() override;

    HWND m_hWnd = nullptr;

    HWND GetSafeHwnd() const noexcept { return m_hWnd; }
    operator HWND() const noexcept { return m_hWnd; }  // NOLINT

    // The bound object of hWnd, or null.
    static CWnd* FromHandlePermanent(HWND hWnd);
    // The bound object of hWnd, or temporary pointed at hWnd (it stays unbound).
    static CWnd* FromHandle(HWND hWnd, CWnd& temporary);

    BOOL SubclassWindow(HWND hWnd);
    BOOL SubclassDlgItem(UINT nID, CWnd* pParent);
    HWND UnsubclassWindow();
    BOOL DestroyWindow();

    virtual BOOL PreTranslateMessage(MSG* pMsg);
    // Called once a window is bound by SubclassWindow, before its first message here.
    virtual void PreSubclassWindow() {}
    // Offers pMsg to the bound windows from its target up to hWndStop.
    static BOOL WalkPreTranslateTree(HWND hWndStop, MSG* pMsg);

    // USER operations
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    void SetWindowText(LPCWSTR lpszString);
    CString GetWindowText() const;
    DWORD GetStyle() const noexcept;
    BOOL ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags = 0);
    void GetWindowRect(LPRECT lpRect) const noexcept { ::GetWindowRect(m_hWnd, lpRect); }
    void GetClientRect(LPRECT lpRect) const noexcept { ::GetClientRect(m_hWnd, lpRect); }
    void ScreenToClient(LPRECT lpRect) const noexcept;
    void ScreenToClient(LPPOINT lpPoint) const noexcept { ::ScreenToClient(m_hWnd, lpPoint); }
    BOOL SetWindowPos(HWND hWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags) noexcept;
    BOOL ShowWindow(int nCmdShow) noexcept { return ::ShowWindow(m_hWnd, nCmdShow); }
    BOOL EnableWindow(BOOL bEnable = TRUE) noexcept { return ::EnableWindow(m_hWnd, bEnable); }
    BOOL IsWindowEnabled() const noexcept { return ::IsWindowEnabled(m_hWnd); }
    BOOL IsWindowVisible() const noexcept { return ::IsWindowVisible(m_hWnd); }
    BOOL IsIconic() const noexcept { return ::IsIconic(m_hWnd); }
    void InvalidateRect(LPCRECT lpRect, BOOL bErase = TRUE) noexcept { ::InvalidateRect(m_hWnd, lpRect, bErase); }
    void Invalidate(BOOL bErase = TRUE) noexcept { ::InvalidateRect(m_hWnd, nullptr, bErase); }
    void UpdateWindow() noexcept { ::UpdateWindow(m_hWnd); }
    BOOL RedrawWindow(LPCRECT lpRectUpdate, HRGN hrgnUpdate, UINT flags) noexcept;
    int SetWindowRgn(HRGN hRgn, BOOL bRedraw) noexcept { return ::SetWindowRgn(m_hWnd, hRgn, bRedraw); }
    HWND GetDlgItem(int nID) const noexcept { return ::GetDlgItem(m_hWnd, nID); }
    int MessageBox(LPCWSTR lpszText, LPCWSTR lpszCaption, UINT nType);

protected:
    virtual const AFX_MSGMAP* GetMessageMap() const;
    static const AFX_MSGMAP* GetThisMessageMap();

    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    // Handles a message reflected by the parent; FALSE leaves it to the parent.
    virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    // The previous window procedure for this message.
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // The previous window procedure for the message being handled.
    LRESULT Default();

    // Default handlers that derived classes' maps may reach through their base.
    void OnPaint() { Default(); }
    HCURSOR OnQueryDragIcon() { return reinterpret_cast<HCURSOR>(Default()); }
    BOOL OnSetCursor(CWnd*, UINT, UINT) { return static_cast<BOOL>(Default()); }
    BOOL OnEraseBkgnd(CDCHandle*) { return static_cast<BOOL>(Default()); }
    void OnLButtonDown(UINT, CPoint) { Default(); }
    void OnMouseMove(UINT, CPoint) { Default(); }
    // Offers the colour message to the control's own object, else Default.
    HBRUSH OnCtlColor(CDCHandle* pDC, CWnd* pWnd, UINT nCtlColor);

    // Binds hWnd to this object without subclassing it.
    void Attach(HWND hWnd);
    bool m_bOwnsWindow = false;  // created by this object: destroyed with it

private:
    friend LRESULT CALLBACK AfxWndProc(HWND, UINT, WPARAM, LPARAM) noexcept;
    friend class CDialog;

    LRESULT Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
    BOOL ReflectToChild(HWND hWndChild, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    void Detach();

    WNDPROC m_pfnSuper = nullptr;
    const MSG* m_pCurrentMsg = nullptr;
};

LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) noexcept;

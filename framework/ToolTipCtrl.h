// CToolTipCtrl: a tooltip control created for a parent window and destroyed
// with the object.
#pragma once

#include "framework/Wnd.h"

#include <commctrl.h>

class CToolTipCtrl : public CWnd
{
public:
    BOOL Create(CWnd* pParentWnd, DWORD dwStyle = 0);
    BOOL AddTool(CWnd* pWnd, LPCWSTR lpszText, LPCRECT lpRectTool, UINT_PTR nIDTool);
    void UpdateTipText(LPCWSTR lpszText, CWnd* pWnd, UINT_PTR nIDTool);
    void Activate(BOOL bActivate);
    int GetToolCount() const;
    void RelayEvent(LPMSG lpMsg);
};

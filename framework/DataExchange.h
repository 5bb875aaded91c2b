// CDataExchange and DDX_Control: binds dialog items to member objects.
#pragma once

#include "framework/Wnd.h"

class CDataExchange
{
public:
    CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate) noexcept
        : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd)
    {
    }

    BOOL m_bSaveAndValidate;
    CWnd* m_pDlgWnd;
};

// Subclasses item nIDC to rControl, once.
void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);

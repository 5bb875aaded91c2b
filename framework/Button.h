// CButton: a button control. An owner-drawn button draws itself: the
// parent's WM_DRAWITEM is reflected to DrawItem.
#pragma once

#include "framework/Wnd.h"

class CButton : public CWnd
{
    DECLARE_DYNAMIC(CButton)

public:
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);

protected:
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
};

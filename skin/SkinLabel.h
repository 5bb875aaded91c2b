// CSkinLabel: a static text with its own font, given to the control once when
// it is bound, and its own text colour and brush, applied through the
// parent's reflected colour message. Inside a skinned dialog the dialog swaps
// the brush for a hollow one, so the text lies on the skin. In a
// high-contrast theme it is window text on the window colour. Its text is its
// accessible name, and a change of it is announced.
#pragma once

#include "framework/Brush.h"
#include "framework/Font.h"
#include "framework/Static.h"

class CSkinLabel : public CStatic
{
public:
    CSkinLabel();

    CSkinLabel& SetCaption(const CString& strText);
    // Stores the colour and repaints at once.
    CSkinLabel& SetForeground(COLORREF crText);

protected:
    void PreSubclassWindow() override;
    HBRUSH CtlColor(CDCHandle* pDC, UINT nCtlColor);

    DECLARE_MESSAGE_MAP()

private:
    COLORREF m_crForeground;
    CBrush m_hbrBack;
    LOGFONTW m_logFont{};
    CFont m_fontText;
};

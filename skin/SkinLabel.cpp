#include "skin/SkinLabel.h"

#include "skin/SkinColours.h"

// clang-format off
BEGIN_MESSAGE_MAP(CSkinLabel, CStatic)
    ON_WM_CTLCOLOR_REFLECT()
END_MESSAGE_MAP()
// clang-format on

CSkinLabel::CSkinLabel() : m_crForeground(::GetSysColor(COLOR_WINDOWTEXT))
{
    m_hbrBack.CreateSolidBrush(::GetSysColor(COLOR_BTNFACE));
    ::GetObjectW(::GetStockObject(DEFAULT_GUI_FONT), sizeof(m_logFont), &m_logFont);
    m_fontText.CreateFontIndirect(&m_logFont);
}

// The text is the label's accessible name: screen readers hear of a change.
CSkinLabel& CSkinLabel::SetCaption(const CString& strText)
{
    if (strText == GetWindowText())
        return *this;
    SetWindowText(strText);
    ::NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, m_hWnd, OBJID_WINDOW, CHILDID_SELF);
    return *this;
}

CSkinLabel& CSkinLabel::SetForeground(COLORREF crText)
{
    m_crForeground = crText;
    if (m_hWnd != nullptr)
        RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    return *this;
}

void CSkinLabel::PreSubclassWindow()
{
    SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(static_cast<HFONT>(m_fontText)), FALSE);
}

HBRUSH CSkinLabel::CtlColor(CDCHandle* pDC, UINT nCtlColor)
{
    const bool bSystemColours = CSkinColours::UsesSystemColours();
    if (nCtlColor == CTLCOLOR_STATIC)
    {
        pDC->SetTextColor(bSystemColours ? ::GetSysColor(COLOR_WINDOWTEXT) : m_crForeground);
        pDC->SetBkMode(TRANSPARENT);
    }
    return bSystemColours ? ::GetSysColorBrush(COLOR_WINDOW) : static_cast<HBRUSH>(m_hbrBack);
}

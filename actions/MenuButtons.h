// CMenuButtons: the menu's buttons, one per row of the button table, and
// what their refresh steps last found: whether each can be used and what a
// click on it opens (the Readme found, the reader's folder). The menu dialog
// holds them.
#pragma once

#include "actions/ButtonTable.h"
#include "framework/String.h"
#include "skin/HoverButton.h"

#include <memory>

class CMenuButtons
{
public:
    // The button of row nId; the table holds every id the menu binds.
    CHoverButton& Button(UINT nId) { return m_buttons[IndexOf(nId)].button; }
    const CHoverButton& Button(UINT nId) const { return m_buttons[IndexOf(nId)].button; }
    bool IsAvailable(UINT nId) const { return m_buttons[IndexOf(nId)].bAvailable; }
    // What a click on button nId opens, as its refresh found it.
    CString& TargetOf(UINT nId) { return m_buttons[IndexOf(nId)].strTarget; }
    const CString& TargetOf(UINT nId) const { return m_buttons[IndexOf(nId)].strTarget; }

protected:
    struct MenuButton
    {
        CHoverButton button;
        bool bAvailable = false;
        CString strTarget;
    };

    CMenuButtons() : m_buttons(new MenuButton[MenuButtonTable().size()]) {}
    ~CMenuButtons() = default;
    CMenuButtons(const CMenuButtons&) = delete;
    CMenuButtons& operator=(const CMenuButtons&) = delete;

    MenuButton& SlotOf(const ButtonRow& row) { return m_buttons[MenuButtonTable().IndexOf(row)]; }

private:
    static size_t IndexOf(UINT nId) { return MenuButtonTable().IndexOf(*FindButtonRow(nId)); }

    std::unique_ptr<MenuButton[]> m_buttons;
};

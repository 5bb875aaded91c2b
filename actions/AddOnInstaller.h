// CAddOnInstaller: the add-on buttons. They differ only in their row of the
// button table: one refresh and one click path serve them all.
#pragma once

#include "actions/ButtonRow.h"

class CAddOnInstaller
{
public:
    explicit CAddOnInstaller(CMenuContext& menu) noexcept : m_menu(menu) {}

    // Installed (the row's product)? Rule met? On the disc (the row's
    // file)? Then the button can be used.
    ButtonState Refresh(const ButtonRow& row) const;
    // Runs the add-on's setup from the disc; says what it may have changed.
    AfterClick Install(const ButtonRow& row);

private:
    CMenuContext& m_menu;
};

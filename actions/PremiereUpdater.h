// CPremiereUpdater: offers the Premiere 6.01 updater while an older Premiere
// is installed, and runs the updater that matches Premiere's language.
#pragma once

#include "actions/ButtonRow.h"

class CPremiereUpdater
{
public:
    explicit CPremiereUpdater(CMenuContext& menu) noexcept : m_menu(menu) {}

    // Without Premiere the button is simply unusable, with no status text.
    ButtonState Refresh(const ButtonRow& row) const;
    // Runs the updater of Premiere's language, else the international one (the row's file).
    AfterClick Install(const ButtonRow& row);

private:
    CMenuContext& m_menu;
};

// Premiere's folder from its App Paths entry, without a trailing backslash,
// in upper case; false when Premiere is not registered.
bool GetPremiereFolder(CString& strFolder);

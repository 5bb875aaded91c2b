// CPremiereUpdater: offers the Premiere 6.01 updater while an older Premiere
// is installed, and runs the updater that matches Premiere's language.
#pragma once

#include "actions/ButtonRow.h"

class CPremiereUpdater
{
public:
    explicit CPremiereUpdater(CMenuContext& menu) noexcept : m_menu(menu) {}

    // Without Premiere the button is simply unusable, with no status text.
    ButtonState Refresh(const DiscFileIds& updater) const;
    // Runs the updater of Premiere's language, else the international one (updater).
    AfterClick Install(const DiscFileIds& updater);

private:
    CMenuContext& m_menu;
};

// Premiere's folder from its App Paths entry, without a trailing backslash,
// in upper case; false when Premiere is not registered.
bool GetPremiereFolder(CString& strFolder);
// The updater, relative to the disc root, for Premiere's primary language;
// null where the international updater (the button's file) serves.
const wchar_t* PremiereUpdaterPath(WORD wPrimaryLanguage);

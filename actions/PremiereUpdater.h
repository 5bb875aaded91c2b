// CPremiereUpdater: offers the Premiere 6.01 updater while an older Premiere
// is installed, and runs the updater that matches Premiere's language.
#pragma once

#include "actions/DiscFiles.h"
#include "framework/String.h"

class CLauncherDlg;

class CPremiereUpdater
{
public:
    explicit CPremiereUpdater(CLauncherDlg& menu) noexcept : m_menu(menu) {}

    void Refresh();
    void Install();
    // The updater that decides the state, then each language's updater.
    static ButtonDiscFiles DiscFiles();

private:
    CLauncherDlg& m_menu;
};

// Premiere's folder from its App Paths entry, without a trailing backslash,
// in upper case; false when Premiere is not registered.
bool GetPremiereFolder(CString& strFolder);
// The updater, relative to the disc root, for Premiere's primary language.
const wchar_t* PremiereUpdaterPath(WORD wPrimaryLanguage);

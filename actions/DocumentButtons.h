// CDocumentButtons: the manual (opened in Acrobat Reader, in the edition of
// the hardware model, asked for when unknown), the Readme (in the menu's
// language where the disc has one, else English) and the Acrobat Reader
// installer.
#pragma once

#include "framework/String.h"

class CLauncherDlg;

class CDocumentButtons
{
public:
    explicit CDocumentButtons(CLauncherDlg& menu) noexcept : m_menu(menu) {}

    void RefreshAcrobatReader();
    void RefreshManual();
    void RefreshReadme();
    void InstallAcrobatReader();
    void ViewManual();
    void ViewReadme();

private:
    CLauncherDlg& m_menu;
};

// The shell, by its full path in the Windows folder, opening the Readme.
CString ReadmeCommandLine(const CString& strReadmePath);

// CSuiteInstaller: the suite button. Refused while the VFW codecs are
// installed, once the suite is installed, or without its setup on the disc.
// On Windows 2000 it first makes sure DirectX 8 is there, offering to run the
// DirectX 8.1 installer and resuming from the Run key after the restart.
#pragma once

#include "actions/DiscFiles.h"
#include "framework/String.h"

#include <windows.h>

class CLauncherDlg;

extern const wchar_t kVfwCodecsProductCode[];

class CSuiteInstaller
{
public:
    explicit CSuiteInstaller(CLauncherDlg& menu) noexcept : m_menu(menu) {}

    void Refresh();
    void Install();
    // Its setup, and on Windows 2000 the DirectX files and the restart entry.
    static ButtonDiscFiles DiscFiles();

private:
    void InstallDirectX();
    void RunSuiteSetup();
    CString ResumeCommand() const;

    CLauncherDlg& m_menu;
};

// The DirectX installer folder for a system primary language.
LPCWSTR DirectXLanguageFolder(WORD wPrimaryLanguage);
// The DirectX installer, after the disc root, for a system primary language.
CString DirectXInstallerPath(WORD wPrimaryLanguage);

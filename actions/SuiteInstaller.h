// CSuiteInstaller: the suite button. Refused while the VFW codecs are
// installed, once the suite is installed, or without its setup on the disc.
// On Windows 2000 it first makes sure DirectX 8 is there, offering to run the
// DirectX 8.1 installer and resuming from the Run key after the restart.
#pragma once

#include "actions/ButtonRow.h"

#include <windows.h>

extern const wchar_t kSuiteProductCode[];
extern const wchar_t kVfwCodecsProductCode[];

class CSuiteInstaller
{
public:
    explicit CSuiteInstaller(CMenuContext& menu) noexcept : m_menu(menu) {}

    ButtonState Refresh(const ButtonRow& row) const;
    // Runs the row's setup from the disc, on Windows 2000 once DirectX 8 is there.
    AfterClick Install(const ButtonRow& row);

private:
    AfterClick InstallDirectX();
    AfterClick RunSuiteSetup(const ButtonRow& row);

    CMenuContext& m_menu;
};

// The DirectX installer, after the disc root, for a system primary language.
CString DirectXInstallerPath(WORD wPrimaryLanguage);

// CAddOnInstaller: the seven add-on buttons. They differ only in data (their
// row of one table): one refresh and one click path serve them all.
#pragma once

#include "actions/DiscFiles.h"

class CLauncherDlg;

enum class AddOn
{
    AfterEffects,
    ThreeDsMax,
    LightWave,
    Effects,
    Wallpapers,
    VfwCodecs,
    SpiceMaster
};

class CAddOnInstaller
{
public:
    explicit CAddOnInstaller(CLauncherDlg& menu) noexcept : m_menu(menu) {}

    // Installed? Rule met? On the disc? Then enables the button and sets its texts.
    void Refresh(AddOn addOn);
    // Runs the add-on's setup, then refreshes what it may have changed.
    void Install(AddOn addOn);
    // The file whose presence decides the button's state.
    static ButtonDiscFiles DiscFiles(AddOn addOn);

private:
    CLauncherDlg& m_menu;
};

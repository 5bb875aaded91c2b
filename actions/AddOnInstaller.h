// CAddOnInstaller: the seven add-on buttons. They differ only in data (their
// row of the button table and of the add-on table): one refresh and one
// click path serve them all.
#pragma once

#include "actions/ButtonRow.h"

enum class AddOn
{
    AfterEffects,
    ThreeDsMax,
    LightWave,
    Effects,
    Wallpapers,
    VfwCodecs,
    SpiceMaster,
    Count
};

class CAddOnInstaller
{
public:
    explicit CAddOnInstaller(CMenuContext& menu) noexcept : m_menu(menu) {}

    // Installed (the row's product)? Rule met? On the disc (the row's
    // file)? Then the button can be used.
    ButtonState Refresh(AddOn addOn, const ButtonRow& row) const;
    // Runs the add-on's setup from the disc; says what it may have changed.
    AfterClick Install(AddOn addOn, const DiscFileIds& setup);

private:
    CMenuContext& m_menu;
};

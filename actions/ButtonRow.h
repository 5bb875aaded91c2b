// ButtonRow: one button of the menu as data: what the dialog binds, loads,
// shows, refreshes and runs on a click, and what it looks for on the disc.
// The refresh steps and clicks that rows point at see only this, never the
// table itself.
#pragma once

#include "actions/MenuContext.h"

// When the button may be seen.
enum class Shown
{
    Always,
    OutsideChooser,  // hidden while the language chooser is open
    Never            // the template creates it hidden and nothing shows it
};

// What an add-on asks of the system besides not being installed.
enum class AddOnRule
{
    None,
    ProWithSuite,  // the suite installed and a Velquin Pro
    WithoutSuite   // systems without the suite (and its codecs) only
};

// What a click opens besides the row's files, for the disc check.
enum class ClickExtras
{
    None,
    DirectX,          // the suite on Windows 2000: each language's DirectX installer
    LanguageUpdaters  // the updater of each language that has its own
};

struct ButtonRow
{
    UINT nId;
    UINT nStripId;
    Shown shown;
    UINT nCaptionId;  // 0: the Language and Exit buttons, set with the language
    UINT nDescriptionId;
    // The rule that decides availability and what a click does; null for
    // Language and Exit. The state's target (what the refresh found) comes
    // back to the click.
    ButtonState (*pfnRefresh)(CMenuContext& menu, const ButtonRow& row);
    AfterClick (*pfnClick)(CMenuContext& menu, const ButtonRow& row, const CString& strTarget);
    // What it looks for on the disc, in the order it looks; unused slots are
    // {0, 0}. The first is also what a click starts or opens (the setup, the
    // Lite manual, the Readme in the menu's language), so the refresh and the
    // click name one file once.
    DiscFileIds files[2];
    ClickExtras extras;
    // How the click starts it.
    ClickLaunch launch;
    // The product a click installs: its uninstall key says it is installed. Null for none.
    const wchar_t* pszProductCode;
    AddOnRule rule;
    // Status texts: already installed, refused by the rule, not on the disc; 0 for none.
    UINT nInstalledId;
    UINT nRuleId;
    UINT nNotFoundId;
};

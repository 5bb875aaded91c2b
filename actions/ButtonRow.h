// ButtonRow: one button of the menu as data: what the dialog binds, loads,
// hides while the language chooser is open, refreshes and runs on a click.
// The refresh steps and clicks that rows point at see only this, never the
// table itself.
#pragma once

#include "actions/MenuButtons.h"
#include "actions/MenuContext.h"

// What the menu does after a click.
enum class AfterClick
{
    Nothing,
    RefreshButton,
    RefreshSuiteAndButton,  // the suite is refused while the VFW codecs are installed
    EndMenu                 // the system restarts into the menu again
};

struct ButtonRow
{
    UINT nId;
    CHoverButton CMenuButtons::*pButton;
    UINT nStripId;
    bool bHiddenByChooser;
    AvailableFlag flag;
    UINT nCaptionId;      // 0: the Language and Exit buttons, set with the language
    UINT nDescriptionId;
    // What a click opens as the refresh found it; null when a click needs nothing found.
    CString CMenuButtons::*pTarget;
    // The rule that decides availability; null for Language and Exit.
    ButtonState (*pfnRefresh)(CMenuContext& menu, const ButtonRow& row);
    AfterClick (*pfnClick)(CMenuContext& menu, const ButtonRow& row, const CString& strTarget);
    // What it looks for on the disc, in the order it looks; unused slots are
    // {0, 0}. The first is also what a click starts or opens (the setup, the
    // Lite manual, the Readme in the menu's language), so the refresh and the
    // click name one file once.
    DiscFileIds files[2];
    // The product a click installs: its uninstall key says it is installed. Null for none.
    const wchar_t* pszProductCode;
};

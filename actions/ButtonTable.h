// The menu's buttons as one table, in the order of a full refresh: what the
// dialog binds, loads, hides while the language chooser is open, refreshes
// and runs on a click. It needs no window, so a tool can list from it every
// file the menu looks for on a disc.
#pragma once

#include "actions/MenuButtons.h"
#include "actions/MenuContext.h"

#include <array>

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

constexpr size_t kMenuButtonCount = 14;

const std::array<ButtonRow, kMenuButtonCount>& MenuButtonTable();
// The row of dialog item nId, or null.
const ButtonRow* FindButtonRow(UINT nId);

// DiscFiles: what the menu looks for on its disc, button by button in the
// menu's order: the files of each row of the button table, in every
// language, and what the clicks open besides (DirectX on Windows 2000, the
// updater of Premiere's language). Read by tools that check a disc before
// it is burnt.
#pragma once

#include "actions/ButtonTable.h"

#include <vector>

// A file in a folder of the disc, both relative to the disc root.
struct DiscPath
{
    CString strFolder;  // "" for the root, else from a backslash: "\Bonus\Pixelan"
    CString strName;

    // A button's file by the name it has in that language.
    static DiscPath Of(const DiscFileIds& file, const CLanguage& language);
    // From a path after the disc root: "\Corla\setup.exe".
    static DiscPath FromPath(const CString& strPath);
    // The path to show: "Corla\setup.exe".
    CString Path() const;
};

// One thing a button needs: the first of its choices found serves (a
// language's Readme, then the English one).
struct DiscNeed
{
    CString strCase;  // what it serves; "" for the button's state on every machine
    std::vector<DiscPath> choices;
};

struct ButtonDiscFiles
{
    UINT nCaptionId;  // its English caption names it
    bool bShown;      // false for the buttons the menu never shows
    std::vector<DiscNeed> needs;
    CString strProductCode;  // what its click installs; "" for none
};

// Every install and document button, in the order of a full refresh.
std::vector<ButtonDiscFiles> MenuDiscFiles();

// DiscFiles: what the menu looks for on its disc, button by button in the
// menu's order, taken from the rows, string ids and paths that the buttons'
// own refresh steps and click handlers use. Read by tools that check a disc
// before it is burnt.
#pragma once

#include "framework/String.h"

#include <windows.h>

#include <vector>

// One file in a folder of the disc; both are relative to the disc root.
struct DiscFile
{
    CString strFolder;  // "" for the root, else from a backslash: "\Bonus\Pixelan"
    CString strName;

    // From a folder pattern ("%s" the disc root) and a file name.
    static DiscFile FromPattern(UINT nFolderPatternId, const CString& strName);
    // From a path after the disc root: "\Corla\setup.exe".
    static DiscFile FromPath(const CString& strPath);
    // The path to show: "Corla\setup.exe".
    CString Path() const;
};

// One thing a button needs: the first of its choices found serves (a
// language's Readme, then the English one).
struct DiscNeed
{
    CString strCase;                // what it serves; "" for the button's state on every machine
    std::vector<DiscFile> choices;
};

struct ButtonDiscFiles
{
    UINT nCaptionId;                // its English caption names it
    bool bShown = true;             // false for the buttons the menu keeps hidden
    std::vector<DiscNeed> needs;
};

// "German" for German: the language names of reports in English.
LPCWSTR EnglishLanguageName(int nLanguageIndex);

// Every install and document button, in the order of a full refresh.
std::vector<ButtonDiscFiles> MenuDiscFiles();

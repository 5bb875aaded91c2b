// CMenuContext: what an action may know of the menu and ask of it: the disc
// root, the language, whether the suite is installed, the hardware model,
// the launcher and the window that owns its messages. The menu dialog
// implements it; an action given another implementation runs without one.
#pragma once

#include "actions/Language.h"
#include "actions/ProgramLauncher.h"
#include "framework/String.h"

#include <initializer_list>

// The string ids of a file a button looks for on the disc: a folder pattern
// ("%s" the disc root; 0 for the root itself) and a file name, English-only
// unless translated (then at the language base, outside English).
struct DiscFileIds
{
    UINT nFolderPatternId;
    UINT nFileNameId;
    bool bTranslated = false;
};

// What the menu does after a click.
enum class AfterClick
{
    Nothing,
    RefreshButton,
    RefreshSuiteAndButton,  // the suite is refused while the VFW codecs are installed
    EndMenu                 // the system restarts into the menu again
};

// How a click starts its program.
struct ClickLaunch
{
    bool bLanguageSwitch;    // the menu's language follows the command: " /l0x40C"
    bool bInOwnFolder;       // runs in its file's folder, else in the menu's
    DWORD dwWaitMs;          // 0: started, not waited for; else waited with the menu hidden
    bool bReportUnfinished;  // a waited program still running at the end is reported
    DWORD dwCreationFlags;   // of a program not waited for
    AfterClick after;        // what it may have changed
};

// What a refresh step decides for its button: usable or not, the status
// text shown while it is not, and what a click will open (when it depends on
// what the refresh found).
struct ButtonState
{
    bool bAvailable = false;
    CString strStatus;
    CString strTarget;
};

class CMenuContext
{
public:
    virtual const CString& DiscRoot() const = 0;
    virtual const CLanguage& Language() const = 0;
    virtual bool SuiteInstalled() const = 0;
    virtual int HardwareModel() const = 0;
    virtual void SetHardwareModel(int nModel) = 0;
    virtual CProgramLauncher& Launcher() = 0;
    virtual CWnd& Owner() = 0;

    // A text in the menu's language.
    CString LoadText(UINT nID) const { return Language().LoadText(nID); }
    static CString LoadFixed(UINT nID) { return CLanguage::LoadFixed(nID); }
    // The folder of a pattern, "%s" replaced by the disc root.
    CString DiscFolder(UINT nFolderPatternId) const;
    // Whether the disc folder of pattern nFolderPatternId holds an entry named strName.
    bool DiscFolderContains(UINT nFolderPatternId, const CString& strName) const;
    // The name of file in the menu's language.
    CString NameOf(const DiscFileIds& file) const;
    // The file's full path on the disc: its folder, a backslash, its name.
    CString DiscPathOf(const DiscFileIds& file) const;
    // Every refresh of the same shape: a refusal (its status text id; 0 for
    // none) wins; otherwise the button is usable when the disc holds any of
    // the files, and shows nNotFoundId when it holds none.
    ButtonState OfferFromDisc(UINT nRefusalId, std::initializer_list<DiscFileIds> files, UINT nNotFoundId) const;
    // Starts strCommand as launch says (file: whose folder is its own) and
    // says what it may have changed.
    AfterClick Run(const ClickLaunch& launch, const CString& strCommand, const DiscFileIds& file);

protected:
    CMenuContext() = default;
    ~CMenuContext() = default;
    CMenuContext(const CMenuContext&) = default;
    CMenuContext& operator=(const CMenuContext&) = default;
};

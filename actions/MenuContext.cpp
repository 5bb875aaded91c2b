#include "actions/MenuContext.h"

#include "actions/CommandLine.h"
#include "probes/Folder.h"
#include "res/strings.h"

CString CMenuContext::DiscFolder(UINT nFolderPatternId) const
{
    return nFolderPatternId != 0 ? CString::Substitute(LoadFixed(nFolderPatternId), DiscRoot()) : DiscRoot();
}

bool CMenuContext::DiscFolderContains(UINT nFolderPatternId, const CString& strName) const
{
    // Without a disc root every folder would be relative to the current drive.
    if (DiscRoot().IsEmpty())
        return false;
    return FolderContains(strName, DiscFolder(nFolderPatternId));
}

CString CMenuContext::NameOf(const DiscFileIds& file) const
{
    return file.bTranslated ? LoadText(file.nFileNameId) : LoadFixed(file.nFileNameId);
}

CString CMenuContext::DiscPathOf(const DiscFileIds& file) const
{
    return DiscFolder(file.nFolderPatternId) + L"\\" + NameOf(file);
}

ButtonState CMenuContext::OfferFromDisc(UINT nRefusalId, std::initializer_list<DiscFileIds> files,
                                        UINT nNotFoundId) const
{
    ButtonState state;
    if (nRefusalId != 0)
    {
        state.strStatus = LoadText(nRefusalId);
        return state;
    }
    for (const DiscFileIds& file : files)
    {
        if (DiscFolderContains(file.nFolderPatternId, NameOf(file)))
        {
            state.bAvailable = true;
            return state;
        }
    }
    state.strStatus = LoadText(nNotFoundId);
    return state;
}

AfterClick CMenuContext::Run(const ClickLaunch& launch, const CString& strCommand, const DiscFileIds& file)
{
    const CString strLine = launch.bLanguageSwitch ? strCommand + LanguageSwitch(Language().StoredValue()) : strCommand;
    const CString strFolder = launch.bInOwnFolder ? DiscFolder(file.nFolderPatternId) : CString();
    const LPCWSTR lpszFolder = launch.bInOwnFolder ? static_cast<LPCWSTR>(strFolder) : nullptr;
    if (launch.dwWaitMs == 0)
        Launcher().StartProgram(strLine, lpszFolder, IDS_TITLE_SPLASH, launch.dwCreationFlags);
    else
        Launcher().RunProgramHidden(strLine, lpszFolder, launch.dwWaitMs, launch.bReportUnfinished);
    return launch.after;
}

#include "actions/PremiereUpdater.h"

#include "actions/CommandLine.h"
#include "app/Language.h"
#include "app/LauncherDlg.h"
#include "probes/AppPath.h"
#include "probes/FileVersion.h"
#include "res/strings.h"

namespace
{
const wchar_t kPremiereExe[] = L"Premiere.exe";
const wchar_t kPremiereInfo[] = L"\\preminfo.dll";
const wchar_t kPremiereProgram[] = L"\\premiere.exe";
const wchar_t kUpdatedVersion[] = L"6.01";

bool FileExists(const CString& strPath)
{
    return ::GetFileAttributesW(strPath) != INVALID_FILE_ATTRIBUTES;
}
}  // namespace

bool GetPremiereFolder(CString& strFolder)
{
    strFolder.Empty();
    if (!ReadAppPath(kPremiereExe, strFolder))
        return false;
    if (!strFolder.IsEmpty() && strFolder.GetAt(strFolder.GetLength() - 1) == L'\\')
        strFolder = strFolder.Left(strFolder.GetLength() - 1);
    strFolder.MakeUpper();
    return true;
}

const wchar_t* PremiereUpdaterPath(WORD wPrimaryLanguage)
{
    switch (wPrimaryLanguage)
    {
    case LANG_GERMAN: return L"\\Bonus\\PremiereUpdater\\German\\Premiere6.01SetupGER.exe";
    case LANG_FRENCH: return L"\\Bonus\\PremiereUpdater\\FRENCH\\Premiere6.01SetupFRN.exe";
    case LANG_JAPANESE: return L"\\Bonus\\PremiereUpdater\\Japanese\\Premiere6.01SetupJPN.exe";
    default: return L"\\Bonus\\PremiereUpdater\\Premiere6.01Setup.exe";
    }
}

void CPremiereUpdater::Refresh()
{
    BOOL bAvailable = FALSE;
    CString strStatus;
    CString strPremiere;
    if (GetPremiereFolder(strPremiere))
    {
        CString strVersion;
        WORD wUnused = 0;
        const CString strInfo = strPremiere + kPremiereInfo;
        if (FileExists(strInfo))
            GetFileVersionValue(strInfo, L"FileVersion", strVersion, wUnused);
        if (strVersion == kUpdatedVersion)
        {
            strStatus = m_menu.LoadText(IDS_STATUS_PREMIERE_INSTALLED);
        }
        else
        {
            // Only the international updater decides availability.
            bAvailable = m_menu.DiscFolderContains(IDS_FOLDER_PREMIERE_UPDATER,
                                                   CLauncherDlg::LoadFixed(IDS_FILE_PREMIERE_UPDATER));
            if (!bAvailable)
                strStatus = m_menu.LoadText(IDS_STATUS_PREMIERE_NOT_FOUND);
        }
    }
    m_menu.ShowButtonState(kAvailPremiereUpdater, m_menu.m_btnPremiereUpdater, bAvailable, IDS_CAPTION_PREMIERE_UPDATER,
                           IDS_DESC_PREMIERE_UPDATER, strStatus);
}

void CPremiereUpdater::Install()
{
    WORD wLanguage = 0;
    CString strPremiere;
    if (GetPremiereFolder(strPremiere) && FileExists(strPremiere + kPremiereProgram))
    {
        CString strUnused;
        GetFileVersionValue(strPremiere + kPremiereProgram, L"Language", strUnused, wLanguage);
    }
    else
    {
        wLanguage = LANG_ENGLISH;
    }
    m_menu.Launcher().RunProgramHidden(QuoteArgument(m_menu.m_strDiscRoot + PremiereUpdaterPath(wLanguage)),
                                       nullptr, kInstallTimeoutMs, true);
    Refresh();
}

ButtonDiscFiles CPremiereUpdater::DiscFiles()
{
    ButtonDiscFiles files{IDS_CAPTION_PREMIERE_UPDATER, true,
                          {{L"", {DiscFile::FromPattern(IDS_FOLDER_PREMIERE_UPDATER,
                                                        CLauncherDlg::LoadFixed(IDS_FILE_PREMIERE_UPDATER))}}}};
    for (int nIndex = 0; nIndex < kLanguageCount; ++nIndex)
    {
        const DiscFile updater = DiscFile::FromPath(PremiereUpdaterPath(GetLanguage(nIndex).wPrimaryLanguage));
        if (updater.Path() != files.needs.front().choices.front().Path())
            files.needs.push_back({CString(L"Premiere in ") + EnglishLanguageName(nIndex), {updater}});
    }
    return files;
}

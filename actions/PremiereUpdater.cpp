#include "actions/PremiereUpdater.h"

#include "actions/CommandLine.h"
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

ButtonState CPremiereUpdater::Refresh(const DiscFileIds& updater) const
{
    CString strPremiere;
    if (!GetPremiereFolder(strPremiere))
        return ButtonState();

    CString strVersion;
    WORD wUnused = 0;
    const CString strInfo = strPremiere + kPremiereInfo;
    if (FileExists(strInfo))
        GetFileVersionValue(strInfo, L"FileVersion", strVersion, wUnused);
    // Only the international updater decides availability.
    return m_menu.OfferFromDisc(strVersion == kUpdatedVersion ? IDS_STATUS_PREMIERE_INSTALLED : 0, {updater},
                                IDS_STATUS_PREMIERE_NOT_FOUND);
}

AfterClick CPremiereUpdater::Install()
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
    m_menu.Launcher().RunProgramHidden(QuoteArgument(m_menu.DiscRoot() + PremiereUpdaterPath(wLanguage)),
                                       nullptr, kInstallTimeoutMs, true);
    return AfterClick::RefreshButton;
}

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
    default: return nullptr;
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

AfterClick CPremiereUpdater::Install(const DiscFileIds& updater)
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
    const wchar_t* pszOwn = PremiereUpdaterPath(wLanguage);
    const CString strUpdater = pszOwn != nullptr ? m_menu.DiscRoot() + pszOwn : m_menu.DiscPathOf(updater);
    m_menu.Launcher().RunProgramHidden(QuoteArgument(strUpdater), nullptr, kInstallTimeoutMs, true);
    return AfterClick::RefreshButton;
}

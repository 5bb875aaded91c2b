#include "actions/PremiereUpdater.h"

#include "actions/CommandLine.h"
#include "probes/AppPath.h"
#include "probes/FileVersion.h"

namespace
{
const wchar_t kPremiereExe[] = L"Premiere.exe";
const wchar_t kPremiereInfo[] = L"\\preminfo.dll";
const wchar_t kPremiereProgram[] = L"\\premiere.exe";
const wchar_t kUpdatedVersion[] = L"6.01";

bool FileExists(const CString& strPath) { return ::GetFileAttributesW(strPath) != INVALID_FILE_ATTRIBUTES; }
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

ButtonState CPremiereUpdater::Refresh(const ButtonRow& row) const
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
    return m_menu.OfferFromDisc(strVersion == kUpdatedVersion ? row.nInstalledId : 0, {row.files[0]}, row.nNotFoundId);
}

AfterClick CPremiereUpdater::Install(const ButtonRow& row)
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
    const wchar_t* pszOwn = LanguageFromPrimary(wLanguage).pszPremiereUpdater;
    const CString strUpdater = pszOwn != nullptr ? m_menu.DiscRoot() + pszOwn : m_menu.DiscPathOf(row.files[0]);
    return m_menu.Run(row.launch, QuoteArgument(strUpdater), row.files[0]);
}

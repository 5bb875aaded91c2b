#include "actions/DiscFiles.h"

#include "actions/AddOnInstaller.h"
#include "actions/DocumentButtons.h"
#include "actions/PremiereUpdater.h"
#include "actions/SuiteInstaller.h"
#include "app/Language.h"

namespace
{
const wchar_t* const kEnglishLanguageNames[] = {L"English", L"French", L"German", L"Italian", L"Spanish", L"Japanese"};
static_assert(ARRAYSIZE(kEnglishLanguageNames) == kLanguageCount, "one name per language");

// The template creates these buttons hidden, and nothing shows them.
ButtonDiscFiles Hidden(ButtonDiscFiles files)
{
    files.bShown = false;
    return files;
}
}  // namespace

DiscFile DiscFile::FromPattern(UINT nFolderPatternId, const CString& strName)
{
    CString strPattern;
    strPattern.LoadString(nFolderPatternId);
    return {CString::Substitute(strPattern, L""), strName};
}

DiscFile DiscFile::FromPath(const CString& strPath)
{
    const int nSlash = strPath.ReverseFind(L'\\');
    return {strPath.Left(nSlash < 0 ? 0 : nSlash), strPath.Mid(nSlash + 1)};
}

CString DiscFile::Path() const
{
    const CString strPath = strFolder + L"\\" + strName;
    return strPath.Mid(1);
}

LPCWSTR EnglishLanguageName(int nLanguageIndex)
{
    return kEnglishLanguageNames[GetLanguage(nLanguageIndex).nIndex];
}

std::vector<ButtonDiscFiles> MenuDiscFiles()
{
    return {CSuiteInstaller::DiscFiles(),
            Hidden(CPremiereUpdater::DiscFiles()),
            CAddOnInstaller::DiscFiles(AddOn::AfterEffects),
            CAddOnInstaller::DiscFiles(AddOn::ThreeDsMax),
            CAddOnInstaller::DiscFiles(AddOn::SpiceMaster),
            Hidden(CDocumentButtons::AcrobatReaderDiscFiles()),
            Hidden(CDocumentButtons::ManualDiscFiles()),
            CDocumentButtons::ReadmeDiscFiles(),
            CAddOnInstaller::DiscFiles(AddOn::Wallpapers),
            CAddOnInstaller::DiscFiles(AddOn::VfwCodecs),
            CAddOnInstaller::DiscFiles(AddOn::LightWave),
            CAddOnInstaller::DiscFiles(AddOn::Effects)};
}

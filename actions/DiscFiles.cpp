#include "actions/DiscFiles.h"

#include "actions/RunKeyResume.h"
#include "actions/SuiteInstaller.h"
#include "probes/DirectX.h"

namespace
{
// The row's files decide the button's state. Untranslated ones: any will
// do. A translated one is looked for in each language but English, before
// the untranslated ones.
std::vector<DiscNeed> StateNeeds(const ButtonRow& row)
{
    std::vector<DiscPath> untranslated;
    for (const DiscFileIds& file : row.files)
    {
        if (file.nFileNameId != 0 && !file.bTranslated)
            untranslated.push_back(DiscPath::Of(file, CLanguage()));
    }
    if (!row.files[0].bTranslated)
        return {{L"", untranslated}};

    std::vector<DiscNeed> needs;
    for (int nIndex = 0; nIndex < kLanguageCount; ++nIndex)
    {
        const CLanguage language = CLanguage::FromIndex(nIndex);
        DiscNeed need{GetLanguage(nIndex).pszEnglishName, {}};
        if (!language.IsEnglish())
            need.choices.push_back(DiscPath::Of(row.files[0], language));
        need.choices.insert(need.choices.end(), untranslated.begin(), untranslated.end());
        needs.push_back(need);
    }
    return needs;
}

// On Windows 2000 without DirectX 8: the library that tells, the installer
// of the system's language and the setup.exe the restart comes back to.
std::vector<DiscNeed> DirectXNeeds()
{
    std::vector<DiscNeed> needs = {{L"Windows 2000, DirectX check", {DiscPath::FromPath(kDSetupPath)}}};
    for (int nIndex = 0; nIndex < kLanguageCount; ++nIndex)
    {
        const LanguageInfo& language = GetLanguage(nIndex);
        needs.push_back({CString(L"Windows 2000 in ") + language.pszEnglishName + L", DirectX 8.1 setup",
                         {DiscPath::FromPath(DirectXInstallerPath(language.wPrimaryLanguage))}});
    }
    needs.push_back({L"Windows 2000, restart after DirectX", {DiscPath::FromPath(ResumeCommand(L""))}});
    return needs;
}

// The updater of Premiere's language, where it is not the international one.
std::vector<DiscNeed> UpdaterNeeds()
{
    std::vector<DiscNeed> needs;
    for (int nIndex = 0; nIndex < kLanguageCount; ++nIndex)
    {
        const LanguageInfo& language = GetLanguage(nIndex);
        if (language.pszPremiereUpdater != nullptr)
            needs.push_back({CString(L"Premiere in ") + language.pszEnglishName,
                             {DiscPath::FromPath(language.pszPremiereUpdater)}});
    }
    return needs;
}

std::vector<DiscNeed> ClickNeeds(ClickExtras extras)
{
    switch (extras)
    {
    case ClickExtras::DirectX: return DirectXNeeds();
    case ClickExtras::LanguageUpdaters: return UpdaterNeeds();
    case ClickExtras::None: break;
    }
    return {};
}
}  // namespace

DiscPath DiscPath::Of(const DiscFileIds& file, const CLanguage& language)
{
    const CString strFolder =
        file.nFolderPatternId != 0 ? CString::Substitute(CLanguage::LoadFixed(file.nFolderPatternId), L"") : CString();
    return {strFolder, file.bTranslated ? language.LoadText(file.nFileNameId) : CLanguage::LoadFixed(file.nFileNameId)};
}

DiscPath DiscPath::FromPath(const CString& strPath)
{
    const int nSlash = strPath.ReverseFind(L'\\');
    return {strPath.Left(nSlash < 0 ? 0 : nSlash), strPath.Mid(nSlash + 1)};
}

CString DiscPath::Path() const
{
    const CString strPath = strFolder + L"\\" + strName;
    return strPath.Mid(1);
}

std::vector<ButtonDiscFiles> MenuDiscFiles()
{
    std::vector<ButtonDiscFiles> buttons;
    for (const ButtonRow& row : MenuButtonTable())
    {
        if (row.nCaptionId == 0)
            continue;
        ButtonDiscFiles button{row.nCaptionId, row.shown != Shown::Never, StateNeeds(row),
                               row.pszProductCode != nullptr ? row.pszProductCode : L""};
        const std::vector<DiscNeed> clicks = ClickNeeds(row.extras);
        button.needs.insert(button.needs.end(), clicks.begin(), clicks.end());
        buttons.push_back(button);
    }
    return buttons;
}

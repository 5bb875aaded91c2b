#include "actions/Language.h"

#include "res/resource.h"
#include "res/strings.h"

const wchar_t kLanguageKey[] = L"SOFTWARE\\Zelvora\\Sorlan";
const wchar_t kLanguageValueName[] = L"Language";

namespace
{
// French alone is stored as a full language identifier (French, France).
// clang-format off
constexpr LanguageInfo kLanguages[] = {
    {0, 0x09,  LANG_ENGLISH,  IDS_BASE_ENGLISH,  IDC_LANG_ENGLISH,  L"English",  L"english",  nullptr},
    {1, 0x40C, LANG_FRENCH,   IDS_BASE_FRENCH,   IDC_LANG_FRENCH,   L"French",   L"French",
     L"\\Bonus\\PremiereUpdater\\FRENCH\\Premiere6.01SetupFRN.exe"},
    {2, 0x07,  LANG_GERMAN,   IDS_BASE_GERMAN,   IDC_LANG_GERMAN,   L"German",   L"German",
     L"\\Bonus\\PremiereUpdater\\German\\Premiere6.01SetupGER.exe"},
    {3, 0x10,  LANG_ITALIAN,  IDS_BASE_ITALIAN,  IDC_LANG_ITALIAN,  L"Italian",  L"Italian",  nullptr},
    {4, 0x0A,  LANG_SPANISH,  IDS_BASE_SPANISH,  IDC_LANG_SPANISH,  L"Spanish",  L"Spanish",  nullptr},
    {5, 0x11,  LANG_JAPANESE, IDS_BASE_JAPANESE, IDC_LANG_JAPANESE, L"Japanese", L"Japanese",
     L"\\Bonus\\PremiereUpdater\\Japanese\\Premiere6.01SetupJPN.exe"},
};
// clang-format on
static_assert(ARRAYSIZE(kLanguages) == kLanguageCount, "one row per language");

constexpr bool RowsKeepTheirTexts()
{
    for (int nIndex = 0; nIndex < kLanguageCount; ++nIndex)
    {
        const LanguageInfo& language = kLanguages[nIndex];
        if (language.nIndex != nIndex || language.nBase != static_cast<UINT>(nIndex) * IDS_LANGUAGE_STEP)
            return false;
    }
    return true;
}
// Each language's texts at base + id; the base grows by one step a row, so
// no two languages overlap and every id stays below the room's end.
static_assert(RowsKeepTheirTexts(), "row n is language n, its texts at n steps");
static_assert(IDS_END_TEXT - IDS_FIRST_TEXT <= IDS_LANGUAGE_STEP, "the texts of two languages overlap");
static_assert(kLanguageCount <= IDS_LANGUAGE_ROOM, "more languages than the string ids have room for");
}  // namespace

const LanguageInfo& GetLanguage(int nIndex)
{
    return nIndex >= 0 && nIndex < kLanguageCount ? kLanguages[nIndex] : kLanguages[kEnglishIndex];
}

const LanguageInfo& LanguageFromValue(int nValue)
{
    for (const LanguageInfo& language : kLanguages)
    {
        if (language.nValue == nValue)
            return language;
    }
    return kLanguages[kEnglishIndex];
}

const LanguageInfo* LanguageFromChooserButton(UINT nId)
{
    for (const LanguageInfo& language : kLanguages)
    {
        if (language.nChooserButton == nId)
            return &language;
    }
    return nullptr;
}

const LanguageInfo& LanguageFromPrimary(WORD wPrimaryLanguage)
{
    for (const LanguageInfo& language : kLanguages)
    {
        if (language.wPrimaryLanguage == wPrimaryLanguage)
            return language;
    }
    return kLanguages[kEnglishIndex];
}

CLanguage::CLanguage(int nIndex, int nStoredValue) noexcept
    : m_nIndex(GetLanguage(nIndex).nIndex), m_nStoredValue(nStoredValue)
{
}

CLanguage CLanguage::FromStoredValue(int nStoredValue)
{
    return CLanguage(LanguageFromValue(nStoredValue).nIndex, nStoredValue);
}

CLanguage CLanguage::FromIndex(int nIndex) { return CLanguage(nIndex, GetLanguage(nIndex).nValue); }

CString CLanguage::LoadText(UINT nID) const { return LoadFixed(static_cast<UINT>(Base()) + nID); }

CString CLanguage::LoadFixed(UINT nID)
{
    CString str;
    str.LoadString(nID);
    return str;
}

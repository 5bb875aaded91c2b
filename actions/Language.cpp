#include "actions/Language.h"

#include "res/resource.h"
#include "res/strings.h"

const wchar_t kLanguageKey[] = L"SOFTWARE\\Zelvora\\Sorlan";
const wchar_t kLanguageValueName[] = L"Language";

// Each language's texts at base + id: the last language's copies must end
// before the English-only entries above them, and no two languages overlap.
static_assert(IDS_END_TEXT - IDS_FIRST_TEXT <= kLanguageBaseStep, "the texts of two languages overlap");
static_assert((kLanguageCount - 1) * kLanguageBaseStep + IDS_END_TEXT <= IDS_FIRST_HIGH_FIXED,
              "the last language's texts reach the English-only ids from 7033: move those first");

namespace
{
// French alone is stored as a full language identifier (French, France).
const LanguageInfo kLanguages[kLanguageCount] = {
    {0, 0x09, LANG_ENGLISH, IDC_LANG_ENGLISH, IDS_LANGUAGE_NAME_ENGLISH},
    {1, 0x40C, LANG_FRENCH, IDC_LANG_FRENCH, 1 * kLanguageBaseStep + IDS_LANGUAGE_NAME},
    {2, 0x07, LANG_GERMAN, IDC_LANG_GERMAN, 2 * kLanguageBaseStep + IDS_LANGUAGE_NAME},
    {3, 0x10, LANG_ITALIAN, IDC_LANG_ITALIAN, 3 * kLanguageBaseStep + IDS_LANGUAGE_NAME},
    {4, 0x0A, LANG_SPANISH, IDC_LANG_SPANISH, 4 * kLanguageBaseStep + IDS_LANGUAGE_NAME},
    {5, 0x11, LANG_JAPANESE, IDC_LANG_JAPANESE, 5 * kLanguageBaseStep + IDS_LANGUAGE_NAME},
};
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

CLanguage CLanguage::FromIndex(int nIndex)
{
    return CLanguage(nIndex, GetLanguage(nIndex).nValue);
}

CString CLanguage::LoadText(UINT nID) const
{
    return LoadFixed(static_cast<UINT>(Base()) + nID);
}

CString CLanguage::LoadFixed(UINT nID)
{
    CString str;
    str.LoadString(nID);
    return str;
}

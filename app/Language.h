// The six languages of the menu: how a stored language value, the system's
// primary language and the chooser's buttons map to a language index. A text
// of language index i is string (i * 1000 + English id).
#pragma once

#include <windows.h>

struct LanguageInfo
{
    int nIndex;             // 0 English .. 5 Japanese
    int nValue;             // the number stored as "Language" and passed to installers
    WORD wPrimaryLanguage;  // the system primary language that selects it
    UINT nChooserButton;    // its button in the language chooser
    UINT nNameId;           // its own name, in its own language
};

constexpr int kLanguageCount = 6;
constexpr int kLanguageBaseStep = 1000;
constexpr int kEnglishIndex = 0;

extern const wchar_t kLanguageKey[];
extern const wchar_t kLanguageValueName[];

const LanguageInfo& GetLanguage(int nIndex);
// The language of a stored value; English for any value not in the table.
const LanguageInfo& LanguageFromValue(int nValue);
// The language a system of this primary language starts in; English otherwise.
const LanguageInfo& LanguageFromPrimary(WORD wPrimaryLanguage);

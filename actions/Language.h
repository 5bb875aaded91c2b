// The six languages of the menu: how a stored language value, the system's
// primary language and the chooser's buttons map to a language index, and
// CLanguage, the one value the menu, its installers' command lines and its
// messages take the language from.
#pragma once

#include "framework/String.h"

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

// CLanguage: the menu's language. The index chooses the texts (string
// base + id, base = index * 1000); the stored value is what the registry
// holds and the installers are told. A stored value the table does not know
// shows English texts but is passed on as it was stored.
class CLanguage
{
public:
    CLanguage() = default;  // English, nothing stored yet
    CLanguage(int nIndex, int nStoredValue) noexcept;
    static CLanguage FromStoredValue(int nStoredValue);
    static CLanguage FromIndex(int nIndex);

    int Index() const noexcept { return m_nIndex; }
    int StoredValue() const noexcept { return m_nStoredValue; }
    int Base() const noexcept { return m_nIndex * kLanguageBaseStep; }
    bool IsEnglish() const noexcept { return m_nIndex == kEnglishIndex; }
    // String Base() + nID: a text in this language.
    CString LoadText(UINT nID) const;
    // String nID as it stands: the English-only entries (titles, folders, file names).
    static CString LoadFixed(UINT nID);

private:
    int m_nIndex = kEnglishIndex;
    int m_nStoredValue = 0;
};

// The menu's languages as one table: how a stored language value, the
// system's primary language and the chooser's buttons map to a language, and
// what each language names on the disc. CLanguage is the one value the menu,
// its installers' command lines and its messages take the language from.
#pragma once

#include "framework/String.h"
#include "res/strings.h"

#include <windows.h>

struct LanguageInfo
{
    int nIndex;                         // its row: 0 English, 1 French ...
    int nValue;                         // the number stored as "Language" and passed to installers
    WORD wPrimaryLanguage;              // the system primary language that selects it
    UINT nBase;                         // its texts stand at base + the English id
    UINT nChooserButton;                // its button in the language chooser
    const wchar_t* pszEnglishName;      // how the disc check names it
    const wchar_t* pszDirectXFolder;    // the DirectX 8.1 installer of a system in this language
    const wchar_t* pszPremiereUpdater;  // after the disc root, for a Premiere in this language;
                                        // null where the international updater serves

    // Its own name, in its own language: what its chooser button shows.
    UINT NameId() const noexcept { return nBase + IDS_LANGUAGE_NAME; }
};

constexpr int kLanguageCount = 6;
constexpr int kEnglishIndex = 0;

extern const wchar_t kLanguageKey[];
extern const wchar_t kLanguageValueName[];

const LanguageInfo& GetLanguage(int nIndex);
// The language of a stored value; English for any value not in the table.
const LanguageInfo& LanguageFromValue(int nValue);
// The language a system of this primary language starts in; English otherwise.
const LanguageInfo& LanguageFromPrimary(WORD wPrimaryLanguage);
// The language whose chooser button is nId; null for none.
const LanguageInfo* LanguageFromChooserButton(UINT nId);

// CLanguage: the menu's language. The index chooses the texts (its row's
// base + id); the stored value is what the registry holds and the
// installers are told. A stored value the table does not know shows English
// texts but is passed on as it was stored.
class CLanguage
{
public:
    CLanguage() = default;  // English, nothing stored yet
    CLanguage(int nIndex, int nStoredValue) noexcept;
    static CLanguage FromStoredValue(int nStoredValue);
    static CLanguage FromIndex(int nIndex);

    int Index() const noexcept { return m_nIndex; }
    int StoredValue() const noexcept { return m_nStoredValue; }
    int Base() const noexcept { return static_cast<int>(GetLanguage(m_nIndex).nBase); }
    bool IsEnglish() const noexcept { return m_nIndex == kEnglishIndex; }
    // String Base() + nID: a text in this language.
    CString LoadText(UINT nID) const;
    // String nID as it stands: the English-only entries (titles, folders, file names).
    static CString LoadFixed(UINT nID);

private:
    int m_nIndex = kEnglishIndex;
    int m_nStoredValue = 0;
};

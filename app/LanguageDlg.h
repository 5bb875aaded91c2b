// CLanguageDlg: the language chooser. One button per row of the language
// table, each naming its language in that language; it opens just above the
// Language button and records the choice for the caller.
#pragma once

#include "actions/Language.h"
#include "skin/HoverButton.h"
#include "skin/SkinDialog.h"

class CLanguageDlg : public CSkinDialog
{
public:
    explicit CLanguageDlg(CWnd* pParent = nullptr);
    ~CLanguageDlg() override;

    BOOL OnInitDialog() override;

    const LanguageInfo* m_pChosen = nullptr;  // null: closed without a choice
    CHoverButton m_buttons[kLanguageCount];   // in the order of the table
    RECT m_rcAnchor{};                        // the Language button, screen coordinates

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    // Chooses the language of chooser button nId.
    void OnChoose(UINT nId);

    DECLARE_MESSAGE_MAP()
};

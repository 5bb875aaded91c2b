// CLanguageDlg: the language chooser. Six buttons, each naming its language
// in that language; it opens just above the Language button and records the
// choice for the caller.
#pragma once

#include "skin/HoverButton.h"
#include "skin/SkinDialog.h"

class CLanguageDlg : public CSkinDialog
{
public:
    explicit CLanguageDlg(CWnd* pParent = nullptr);
    ~CLanguageDlg() override;

    BOOL OnInitDialog() override;

    int m_nChosenIndex = 0;
    int m_nChosenValue = 0;  // 0: closed without a choice
    CHoverButton m_btnSpanish;
    CHoverButton m_btnJapanese;
    CHoverButton m_btnItalian;
    CHoverButton m_btnFrench;
    CHoverButton m_btnEnglish;
    CHoverButton m_btnGerman;
    RECT m_rcAnchor{};  // the Language button, screen coordinates

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnEnglish();
    void OnFrench();
    void OnGerman();
    void OnItalian();
    void OnSpanish();
    void OnJapanese();

    DECLARE_MESSAGE_MAP()

private:
    CHoverButton& ButtonOf(int nLanguageIndex);
    // Chooses the language of chooser button nId.
    void ChooseButton(UINT nId);
};

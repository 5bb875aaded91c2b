#include "app/LanguageDlg.h"

#include "actions/Language.h"
#include "framework/DataExchange.h"
#include "res/resource.h"

BEGIN_MESSAGE_MAP(CLanguageDlg, CSkinDialog)
    ON_BN_CLICKED(IDC_LANG_ENGLISH, OnEnglish)
    ON_BN_CLICKED(IDC_LANG_FRENCH, OnFrench)
    ON_BN_CLICKED(IDC_LANG_GERMAN, OnGerman)
    ON_BN_CLICKED(IDC_LANG_ITALIAN, OnItalian)
    ON_BN_CLICKED(IDC_LANG_SPANISH, OnSpanish)
    ON_BN_CLICKED(IDC_LANG_JAPANESE, OnJapanese)
END_MESSAGE_MAP()

CLanguageDlg::CLanguageDlg(CWnd* pParent) : CSkinDialog(IDD_LANGUAGE, pParent)
{
}

CLanguageDlg::~CLanguageDlg() = default;

void CLanguageDlg::DoDataExchange(CDataExchange* pDX)
{
    CSkinDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_LANG_SPANISH, m_btnSpanish);
    DDX_Control(pDX, IDC_LANG_JAPANESE, m_btnJapanese);
    DDX_Control(pDX, IDC_LANG_ITALIAN, m_btnItalian);
    DDX_Control(pDX, IDC_LANG_FRENCH, m_btnFrench);
    DDX_Control(pDX, IDC_LANG_ENGLISH, m_btnEnglish);
    DDX_Control(pDX, IDC_LANG_GERMAN, m_btnGerman);
}

CHoverButton& CLanguageDlg::ButtonOf(int nLanguageIndex)
{
    static CHoverButton CLanguageDlg::*const kButtons[kLanguageCount] = {
        &CLanguageDlg::m_btnEnglish, &CLanguageDlg::m_btnFrench,  &CLanguageDlg::m_btnGerman,
        &CLanguageDlg::m_btnItalian, &CLanguageDlg::m_btnSpanish, &CLanguageDlg::m_btnJapanese};
    return this->*kButtons[nLanguageIndex];
}

BOOL CLanguageDlg::OnInitDialog()
{
    CSkinDialog::OnInitDialog();
    SetBackground(IDB_CHOOSER_BACKGROUND);

    for (int nIndex = 0; nIndex < kLanguageCount; ++nIndex)
    {
        CHoverButton& button = ButtonOf(nIndex);
        LoadButtonStrip(button, IDB_BUTTON_STRIP);
        const CString strName = CLanguage::LoadFixed(GetLanguage(nIndex).nNameId);
        button.SetCaptions(strName, kCaptionColour, nullptr, kSameColour, nullptr, kSameColour,
                           nullptr, kSameColour);
    }

    // Bottom-left corner on the anchor's top-left corner.
    CRect rcWindow;
    GetWindowRect(&rcWindow);
    SetWindowPos(nullptr, m_rcAnchor.left, m_rcAnchor.top - rcWindow.Height(), rcWindow.Width(),
                 rcWindow.Height(), SWP_NOZORDER | SWP_NOCOPYBITS | SWP_NOOWNERZORDER);
    return TRUE;
}

void CLanguageDlg::ChooseButton(UINT nId)
{
    for (int nIndex = 0; nIndex < kLanguageCount; ++nIndex)
    {
        const LanguageInfo& language = GetLanguage(nIndex);
        if (language.nChooserButton != nId)
            continue;
        m_nChosenIndex = language.nIndex;
        m_nChosenValue = language.nValue;
        EndDialog(0);
        return;
    }
}

// The click handlers: each chooses the language whose row names its button.

void CLanguageDlg::OnEnglish() { ChooseButton(IDC_LANG_ENGLISH); }
void CLanguageDlg::OnFrench() { ChooseButton(IDC_LANG_FRENCH); }
void CLanguageDlg::OnGerman() { ChooseButton(IDC_LANG_GERMAN); }
void CLanguageDlg::OnItalian() { ChooseButton(IDC_LANG_ITALIAN); }
void CLanguageDlg::OnSpanish() { ChooseButton(IDC_LANG_SPANISH); }
void CLanguageDlg::OnJapanese() { ChooseButton(IDC_LANG_JAPANESE); }

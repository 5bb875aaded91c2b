#include "app/LanguageDlg.h"

#include "framework/DataExchange.h"
#include "res/resource.h"

// clang-format off
BEGIN_MESSAGE_MAP(CLanguageDlg, CSkinDialog)
    ON_BN_CLICKED_RANGE(IDC_FIRST_CONTROL, IDC_LAST_CONTROL, OnChoose)
END_MESSAGE_MAP()
// clang-format on

CLanguageDlg::CLanguageDlg(CWnd* pParent) : CSkinDialog(IDD_LANGUAGE, pParent) {}

CLanguageDlg::~CLanguageDlg() = default;

void CLanguageDlg::DoDataExchange(CDataExchange* pDX)
{
    CSkinDialog::DoDataExchange(pDX);
    for (int nIndex = 0; nIndex < kLanguageCount; ++nIndex)
        DDX_Control(pDX, static_cast<int>(GetLanguage(nIndex).nChooserButton), m_buttons[nIndex]);
}

BOOL CLanguageDlg::OnInitDialog()
{
    CSkinDialog::OnInitDialog();
    SetBackground(IDB_CHOOSER_BACKGROUND);

    for (int nIndex = 0; nIndex < kLanguageCount; ++nIndex)
    {
        CHoverButton& button = m_buttons[nIndex];
        LoadButtonStrip(button, IDB_BUTTON_STRIP);
        const CString strName = CLanguage::LoadFixed(GetLanguage(nIndex).NameId());
        button.SetCaptions(strName, kCaptionColour, nullptr, kSameColour, nullptr, kSameColour, nullptr, kSameColour);
    }

    // Bottom-left corner on the anchor's top-left corner.
    CRect rcWindow;
    GetWindowRect(&rcWindow);
    SetWindowPos(nullptr, m_rcAnchor.left, m_rcAnchor.top - rcWindow.Height(), rcWindow.Width(), rcWindow.Height(),
                 SWP_NOZORDER | SWP_NOCOPYBITS | SWP_NOOWNERZORDER);
    return TRUE;
}

void CLanguageDlg::OnChoose(UINT nId)
{
    const LanguageInfo* pLanguage = LanguageFromChooserButton(nId);
    if (pLanguage == nullptr)
        return;
    m_pChosen = pLanguage;
    EndDialog(0);
}

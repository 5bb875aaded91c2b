#include "actions/ModelDlg.h"

#include "framework/DataExchange.h"
#include "res/resource.h"

namespace
{
void SetFixedCaption(CHoverButton& button, LPCWSTR lpszCaption)
{
    button.SetCaptions(lpszCaption, kCaptionColour, nullptr, kSameColour, nullptr, kSameColour, nullptr, kSameColour);
}
}  // namespace

// clang-format off
BEGIN_MESSAGE_MAP(CModelDlg, CSkinDialog)
    ON_BN_CLICKED(IDC_MODEL_LITE, OnModelLite)
    ON_BN_CLICKED(IDC_MODEL_PRO, OnModelPro)
    ON_BN_CLICKED(IDC_MODEL_CANCEL, OnModelCancel)
END_MESSAGE_MAP()
// clang-format on

CModelDlg::CModelDlg(CWnd* pParent) : CSkinDialog(IDD_MODEL, pParent) {}

CModelDlg::~CModelDlg() = default;

void CModelDlg::DoDataExchange(CDataExchange* pDX)
{
    CSkinDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_MODEL_CANCEL, m_btnCancel);
    DDX_Control(pDX, IDC_MODEL_LITE, m_btnLite);
    DDX_Control(pDX, IDC_MODEL_PRO, m_btnPro);
}

BOOL CModelDlg::OnInitDialog()
{
    CSkinDialog::OnInitDialog();
    SetBackground(IDB_CHOOSER_BACKGROUND);
    LoadButtonStrip(m_btnLite, IDB_BUTTON_STRIP);
    SetFixedCaption(m_btnLite, L"Velquin Lite");
    LoadButtonStrip(m_btnPro, IDB_BUTTON_STRIP);
    SetFixedCaption(m_btnPro, L"Velquin Pro");
    LoadButtonStrip(m_btnCancel, IDB_CLOSE_STRIP);
    SetFixedCaption(m_btnCancel, L"Exit");
    return TRUE;
}

void CModelDlg::OnOK() { OnModelCancel(); }

void CModelDlg::OnCancel() { OnModelCancel(); }

void CModelDlg::OnModelLite()
{
    m_nModel = kModelLite;
    EndDialog(0);
}

void CModelDlg::OnModelPro()
{
    m_nModel = kModelPro;
    EndDialog(0);
}

void CModelDlg::OnModelCancel()
{
    m_nModel = kModelNone;
    EndDialog(0);
}

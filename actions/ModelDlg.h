// CModelDlg: asks which hardware model is installed when the menu does not
// know it. Its captions are fixed English texts in every language.
#pragma once

#include "skin/HoverButton.h"
#include "skin/SkinDialog.h"

// The hardware models, as the menu keeps them ("Codec" value minus 4).
constexpr int kModelLite = 0;
constexpr int kModelPro = 1;
constexpr int kModelNone = 3;

class CModelDlg : public CSkinDialog
{
public:
    explicit CModelDlg(CWnd* pParent = nullptr);
    ~CModelDlg() override;

    BOOL OnInitDialog() override;
    // Esc, Alt+F4 and Enter give up like Exit: no model. Only the two model
    // buttons choose one (the focus rests on Exit).
    void OnOK() override;
    void OnCancel() override;

    // No model until a model button answers: a quit that ends the chooser
    // must not open a manual.
    int m_nModel = kModelNone;
    CHoverButton m_btnCancel;
    CHoverButton m_btnLite;
    CHoverButton m_btnPro;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnModelLite();
    void OnModelPro();
    void OnModelCancel();

    DECLARE_MESSAGE_MAP()
};

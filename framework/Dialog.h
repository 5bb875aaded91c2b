// CDialog: a dialog from a template resource, run modally by DoModal with its
// own message loop. Each message is offered to PreTranslateMessage of its
// target window and that window's parents before IsDialogMessage, so controls
// see their mouse messages first (tooltips). IDOK and IDCANCEL reach the
// virtual OnOK and OnCancel.
#pragma once

#include "framework/Wnd.h"

class CDataExchange;

class CDialog : public CWnd
{
public:
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    ~CDialog() override;

    virtual INT_PTR DoModal();
    // Creates the dialog modeless (owner: the parent given, or none).
    BOOL Create();
    void EndDialog(int nResult);
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);

    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();

protected:
    virtual void DoDataExchange(CDataExchange* pDX);

    UINT m_nIDTemplate;
    CWnd* m_pParentWnd;

    DECLARE_MESSAGE_MAP()

private:
    static INT_PTR CALLBACK DialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) noexcept;
    BOOL CreateWithOwner(HWND hWndOwner);
    void RunModalLoop();
    void HandBackToOwner();

    bool m_bEndModal = false;
    int m_nModalResult = -1;
    HWND m_hWndModalOwner = nullptr;
    bool m_bOwnerDisabled = false;
};

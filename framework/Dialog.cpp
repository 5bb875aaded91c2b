#include "framework/Dialog.h"

#include "framework/DataExchange.h"
#include "framework/WinApp.h"

// clang-format off
BEGIN_MESSAGE_MAP(CDialog, CWnd)
    ON_COMMAND(IDOK, OnOK)
    ON_COMMAND(IDCANCEL, OnCancel)
END_MESSAGE_MAP()
// clang-format on

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd) : m_nIDTemplate(nIDTemplate), m_pParentWnd(pParentWnd) {}

CDialog::~CDialog()
{
    // A dialog is its own window's creator.
    if (m_hWnd != nullptr && FromHandlePermanent(m_hWnd) == this)
        DestroyWindow();
}

INT_PTR CALLBACK CDialog::DialogProc(HWND hWnd, UINT message, WPARAM, LPARAM lParam) noexcept
{
    if (message != WM_INITDIALOG)
        return FALSE;  // everything else runs through the subclassed window procedure

    auto* pDialog = reinterpret_cast<CDialog*>(lParam);
    pDialog->SubclassWindow(hWnd);
    const MSG current = {hWnd, message, 0, lParam, 0, {0, 0}};
    pDialog->m_pCurrentMsg = &current;
    const BOOL bSetFocus = pDialog->OnInitDialog();
    pDialog->m_pCurrentMsg = nullptr;
    return bSetFocus;
}

BOOL CDialog::CreateWithOwner(HWND hWndOwner)
{
    m_bEndModal = false;
    m_nModalResult = -1;
    const HWND hWnd = ::CreateDialogParamW(AfxGetResourceHandle(), MAKEINTRESOURCEW(m_nIDTemplate), hWndOwner,
                                           &DialogProc, reinterpret_cast<LPARAM>(this));
    return hWnd != nullptr;
}

BOOL CDialog::Create() { return CreateWithOwner(m_pParentWnd != nullptr ? m_pParentWnd->m_hWnd : nullptr); }

INT_PTR CDialog::DoModal()
{
    HWND hWndOwner = m_pParentWnd != nullptr ? m_pParentWnd->m_hWnd : nullptr;
    if (hWndOwner == nullptr)
    {
        CWnd* pMainWnd = AfxGetMainWnd();
        if (pMainWnd != nullptr && pMainWnd != this)
            hWndOwner = pMainWnd->m_hWnd;
    }
    m_hWndModalOwner = hWndOwner;
    m_bOwnerDisabled = hWndOwner != nullptr && ::IsWindowEnabled(hWndOwner);
    if (m_bOwnerDisabled)
        ::EnableWindow(hWndOwner, FALSE);

    if (CreateWithOwner(hWndOwner))
    {
        if (!m_bEndModal && !IsWindowVisible())
            ShowWindow(SW_SHOWNORMAL);
        RunModalLoop();
    }

    HandBackToOwner();  // when the loop ended without EndDialog (WM_QUIT)
    DestroyWindow();
    m_hWndModalOwner = nullptr;
    return m_nModalResult;
}

// Before the dialog hides: a hidden active window hands activation to the
// next window that can take it, and while the owner is still disabled that
// is another program's window.
void CDialog::HandBackToOwner()
{
    if (m_bOwnerDisabled)
    {
        ::EnableWindow(m_hWndModalOwner, TRUE);
        m_bOwnerDisabled = false;
    }
    if (m_hWndModalOwner != nullptr && ::GetActiveWindow() == m_hWnd)
        ::SetActiveWindow(m_hWndModalOwner);
}

void CDialog::RunModalLoop()
{
    MSG msg;
    while (!m_bEndModal)
    {
        const BOOL bGot = ::GetMessageW(&msg, nullptr, 0, 0);
        if (bGot <= 0)
        {
            if (bGot == 0)
                ::PostQuitMessage(static_cast<int>(msg.wParam));  // for the loops outside
            m_nModalResult = -1;
            return;
        }
        if (!WalkPreTranslateTree(m_hWnd, &msg) && !::IsDialogMessageW(m_hWnd, &msg))
        {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
    }
}

void CDialog::EndDialog(int nResult)
{
    m_nModalResult = nResult;
    m_bEndModal = true;
    if (m_hWnd != nullptr)
    {
        HandBackToOwner();
        ShowWindow(SW_HIDE);
        // Wakes the loop when the request came in with a sent message.
        PostMessage(WM_NULL);
    }
}

BOOL CDialog::UpdateData(BOOL bSaveAndValidate)
{
    CDataExchange dx(this, bSaveAndValidate);
    DoDataExchange(&dx);
    return TRUE;
}

BOOL CDialog::OnInitDialog()
{
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::DoDataExchange(CDataExchange*) {}

void CDialog::OnOK() { EndDialog(IDOK); }

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

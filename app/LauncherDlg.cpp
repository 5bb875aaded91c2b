#include "app/LauncherDlg.h"

#include "app/LanguageDlg.h"
#include "framework/DataExchange.h"
#include "framework/PaintDC.h"
#include "framework/StartupTrace.h"
#include "framework/WinApp.h"
#include "res/resource.h"
#include "res/strings.h"

namespace
{
constexpr UINT kRedrawNow = RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW;
// In system colours: where the artwork's title stands, and how far around the
// description area its frame lies, in dialog units.
constexpr RECT kTitleArea = {30, 30, 400, 72};
constexpr int kDescriptionMargin = 4;
// The title's letters fill this share of its area's height.
constexpr int kTitleHeightPercent = 75;

// The same caption in every state, in the disabled colour while disabled.
void SetMenuCaption(CHoverButton& button, const CString& strCaption)
{
    button.SetCaptions(strCaption, kCaptionColour, strCaption, kCaptionColour, strCaption, kCaptionColour, strCaption,
                       kDisabledCaptionColour);
}
}  // namespace

// clang-format off
BEGIN_MESSAGE_MAP(CLauncherDlg, CSkinDialog)
    ON_WM_PAINT()
    ON_WM_QUERYDRAGICON()
    ON_WM_SETCURSOR()
    ON_BN_CLICKED(IDC_LANGUAGE, OnLanguage)
    ON_BN_CLICKED(IDOK, OnOK)
    ON_BN_CLICKED_RANGE(IDC_FIRST_CONTROL, IDC_LAST_CONTROL, ClickButton)
END_MESSAGE_MAP()
// clang-format on

CLauncherDlg::CLauncherDlg(CWnd* pParent)
    : CSkinDialog(IDD_MAIN, pParent), m_hIcon(::LoadIconW(AfxGetInstanceHandle(), MAKEINTRESOURCEW(IDI_MAIN))),
      m_launcher(*this, m_language)
{
}

CLauncherDlg::~CLauncherDlg() = default;

void CLauncherDlg::DoDataExchange(CDataExchange* pDX)
{
    CSkinDialog::DoDataExchange(pDX);
    for (const ButtonRow& row : MenuButtonTable())
        DDX_Control(pDX, static_cast<int>(row.nId), SlotOf(row).button);
    DDX_Control(pDX, IDC_DESCRIPTION, m_description);
}

BOOL CLauncherDlg::OnInitDialog()
{
    MarkStartup(StartupPoint::kDialogCreated);
    CSkinDialog::OnInitDialog();
    ApplySettings(ReadMenuSettings());
    MarkStartup(StartupPoint::kSettingsRead);

    SetWindowText(kMainTitle);
    // Without SWP_FRAMECHANGED the frame stays cached and the client area a
    // border short of the window, which the background and region assume.
    ModifyStyle(WS_BORDER, 0, SWP_FRAMECHANGED);
    // The small icon first: a big one set alone gets a scaled small copy
    // made at once, only to be dropped by the small one that follows.
    SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));
    SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));

    m_bUseKeyColor = TRUE;
    m_crKey = RGB(255, 0, 255);
    m_bTransparentStatics = TRUE;
    m_bDragMove = TRUE;
    // Known before the background is set, so the window gets one region.
    SetRegionKeep(CRect(0, 0, 763, 560));
    SetBackground(IDB_MAIN_BACKGROUND);
    MarkStartup(StartupPoint::kRegionBuilt);

    for (const ButtonRow& row : MenuButtonTable())
        LoadButtonStrip(SlotOf(row).button, row.nStripId);
    MarkStartup(StartupPoint::kStripsLoaded);

    RefreshAllButtons(m_language.Index());
    MarkStartup(StartupPoint::kButtonsRefreshed);
    SendMessage(DM_SETDEFID, IDC_SUITE);
    return TRUE;
}

void CLauncherDlg::ApplySettings(const MenuSettings& settings)
{
    m_strDiscRoot = settings.strDiscRoot;
    m_bSuiteInstalled = settings.bSuiteInstalled;
    m_nHardwareModel = settings.nHardwareModel;
    m_language = settings.language;
}

void CLauncherDlg::RefreshAllButtons(int nLanguageIndex)
{
    m_language = CLanguage(nLanguageIndex, m_language.StoredValue());
    RefreshInLanguage();
}

void CLauncherDlg::RefreshInLanguage()
{
    for (const ButtonRow& row : MenuButtonTable())
        RefreshRow(row);

    CHoverButton& btnLanguage = Button(IDC_LANGUAGE);
    SetMenuCaption(btnLanguage, LoadText(IDS_CAPTION_LANGUAGE));
    btnLanguage.SetDescriptions(LoadText(IDS_DESC_LANGUAGE), nullptr);
    CHoverButton& btnExit = Button(IDOK);
    btnExit.SetDescriptions(LoadText(IDS_DESC_EXIT), nullptr);
    btnExit.SetTipText(LoadText(IDS_TIP_EXIT), TRUE);
}

void CLauncherDlg::RefreshButton(UINT nId)
{
    const ButtonRow* pRow = FindButtonRow(nId);
    if (pRow != nullptr)
        RefreshRow(*pRow);
}

void CLauncherDlg::RefreshRow(const ButtonRow& row)
{
    if (row.pfnRefresh == nullptr)
        return;
    const ButtonState state = row.pfnRefresh(*this, row);
    MenuButton& slot = SlotOf(row);
    slot.bAvailable = state.bAvailable;
    slot.strTarget = state.strTarget;
    slot.button.EnableWindow(state.bAvailable);
    SetMenuCaption(slot.button, LoadText(row.nCaptionId));
    slot.button.SetDescriptions(LoadText(row.nDescriptionId), state.strStatus);
}

void CLauncherDlg::ClickButton(UINT nId)
{
    const ButtonRow* pRow = FindButtonRow(nId);
    if (pRow == nullptr || pRow->pfnClick == nullptr)
        return;
    // A copy: what the click opens stays as the refresh found it while it runs.
    const CString strTarget = SlotOf(*pRow).strTarget;
    switch (pRow->pfnClick(*this, *pRow, strTarget))
    {
    case AfterClick::EndMenu: EndDialog(0); break;
    case AfterClick::RefreshSuiteAndButton: RefreshButton(IDC_SUITE); [[fallthrough]];
    case AfterClick::RefreshButton: RefreshRow(*pRow); break;
    case AfterClick::Nothing: break;
    }
}

BOOL CLauncherDlg::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    CPoint point;
    ::GetCursorPos(&point);
    ScreenToClient(&point);
    CWnd temporary;
    const HWND hChild = ::ChildWindowFromPoint(m_hWnd, point);
    CWnd* pTarget = hChild != nullptr ? FromHandle(hChild, temporary) : pWnd;

    if (pTarget != nullptr && pTarget->IsKindOf(RUNTIME_CLASS(CHoverButton)) && pTarget->IsWindowVisible())
    {
        DescribeButton(*static_cast<CHoverButton*>(pTarget));
    }
    else
    {
        m_description.SetCaption(CString());
        RedrawControlArea(IDC_DESCRIPTION);
    }
    return CSkinDialog::OnSetCursor(pWnd, nHitTest, message);
}

// The keyboard explains its button as the pointer does.
void CLauncherDlg::OnKeyboardPlace(CHoverButton& button) { DescribeButton(button); }

void CLauncherDlg::DescribeButton(const CHoverButton& button)
{
    const CString strText = button.GetDescription();
    if (strText != m_description.GetWindowText())
        ShowDescription(strText);
}

void CLauncherDlg::ShowDescription(const CString& strText)
{
    m_description.SetForeground(kCaptionColour);
    m_description.SetCaption(strText);
    RedrawControlArea(IDC_DESCRIPTION);
}

void CLauncherDlg::RedrawControlArea(UINT nID)
{
    CRect rcControl;
    ::GetWindowRect(GetDlgItem(static_cast<int>(nID)), &rcControl);
    ScreenToClient(&rcControl);
    InvalidateRect(&rcControl, TRUE);
    UpdateWindow();
}

void CLauncherDlg::OnOK() { EndDialog(0); }

void CLauncherDlg::OnCancel() { OnOK(); }

void CLauncherDlg::OnPaint()
{
    if (!IsIconic())
    {
        CSkinDialog::OnPaint();
        return;
    }
    CPaintDC dc(this);
    SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc()));
    CRect rcClient;
    GetClientRect(&rcClient);
    const int x = (rcClient.Width() - ::GetSystemMetrics(SM_CXICON) + 1) / 2;
    const int y = (rcClient.Height() - ::GetSystemMetrics(SM_CYICON) + 1) / 2;
    dc.DrawIcon(x, y, m_hIcon);
}

// The window still says what it is where the artwork's title stood, and the
// description area keeps a frame where the artwork's panel was.
void CLauncherDlg::DrawArtworkStandIns(CDCHandle& dc)
{
    CRect rcTitle = kTitleArea;
    ::MapDialogRect(m_hWnd, &rcTitle);
    CSelectionGuard selectFont(dc, TitleFont(rcTitle.Height() * kTitleHeightPercent / 100));
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(::GetSysColor(COLOR_WINDOWTEXT));
    dc.DrawText(kMainTitle, &rcTitle, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);

    CRect rcFrame;
    m_description.GetWindowRect(&rcFrame);
    ScreenToClient(&rcFrame);
    CRect rcMargin(0, 0, kDescriptionMargin, kDescriptionMargin);
    ::MapDialogRect(m_hWnd, &rcMargin);
    ::InflateRect(&rcFrame, rcMargin.right, rcMargin.bottom);
    ::FrameRect(dc, &rcFrame, ::GetSysColorBrush(COLOR_WINDOWTEXT));
}

// The dialog's face in bold, made again only when the height changes.
HFONT CLauncherDlg::TitleFont(int nHeight)
{
    if (m_fontTitle.IsNull() || nHeight != m_nTitleHeight)
    {
        LOGFONTW logFont{};
        ::GetObjectW(reinterpret_cast<HGDIOBJ>(SendMessage(WM_GETFONT)), sizeof(logFont), &logFont);
        logFont.lfHeight = -nHeight;
        logFont.lfWidth = 0;
        logFont.lfWeight = FW_BOLD;
        m_fontTitle.CreateFontIndirect(&logFont);
        m_nTitleHeight = nHeight;
    }
    return m_fontTitle;
}

HCURSOR CLauncherDlg::OnQueryDragIcon() { return static_cast<HCURSOR>(m_hIcon); }

void CLauncherDlg::ShowInstallButtons(BOOL bShow)
{
    for (const ButtonRow& row : MenuButtonTable())
    {
        if (row.shown == Shown::OutsideChooser)
            SlotOf(row).button.ModifyStyle(bShow ? 0 : WS_VISIBLE, bShow ? WS_VISIBLE : 0, 0);
    }
}

void CLauncherDlg::RedrawWholeDialog() { RedrawWindow(nullptr, nullptr, kRedrawNow); }

void CLauncherDlg::OnLanguage()
{
    CLanguageDlg chooser(nullptr);
    ShowInstallButtons(FALSE);
    RedrawWholeDialog();
    Button(IDC_LANGUAGE).GetWindowRect(&chooser.m_rcAnchor);
    chooser.DoModal();

    // A chooser closed without a choice leaves the language as it was.
    const LanguageInfo* pChosen = chooser.m_pChosen;
    if (pChosen != nullptr && pChosen->nValue != m_language.StoredValue())
    {
        m_language = CLanguage::FromIndex(pChosen->nIndex);
        StoreLanguage(m_language);
        RefreshInLanguage();
        // The area still reads in the old language.
        if (CHoverButton* pPlace = KeyboardPlace())
            DescribeButton(*pPlace);
        else
            ShowDescription(CString());
    }
    ShowInstallButtons(TRUE);
    RedrawWholeDialog();
}

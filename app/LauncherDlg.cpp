#include "app/LauncherDlg.h"

#include "actions/AddOnInstaller.h"
#include "actions/DocumentButtons.h"
#include "actions/PremiereUpdater.h"
#include "actions/SuiteInstaller.h"
#include "app/LanguageDlg.h"
#include "app/Language.h"
#include "framework/DataExchange.h"
#include "framework/PaintDC.h"
#include "framework/StartupTrace.h"
#include "framework/WinApp.h"
#include "probes/Folder.h"
#include "probes/Registry.h"
#include "res/resource.h"
#include "res/strings.h"

const wchar_t kRunKey[] = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
const wchar_t kRunValueName[] = L"Splash";

namespace
{
const wchar_t kHardwareKey[] = L"Software\\Zelvora";
const wchar_t kHardwareValueName[] = L"Codec";
constexpr DWORD kCodecOfLite = 4;
const wchar_t kSuiteProductCode[] = L"{5FDD4E6F-84E5-4E1A-AC16-F471369201A1}";
const wchar_t kMainTitle[] = L"Zelvora Velquin";
constexpr UINT kRedrawNow = RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW;
// Long enough for any Win32 path, \\?\ paths included.
constexpr int kMaxPath = 32768;

// The nine large buttons that the language chooser hides while it is open.
constexpr UINT kInstallButtons[] = {IDC_SUITE,      IDC_AFTER_EFFECTS, IDC_3DS_MAX,
                                    IDC_LIGHTWAVE,  IDC_EFFECTS,       IDC_README,
                                    IDC_WALLPAPERS, IDC_VFW_CODECS,    IDC_SPICEMASTER};

// The folder part of a path: everything before its last backslash, or empty.
CString FolderOf(const CString& strPath)
{
    const int nLastBackslash = strPath.ReverseFind(L'\\');
    return nLastBackslash >= 0 ? strPath.Left(nLastBackslash) : CString();
}
// A command line written as one quoted path gives back the path.
CString Unquote(const CString& strCommand)
{
    const int nLength = strCommand.GetLength();
    if (nLength >= 2 && strCommand.GetAt(0) == L'"' && strCommand.GetAt(nLength - 1) == L'"')
        return strCommand.Mid(1, nLength - 2);
    return strCommand;
}
}  // namespace

BEGIN_MESSAGE_MAP(CLauncherDlg, CSkinDialog)
    ON_WM_PAINT()
    ON_WM_QUERYDRAGICON()
    ON_WM_SETCURSOR()
    ON_BN_CLICKED(IDC_SUITE, OnInstallSuite)
    ON_BN_CLICKED(IDC_PREMIERE_UPDATER, OnInstallPremiereUpdater)
    ON_BN_CLICKED(IDC_AFTER_EFFECTS, OnInstallAfterEffects)
    ON_BN_CLICKED(IDC_3DS_MAX, OnInstall3dsMax)
    ON_BN_CLICKED(IDC_LIGHTWAVE, OnInstallLightWave)
    ON_BN_CLICKED(IDC_EFFECTS, OnInstallEffects)
    ON_BN_CLICKED(IDC_README, OnViewReadme)
    ON_BN_CLICKED(IDC_ACROBAT_READER, OnInstallAcrobatReader)
    ON_BN_CLICKED(IDC_MANUAL, OnViewManual)
    ON_BN_CLICKED(IDC_WALLPAPERS, OnInstallWallpapers)
    ON_BN_CLICKED(IDC_VFW_CODECS, OnInstallVfwCodecs)
    ON_BN_CLICKED(IDC_SPICEMASTER, OnInstallSpiceMaster)
    ON_BN_CLICKED(IDC_LANGUAGE, OnLanguage)
    ON_BN_CLICKED(IDOK, OnOK)
END_MESSAGE_MAP()

CLauncherDlg::CLauncherDlg(CWnd* pParent)
    : CSkinDialog(IDD_MAIN, pParent),
      m_hIcon(::LoadIconW(AfxGetInstanceHandle(), MAKEINTRESOURCEW(IDI_MAIN))),
      m_launcher(*this, m_nLanguageBase)
{
}

CLauncherDlg::~CLauncherDlg() = default;

void CLauncherDlg::DoDataExchange(CDataExchange* pDX)
{
    CSkinDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_SUITE, m_btnSuite);
    DDX_Control(pDX, IDC_PREMIERE_UPDATER, m_btnPremiereUpdater);
    DDX_Control(pDX, IDC_AFTER_EFFECTS, m_btnAfterEffects);
    DDX_Control(pDX, IDC_3DS_MAX, m_btn3dsMax);
    DDX_Control(pDX, IDC_LIGHTWAVE, m_btnLightWave);
    DDX_Control(pDX, IDC_EFFECTS, m_btnEffects);
    DDX_Control(pDX, IDC_README, m_btnReadme);
    DDX_Control(pDX, IDC_ACROBAT_READER, m_btnAcrobatReader);
    DDX_Control(pDX, IDC_MANUAL, m_btnManual);
    DDX_Control(pDX, IDC_WALLPAPERS, m_btnWallpapers);
    DDX_Control(pDX, IDC_VFW_CODECS, m_btnVfwCodecs);
    DDX_Control(pDX, IDC_SPICEMASTER, m_btnSpiceMaster);
    DDX_Control(pDX, IDC_LANGUAGE, m_btnLanguage);
    DDX_Control(pDX, IDOK, m_btnExit);
    DDX_Control(pDX, IDC_DESCRIPTION, m_description);
}

BOOL CLauncherDlg::OnInitDialog()
{
    MarkStartup(StartupPoint::kDialogCreated);
    CSkinDialog::OnInitDialog();
    SettleDiscRoot();
    m_bSuiteInstalled = IsSuiteInstalled();
    int nLanguageIndex = ReadLanguageSetting(m_nLanguageValue);
    if (m_nLanguageValue == 0)
        nLanguageIndex = DetectLanguage();
    MarkStartup(StartupPoint::kSettingsRead);

    SetWindowText(kMainTitle);
    ModifyStyle(WS_BORDER, 0, 0);
    SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
    SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));

    SetBackground(IDB_MAIN_BACKGROUND);
    m_bUseKeyColor = TRUE;
    m_crKey = RGB(255, 0, 255);
    m_bTransparentStatics = TRUE;
    m_bDragMove = TRUE;
    BuildWindowRegion(CRect(0, 0, 763, 560));
    MarkStartup(StartupPoint::kRegionBuilt);

    for (CHoverButton* pButton :
         {&m_btnSuite, &m_btnPremiereUpdater, &m_btnAfterEffects, &m_btn3dsMax, &m_btnLightWave,
          &m_btnEffects, &m_btnReadme, &m_btnAcrobatReader, &m_btnManual, &m_btnWallpapers,
          &m_btnVfwCodecs, &m_btnSpiceMaster, &m_btnLanguage})
        pButton->LoadStateBitmap(IDB_BUTTON_STRIP);
    m_btnExit.LoadStateBitmap(IDB_CLOSE_STRIP);
    MarkStartup(StartupPoint::kStripsLoaded);

    m_nHardwareModel = ReadHardwareModel();
    RefreshAllButtons(nLanguageIndex);
    MarkStartup(StartupPoint::kButtonsRefreshed);
    SendMessage(DM_SETDEFID, IDC_SUITE);
    return TRUE;
}

void CLauncherDlg::SettleDiscRoot()
{
    // After the restart that DirectX asked for, the Run value names the disc.
    ReadRegistryString(kRunKey, kRunValueName, m_strDiscRoot);
    m_strDiscRoot = FolderOf(Unquote(m_strDiscRoot));
    if (!m_strDiscRoot.IsEmpty())
    {
        DeleteRegistryValue(kRunKey, kRunValueName);
        return;
    }
    CString strModule;
    const DWORD nLength = ::GetModuleFileNameW(AfxGetInstanceHandle(), strModule.GetBuffer(kMaxPath), kMaxPath);
    strModule.ReleaseBuffer(static_cast<int>(nLength));
    m_strDiscRoot = FolderOf(strModule);
}

BOOL CLauncherDlg::IsSuiteInstalled()
{
    return UninstallKeyExists(kSuiteProductCode);
}

int CLauncherDlg::ReadHardwareModel()
{
    DWORD dwCodec = 0;
    if (!ReadRegistryDword(kHardwareKey, kHardwareValueName, dwCodec))
        return kModelNone;
    return static_cast<int>(dwCodec - kCodecOfLite);
}

int CLauncherDlg::ReadLanguageSetting(int& nLanguageValue)
{
    DWORD dwValue = 0;
    if (ReadRegistryDword(kLanguageKey, kLanguageValueName, dwValue))
        nLanguageValue = static_cast<int>(dwValue);
    return LanguageFromValue(nLanguageValue).nIndex;
}

int CLauncherDlg::DetectLanguage()
{
    const LanguageInfo& language = LanguageFromPrimary(PRIMARYLANGID(::GetSystemDefaultLangID()));
    m_nLanguageValue = language.nValue;
    WriteRegistryDword(kLanguageKey, kLanguageValueName, static_cast<DWORD>(m_nLanguageValue));
    return language.nIndex;
}

void CLauncherDlg::RefreshAllButtons(int nLanguageIndex)
{
    m_nLanguageBase = nLanguageIndex * kLanguageBaseStep;
    RefreshSuite();
    RefreshPremiereUpdater();
    RefreshAfterEffects();
    Refresh3dsMax();
    RefreshSpiceMaster();
    RefreshAcrobatReader();
    RefreshManual();
    RefreshReadme();
    RefreshWallpapers();
    RefreshVfwCodecs();
    RefreshLightWave();
    RefreshEffects();

    const CString strLanguage = LoadText(IDS_CAPTION_LANGUAGE);
    m_btnLanguage.SetCaptions(strLanguage, kCaptionColour, strLanguage, kCaptionColour,
                              strLanguage, kCaptionColour, strLanguage, kDisabledCaptionColour);
    m_btnLanguage.SetDescriptions(LoadText(IDS_DESC_LANGUAGE), nullptr);
    m_btnExit.SetDescriptions(LoadText(IDS_DESC_EXIT), nullptr);
    m_btnExit.SetTipText(LoadText(IDS_TIP_EXIT), TRUE);
}

CString CLauncherDlg::LoadText(UINT nID) const
{
    CString str;
    str.LoadString(static_cast<UINT>(m_nLanguageBase) + nID);
    return str;
}

CString CLauncherDlg::LoadFixed(UINT nID)
{
    CString str;
    str.LoadString(nID);
    return str;
}

void CLauncherDlg::ShowButtonState(AvailableFlag flag, CHoverButton& button, BOOL bAvailable,
                                   UINT nCaptionId, UINT nDescriptionId, const CString& strStatus)
{
    m_bAvailable[flag] = bAvailable;
    ShowButtonState(button, bAvailable, nCaptionId, nDescriptionId, strStatus);
}

bool CLauncherDlg::DiscFolderContains(UINT nFolderPatternId, const CString& strName) const
{
    return FolderContains(strName, CString::Substitute(LoadFixed(nFolderPatternId), m_strDiscRoot));
}

void CLauncherDlg::ShowButtonState(CHoverButton& button, BOOL bAvailable, UINT nCaptionId,
                                   UINT nDescriptionId, const CString& strStatus)
{
    button.EnableWindow(bAvailable);
    const CString strCaption = LoadText(nCaptionId);
    button.SetCaptions(strCaption, kCaptionColour, strCaption, kCaptionColour, strCaption,
                       kCaptionColour, strCaption, kDisabledCaptionColour);
    button.SetDescriptions(LoadText(nDescriptionId), strStatus);
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
void CLauncherDlg::OnKeyboardPlace(CHoverButton& button)
{
    DescribeButton(button);
}

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

void CLauncherDlg::OnOK()
{
    EndDialog(0);
}

void CLauncherDlg::OnCancel()
{
    OnOK();
}

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

HCURSOR CLauncherDlg::OnQueryDragIcon()
{
    return static_cast<HCURSOR>(m_hIcon);
}

void CLauncherDlg::ShowInstallButtons(BOOL bShow)
{
    for (const UINT nID : kInstallButtons)
    {
        CWnd temporary;
        CWnd* pButton = FromHandle(GetDlgItem(static_cast<int>(nID)), temporary);
        pButton->ModifyStyle(bShow ? 0 : WS_VISIBLE, bShow ? WS_VISIBLE : 0, 0);
    }
}

void CLauncherDlg::RedrawWholeDialog()
{
    RedrawWindow(nullptr, nullptr, kRedrawNow);
}

void CLauncherDlg::OnLanguage()
{
    CLanguageDlg chooser(nullptr);
    ShowInstallButtons(FALSE);
    RedrawWholeDialog();
    m_btnLanguage.GetWindowRect(&chooser.m_rcAnchor);
    chooser.DoModal();

    // A chooser closed without a choice leaves the language as it was.
    if (chooser.m_nChosenValue != 0 && chooser.m_nChosenValue != m_nLanguageValue)
    {
        m_nLanguageValue = chooser.m_nChosenValue;
        WriteRegistryDword(kLanguageKey, kLanguageValueName, static_cast<DWORD>(m_nLanguageValue));
        RefreshAllButtons(chooser.m_nChosenIndex);
    }
    ShowInstallButtons(TRUE);
    RedrawWholeDialog();
}

// Refresh steps and click handlers belong to the actions that own them.

void CLauncherDlg::RefreshSuite() { CSuiteInstaller(*this).Refresh(); }
void CLauncherDlg::OnInstallSuite() { CSuiteInstaller(*this).Install(); }

void CLauncherDlg::RefreshPremiereUpdater() { CPremiereUpdater(*this).Refresh(); }
void CLauncherDlg::OnInstallPremiereUpdater() { CPremiereUpdater(*this).Install(); }

void CLauncherDlg::RefreshAcrobatReader() { CDocumentButtons(*this).RefreshAcrobatReader(); }
void CLauncherDlg::RefreshManual() { CDocumentButtons(*this).RefreshManual(); }
void CLauncherDlg::RefreshReadme() { CDocumentButtons(*this).RefreshReadme(); }
void CLauncherDlg::OnInstallAcrobatReader() { CDocumentButtons(*this).InstallAcrobatReader(); }
void CLauncherDlg::OnViewManual() { CDocumentButtons(*this).ViewManual(); }
void CLauncherDlg::OnViewReadme() { CDocumentButtons(*this).ViewReadme(); }

void CLauncherDlg::RefreshAfterEffects() { CAddOnInstaller(*this).Refresh(AddOn::AfterEffects); }
void CLauncherDlg::Refresh3dsMax() { CAddOnInstaller(*this).Refresh(AddOn::ThreeDsMax); }
void CLauncherDlg::RefreshLightWave() { CAddOnInstaller(*this).Refresh(AddOn::LightWave); }
void CLauncherDlg::RefreshEffects() { CAddOnInstaller(*this).Refresh(AddOn::Effects); }
void CLauncherDlg::RefreshWallpapers() { CAddOnInstaller(*this).Refresh(AddOn::Wallpapers); }
void CLauncherDlg::RefreshVfwCodecs() { CAddOnInstaller(*this).Refresh(AddOn::VfwCodecs); }
void CLauncherDlg::RefreshSpiceMaster() { CAddOnInstaller(*this).Refresh(AddOn::SpiceMaster); }
void CLauncherDlg::OnInstallAfterEffects() { CAddOnInstaller(*this).Install(AddOn::AfterEffects); }
void CLauncherDlg::OnInstall3dsMax() { CAddOnInstaller(*this).Install(AddOn::ThreeDsMax); }
void CLauncherDlg::OnInstallLightWave() { CAddOnInstaller(*this).Install(AddOn::LightWave); }
void CLauncherDlg::OnInstallEffects() { CAddOnInstaller(*this).Install(AddOn::Effects); }
void CLauncherDlg::OnInstallWallpapers() { CAddOnInstaller(*this).Install(AddOn::Wallpapers); }
void CLauncherDlg::OnInstallVfwCodecs() { CAddOnInstaller(*this).Install(AddOn::VfwCodecs); }
void CLauncherDlg::OnInstallSpiceMaster() { CAddOnInstaller(*this).Install(AddOn::SpiceMaster); }

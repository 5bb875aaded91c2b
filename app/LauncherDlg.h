// CLauncherDlg: the menu. Settles the disc root, the language, the hardware
// model and whether the suite is installed; refreshes every button from the
// machine and the disc; explains the button under the pointer in the
// description area; and runs each button's action.
#pragma once

#include "actions/ProgramLauncher.h"
#include "skin/HoverButton.h"
#include "skin/SkinDialog.h"
#include "skin/SkinLabel.h"

// The buttons that have an available flag, in the order of the flags.
enum AvailableFlag
{
    kAvailPremiereUpdater,
    kAvailAfterEffects,
    kAvail3dsMax,
    kAvailSpiceMaster,
    kAvailAcrobatReader,
    kAvailManual,
    kAvailReadme,
    kAvailWallpapers,
    kAvailVfwCodecs,
    kAvailLightWave,
    kAvailEffects,
    kAvailableFlagCount
};

constexpr COLORREF kCaptionColour = RGB(255, 255, 255);
constexpr COLORREF kDisabledCaptionColour = RGB(81, 110, 125);
constexpr int kModelLite = 0;
constexpr int kModelPro = 1;
constexpr int kModelNone = 3;

extern const wchar_t kRunKey[];
extern const wchar_t kRunValueName[];

class CLauncherDlg : public CSkinDialog
{
public:
    explicit CLauncherDlg(CWnd* pParent = nullptr);
    ~CLauncherDlg() override;

    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;

    void RefreshAllButtons(int nLanguageIndex);
    void RedrawControlArea(UINT nID);
    BOOL IsSuiteInstalled();
    int ReadHardwareModel();

    // Language
    int ReadLanguageSetting(int& nLanguageValue);
    int DetectLanguage();
    void ShowInstallButtons(BOOL bShow);

    // Refresh steps, in the order of a full refresh
    void RefreshSuite();
    void RefreshPremiereUpdater();
    void RefreshAfterEffects();
    void Refresh3dsMax();
    void RefreshSpiceMaster();
    void RefreshAcrobatReader();
    void RefreshManual();
    void RefreshReadme();
    void RefreshWallpapers();
    void RefreshVfwCodecs();
    void RefreshLightWave();
    void RefreshEffects();

    // Click handlers
    void OnInstallSuite();
    void OnInstallPremiereUpdater();
    void OnInstallAfterEffects();
    void OnInstall3dsMax();
    void OnInstallLightWave();
    void OnInstallEffects();
    void OnViewReadme();
    void OnInstallAcrobatReader();
    void OnViewManual();
    void OnInstallWallpapers();
    void OnInstallVfwCodecs();
    void OnInstallSpiceMaster();
    void OnLanguage();

    // A localised text: string (language base + nID).
    CString LoadText(UINT nID) const;
    // An English-only text, loaded at its bare id.
    static CString LoadFixed(UINT nID);
    // Whether the disc folder of pattern nFolderPatternId ("%s" the disc root)
    // holds an entry named strName.
    bool DiscFolderContains(UINT nFolderPatternId, const CString& strName) const;
    // The end of every refresh step: enabled state, captions and descriptions.
    void ShowButtonState(CHoverButton& button, BOOL bAvailable, UINT nCaptionId,
                         UINT nDescriptionId, const CString& strStatus);
    // The same, for a button with an available flag, which it records.
    void ShowButtonState(AvailableFlag flag, CHoverButton& button, BOOL bAvailable, UINT nCaptionId,
                         UINT nDescriptionId, const CString& strStatus);
    CProgramLauncher& Launcher() noexcept { return m_launcher; }

    int m_nHardwareModel = kModelNone;
    CHoverButton m_btnLightWave;
    CHoverButton m_btnLanguage;
    CHoverButton m_btnExit;
    CHoverButton m_btnVfwCodecs;
    CHoverButton m_btnWallpapers;
    CHoverButton m_btnReadme;
    CHoverButton m_btnAcrobatReader;
    CHoverButton m_btnSpiceMaster;
    CHoverButton m_btn3dsMax;
    CHoverButton m_btnAfterEffects;
    CHoverButton m_btnSuite;
    CHoverButton m_btnManual;
    CHoverButton m_btnPremiereUpdater;
    CHoverButton m_btnEffects;
    CSkinLabel m_description;
    HICON m_hIcon;
    BOOL m_bSuiteInstalled = FALSE;
    int m_nLanguageValue = 0;
    int m_nLanguageBase = 0;
    CString m_strDiscRoot;
    CString m_strReadmePath;
    CString m_strAcrobatFolder;
    BOOL m_bAvailable[kAvailableFlagCount] = {};

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnPaint();
    HCURSOR OnQueryDragIcon();
    BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    void OnKeyboardPlace(CHoverButton& button) override;

    DECLARE_MESSAGE_MAP()

private:
    void SettleDiscRoot();
    void ShowDescription(const CString& strText);
    // Shows the button's description; an unchanged text repaints nothing.
    void DescribeButton(const CHoverButton& button);
    void RedrawWholeDialog();

    CProgramLauncher m_launcher;
};

// CLauncherDlg: the menu. Settles the disc root, the language, the hardware
// model and whether the suite is installed; refreshes every button from the
// machine and the disc; explains the button under the pointer in the
// description area; and runs each button's action. The actions see it only
// as their CMenuContext; what a button does and shows comes from the button
// table.
#pragma once

#include "actions/ButtonTable.h"
#include "actions/MenuButtons.h"
#include "actions/MenuContext.h"
#include "actions/MenuSettings.h"
#include "actions/ModelDlg.h"
#include "actions/ProgramLauncher.h"
#include "framework/Font.h"
#include "skin/HoverButton.h"
#include "skin/SkinDialog.h"
#include "skin/SkinLabel.h"

class CLauncherDlg : public CSkinDialog, public CMenuButtons, public CMenuContext
{
public:
    // The window title, also the mark by which a second copy finds the first.
    static constexpr wchar_t kMainTitle[] = L"Zelvora Velquin";

    explicit CLauncherDlg(CWnd* pParent = nullptr);
    ~CLauncherDlg() override;

    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;

    // Takes the disc root, the suite-installed flag, the model and the language.
    void ApplySettings(const MenuSettings& settings);
    void RefreshAllButtons(int nLanguageIndex);
    void RedrawControlArea(UINT nID);
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

    // CMenuContext
    const CString& DiscRoot() const override { return m_strDiscRoot; }
    const CLanguage& Language() const override { return m_language; }
    bool SuiteInstalled() const override { return m_bSuiteInstalled; }
    int HardwareModel() const override { return m_nHardwareModel; }
    void SetHardwareModel(int nModel) override { m_nHardwareModel = nModel; }
    CProgramLauncher& Launcher() override { return m_launcher; }
    CWnd& Owner() override { return *this; }

    int m_nHardwareModel = kModelNone;
    CSkinLabel m_description;
    HICON m_hIcon;
    bool m_bSuiteInstalled = false;
    CLanguage m_language;
    CString m_strDiscRoot;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnPaint();
    HCURSOR OnQueryDragIcon();
    BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    void OnKeyboardPlace(CHoverButton& button) override;
    void DrawArtworkStandIns(CDCHandle& dc) override;

    DECLARE_MESSAGE_MAP()

private:
    // Runs the row's refresh step and shows what it decided.
    void RefreshButton(UINT nId);
    void ShowButtonState(const ButtonRow& row, const ButtonState& state);
    // Runs the row's click operation, then what it asks for.
    void ClickButton(UINT nId);
    CHoverButton& ButtonOf(const ButtonRow& row) { return this->*row.pButton; }
    void ShowDescription(const CString& strText);
    // Shows the button's description; an unchanged text repaints nothing.
    void DescribeButton(const CHoverButton& button);
    void RedrawWholeDialog();

    HFONT TitleFont(int nHeight);

    CProgramLauncher m_launcher;
    CFont m_fontTitle;  // the title drawn in system colours
    int m_nTitleHeight = 0;
};

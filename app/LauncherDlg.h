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

    // Runs the refresh step of button nId and shows what it decided.
    void RefreshButton(UINT nId);
    // Runs the click operation of button nId, then what it asks for.
    void ClickButton(UINT nId);
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
    // Every button in the menu's language as it stands.
    void RefreshInLanguage();
    void RefreshRow(const ButtonRow& row);
    void ShowDescription(const CString& strText);
    // Shows the button's description; an unchanged text repaints nothing.
    void DescribeButton(const CHoverButton& button);
    void RedrawWholeDialog();

    HFONT TitleFont(int nHeight);

    CProgramLauncher m_launcher;
    CFont m_fontTitle;  // the title drawn in system colours
    int m_nTitleHeight = 0;
};

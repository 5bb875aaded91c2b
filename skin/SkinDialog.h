// CSkinDialog: the base of the menu's dialogs. Paints a bitmap background
// fitted once to the window (CArtworkFit), shapes the window to the
// background's pixels that are not of a key colour, moves the window when its
// surface is dragged, and lets static controls draw straight onto the
// background. It moves the
// keyboard over its hover buttons (Tab in template order, the arrow keys over
// the grid, resting on disabled buttons), shows focus cues from the first
// navigation key on (from the start where the user always wants them), and
// rescales its background when the screen density changes. In a high-contrast
// theme it shows no artwork and no region: a framed window in the system's
// colours, switched both ways while it runs; so it does for good once a
// bitmap of the program turns out damaged.
#pragma once

#include "framework/Bitmap.h"
#include "framework/Dialog.h"
#include "framework/Handle.h"
#include "skin/HoverButton.h"
#include "skin/StateStripCache.h"

#include <memory>

class CSkinDialog : public CDialog
{
public:
    CSkinDialog(UINT nIDTemplate, CWnd* pParent);
    ~CSkinDialog() override;

    BOOL OnInitDialog() override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

    // Makes bitmap nIDResource, fitted to the window's present outer size,
    // the background, and gives the window its plain (or keyed) region,
    // keeping the rectangle last given.
    BOOL SetBackground(UINT nIDResource);
    void ReleaseBackground();
    // Pixels inside rcKeep count as opaque without being read.
    void BuildWindowRegion(CRect rcKeep);
    // The keep-rectangle of the regions built from now on.
    void SetRegionKeep(CRect rcKeep) { m_rcKeep = rcKeep; }
    // Hands the dialog's one copy of state strip nIDResource, shared by all
    // its buttons, down to button.
    BOOL LoadButtonStrip(CHoverButton& button, UINT nIDResource);
    // The button the keyboard rests on, else the focused button, else null.
    CHoverButton* KeyboardPlace() const;

    BOOL m_bUseKeyColor = FALSE;
    BOOL m_bTransparentStatics = TRUE;
    HBRUSH m_hHollowBrush;  // stock: never deleted
    COLORREF m_crKey = 0;
    BOOL m_bDragMove = FALSE;

protected:
    BOOL OnEraseBkgnd(CDCHandle* pDC);
    void OnLButtonDown(UINT nFlags, CPoint point);
    HBRUSH OnCtlColor(CDCHandle* pDC, CWnd* pWnd, UINT nCtlColor);
    LRESULT OnDpiChanged(WPARAM wParam, LPARAM lParam);
    LRESULT OnSettingChange(WPARAM wParam, LPARAM lParam);
    LRESULT OnSysColorChange(WPARAM wParam, LPARAM lParam);
    // In system colours, draws what stands in for the artwork (a title).
    virtual void DrawArtworkStandIns(CDCHandle& dc);
    // The keyboard has moved to button (given the focus, or resting on it
    // while it is disabled).
    virtual void OnKeyboardPlace(CHoverButton& button);
    // From now on the focused button shows its focus mark.
    void ShowFocusCues();

    BOOL m_bHasBackground = FALSE;
    std::unique_ptr<CBitmap> m_pBackground;
    CStateStripCache m_stateStrips;

    DECLARE_MESSAGE_MAP()

private:
    BOOL ScaleBackgroundToWindow();
    static BOOL StretchToWindow(const CBitmap& decoded, CSize szArtwork, CBitmap& background, CSize szWindow);
    void FollowSystemColours();
    void MoveKeyboardTo(HWND hTarget);
    void SetKeyboardPlace(HWND hButton);
    void GiveWindowRegion(CRegionHandle rgn);
    void MoveByTab(bool bBackwards);
    void MoveByArrow(UINT vkArrow);
    // Enter and Space do nothing while the keyboard rests on a disabled button.
    bool IsRestingOnDisabled() const;

    UINT m_nBackgroundId = 0;
    HWND m_hKeyboardPlace = nullptr;  // one of the dialog's hover buttons, or null
    CRect m_rcKeep;                   // of the regions built
};

// CHoverButton: an owner-drawn push button painted from a state strip: four
// equally tall slices (normal, pressed, hover, disabled), the present one
// fitted to the button (CArtworkFit) with its state's caption centred on it. It
// follows the mouse for the hover state, carries a description for when it
// can be used and one for when it cannot, and can carry a tooltip. In a
// high-contrast theme it draws in system colours instead, with a cross for a
// button that has no caption. For the keyboard it answers the dialog manager
// as a push button does and draws a focus mark on its place while keyboard
// cues are shown; for screen readers its window text is its caption (or,
// without one, its tip).
#pragma once

#include "framework/Bitmap.h"
#include "framework/BitmapButton.h"
#include "framework/ToolTipCtrl.h"

#include <memory>

// The captions' colours: white, and a muted blue while the button is disabled.
constexpr COLORREF kCaptionColour = RGB(255, 255, 255);
constexpr COLORREF kDisabledCaptionColour = RGB(81, 110, 125);
// In SetCaptions: the normal state's colour.
constexpr COLORREF kSameColour = static_cast<COLORREF>(-1);

class CHoverButton : public CBitmapButton
{
    DECLARE_DYNAMIC(CHoverButton)

public:
    CHoverButton() = default;
    ~CHoverButton() override;

    // The button's own copy of strip nIDResource. FALSE when the strip
    // cannot be loaded; the button then paints no slice.
    BOOL LoadStateBitmap(UINT nIDResource);
    // A strip shared with other buttons (a skinned dialog hands down its copy).
    BOOL SetStateBitmap(std::shared_ptr<const CBitmap> pStates);
    // A null text takes the normal caption, kSameColour the normal colour;
    // a null normal caption changes nothing.
    void SetCaptions(LPCWSTR lpszNormal, COLORREF crNormal, LPCWSTR lpszPressed, COLORREF crPressed, LPCWSTR lpszHover,
                     COLORREF crHover, LPCWSTR lpszDisabled, COLORREF crDisabled);
    // A null disabled description takes the enabled one.
    void SetDescriptions(LPCWSTR lpszDescription, LPCWSTR lpszDisabledDescription = nullptr);
    // The description that applies to the button's present enabled state.
    CString GetDescription() const;
    void SetTipText(LPCWSTR lpszTipText, BOOL bActivate);

    // The keyboard's place (the focused button, or a disabled button the
    // arrow keys rest on) is the parent's to keep: the button tells it with
    // BN_SETFOCUS when it takes the focus or a click, BN_KILLFOCUS when it
    // loses the focus, and the parent tells the button whether it holds it.
    void ShowKeyboardPlace(bool bHolds);
    BOOL IsKeyboardPlace() const noexcept { return m_bKeyboardPlace; }
    BOOL AreFocusCuesShown() const noexcept { return m_bFocusCues; }

    BOOL PreTranslateMessage(MSG* pMsg) override;
    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnMouseMove(UINT nFlags, CPoint point);
    void OnLButtonDown(UINT nFlags, CPoint point);
    LRESULT OnMouseLeave(WPARAM wParam, LPARAM lParam);
    LRESULT OnMouseHover(WPARAM wParam, LPARAM lParam);
    LRESULT OnGetDlgCode(WPARAM wParam, LPARAM lParam);
    LRESULT OnSetStyle(WPARAM wParam, LPARAM lParam);
    LRESULT OnEnable(WPARAM wParam, LPARAM lParam);
    LRESULT OnSetText(WPARAM wParam, LPARAM lParam);
    LRESULT OnSetFocus(WPARAM wParam, LPARAM lParam);
    LRESULT OnKillFocus(WPARAM wParam, LPARAM lParam);
    LRESULT OnUpdateUIState(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()

private:
    bool EnsureTip();
    void ApplyTip();
    void NotifyParent(WORD wCode) const;
    void UpdateAccessibleName();
    void InvalidateIfShown();
    // The state's slice of the strip, fitted to the button.
    bool DrawSlice(CDCHandle& dc, const CRect& rcButton, int nSlice) const;
    void DrawCross(CDCHandle& dc, const CRect& rcButton, COLORREF crGlyph) const;
    void DrawFocusMark(CDCHandle& dc, const CRect& rcButton, COLORREF crCaption) const;

    CToolTipCtrl m_toolTip;
    bool m_bTipFailed = false;
    BOOL m_bTipActive = FALSE;
    BOOL m_bHover = FALSE;
    int m_nBitmapWidth = 0;
    int m_nStateHeight = 0;
    std::shared_ptr<const CBitmap> m_pStates;
    BOOL m_bTracking = FALSE;
    bool m_bHadInput = false;  // only input can have given it the mouse capture
    CString m_strNormal;
    CString m_strPressed;
    CString m_strHover;
    CString m_strDisabled;
    COLORREF m_crNormal = 0;
    COLORREF m_crPressed = 0;
    COLORREF m_crHover = 0;
    COLORREF m_crDisabled = 0;
    CString m_strDescription;
    CString m_strDisabledDescription;
    CString m_strTip;
    BOOL m_bDefault = FALSE;  // the dialog manager's default push button
    BOOL m_bKeyboardPlace = FALSE;
    BOOL m_bFocusCues = FALSE;  // hidden until the window's UI state shows them
};

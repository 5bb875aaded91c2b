// Shared helpers of the dialog tests: a skinned dialog made from a real
// template, a pixel canvas to paint into and read back, and window regions
// read back as per-row runs.
#pragma once

#include "framework/DataExchange.h"
#include "framework/Rgn.h"
#include "skin/HoverButton.h"
#include "skin/SkinDialog.h"

#include <windows.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

// A 32-bit top-down DIB selected into a memory DC, so painted pixels can be
// read back directly.
class CCanvas
{
public:
    CCanvas(int nWidth, int nHeight, COLORREF crFill);
    ~CCanvas();
    CCanvas(const CCanvas&) = delete;
    CCanvas& operator=(const CCanvas&) = delete;

    HDC GetDC() const noexcept { return m_hDC; }
    COLORREF GetPixel(int x, int y) const;
    int CountPixels(COLORREF cr) const;
    // Where the pixels of colour cr lie, as indices y * width + x.
    std::vector<int> PixelsOf(COLORREF cr) const;
    struct Pixels Read() const;

private:
    int m_nWidth;
    int m_nHeight;
    HDC m_hDC;
    HBITMAP m_hBitmap;
    HGDIOBJ m_hOldBitmap;
    const DWORD* m_pBits = nullptr;
};

// A bitmap's pixels, row by row from the top.
struct Pixels
{
    int nWidth = 0;
    int nHeight = 0;
    std::vector<COLORREF> values;
    COLORREF At(int x, int y) const { return values[static_cast<size_t>(y) * nWidth + x]; }
};
// The pixels of a 24-bit bitmap resource as stored: its own bits, not a
// bitmap loaded from them. The test programs carry the artwork's source
// images under the program's ids.
Pixels ResourcePixels(UINT nIDBitmap);
// The pixels of a bitmap as GDI gives them.
Pixels BitmapPixels(HBITMAP hBitmap);
// Where a 1:1 copy of nArtwork pixels over nPlace takes pixel n from: the
// last pixel stays at the far edge; the body is cropped or padded before it.
inline int OneToOneSource(int n, int nPlace, int nArtwork)
{
    return n == nPlace - 1 ? nArtwork - 1 : (n < nArtwork - 1 ? n : nArtwork - 2);
}

// [left, right) spans of one pixel row, merged and in order.
using Runs = std::vector<std::pair<int, int>>;

// Draws the button into hDC at the origin as its parent's WM_DRAWITEM asks
// it to, in its enabled state and itemState.
void DrawButton(CHoverButton& button, HDC hDC, UINT itemState = 0);

// Offers a key press to dialog hDlg as a modal loop does; true when the
// dialog machinery took it.
bool Press(HWND hDlg, UINT vk, bool bShift = false);

// The window's region (false when it has none).
bool ReadWindowRegion(HWND hWnd, CRgn& rgn);

// The caption a button draws in its present state, read back from the text
// records of a metafile it is drawn into.
std::wstring DrawnCaption(CHoverButton& button);
// The captions of several buttons, in their order, read from one metafile.
std::vector<std::wstring> DrawnCaptions(const std::vector<CHoverButton*>& buttons);
// The font a control draws with.
inline HFONT FontOf(const CWnd& control) { return reinterpret_cast<HFONT>(::SendMessageW(control, WM_GETFONT, 0, 0)); }
// The hover buttons of a dialog, in z-order: those whose style shows them,
// or all of them.
std::vector<CHoverButton*> HoverButtons(const CWnd& dialog, bool bShownOnly);
inline std::vector<CHoverButton*> ShownButtons(const CWnd& dialog) { return HoverButtons(dialog, true); }
// The tooltip windows hOwner owns.
std::vector<HWND> TooltipsOwnedBy(HWND hOwner);
// The text of a button's tool in the tooltips its dialog owns, once the
// pointer has met the button (its tip is made then).
std::wstring TipText(CHoverButton& button);
// Clicks the menu's Language button and, from the chooser's modal loop once
// it shows, hands the chooser to onShown, then answers it with its button
// nButton (0: Esc). False when no chooser showed.
bool ChooseLanguage(CWnd& menu, UINT nButton, const std::function<void(HWND hChooser)>& onShown = {});
// The ids of the dialog's owner-drawn buttons, in template order, read from
// the windows the template made: an oracle apart from the button table.
// bHiddenOnly: those the template creates without WS_VISIBLE.
std::vector<UINT> OwnerDrawnItems(HWND hDlg, bool bHiddenOnly = false);
// The runs that rgn covers in row y, whatever banding GDI chose.
Runs RowRuns(const CRgn& rgn, int y);

// A skinned dialog from a real template, created modeless, with the
// protected background open to the tests. Controls registered with Bind are
// bound by dialog data exchange when the dialog initialises.
class CTestSkinDialog : public CSkinDialog
{
public:
    explicit CTestSkinDialog(UINT nIDTemplate) : CSkinDialog(nIDTemplate, nullptr) {}

    void Bind(int nID, CWnd& control) { m_bindings.emplace_back(nID, &control); }
    CSize ClientSize() const;
    // Paints one pixel of the background bitmap (it must be set).
    void SetBackgroundPixel(int x, int y, COLORREF cr);
    // Paints row y of the background, pixel(x, w) for each x of the client width w.
    void PaintBackgroundRow(int y, const std::function<COLORREF(int x, int w)>& pixel);
    Pixels BackgroundPixels() const;

protected:
    void DoDataExchange(CDataExchange* pDX) override;

private:
    std::vector<std::pair<int, CWnd*>> m_bindings;
};

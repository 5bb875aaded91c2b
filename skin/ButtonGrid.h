// CButtonGrid: a dialog's visible hover buttons seen as a grid for the arrow
// keys. A button's neighbour in a direction is the nearest visible button
// that way, disabled ones included, so the keyboard can rest on a disabled
// button's place and learn why it cannot be used.
#pragma once

#include <windows.h>

class CHoverButton;

class CButtonGrid
{
public:
    explicit CButtonGrid(HWND hDialog) noexcept : m_hDialog(hDialog) {}

    // The hover button of hWnd among the dialog's children, or null.
    CHoverButton* ButtonOf(HWND hWnd) const;
    // The nearest button from pFrom in the direction of vkArrow (VK_LEFT,
    // VK_RIGHT, VK_UP, VK_DOWN), or null when none lies that way. From no
    // button, the first visible one.
    CHoverButton* Neighbour(const CHoverButton* pFrom, UINT vkArrow) const;

private:
    HWND m_hDialog;
};

// CSkinColours: whether the skin gives way to the user's colours. While the
// system's high-contrast theme is on, the skinned dialogs, their buttons and
// labels draw with system colours only; every one of them asks here, when it
// paints, so they all follow the same answer.
#pragma once

#include <windows.h>

class CSkinColours
{
public:
    static bool IsHighContrast();
    // Fills rc with system colour nFace inside a one-pixel frame in the
    // window text colour. Cached system brushes: nothing to delete.
    static void FillFramed(HDC hDC, const RECT& rc, int nFace);
};

// CSkinColours: whether the skin gives way to the system's colours. While the
// system's high-contrast theme is on, or once the program's own artwork has
// turned out damaged, the skinned dialogs, their buttons and labels draw with
// system colours only; every one of them asks here, when it paints, so they
// all follow the same answer.
#pragma once

#include <windows.h>

class CSkinColours
{
public:
    static bool UsesSystemColours();
    static bool IsHighContrast();
    // A bitmap of the program's resources would not decode (a patched or
    // broken executable): the rest of the artwork is not shown either.
    static void SetArtworkDamaged(bool bDamaged) noexcept { s_bArtworkDamaged = bDamaged; }
    // Fills rc with system colour nFace inside a one-pixel frame in the
    // window text colour. Cached system brushes: nothing to delete.
    static void FillFramed(HDC hDC, const RECT& rc, int nFace);

private:
    static inline bool s_bArtworkDamaged = false;
};

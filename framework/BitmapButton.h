// CBitmapButton: the base of buttons that paint themselves from bitmaps. The
// program's buttons bring their own bitmaps, so this level adds only its
// run-time class.
#pragma once

#include "framework/Button.h"

class CBitmapButton : public CButton
{
    DECLARE_DYNAMIC(CBitmapButton)
};

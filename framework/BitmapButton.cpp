#include "framework/BitmapButton.h"

IMPLEMENT_DYNAMIC(CBitmapButton, CButton)

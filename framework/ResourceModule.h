// The module whose resources (templates, bitmaps, strings) the program
// loads. It needs no application object: until the entry point names one,
// it is the program's own executable.
#pragma once

#include <windows.h>

HINSTANCE AfxGetResourceHandle() noexcept;
void AfxSetResourceHandle(HINSTANCE hResource) noexcept;

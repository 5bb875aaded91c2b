// Asks the disc's DirectX setup library which DirectX is installed.
#pragma once

#include "framework/String.h"

// The library, after the disc root.
extern const wchar_t kDSetupPath[];

// True when DirectX 8 or later is installed. A library that cannot be loaded,
// lacks its entry point or fails the call counts as DirectX missing.
bool HasDirectX8(const CString& strDiscRoot);

// The maker's key under HKEY_LOCAL_MACHINE: the hardware's codec (the model,
// read at start) and the suite's resume command (written before the DirectX
// restart). One spelling for both readers.
#pragma once

inline constexpr wchar_t kZelvoraKey[] = L"SOFTWARE\\Zelvora";

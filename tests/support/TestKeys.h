// The registry locations and product codes that tests set up and check,
// written out once for every test (the menu's own constants are not used, so
// a changed constant shows up as a failing test).
#pragma once

#include <string>

namespace keys
{

inline const std::wstring kUninstall = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\";
inline const std::wstring kAppPaths = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\";
inline constexpr wchar_t kRunKey[] = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
inline constexpr wchar_t kLanguageKey[] = L"SOFTWARE\\Zelvora\\Sorlan";
inline constexpr wchar_t kZelvoraKey[] = L"SOFTWARE\\Zelvora";
inline constexpr wchar_t kCodecKey[] = L"Software\\Zelvora";

inline constexpr wchar_t kSuiteCode[] = L"{5FDD4E6F-84E5-4E1A-AC16-F471369201A1}";
inline constexpr wchar_t kVfwCodecsCode[] = L"{c8ba4e9d-9f8e-4cc3-9d78-ff0f5ee5a4ac}";
inline constexpr wchar_t kAfterEffectsCode[] = L"{6FBC8FFB-23FB-464C-8657-24F57CB520A5}";
inline constexpr wchar_t k3dsMaxCode[] = L"{7A2BAC23-BC7C-4A7C-8A63-8CCE51A607B3}";
inline constexpr wchar_t kLightWaveCode[] = L"{9E2C41A7-3B5D-4F80-B6C2-1D7E8A94F305}";
inline constexpr wchar_t kWallpapersCode[] = L"{5F683762-A1AE-4043-9BED-E8443F625D9B}";
// Every product the menu's installers register.
inline constexpr const wchar_t* kProductCodes[] = {kSuiteCode,  kVfwCodecsCode, kAfterEffectsCode,
                                                   k3dsMaxCode, kLightWaveCode, kWallpapersCode};

}  // namespace keys

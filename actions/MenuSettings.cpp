#include "actions/MenuSettings.h"

#include "actions/ModelDlg.h"
#include "actions/RunKeyResume.h"
#include "actions/SuiteInstaller.h"
#include "framework/WinApp.h"
#include "probes/Registry.h"

namespace
{
const wchar_t kHardwareValueName[] = L"Codec";
constexpr DWORD kCodecOfLite = 4;
// Long enough for any Win32 path, \\?\ paths included.
constexpr DWORD kMaxPath = 32768;

CString ReadDiscRoot()
{
    // After the restart that DirectX asked for, the Run value names the disc.
    const CString strResumed = TakeResumeDiscRoot();
    if (!strResumed.IsEmpty())
        return strResumed;
    CString strModule;
    const DWORD nLength = ::GetModuleFileNameW(AfxGetInstanceHandle(), strModule.GetBuffer(kMaxPath), kMaxPath);
    // Failed or cut short: no disc root rather than a wrong one.
    if (nLength == 0 || nLength >= kMaxPath)
        return CString();
    strModule.ReleaseBuffer(static_cast<int>(nLength));
    return FolderOf(strModule);
}

int ReadHardwareModel()
{
    DWORD dwCodec = 0;
    if (!ReadRegistryDword(kZelvoraKey, kHardwareValueName, dwCodec))
        return kModelNone;
    return static_cast<int>(dwCodec - kCodecOfLite);
}

// The stored language; without one, the system's, stored from now on.
CLanguage ReadLanguage()
{
    DWORD dwValue = 0;
    if (ReadRegistryDword(kLanguageKey, kLanguageValueName, dwValue) && dwValue != 0)
        return CLanguage::FromStoredValue(static_cast<int>(dwValue));
    const CLanguage detected =
        CLanguage::FromIndex(LanguageFromPrimary(PRIMARYLANGID(::GetSystemDefaultLangID())).nIndex);
    StoreLanguage(detected);
    return detected;
}
}  // namespace

MenuSettings ReadMenuSettings()
{
    MenuSettings settings;
    settings.strDiscRoot = ReadDiscRoot();
    settings.bSuiteInstalled = UninstallKeyExists(kSuiteProductCode);
    settings.nHardwareModel = ReadHardwareModel();
    settings.language = ReadLanguage();
    return settings;
}

void StoreLanguage(const CLanguage& language)
{
    WriteRegistryDword(kLanguageKey, kLanguageValueName, static_cast<DWORD>(language.StoredValue()));
}

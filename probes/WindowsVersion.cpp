#include "probes/WindowsVersion.h"

#include <windows.h>

WindowsVersionClass ClassifyWindowsVersion()
{
    OSVERSIONINFOW info{};
    info.dwOSVersionInfoSize = sizeof(info);
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    if (!::GetVersionExW(&info))
        return kWindowsOther;
#pragma GCC diagnostic pop
    if (info.dwMajorVersion == 5 && info.dwMinorVersion == 0)
        return kWindows2000;
    if (info.dwMajorVersion == 5 && info.dwMinorVersion == 1)
        return kWindowsXP;
    if (info.dwMajorVersion > 5 || (info.dwMajorVersion == 5 && info.dwMinorVersion > 1))
        return kWindowsNewer;
    return kWindowsOther;
}

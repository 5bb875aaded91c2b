// Which Windows the menu runs on, as the suite installation needs to know.
#pragma once

enum WindowsVersionClass
{
    kWindowsOther = 0,  // older than Windows 2000
    kWindows2000 = 1,
    kWindowsXP = 2,
    kWindowsNewer = 3  // newer than XP: ships DirectX 8.1 or later
};

WindowsVersionClass ClassifyWindowsVersion();

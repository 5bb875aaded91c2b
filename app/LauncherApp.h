// CLauncherApp: the application object. Runs the menu once: a second copy
// ends silently while a window titled "Zelvora Velquin" exists.
#pragma once

#include "framework/WinApp.h"

class CLauncherApp : public CWinApp
{
public:
    CLauncherApp();
    ~CLauncherApp() override;

    BOOL InitInstance() override;
};

// The one application object of Splash.exe.
#include "app/LauncherApp.h"

CLauncherApp theApp;

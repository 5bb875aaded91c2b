// MenuSettings: what the menu starts from, read from the machine before it
// shows: the disc root, whether the suite is installed, the hardware model
// and the language. The menu dialog applies them; it reads nothing itself.
#pragma once

#include "actions/Language.h"
#include "actions/ZelvoraKey.h"
#include "framework/String.h"

struct MenuSettings
{
    CString strDiscRoot;  // empty when it cannot be settled
    bool bSuiteInstalled = false;
    int nHardwareModel = 0;
    CLanguage language;
};

// The disc root is the Run value a DirectX restart left (taken once), else
// the program's own folder. A first start, with no language stored, stores
// the system's language.
MenuSettings ReadMenuSettings();
// Keeps the language for the next start.
void StoreLanguage(const CLanguage& language);

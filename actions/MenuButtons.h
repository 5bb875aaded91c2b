// CMenuButtons: the menu's buttons and what their refresh steps last found:
// each install or document button's available flag, the Readme that the
// Readme button opens and the reader that opens the manual. The menu dialog
// holds them; the button table names them by member.
#pragma once

#include "framework/String.h"
#include "skin/HoverButton.h"

// The buttons that have an available flag, in the order of the flags.
enum AvailableFlag
{
    kNoAvailableFlag = -1,
    kAvailPremiereUpdater,
    kAvailAfterEffects,
    kAvail3dsMax,
    kAvailSpiceMaster,
    kAvailAcrobatReader,
    kAvailManual,
    kAvailReadme,
    kAvailWallpapers,
    kAvailVfwCodecs,
    kAvailLightWave,
    kAvailEffects,
    kAvailableFlagCount
};

class CMenuButtons
{
public:
    CHoverButton m_btnLightWave;
    CHoverButton m_btnLanguage;
    CHoverButton m_btnExit;
    CHoverButton m_btnVfwCodecs;
    CHoverButton m_btnWallpapers;
    CHoverButton m_btnReadme;
    CHoverButton m_btnAcrobatReader;
    CHoverButton m_btnSpiceMaster;
    CHoverButton m_btn3dsMax;
    CHoverButton m_btnAfterEffects;
    CHoverButton m_btnSuite;
    CHoverButton m_btnManual;
    CHoverButton m_btnPremiereUpdater;
    CHoverButton m_btnEffects;
    bool m_bAvailable[kAvailableFlagCount] = {};
    CString m_strReadmePath;
    CString m_strAcrobatFolder;

protected:
    CMenuButtons() = default;
    ~CMenuButtons() = default;
    CMenuButtons(const CMenuButtons&) = delete;
    CMenuButtons& operator=(const CMenuButtons&) = delete;
};

// Points of the start-up sequence that a benchmark build times. The shipped
// program links the empty MarkStartup of StartupTrace.cpp, so it measures
// nothing and reads nothing; a benchmark executable links its own recorder,
// which the linker then takes in place of the empty one.
#pragma once

enum class StartupPoint
{
    kEntered,           // the runtime has started and the program's entry runs
    kDialogCreated,     // the main dialog's window and controls exist
    kSettingsRead,      // controls bound; disc root, suite flag and language known
    kBackgroundLoaded,  // the background bitmap is loaded from the resources
    kBackgroundScaled,  // and fitted to the window
    kRegionBuilt,       // the window has its region
    kStripsLoaded,      // every button has its state strip
    kButtonsRefreshed,  // the hardware model is read and every button refreshed
    kCount
};

void MarkStartup(StartupPoint point) noexcept;

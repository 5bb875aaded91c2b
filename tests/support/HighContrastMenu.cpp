// The menu as it runs in a high-contrast theme, for ./run's picture of that
// look: Wine always reports the theme off, so this build of the program hears
// it on from the first message. Everything else is the shipped program.
#include "tests/support/HighContrast.h"

namespace
{
const CHighContrastReport g_highContrast(true);
}  // namespace

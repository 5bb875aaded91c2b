// The menu as it runs in a high-contrast theme, for ./run's picture of that
// look (Wine reports the theme off): the shipped program with the answer on.
#include "tests/support/HighContrast.h"

static const CHighContrastReport g_highContrast(true);

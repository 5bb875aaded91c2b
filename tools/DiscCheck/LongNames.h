// The names on a disc that Joliet, the name format Windows reads from a CD,
// cannot hold: longer than 64 characters. Image makers cut such a name, or
// keep it only through an extension that not every burning program writes.
#pragma once

#include "framework/String.h"

#include <vector>

constexpr int kJolietNameLimit = 64;

// Every file and folder under strRoot (without a trailing backslash) whose
// own name is longer than kJolietNameLimit, as a path relative to it.
std::vector<CString> NamesTooLongForJoliet(const CString& strRoot);

// Command-line pieces. Paths with a blank are quoted so that Windows splits
// the line where it was meant to be split: an unquoted "C:\Program Files\x"
// would let a planted "C:\Program.exe" run. Paths without blanks go in as
// they are.
#pragma once

#include "framework/String.h"

// strPath, in double quotes if it holds a blank or a tab.
CString QuoteArgument(const CString& strPath);
// " /l0x" and the stored language value in upper-case hex, at least two digits.
CString LanguageSwitch(int nLanguageValue);

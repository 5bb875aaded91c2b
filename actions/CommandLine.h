// Command-line pieces. Paths with a blank are quoted so that Windows splits
// the line where it was meant to be split: an unquoted "C:\Program Files\x"
// would let a planted "C:\Program.exe" run. Paths without blanks go in as
// they are, except where the program reading them splits at more than blanks.
#pragma once

#include "framework/String.h"

// strPath, in double quotes if it holds a blank or a tab.
CString QuoteArgument(const CString& strPath);
// strPath in double quotes whatever it holds, for a program that splits its
// command line at more than blanks (the shell: at commas and equals signs).
CString AlwaysQuoted(const CString& strPath);
// " /l0x" and the stored language value in upper-case hex, at least two digits.
CString LanguageSwitch(int nLanguageValue);

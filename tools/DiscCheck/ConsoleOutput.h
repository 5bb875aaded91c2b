// CConsoleOutput: standard output for UTF-16 text. A console gets the text
// as it is; a file or pipe (a build log) gets UTF-8.
#pragma once

#include "framework/String.h"

#include <windows.h>

class CConsoleOutput
{
public:
    CConsoleOutput() noexcept;
    CConsoleOutput(const CConsoleOutput&) = delete;
    CConsoleOutput& operator=(const CConsoleOutput&) = delete;

    // Writes the text and a line end.
    void WriteLine(const CString& strLine);

private:
    void Write(const CString& strText);

    HANDLE m_hOutput;
    bool m_bConsole;
};

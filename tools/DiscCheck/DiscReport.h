// CDiscReport: holds a disc root up against what the menu looks for. It lists
// every button's files, found or missing, and ends with one line per problem:
// a file missing that a button the menu shows needs on some machine. Missing
// files of the hidden buttons, and a language's Readme where the English one
// stands in, are listed but are no problems.
#pragma once

#include "actions/DiscFiles.h"
#include "tools/DiscCheck/ConsoleOutput.h"

#include <vector>

class CDiscReport
{
public:
    // strRoot: the disc root as the menu holds it, without a trailing backslash.
    explicit CDiscReport(const CString& strRoot) : m_strRoot(strRoot) {}

    // Writes the report; returns the number of problems.
    int Write(CConsoleOutput& out);

private:
    struct Problem
    {
        CString strButton;
        CString strPath;
        CString strCases;  // "" when the button's state depends on the file
    };

    bool Contains(const DiscPath& file) const;
    void WriteButton(CConsoleOutput& out, const ButtonDiscFiles& button);
    void AddProblem(const CString& strButton, const CString& strPath, const CString& strCase);
    static CString ProblemLine(const Problem& problem);

    CString m_strRoot;
    std::vector<Problem> m_problems;
    size_t m_nFiles = 0;
};

#include "tools/DiscCheck/DiscReport.h"

#include "probes/Folder.h"
#include "tools/DiscCheck/LongNames.h"

#include <string>

namespace
{
constexpr int kPathColumn = 62;

CString Number(size_t nValue) { return CString(std::to_wstring(nValue).c_str()); }

CString Caption(UINT nCaptionId)
{
    CString strCaption;
    strCaption.LoadString(nCaptionId);
    return strCaption;
}

// "  found    Corla\setup.exe", and the note after it in a column of its own.
CString FileLine(bool bFound, const CString& strPath, const CString& strNote)
{
    CString strLine = CString(bFound ? L"  found    " : L"  MISSING  ") + strPath;
    if (strNote.IsEmpty())
        return strLine;
    while (strLine.GetLength() < kPathColumn)
        strLine += L' ';
    return strLine + L" " + strNote;
}
}  // namespace

bool CDiscReport::Contains(const DiscPath& file) const
{
    return FolderContains(file.strName, m_strRoot + file.strFolder);
}

int CDiscReport::Write(CConsoleOutput& out)
{
    out.WriteLine(L"Disc root: " + m_strRoot + L"\\");
    const std::vector<ButtonDiscFiles> buttons = MenuDiscFiles();
    for (const ButtonDiscFiles& button : buttons)
        WriteButton(out, button);

    out.WriteLine(L"");
    out.WriteLine(Number(m_nFiles) + L" files looked for, for " + Number(buttons.size()) + L" buttons.");
    // Not a problem for the menu: the file is there, but may not reach the disc as named.
    for (const CString& strPath : NamesTooLongForJoliet(m_strRoot))
        out.WriteLine(L"WARNING: " + strPath + L": a name longer than " + Number(kJolietNameLimit) +
                      L" characters, which Joliet, the names Windows reads from a CD, cannot hold.");
    if (m_problems.empty())
    {
        out.WriteLine(L"No problems: every button the menu shows finds its files.");
        return 0;
    }
    out.WriteLine(Number(m_problems.size()) + (m_problems.size() == 1 ? L" problem:" : L" problems:"));
    for (const Problem& problem : m_problems)
        out.WriteLine(ProblemLine(problem));
    return static_cast<int>(m_problems.size());
}

void CDiscReport::WriteButton(CConsoleOutput& out, const ButtonDiscFiles& button)
{
    const CString strButton = Caption(button.nCaptionId);
    out.WriteLine(L"");
    out.WriteLine(button.bShown ? strButton : strButton + L" (a hidden button: never counts as a problem)");
    for (const DiscNeed& need : button.needs)
    {
        const CString strCase = need.strCase.IsEmpty() ? CString() : L"(" + need.strCase + L")";
        bool bServed = false;
        CString strLine;
        for (const DiscPath& file : need.choices)
        {
            const bool bFound = Contains(file);
            bServed = bServed || bFound;
            ++m_nFiles;
            // The first choice makes the line; later ones say what stands in.
            if (strLine.IsEmpty())
                strLine = FileLine(bFound, file.Path(), strCase);
            else
                strLine += CString(L" -> ") + file.Path() + (bFound ? L" found" : L" MISSING");
        }
        out.WriteLine(strLine);
        if (!bServed && button.bShown && !need.choices.empty())
            AddProblem(strButton, need.choices.back().Path(), need.strCase);
    }
}

// One line per button and file: the cases a file serves are gathered.
void CDiscReport::AddProblem(const CString& strButton, const CString& strPath, const CString& strCase)
{
    for (Problem& problem : m_problems)
    {
        if (problem.strButton == strButton && problem.strPath == strPath)
        {
            problem.strCases += L", " + strCase;
            return;
        }
    }
    m_problems.push_back({strButton, strPath, strCase});
}

CString CDiscReport::ProblemLine(const Problem& problem)
{
    const CString strEffect = problem.strCases.IsEmpty() ? CString(L"the button stays disabled on every machine")
                                                         : L"needed for: " + problem.strCases;
    return L"PROBLEM: " + problem.strButton + L": " + problem.strPath + L" is missing (" + strEffect + L").";
}

// DiscCheck <disc root>: lists what the menu will look for on a disc, and
// whether it is there, before the disc is burnt. Exit status 0 when every
// button the menu shows finds its files, 1 when not, 2 when the root cannot
// be read or the argument is wrong. DiscCheck /layout lists every file the
// menu may look for, one path a line, with a tab and the product code a
// click on it installs (the demo disc is laid out from it).
#include "framework/Handle.h"
#include "tools/DiscCheck/ConsoleOutput.h"
#include "tools/DiscCheck/DiscReport.h"

#include <windows.h>

#include <set>
#include <string>

namespace
{
constexpr int kExitProblems = 1;
constexpr int kExitBadRoot = 2;
constexpr int kMaxRoot = 32768;

bool IsBareDrive(const CString& strPath) { return strPath.GetLength() == 2 && strPath.GetAt(1) == L':'; }

// The root as the menu holds it: absolute, backslashes, no trailing
// backslash ("D:" for a drive's root). "D:" alone means the drive's root, as
// it does in the menu, not the current folder on D.
CString SettleRoot(LPCWSTR lpszArgument)
{
    // "C:\My Disc\" typed in quotes arrives as C:\My Disc" (the backslash
    // escapes the quote); no path holds a quote, so quotes are dropped.
    CString strRoot;
    for (LPCWSTR p = lpszArgument; *p != L'\0'; ++p)
    {
        if (*p != L'"')
            strRoot += *p == L'/' ? L'\\' : *p;
    }
    if (IsBareDrive(strRoot))
    {
        strRoot.MakeUpper();
    }
    else
    {
        CString strFull;
        const DWORD nLength = ::GetFullPathNameW(strRoot, kMaxRoot, strFull.GetBuffer(kMaxRoot), nullptr);
        strFull.ReleaseBuffer(nLength < kMaxRoot ? static_cast<int>(nLength) : 0);
        if (!strFull.IsEmpty())
            strRoot = strFull;
    }
    while (!strRoot.IsEmpty() && strRoot.GetAt(strRoot.GetLength() - 1) == L'\\')
        strRoot = strRoot.Left(strRoot.GetLength() - 1);
    return strRoot;
}

void WriteLayout(CConsoleOutput& out)
{
    std::set<std::wstring> written;
    for (const ButtonDiscFiles& button : MenuDiscFiles())
    {
        for (const DiscNeed& need : button.needs)
        {
            // The product is installed by what decides the button's state.
            const CString strProduct = need.strCase.IsEmpty() ? button.strProductCode : CString();
            for (const DiscPath& file : need.choices)
            {
                if (written.insert(static_cast<LPCWSTR>(file.Path())).second)
                    out.WriteLine(file.Path() + L"\t" + strProduct);
            }
        }
    }
}

bool CanList(const CString& strRoot)
{
    WIN32_FIND_DATAW data;
    return CFindHandle(::FindFirstFileW(strRoot + L"\\*", &data)).IsValid();
}
}  // namespace

int wmain(int argc, wchar_t* argv[])
{
    // No "insert a disc" box for an empty drive: it is just unreadable.
    ::SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    CConsoleOutput out;
    if (argc != 2 || argv[1][0] == L'\0')
    {
        out.WriteLine(L"Usage: DiscCheck <disc root>, for example DiscCheck D:\\ or DiscCheck \"C:\\My Disc\".");
        return kExitBadRoot;
    }
    if (CString(argv[1]) == L"/layout")
    {
        WriteLayout(out);
        return 0;
    }
    const CString strRoot = SettleRoot(argv[1]);
    const DWORD dwAttributes = ::GetFileAttributesW(strRoot + L"\\");
    if (dwAttributes == INVALID_FILE_ATTRIBUTES || (dwAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0 || !CanList(strRoot))
    {
        out.WriteLine(CString(L"Cannot read the disc root \"") + argv[1] +
                      L"\": it is not a folder that can be listed.");
        return kExitBadRoot;
    }
    CDiscReport report(strRoot);
    return report.Write(out) == 0 ? 0 : kExitProblems;
}

#include "actions/RunKeyResume.h"

#include "actions/CommandLine.h"
#include "probes/Registry.h"

const wchar_t kRunKey[] = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
const wchar_t kRunValueName[] = L"Splash";

namespace
{
const wchar_t kDiscSetup[] = L"\\setup.exe";

// A command line written as one quoted path gives back the path.
CString Unquote(const CString& strCommand)
{
    const int nLength = strCommand.GetLength();
    if (nLength >= 2 && strCommand.GetAt(0) == L'"' && strCommand.GetAt(nLength - 1) == L'"')
        return strCommand.Mid(1, nLength - 2);
    return strCommand;
}
}  // namespace

CString ResumeCommand(const CString& strDiscRoot) { return strDiscRoot + kDiscSetup; }

bool RegisterResume(const CString& strDiscRoot)
{
    return WriteRegistryString(kRunKey, kRunValueName, QuoteArgument(ResumeCommand(strDiscRoot))) == ERROR_SUCCESS;
}

CString TakeResumeDiscRoot()
{
    CString strCommand;
    ReadRegistryString(kRunKey, kRunValueName, strCommand);
    const CString strRoot = FolderOf(Unquote(strCommand));
    if (!strRoot.IsEmpty())
        DeleteRegistryValue(kRunKey, kRunValueName);
    return strRoot;
}

CString FolderOf(const CString& strPath)
{
    const int nLastBackslash = strPath.ReverseFind(L'\\');
    return nLastBackslash >= 0 ? strPath.Left(nLastBackslash) : CString();
}

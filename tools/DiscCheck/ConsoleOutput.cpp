#include "tools/DiscCheck/ConsoleOutput.h"

#include <string>

CConsoleOutput::CConsoleOutput() noexcept : m_hOutput(::GetStdHandle(STD_OUTPUT_HANDLE)), m_bConsole(false)
{
    DWORD dwMode = 0;
    m_bConsole = ::GetConsoleMode(m_hOutput, &dwMode) != FALSE;
}

void CConsoleOutput::WriteLine(const CString& strLine)
{
    // A console ends lines itself; a log file written on Windows wants CR LF.
    Write(strLine + (m_bConsole ? L"\n" : L"\r\n"));
}

void CConsoleOutput::Write(const CString& strText)
{
    if (m_hOutput == nullptr || m_hOutput == INVALID_HANDLE_VALUE || strText.IsEmpty())
        return;
    DWORD dwWritten = 0;
    if (m_bConsole)
    {
        ::WriteConsoleW(m_hOutput, strText, static_cast<DWORD>(strText.GetLength()), &dwWritten, nullptr);
        return;
    }
    const int nBytes = ::WideCharToMultiByte(CP_UTF8, 0, strText, strText.GetLength(), nullptr, 0, nullptr, nullptr);
    if (nBytes <= 0)
        return;
    std::string bytes(static_cast<size_t>(nBytes), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, strText, strText.GetLength(), &bytes[0], nBytes, nullptr, nullptr);
    ::WriteFile(m_hOutput, bytes.data(), static_cast<DWORD>(bytes.size()), &dwWritten, nullptr);
}

#include "tests/disc/DiscTestSupport.h"

#include "tests/support/Driver.h"

#include <gtest/gtest.h>

namespace e2e {

void CopyTree(const std::wstring& source, const std::wstring& target)
{
    CreateDirectoryW(target.c_str(), nullptr);
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((source + L"\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return;
    do {
        const std::wstring name = found.cFileName;
        if (name == L"." || name == L"..")
            continue;
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            CopyTree(source + L"\\" + name, target + L"\\" + name);
        else if (!CopyFileW((source + L"\\" + name).c_str(), (target + L"\\" + name).c_str(), FALSE))
            ADD_FAILURE() << "cannot copy " << ToUtf8(source + L"\\" + name);
    } while (FindNextFileW(search, &found));
    FindClose(search);
}

void DeleteEverywhere(const std::wstring& folder, const std::wstring& name)
{
    DeleteFileW((folder + L"\\" + name).c_str());
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return;
    do {
        const std::wstring entry = found.cFileName;
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && entry != L"." && entry != L"..")
            DeleteEverywhere(folder + L"\\" + entry, name);
    } while (FindNextFileW(search, &found));
    FindClose(search);
}

std::vector<std::wstring> DiscCheckRun::Lines() const
{
    std::vector<std::wstring> lines;
    for (size_t start = 0; start < output.size();) {
        size_t end = output.find(L'\n', start);
        if (end == std::wstring::npos)
            end = output.size();
        std::wstring line = output.substr(start, end - start);
        if (!line.empty() && line.back() == L'\r')
            line.pop_back();
        lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

std::vector<std::wstring> DiscCheckRun::Problems() const
{
    std::vector<std::wstring> problems;
    for (const std::wstring& line : Lines())
        if (line.rfind(L"PROBLEM: ", 0) == 0)
            problems.push_back(line);
    return problems;
}

DiscCheckRun RunDiscCheck(const std::vector<std::wstring>& arguments)
{
    DiscCheckRun run;
    std::wstring commandLine = L"\"" + std::wstring(SPLASH_DISCCHECK_PATH) + L"\"";
    for (const std::wstring& argument : arguments)
        commandLine += L" \"" + argument + L"\"";

    SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
    HANDLE readEnd = nullptr, writeEnd = nullptr;
    if (!CreatePipe(&readEnd, &writeEnd, &inherit, 0)) {
        ADD_FAILURE() << "no pipe";
        return run;
    }
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = writeEnd;
    startup.hStdError = writeEnd;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    PROCESS_INFORMATION info = {};
    const bool started = CreateProcessW(nullptr, &commandLine[0], nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr,
                                        nullptr, &startup, &info) != FALSE;
    CloseHandle(writeEnd);
    std::string bytes;
    if (started) {
        char buffer[4096];
        DWORD read = 0;
        while (ReadFile(readEnd, buffer, sizeof buffer, &read, nullptr) && read > 0)
            bytes.append(buffer, read);
        WaitForSingleObject(info.hProcess, 30000);
        GetExitCodeProcess(info.hProcess, &run.exitCode);
        CloseHandle(info.hThread);
        CloseHandle(info.hProcess);
    } else {
        ADD_FAILURE() << "cannot start " << ToUtf8(commandLine);
    }
    CloseHandle(readEnd);
    run.output = FromUtf8(bytes);
    return run;
}

} // namespace e2e

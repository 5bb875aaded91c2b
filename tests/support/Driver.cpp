#include "tests/support/Driver.h"

#include "res/resource.h"
#include "tests/support/TestKeys.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cwchar>
#include <utility>

namespace e2e
{

namespace
{

std::wstring Parent(const std::wstring& path)
{
    size_t slash = path.rfind(L'\\');
    return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash);
}

void DeleteFolder(const std::wstring& folder)
{
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE)
    {
        do
        {
            std::wstring name = found.cFileName;
            if (name == L"." || name == L"..")
                continue;
            std::wstring path = folder + L"\\" + name;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            {
                DeleteFolder(path);
            }
            else
            {
                SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileW(path.c_str());
            }
        } while (FindNextFileW(search, &found));
        FindClose(search);
    }
    RemoveDirectoryW(folder.c_str());
}

void CopyInto(const std::wstring& source, const std::wstring& target)
{
    CreateParentFolders(target);
    if (!CopyFileW(source.c_str(), target.c_str(), FALSE))
        ADD_FAILURE() << "cannot copy " << ToUtf8(source) << " to " << ToUtf8(target);
}

// A key's content, for putting it back.
struct KeyContent
{
    struct Value
    {
        std::wstring name;
        DWORD type;
        std::vector<BYTE> data;
    };
    std::vector<Value> values;
    std::vector<std::pair<std::wstring, KeyContent>> subkeys;
};

KeyContent ReadKey(HKEY key)
{
    KeyContent content;
    std::vector<wchar_t> name(16384);
    for (DWORD index = 0;; ++index)
    {
        DWORD nameLength = static_cast<DWORD>(name.size());
        DWORD type = 0, size = 0;
        if (RegEnumValueW(key, index, name.data(), &nameLength, nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
            break;
        KeyContent::Value value{std::wstring(name.data(), nameLength), type, std::vector<BYTE>(size)};
        RegQueryValueExW(key, value.name.c_str(), nullptr, nullptr, value.data.data(), &size);
        content.values.push_back(std::move(value));
    }
    for (DWORD index = 0;; ++index)
    {
        DWORD nameLength = static_cast<DWORD>(name.size());
        if (RegEnumKeyExW(key, index, name.data(), &nameLength, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
            break;
        std::wstring subkeyName(name.data(), nameLength);
        HKEY subkey;
        if (RegOpenKeyExW(key, subkeyName.c_str(), 0, KEY_READ, &subkey) == ERROR_SUCCESS)
        {
            content.subkeys.emplace_back(subkeyName, ReadKey(subkey));
            RegCloseKey(subkey);
        }
    }
    return content;
}

void WriteKey(HKEY root, const std::wstring& subkey, const KeyContent& content)
{
    HKEY key;
    if (RegCreateKeyExW(root, subkey.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr) != ERROR_SUCCESS)
        return;
    for (const auto& value : content.values)
        RegSetValueExW(key, value.name.c_str(), 0, value.type, value.data.data(),
                       static_cast<DWORD>(value.data.size()));
    RegCloseKey(key);
    for (const auto& [name, child] : content.subkeys)
        WriteKey(root, subkey + L"\\" + name, child);
}

void WriteValue(HKEY root, const std::wstring& subkey, const std::wstring& name, DWORD type, const void* data,
                DWORD size)
{
    HKEY key;
    if (RegCreateKeyExW(root, subkey.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) != ERROR_SUCCESS)
    {
        ADD_FAILURE() << "cannot create key " << ToUtf8(subkey);
        return;
    }
    RegSetValueExW(key, name.c_str(), 0, type, static_cast<const BYTE*>(data), size);
    RegCloseKey(key);
}

}  // namespace

std::wstring WindowText(HWND window)
{
    wchar_t text[1024] = L"";
    InternalGetWindowText(window, text, ARRAYSIZE(text));
    return text;
}

std::wstring SplashExe() { return SPLASH_EXE_PATH; }

std::wstring FixturePath(const std::wstring& relative) { return std::wstring(SPLASH_FIXTURE_DIR) + L"\\" + relative; }

std::vector<InstallerRun> ReadInstallerLog(const std::wstring& folder)
{
    std::vector<InstallerRun> runs;
    std::wstring text = FromUtf8(ReadTextFile(folder + L"\\installer.log"));
    for (size_t start = 0; start < text.size();)
    {
        size_t end = std::min(text.find(L'\n', start), text.size());
        std::wstring line = text.substr(start, end - start);
        size_t tab1 = line.find(L'\t');
        size_t tab2 = line.rfind(L'\t');
        if (tab1 != tab2)
            runs.push_back({line.substr(0, tab1), line.substr(tab1 + 1, tab2 - tab1 - 1), line.substr(tab2 + 1)});
        start = end + 1;
    }
    return runs;
}

void WriteTextFile(const std::wstring& path, const std::string& utf8)
{
    CreateParentFolders(path);
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    if (file == INVALID_HANDLE_VALUE ||
        !::WriteFile(file, utf8.data(), static_cast<DWORD>(utf8.size()), &written, nullptr))
        ADD_FAILURE() << "cannot write " << ToUtf8(path);
    if (file != INVALID_HANDLE_VALUE)
        CloseHandle(file);
}

std::string ReadTextFile(const std::wstring& path)
{
    std::string bytes;
    ReadWholeFile(path, bytes);
    return bytes;
}

bool FileExists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

void CreateParentFolders(const std::wstring& path)
{
    std::wstring parent = Parent(path);
    if (parent.empty() || FileExists(parent))
        return;
    CreateParentFolders(parent);
    CreateDirectoryW(parent.c_str(), nullptr);
}

FixtureDisc::FixtureDisc(const std::wstring& folderName, const std::wstring& baseFolder)
{
    static int s_count = 0;
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    std::wstring base = (baseFolder.empty() ? std::wstring(temp) : baseFolder + L"\\") + L"splash-e2e-" +
                        std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(++s_count);
    DeleteFolder(base);
    m_root = base + L"\\" + folderName;
    CreateParentFolders(m_root + L"\\x");
}

FixtureDisc::~FixtureDisc()
{
    // A program started from the disc may still be ending and hold its file.
    const std::wstring base = Parent(m_root);
    WaitUntil([&] { return DeleteFolder(base), !FileExists(base); }, 5000);
}

std::wstring FixtureDisc::Path(const std::wstring& relative) const
{
    if (relative.empty())
        return m_root;
    return m_root + (relative[0] == L'\\' ? relative : L"\\" + relative);
}

std::wstring FixtureDisc::AddInstaller(const std::wstring& relative, const std::string& behaviour) const
{
    std::wstring path = AddFile(FixturePath(L"FakeInstaller.exe"), relative);
    if (!behaviour.empty())
        WriteTextFile(path.substr(0, path.rfind(L'.')) + L".behaviour", behaviour);
    return path;
}

std::wstring FixtureDisc::AddFile(const std::wstring& source, const std::wstring& relative) const
{
    std::wstring path = Path(relative);
    CopyInto(source, path);
    return path;
}

std::wstring FixtureDisc::AddText(const std::wstring& relative, const std::string& utf8) const
{
    std::wstring path = Path(relative);
    WriteTextFile(path, utf8);
    return path;
}

RegistryGuard::~RegistryGuard()
{
    for (auto restore = m_restores.rbegin(); restore != m_restores.rend(); ++restore)
        (*restore)();
}

RegistryGuard& RegistryGuard::Key(HKEY root, const std::wstring& subkey)
{
    HKEY key;
    if (RegOpenKeyExW(root, subkey.c_str(), 0, KEY_READ, &key) == ERROR_SUCCESS)
    {
        KeyContent content = ReadKey(key);
        RegCloseKey(key);
        m_restores.push_back([=] {
            DeleteRegTree(root, subkey);
            WriteKey(root, subkey, content);
        });
    }
    else
    {
        std::wstring topMissing = subkey;
        while (!Parent(topMissing).empty() && !KeyExists(root, Parent(topMissing)))
            topMissing = Parent(topMissing);
        m_restores.push_back([=] { DeleteRegTree(root, topMissing); });
    }
    return *this;
}

RegistryGuard& RegistryGuard::Value(HKEY root, const std::wstring& subkey, const std::wstring& name)
{
    HKEY key;
    if (RegOpenKeyExW(root, subkey.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return Key(root, subkey);
    DWORD type = 0, size = 0;
    bool existed = RegQueryValueExW(key, name.c_str(), nullptr, &type, nullptr, &size) == ERROR_SUCCESS;
    std::vector<BYTE> data(size);
    if (existed)
        RegQueryValueExW(key, name.c_str(), nullptr, nullptr, data.data(), &size);
    RegCloseKey(key);
    m_restores.push_back([=] {
        if (existed)
            WriteValue(root, subkey, name, type, data.data(), static_cast<DWORD>(data.size()));
        else
            DeleteRegValue(root, subkey, name);
    });
    return *this;
}

RegistryGuard& RegistryGuard::RemovedKey(HKEY root, const std::wstring& subkey)
{
    Key(root, subkey);
    DeleteRegTree(root, subkey);
    return *this;
}

RegistryGuard& RegistryGuard::RemovedValue(HKEY root, const std::wstring& subkey, const std::wstring& name)
{
    Value(root, subkey, name);
    DeleteRegValue(root, subkey, name);
    return *this;
}

MenuRegistry::MenuRegistry()
{
    RemovedValue(HKEY_LOCAL_MACHINE, keys::kRunKey, L"Splash");
    Value(HKEY_LOCAL_MACHINE, keys::kLanguageKey, L"Language");
}

bool KeyExists(HKEY root, const std::wstring& subkey)
{
    HKEY key;
    if (RegOpenKeyExW(root, subkey.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

std::optional<std::wstring> ReadRegString(HKEY root, const std::wstring& subkey, const std::wstring& name)
{
    HKEY key;
    if (RegOpenKeyExW(root, subkey.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return std::nullopt;
    DWORD type = 0, size = 0;
    std::optional<std::wstring> value;
    if (RegQueryValueExW(key, name.c_str(), nullptr, &type, nullptr, &size) == ERROR_SUCCESS &&
        (type == REG_SZ || type == REG_EXPAND_SZ))
    {
        std::wstring text(size / sizeof(wchar_t) + 1, L'\0');
        RegQueryValueExW(key, name.c_str(), nullptr, nullptr, reinterpret_cast<BYTE*>(&text[0]), &size);
        text.resize(wcslen(text.c_str()));
        value = text;
    }
    RegCloseKey(key);
    return value;
}

void WriteRegString(HKEY root, const std::wstring& subkey, const std::wstring& name, const std::wstring& value)
{
    WriteValue(root, subkey, name, REG_SZ, value.c_str(), static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
}

std::optional<DWORD> ReadRegDword(HKEY root, const std::wstring& subkey, const std::wstring& name)
{
    DWORD value = 0, size = sizeof value;
    if (RegGetValueW(root, subkey.c_str(), name.c_str(), RRF_RT_REG_DWORD, nullptr, &value, &size) != ERROR_SUCCESS)
        return std::nullopt;
    return value;
}

void WriteRegDword(HKEY root, const std::wstring& subkey, const std::wstring& name, DWORD value)
{
    WriteValue(root, subkey, name, REG_DWORD, &value, sizeof value);
}

void DeleteRegValue(HKEY root, const std::wstring& subkey, const std::wstring& name)
{
    HKEY key;
    if (RegOpenKeyExW(root, subkey.c_str(), 0, KEY_SET_VALUE, &key) == ERROR_SUCCESS)
    {
        RegDeleteValueW(key, name.c_str());
        RegCloseKey(key);
    }
}

void DeleteRegTree(HKEY root, const std::wstring& subkey)
{
    HKEY key;
    if (RegOpenKeyExW(root, subkey.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return;
    std::vector<std::wstring> children;
    wchar_t name[256];
    for (DWORD index = 0;; ++index)
    {
        DWORD length = ARRAYSIZE(name);
        if (RegEnumKeyExW(key, index, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
            break;
        children.emplace_back(name, length);
    }
    RegCloseKey(key);
    for (const auto& child : children)
        DeleteRegTree(root, subkey + L"\\" + child);
    RegDeleteKeyW(root, subkey.c_str());
}

void SetWindowsVersion(RegistryGuard& registry, const std::wstring& exeName, const std::wstring& version)
{
    const std::wstring key = L"Software\\Wine\\AppDefaults\\" + exeName;
    registry.Value(HKEY_CURRENT_USER, key, L"Version");
    WriteRegString(HKEY_CURRENT_USER, key, L"Version", version);
}

bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs)
{
    DWORD start = GetTickCount();
    for (;;)
    {
        if (condition())
            return true;
        if (GetTickCount() - start >= timeoutMs)
            return false;
        Sleep(20);
    }
}

Poller::Poller(std::function<void()> poll)
    : m_thread([this, poll = std::move(poll)] {
          for (; !m_stop; Sleep(5))
              poll();
      })
{
}

void Poller::Stop()
{
    m_stop = true;
    if (m_thread.joinable())
        m_thread.join();
}

Process Process::Start(const std::wstring& exe, const std::wstring& arguments, const std::wstring& folder)
{
    std::wstring commandLine = L"\"" + exe + L"\"" + (arguments.empty() ? L"" : L" " + arguments);
    Process process;
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info = {};
    if (!CreateProcessW(exe.c_str(), &commandLine[0], nullptr, nullptr, FALSE, CREATE_SUSPENDED, nullptr,
                        folder.empty() ? nullptr : folder.c_str(), &startup, &info))
    {
        ADD_FAILURE() << "cannot start " << ToUtf8(commandLine) << ", error " << GetLastError();
        return process;
    }
    // Everything the program starts joins its job, and closing the job kills them all.
    process.m_job = CreateJobObjectW(nullptr, nullptr);
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits = {};
    limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
    if (!process.m_job ||
        !SetInformationJobObject(process.m_job, JobObjectExtendedLimitInformation, &limits, sizeof limits) ||
        !AssignProcessToJobObject(process.m_job, info.hProcess))
        ADD_FAILURE() << "cannot put " << ToUtf8(exe) << " in a job";
    ResumeThread(info.hThread);
    CloseHandle(info.hThread);
    process.m_process = info.hProcess;
    process.m_id = info.dwProcessId;
    return process;
}

Process::Process(Process&& other) noexcept
    : m_process(std::exchange(other.m_process, nullptr)), m_job(std::exchange(other.m_job, nullptr)),
      m_id(std::exchange(other.m_id, 0))
{
}

Process::~Process()
{
    Kill();
    if (m_job)
        CloseHandle(m_job);
    if (m_process)
        CloseHandle(m_process);
}

bool Process::WaitForExit(DWORD timeoutMs)
{
    if (m_process && WaitForSingleObject(m_process, timeoutMs) == WAIT_OBJECT_0)
        return true;
    Kill();
    return false;
}

DWORD Process::ExitCode() const
{
    DWORD code = STILL_ACTIVE;
    if (m_process)
        GetExitCodeProcess(m_process, &code);
    return code;
}

DWORD Process::LiveProcessCount() const
{
    JOBOBJECT_BASIC_ACCOUNTING_INFORMATION accounting = {};
    if (!m_job ||
        !QueryInformationJobObject(m_job, JobObjectBasicAccountingInformation, &accounting, sizeof accounting, nullptr))
        return 0;
    return accounting.ActiveProcesses;
}

void Process::Kill()
{
    if (m_job)
        TerminateJobObject(m_job, 1);
    if (m_process)
    {
        TerminateProcess(m_process, 1);
        WaitForSingleObject(m_process, 5000);
    }
}

HWND Process::FindWindowTitled(const wchar_t* title) const
{
    for (HWND window = FindWindowExW(nullptr, nullptr, nullptr, title); window;
         window = FindWindowExW(nullptr, window, nullptr, title))
    {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == m_id)
            return window;
    }
    return nullptr;
}

HWND Process::WaitForWindow(DWORD timeoutMs, const wchar_t* title) const
{
    HWND window = nullptr;
    WaitUntil([&] { return (window = FindWindowTitled(title)) != nullptr || !Running(); }, timeoutMs);
    return window;
}

void ClickButton(HWND dialog, int id)
{
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

bool Enabled(HWND dialog, int id) { return IsWindowEnabled(GetDlgItem(dialog, id)) != FALSE; }

std::wstring Describe(HWND menu, HWND under)
{
    RECT rect;
    GetWindowRect(under, &rect);
    const POINT point = under == menu ? POINT{rect.left + 4, rect.top + 4}
                                      : POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    SetCursorPos(point.x, point.y);
    DWORD_PTR unused = 0;
    SendMessageTimeoutW(menu, WM_SETCURSOR, reinterpret_cast<WPARAM>(under), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE),
                        SMTO_ABORTIFHUNG, 5000, &unused);
    return WindowText(GetDlgItem(menu, IDC_DESCRIPTION));
}

std::optional<MessageBoxInfo> FindMessageBox(DWORD processId)
{
    for (HWND window = FindWindowExW(nullptr, nullptr, L"#32770", nullptr); window;
         window = FindWindowExW(nullptr, window, L"#32770", nullptr))
    {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        HWND text = GetDlgItem(window, 0xFFFF);
        if (owner == processId && text && IsWindowVisible(window) && WindowText(window) != kMenuTitle)
            return MessageBoxInfo{window, WindowText(window), WindowText(text)};
    }
    return std::nullopt;
}

std::optional<MessageBoxInfo> WaitForMessageBox(DWORD processId, DWORD timeoutMs)
{
    std::optional<MessageBoxInfo> box;
    WaitUntil([&] { return (box = FindMessageBox(processId)).has_value(); }, timeoutMs);
    return box;
}

void DismissMessageBox(HWND box, int answer)
{
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(answer, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, answer)));
}

}  // namespace e2e

// Helpers for end-to-end tests: a fixture disc in a temp folder, registry
// state put back after each test, and the real Splash.exe started and driven
// from outside through its windows.
#pragma once

#include "tests/support/Utf8.h"

#include <windows.h>

#include <atomic>
#include <functional>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace e2e
{

inline constexpr const wchar_t* kMenuTitle = L"Zelvora Velquin";

// Built programs, as Windows paths.
std::wstring SplashExe();
// A file under the fixture output folder, e.g. L"FakeInstaller.exe",
// L"DSetup.dll", L"premiere-de\\premiere.exe", L"preminfo-601\\preminfo.dll".
std::wstring FixturePath(const std::wstring& relative);

// One start of a fake installer, as recorded in its folder's installer.log.
struct InstallerRun
{
    std::wstring commandLine;
    std::wstring currentFolder;
    std::wstring exeName;
};

// Every start recorded in folder\installer.log (none when it does not exist).
std::vector<InstallerRun> ReadInstallerLog(const std::wstring& folder);

void WriteTextFile(const std::wstring& path, const std::string& utf8);
std::string ReadTextFile(const std::wstring& path);
bool FileExists(const std::wstring& path);
// Creates path's parent folders.
void CreateParentFolders(const std::wstring& path);

// A disc laid out in a fresh temp folder, deleted again on destruction.
// Relative paths may start with a backslash, as the menu writes them.
class FixtureDisc
{
public:
    // folderName ends the root's name, e.g. L"disc with blanks"; the disc
    // lies in a fresh folder under baseFolder (default: the temp folder).
    explicit FixtureDisc(const std::wstring& folderName = L"disc", const std::wstring& baseFolder = {});
    ~FixtureDisc();
    FixtureDisc(const FixtureDisc&) = delete;
    FixtureDisc& operator=(const FixtureDisc&) = delete;

    const std::wstring& Root() const { return m_root; }
    std::wstring Path(const std::wstring& relative) const;

    // Copies Splash.exe onto the disc and returns its full path.
    std::wstring AddSplash(const std::wstring& name = L"Splash.exe") const { return AddFile(SplashExe(), name); }
    // Copies the fake installer under the given name; a non-empty behaviour
    // ("sleep=500\nexit=3") goes into <name>.behaviour beside it.
    std::wstring AddInstaller(const std::wstring& relative, const std::string& behaviour = {}) const;
    std::wstring AddFile(const std::wstring& source, const std::wstring& relative) const;
    std::wstring AddText(const std::wstring& relative, const std::string& utf8) const;
    // The installer runs logged in a folder of the disc ("" for the root).
    std::vector<InstallerRun> Runs(const std::wstring& relativeFolder) const
    {
        return ReadInstallerLog(Path(relativeFolder));
    }

private:
    std::wstring m_root;
};

// Puts chosen registry keys and values back as they were, on destruction,
// in reverse order: recreated with their old content, or deleted when they
// did not exist (missing parent keys included).
class RegistryGuard
{
public:
    RegistryGuard() = default;
    ~RegistryGuard();
    RegistryGuard(const RegistryGuard&) = delete;
    RegistryGuard& operator=(const RegistryGuard&) = delete;

    RegistryGuard& Key(HKEY root, const std::wstring& subkey);
    RegistryGuard& Value(HKEY root, const std::wstring& subkey, const std::wstring& name);
    // Guarded, then removed for the test.
    RegistryGuard& RemovedKey(HKEY root, const std::wstring& subkey);
    RegistryGuard& RemovedValue(HKEY root, const std::wstring& subkey, const std::wstring& name);

private:
    std::vector<std::function<void()>> m_restores;
};

// What every start of the menu touches: the resume entry, removed for the
// test, and the stored language.
class MenuRegistry : public RegistryGuard
{
public:
    MenuRegistry();
};

bool KeyExists(HKEY root, const std::wstring& subkey);
std::optional<std::wstring> ReadRegString(HKEY root, const std::wstring& subkey, const std::wstring& name);
// Creates the key when needed.
void WriteRegString(HKEY root, const std::wstring& subkey, const std::wstring& name, const std::wstring& value);
std::optional<DWORD> ReadRegDword(HKEY root, const std::wstring& subkey, const std::wstring& name);
void WriteRegDword(HKEY root, const std::wstring& subkey, const std::wstring& name, DWORD value);
void DeleteRegValue(HKEY root, const std::wstring& subkey, const std::wstring& name);
void DeleteRegTree(HKEY root, const std::wstring& subkey);

// Makes Wine report a Windows version ("win2k", "winxp", "win10") to every
// program of that file name started from now on, until the guard restores it.
void SetWindowsVersion(RegistryGuard& registry, const std::wstring& exeName, const std::wstring& version);

// Polls condition every few milliseconds; true once it holds.
bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs);

// Calls poll on a helper thread every few milliseconds until Stop: it answers
// the windows of a modal loop the test thread sits in.
class Poller
{
public:
    explicit Poller(std::function<void()> poll);
    ~Poller() { Stop(); }
    Poller(const Poller&) = delete;
    Poller& operator=(const Poller&) = delete;
    void Stop();

private:
    std::atomic<bool> m_stop{false};
    std::thread m_thread;
};

// A started program and everything it starts (one job), all killed on
// destruction, so no test leaves processes behind. Declare it after the
// FixtureDisc it runs from: files in use cannot be deleted.
class Process
{
public:
    // Wine gives a child the system language of this process's Unix
    // environment, so the language is set per test executable (CTest
    // ENVIRONMENT LANG=... LC_ALL=...), not here.
    static Process Start(const std::wstring& exe, const std::wstring& arguments = {}, const std::wstring& folder = {});
    Process(Process&& other) noexcept;
    Process& operator=(Process&& other) = delete;
    ~Process();

    DWORD Id() const { return m_id; }
    HANDLE Handle() const { return m_process; }
    bool Running() const { return m_process && WaitForSingleObject(m_process, 0) == WAIT_TIMEOUT; }
    // True when it ended in time; otherwise it and its children are killed.
    bool WaitForExit(DWORD timeoutMs = 10000);
    DWORD ExitCode() const;
    // Running processes among this one and everything started from it.
    DWORD LiveProcessCount() const;
    void Kill();
    // The top-level window with that title belonging to this process, or null.
    HWND FindWindowTitled(const wchar_t* title = kMenuTitle) const;
    HWND WaitForWindow(DWORD timeoutMs = 10000, const wchar_t* title = kMenuTitle) const;

private:
    Process() = default;
    HANDLE m_process = nullptr;
    HANDLE m_job = nullptr;
    DWORD m_id = 0;
};

// Clicks a dialog button without waiting for the dialog's thread.
void ClickButton(HWND dialog, int id);
bool Enabled(HWND dialog, int id);
// Sends nothing, so a busy window thread (maybe this one) cannot stall it.
std::wstring WindowText(HWND window);
// What the menu's description area says once the cursor rests on `under`:
// a button's centre, or the menu itself for a point of its bare background.
std::wstring Describe(HWND menu, HWND under);

struct MessageBoxInfo
{
    HWND window = nullptr;
    std::wstring caption;
    std::wstring text;
};

// A message box shown by the process: a dialog with a static text of id
// 0xFFFF that is not the menu itself.
std::optional<MessageBoxInfo> FindMessageBox(DWORD processId);
std::optional<MessageBoxInfo> WaitForMessageBox(DWORD processId, DWORD timeoutMs = 10000);
// Answers with IDOK, IDYES, IDNO...
void DismissMessageBox(HWND box, int answer = IDOK);

}  // namespace e2e

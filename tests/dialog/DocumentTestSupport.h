// Shared by the document, model-chooser and Premiere tests: the real menu
// created modeless over a temp disc, registry values put back afterwards,
// and the fake installer standing in for the reader and the installers.
#pragma once

#include "app/Language.h"
#include "app/LauncherDlg.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace docs
{
const std::wstring kAppPaths = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\";
inline constexpr auto kCaseName = [](const auto& info) { return std::string(info.param.name); };

// Fixture programs are built in a folder beside the test executables'.
inline std::wstring FixtureFile(const std::wstring& relative)
{
    wchar_t sz[MAX_PATH];
    const std::wstring exe(sz, ::GetModuleFileNameW(nullptr, sz, MAX_PATH));
    return exe.substr(0, exe.rfind(L'\\')) + L"\\..\\fixtures\\" + relative;
}

// Sets an HKLM value; no data deletes the value, a null name the key.
inline void SetHklm(const std::wstring& key, LPCWSTR lpszName, DWORD dwType = 0, const void* pData = nullptr,
                    DWORD cb = 0)
{
    HKEY hKey = nullptr;
    if (lpszName == nullptr)
        ::RegDeleteKeyW(HKEY_LOCAL_MACHINE, key.c_str());
    else if (!::RegCreateKeyExW(HKEY_LOCAL_MACHINE, key.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &hKey, 0))
        cb != 0 ? ::RegSetValueExW(hKey, lpszName, 0, dwType, static_cast<const BYTE*>(pData), cb)
                : ::RegDeleteValueW(hKey, lpszName);
    ::RegCloseKey(hKey);
}

// An empty folder unregisters the application.
inline void SetAppPath(const std::wstring& exe, const std::wstring& folder)
{
    SetHklm(kAppPaths + exe, folder.empty() ? nullptr : L"Path", REG_SZ, folder.c_str(),
            static_cast<DWORD>((folder.size() + 1) * sizeof(wchar_t)));
}

// One HKLM value put back as it was; a key that was missing is removed again.
class CRegistryRestore
{
public:
    CRegistryRestore(std::wstring key, LPCWSTR lpszName) : m_key(std::move(key)), m_name(lpszName)
    {
        HKEY hKey = nullptr;
        if ((m_bKey = ::RegOpenKeyExW(HKEY_LOCAL_MACHINE, m_key.c_str(), 0, KEY_READ, &hKey) == ERROR_SUCCESS))
        {
            if (::RegQueryValueExW(hKey, m_name.c_str(), nullptr, &m_type, m_data, &(m_cb = sizeof m_data)))
                m_cb = 0;
            ::RegCloseKey(hKey);
        }
    }
    ~CRegistryRestore() { SetHklm(m_key, m_bKey ? m_name.c_str() : nullptr, m_type, m_data, m_cb); }
    CRegistryRestore(const CRegistryRestore&) = delete;
    CRegistryRestore& operator=(const CRegistryRestore&) = delete;

private:
    std::wstring m_key, m_name;
    bool m_bKey = false;
    DWORD m_type = 0, m_cb = 0;
    BYTE m_data[1024] = {};
};

// A fresh temp folder, removed again once the programs started in it are gone.
class CTempFolder
{
public:
    CTempFolder()
    {
        static int s_nCount = 0;
        wchar_t sz[MAX_PATH];
        m_root = std::wstring(sz, ::GetTempPathW(MAX_PATH, sz)) + L"docs" + std::to_wstring(::GetCurrentProcessId()) +
                 L"_" + std::to_wstring(++s_nCount);
        ::CreateDirectoryW(m_root.c_str(), nullptr);
    }
    ~CTempFolder()
    {
        for (int i = 0; i < 100 && !Remove(m_root); ++i)
            ::Sleep(50);
    }
    CTempFolder(const CTempFolder&) = delete;
    CTempFolder& operator=(const CTempFolder&) = delete;

    const std::wstring& Root() const { return m_root; }
    // relative starts with a backslash, as the menu writes disc paths.
    std::wstring Path(const std::wstring& relative) const { return m_root + relative; }
    std::wstring Add(const std::wstring& relative, const std::string& text = {}) const
    {
        const HANDLE hFile =
            ::CreateFileW(Prepare(relative).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        DWORD cb = 0;
        ::WriteFile(hFile, text.data(), static_cast<DWORD>(text.size()), &cb, nullptr);
        ::CloseHandle(hFile);
        return Path(relative);
    }
    std::wstring Copy(const std::wstring& source, const std::wstring& relative) const
    {
        EXPECT_TRUE(::CopyFileW(source.c_str(), Prepare(relative).c_str(), FALSE));
        return Path(relative);
    }
    // The fake installer under that name, logging each start to installer.log beside it.
    std::wstring AddProgram(const std::wstring& relative) const
    {
        return Copy(FixtureFile(L"FakeInstaller.exe"), relative);
    }
    // The command lines logged in that folder.
    std::vector<std::wstring> Runs(const std::wstring& relativeFolder) const
    {
        char buffer[8192];
        DWORD cb = 0;
        const HANDLE hFile = ::CreateFileW(Path(relativeFolder + L"\\installer.log").c_str(), GENERIC_READ,
                                           FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
        ::ReadFile(hFile, buffer, sizeof buffer, &cb, nullptr);
        ::CloseHandle(hFile);
        const std::wstring text(buffer, buffer + cb);  // ASCII paths
        std::vector<std::wstring> runs;
        for (size_t start = 0, end; (end = text.find(L'\n', start)) != std::wstring::npos; start = end + 1)
            runs.push_back(text.substr(start, text.find(L'\t', start) - start));
        return runs;
    }

private:
    std::wstring Prepare(const std::wstring& relative) const
    {
        const std::wstring path = Path(relative);
        for (size_t pos = m_root.size(); (pos = path.find(L'\\', pos + 1)) != std::wstring::npos;)
            ::CreateDirectoryW(path.substr(0, pos).c_str(), nullptr);
        return path;
    }
    static bool Remove(const std::wstring& folder)
    {
        WIN32_FIND_DATAW fd;
        const HANDLE hFind = ::FindFirstFileW((folder + L"\\*").c_str(), &fd);
        for (BOOL b = hFind != INVALID_HANDLE_VALUE; b; b = ::FindNextFileW(hFind, &fd))
        {
            const std::wstring path = folder + L"\\" + fd.cFileName;
            if (!(fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                ::DeleteFileW(path.c_str());
            else if (fd.cFileName[0] != L'.')
                Remove(path);
        }
        ::FindClose(hFind);
        return ::RemoveDirectoryW(folder.c_str()) != FALSE;
    }

    std::wstring m_root;
};

// The real menu, created modeless in English over a temp disc.
class MenuTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const DWORD dwEnglish = 9;
        SetHklm(L"SOFTWARE\\Zelvora\\Sorlan", L"Language", REG_DWORD, &dwEnglish, sizeof dwEnglish);
        ASSERT_TRUE(m_menu.Create());
        m_menu.m_strDiscRoot = m_disc.Root().c_str();
    }
    void TearDown() override { m_menu.DestroyWindow(); }

    void SetLanguage(int nIndex)
    {
        m_menu.m_nLanguageValue = GetLanguage(nIndex).nValue;
        m_menu.m_nLanguageBase = nIndex * kLanguageBaseStep;
    }
    // What hovering the button shows.
    static std::wstring Shown(const CHoverButton& button) { return static_cast<LPCWSTR>(button.GetDescription()); }
    std::wstring Text(UINT nId) const { return static_cast<LPCWSTR>(m_menu.LoadText(nId)); }

    CRegistryRestore m_zelvora{L"SOFTWARE\\Zelvora", L""};
    CRegistryRestore m_language{L"SOFTWARE\\Zelvora\\Sorlan", L"Language"};
    CRegistryRestore m_run{kRunKey, kRunValueName};
    CRegistryRestore m_acrobat{kAppPaths + L"AcroRd32.exe", L"Path"};
    CRegistryRestore m_premiere{kAppPaths + L"Premiere.exe", L"Path"};
    CTempFolder m_programs;  // where the reader and Premiere are "installed"
    CTempFolder m_disc;
    CLauncherDlg m_menu;
};
}  // namespace docs

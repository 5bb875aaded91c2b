// What each button that runs a program hands to Windows, recorded at this
// executable's imports (the menu's code is linked in). Wine neither passes
// the error mode on nor splits the shell's argument as Windows does, so the
// call is what is checked.
#include "tests/dialog/DocumentTestSupport.h"

#include "actions/ButtonTable.h"
#include "actions/SuiteInstaller.h"
#include "res/resource.h"
#include "tests/support/ImportHook.h"

#include <algorithm>
#include <optional>

namespace
{
struct Launch
{
    std::wstring commandLine;
    DWORD dwFlags;
};
std::vector<Launch> g_launches;
struct Box
{
    HWND hOwner;
    UINT uType;
    bool operator==(const Box& other) const { return hOwner == other.hOwner && uType == other.uType; }
};
void PrintTo(const Box& box, std::ostream* os) { *os << box.hOwner << " 0x" << std::hex << box.uType; }
std::vector<Box> g_boxes;
bool g_bStartFails = false;

BOOL WINAPI RecordingCreateProcess(LPCWSTR, LPWSTR lpCommandLine, LPSECURITY_ATTRIBUTES, LPSECURITY_ATTRIBUTES, BOOL,
                                   DWORD dwFlags, LPVOID, LPCWSTR, LPSTARTUPINFOW, LPPROCESS_INFORMATION pi)
{
    g_launches.push_back({lpCommandLine, dwFlags});
    if (g_bStartFails)
        return FALSE;
    // Signalled events stand in for the process and its thread: a wait ends at once.
    *pi = {::CreateEventW(nullptr, TRUE, TRUE, nullptr), ::CreateEventW(nullptr, TRUE, TRUE, nullptr), 0, 0};
    return TRUE;
}
int WINAPI RecordingMessageBox(HWND hOwner, LPCWSTR, LPCWSTR, UINT uType) { return g_boxes.push_back({hOwner, uType}), IDYES; }
BOOL WINAPI Windows2000(LPOSVERSIONINFOW pInfo) { return pInfo->dwMajorVersion = 5, pInfo->dwMinorVersion = 0, TRUE; }
DWORD WINAPI WaitTimesOut(DWORD, const HANDLE*, BOOL, DWORD, DWORD) { return WAIT_TIMEOUT; }

constexpr DWORD kWindowless = CREATE_NO_WINDOW | NORMAL_PRIORITY_CLASS;

// In the command line %R is the disc root, %A the reader's folder, %W the
// system's Windows folder and %X the DirectX language folder.
struct LaunchCase
{
    const char* name;
    UINT nId;
    bool bWindows2000;
    const wchar_t* pszCommand;
    DWORD dwFlags;
};
void PrintTo(const LaunchCase& c, std::ostream* os) { *os << c.name; }

const LaunchCase kLaunchCases[] = {
    {"Suite", IDC_SUITE, false, L"%R\\Corla\\setup.exe /l0x09", kWindowless},
    {"SuiteDirectX", IDC_SUITE, true, L"%R\\Corla\\Support\\Directx8\\%X\\dx81.exe", kWindowless},
    {"PremiereUpdater", IDC_PREMIERE_UPDATER, false, L"%R\\Bonus\\PremiereUpdater\\Premiere6.01Setup.exe", kWindowless},
    {"AfterEffects", IDC_AFTER_EFFECTS, false, L"%R\\ExtraPlug-ins\\AfterEffects\\setup.exe /l0x09", kWindowless},
    {"3dsMax", IDC_3DS_MAX, false, L"%R\\ExtraPlug-ins\\3DsMax\\setup.exe /l0x09", kWindowless},
    {"SpiceMaster", IDC_SPICEMASTER, false, L"%R\\Bonus\\Pixelan\\spicemaster2zelvorademo.exe", kWindowless},
    {"AcrobatReader", IDC_ACROBAT_READER, false, L"\"%R\\Bonus\\AcrobatReader\\Acrobat Reader 5.00.exe\"", 0},
    {"Manual", IDC_MANUAL, false, L"%A\\acrord32 %R\\Docs\\Manual_Brisa.pdf", kWindowless},
    {"Readme", IDC_README, false, L"%W\\explorer.exe \"%R\\Readme.htm\"", kWindowless},
    {"Wallpapers", IDC_WALLPAPERS, false, L"%R\\Bonus\\DesktopWallpapers\\setup.exe /l0x09", kWindowless},
    {"VfwCodecs", IDC_VFW_CODECS, false, L"%R\\Bonus\\VFWSoftwareCodecs\\setup.exe /l0x09", kWindowless},
    {"LightWave", IDC_LIGHTWAVE, false, L"%R\\ExtraPlug-ins\\LightWave\\setup.exe /l0x09", kWindowless},
    {"Effects", IDC_EFFECTS, false, L"%R\\ExtraPlug-ins\\Effects\\Setup.exe /l0x09", kWindowless},
};

// The menu on a disc whose root holds the shell's separators, with the
// reader registered and the model known.
class LaunchContractTest : public docs::MenuTest
{
protected:
    void SetUp() override
    {
        MenuTest::SetUp();
        m_menu.m_strDiscRoot = m_oddDisc.Root().c_str();
        m_menu.TargetOf(IDC_MANUAL) = m_programs.Root().c_str();
        m_menu.TargetOf(IDC_README) = m_oddDisc.Path(L"Readme.htm").c_str();
        m_menu.m_nHardwareModel = kModelLite;
        g_launches.clear();
        g_boxes.clear();
        g_bStartFails = false;
    }
    void Click(UINT nId)
    {
        const ImportHook start(L"kernel32.dll", "CreateProcessW",
                               reinterpret_cast<const void*>(&RecordingCreateProcess));
        const ImportHook box(L"user32.dll", "MessageBoxW", reinterpret_cast<const void*>(&RecordingMessageBox));
        m_menu.SendMessage(WM_COMMAND, MAKEWPARAM(nId, BN_CLICKED),
                           reinterpret_cast<LPARAM>(m_menu.GetDlgItem(static_cast<int>(nId))));
    }
    std::wstring Expand(std::wstring text) const
    {
        wchar_t sz[MAX_PATH];
        const std::pair<const wchar_t*, std::wstring> fields[] = {
            {L"%R", m_oddDisc.Root()},
            {L"%A", m_programs.Root()},
            {L"%W", std::wstring(sz, ::GetSystemWindowsDirectoryW(sz, MAX_PATH))},
            {L"%X", LanguageFromPrimary(PRIMARYLANGID(::GetSystemDefaultLangID())).pszDirectXFolder}};
        for (const auto& [pszField, value] : fields)
            for (size_t at = text.find(pszField); at != std::wstring::npos; at = text.find(pszField, at + value.size()))
                text.replace(at, 2, value);
        return text;
    }

    e2e::FixtureDisc m_oddDisc{L"Velquin,v2=x"};
};

class LaunchCommandTest : public LaunchContractTest, public ::testing::WithParamInterface<LaunchCase>
{};

TEST_P(LaunchCommandTest, CommandLineAsTheTableSaysWithTheDefaultErrorMode)
{
    const LaunchCase& c = GetParam();
    {
        std::optional<ImportHook> version;
        if (c.bWindows2000)
            version.emplace(L"kernel32.dll", "GetVersionExW", reinterpret_cast<const void*>(&Windows2000));
        Click(c.nId);
    }
    ASSERT_EQ(g_launches.size(), 1u);
    EXPECT_EQ(g_launches[0].commandLine, Expand(c.pszCommand));
    EXPECT_EQ(g_launches[0].dwFlags, c.dwFlags | CREATE_DEFAULT_ERROR_MODE);
    for (const Box& box : g_boxes)  // the DirectX question
        EXPECT_TRUE(box.uType & MB_SETFOREGROUND) << std::hex << box.uType;
}

INSTANTIATE_TEST_SUITE_P(Buttons, LaunchCommandTest, ::testing::ValuesIn(kLaunchCases), docs::kCaseName);

TEST(LaunchCommandCoverageTest, EveryButtonThatRunsSomethingHasACase)
{
    for (const ButtonRow& row : MenuButtonTable())
        EXPECT_EQ(row.pfnClick != nullptr, std::any_of(std::begin(kLaunchCases), std::end(kLaunchCases),
                                                       [&](const LaunchCase& c) { return c.nId == row.nId; }))
            << row.nId;
}

// A failed start comes to the front, owned by the menu. The unfinished wait
// is reported while the menu is still hidden, which gives a box it owns no
// taskbar button: that one has no owner and is modal to the menu's thread.
TEST_F(LaunchContractTest, MessagesComeToTheFrontAndCanBeFoundWhileTheMenuIsHidden)
{
    m_menu.ShowWindow(SW_SHOWNOACTIVATE);
    g_bStartFails = true;
    Click(IDC_3DS_MAX);
    g_bStartFails = false;
    {
        const ImportHook wait(L"user32.dll", "MsgWaitForMultipleObjects", reinterpret_cast<const void*>(&WaitTimesOut));
        Click(IDC_3DS_MAX);
    }
    const std::vector<Box> expected = {{m_menu.m_hWnd, MB_OK | MB_ICONHAND | MB_SETFOREGROUND},
                                       {nullptr, MB_OK | MB_ICONHAND | MB_SETFOREGROUND | MB_TASKMODAL}};
    EXPECT_EQ(g_boxes, expected);
    EXPECT_TRUE(m_menu.IsWindowVisible());  // and the menu comes back after the box
}
}  // namespace

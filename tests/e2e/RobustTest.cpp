// The real Splash.exe against a hostile machine and a broken disc: odd
// registry data, awkward disc paths, planted programs and DLLs, misbehaving
// installers and a disc that goes away (damaged disc files are read by the
// probes in-process: BrokenFiles.h). Each case ends
// with the menu working (or ended as designed), no hang, no crash, no system
// error box, and no registry value written that the menu does not own.
#include "res/resource.h"
#include "res/strings.h"
#include "tests/support/Driver.h"
#include "tests/support/TestKeys.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>

using namespace e2e;

namespace
{
using keys::kAppPaths;
using keys::kCodecKey;
using keys::kLanguageKey;
using keys::kRunKey;
const std::wstring kPremiere = kAppPaths + L"Premiere.exe", kAcrobat = kAppPaths + L"AcroRd32.exe";
using keys::kUninstall;
const std::wstring kSuiteKey = kUninstall + keys::kSuiteCode;
const std::wstring kWallpapersKey = kUninstall + keys::kWallpapersCode;
const std::wstring kSuite = L"\\Corla\\setup.exe", kWallpapers = L"\\Bonus\\DesktopWallpapers\\setup.exe";
const std::wstring kUpdater = L"\\Bonus\\PremiereUpdater\\Premiere6.01Setup.exe";
const std::wstring kGermanUpdater = L"\\Bonus\\PremiereUpdater\\German\\Premiere6.01SetupGER.exe";
constexpr size_t kMegabyte = 1 << 20;

using Bytes = std::vector<BYTE>;
// The text's UTF-16 bytes, without a terminating NUL unless it holds one, then `stray` odd bytes.
Bytes Utf16(const std::wstring& text, size_t stray = 0)
{
    Bytes bytes(reinterpret_cast<const BYTE*>(text.data()), reinterpret_cast<const BYTE*>(text.data() + text.size()));
    bytes.insert(bytes.end(), stray, 'x');
    return bytes;
}
Bytes Number(unsigned long long value, size_t size)
{
    return Bytes(reinterpret_cast<const BYTE*>(&value), reinterpret_cast<const BYTE*>(&value) + size);
}
Bytes Sz(const std::wstring& text) { return Utf16(text + L'\0'); }

struct RawValue
{
    DWORD type = REG_NONE;
    Bytes data;
    bool operator==(const RawValue& other) const { return type == other.type && data == other.data; }
};
std::optional<RawValue> ReadRaw(const std::wstring& subkey, const std::wstring& name)
{
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, subkey.c_str(), 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
        return std::nullopt;
    RawValue value;
    DWORD size = 0;
    bool bFound = RegQueryValueExW(key, name.c_str(), nullptr, &value.type, nullptr, &size) == ERROR_SUCCESS;
    value.data.resize(size);
    bFound = bFound && RegQueryValueExW(key, name.c_str(), nullptr, nullptr, value.data.data(), &size) == ERROR_SUCCESS;
    RegCloseKey(key);
    return bFound ? std::optional<RawValue>(value) : std::nullopt;
}
void WriteRaw(const std::wstring& subkey, const std::wstring& name, const RawValue& value)
{
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, subkey.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    // A text followed in memory by a NUL would get that NUL stored too.
    Bytes data = value.data;
    data.insert(data.end(), 2, 'x');
    RegSetValueExW(key, name.c_str(), 0, value.type, data.data(), static_cast<DWORD>(value.data.size()));
    RegCloseKey(key);
}

// Every value and key the menu reads, guarded and cleared; the language is English.
struct KnownMachine : RegistryGuard
{
    KnownMachine()
    {
        for (const auto& [subkey, name] :
             {std::pair{kRunKey, L"Splash"}, {kCodecKey, L"Codec"}, {keys::kZelvoraKey, L"SplashPath"}})
        {
            Value(HKEY_LOCAL_MACHINE, subkey, name);
            DeleteRegValue(HKEY_LOCAL_MACHINE, subkey, name);
        }
        Value(HKEY_LOCAL_MACHINE, kLanguageKey, L"Language");
        WriteRaw(kLanguageKey, L"Language", {REG_DWORD, Number(9, 4)});
        for (const std::wstring& key : {kPremiere, kAcrobat, kSuiteKey, kWallpapersKey})
        {
            Key(HKEY_LOCAL_MACHINE, key);
            DeleteRegTree(HKEY_LOCAL_MACHINE, key);
        }
    }
};

std::wstring Localised(UINT id)
{
    wchar_t text[1024] = L"";
    LoadStringW(GetModuleHandleW(nullptr), id, text, ARRAYSIZE(text));
    return text;
}
// A known machine, a fixture disc, and the menu started and then closed by its Exit button.
class RobustMenuTest : public ::testing::Test
{
protected:
    void Start(const std::wstring& splash)
    {
        m_menu.emplace(Process::Start(splash));
        m_window = m_menu->WaitForWindow();
        ASSERT_TRUE(m_window && WaitUntil([&] { return IsWindowVisible(m_window) != FALSE; }, 10000));
    }
    void TearDown() override
    {
        if (m_window == nullptr)
            return;
        ClickButton(m_window, IDOK);
        EXPECT_TRUE(m_menu->WaitForExit(5000));
    }
    // The menu is back and usable: visible, running, no message box.
    void ExpectBack()
    {
        EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(m_window) != FALSE; }, 10000));
        EXPECT_TRUE(m_menu->Running());
        EXPECT_FALSE(FindMessageBox(m_menu->Id()).has_value());
    }
    std::optional<MessageBoxInfo> AnswerBox(int answer = IDOK)
    {
        auto box = WaitForMessageBox(m_menu->Id());
        if (box)
        {
            DismissMessageBox(box->window, answer);
            EXPECT_TRUE(WaitUntil([&] { return !IsWindow(box->window); }, 5000));
        }
        return box;
    }
    size_t Runs(const std::wstring& program) const
    {
        return m_disc.Runs(program.substr(0, program.rfind(L'\\'))).size();
    }

    KnownMachine m_machine;
    FixtureDisc m_disc;
    std::optional<Process> m_menu;
    HWND m_window = nullptr;
};

// ---------------------------------------------------------------------------
// Registry values of every odd shape. The disc holds what each signal button
// needs; the "Splash" rows name a folder beside it that holds nothing.

enum class Data
{
    AllOnes,
    EightBytes,
    ThreeBytes,
    Five,
    Megabyte,
    ElsewhereExpand,
    ElsewhereOdd,
    ElsewhereThenMegabyte
};
enum class After
{
    Kept,
    Deleted,
    StoredEnglish
};

Bytes Make(Data data, const std::wstring& elsewhere)
{
    switch (data)
    {
    case Data::AllOnes: return Number(~0u, 4);
    case Data::EightBytes: return Number(5, 8);
    case Data::ThreeBytes: return Number(5, 3);
    case Data::Five: return Number(5, 4);
    case Data::Megabyte: return Bytes(kMegabyte, 'x');
    case Data::ElsewhereExpand: return Sz(elsewhere + L"\\setup.exe");
    case Data::ElsewhereOdd: return Utf16(elsewhere + L"\\setup.exe", 1);
    case Data::ElsewhereThenMegabyte: return Utf16(elsewhere + L"\\" + std::wstring(kMegabyte / 2, L'x'));
    }
    return {};
}

struct RegistryCase
{
    const char* name;
    std::wstring subkey;
    const wchar_t* value;
    DWORD type;
    Data data;
    int signal;
    bool bSignalEnabled;
    After after;
};
void PrintTo(const RegistryCase& c, std::ostream* os) { *os << c.name; }

const RegistryCase kRegistryCases[] = {
    {"SplashDword", kRunKey, L"Splash", REG_DWORD, Data::AllOnes, IDC_README, true, After::Kept},
    {"SplashQword", kRunKey, L"Splash", REG_QWORD, Data::EightBytes, IDC_README, true, After::Kept},
    {"SplashExpandSz", kRunKey, L"Splash", REG_EXPAND_SZ, Data::ElsewhereExpand, IDC_README, true, After::Kept},
    {"SplashOddNoNul", kRunKey, L"Splash", REG_SZ, Data::ElsewhereOdd, IDC_README, false, After::Deleted},
    {"SplashMegabyte", kRunKey, L"Splash", REG_SZ, Data::Megabyte, IDC_README, true, After::Kept},
    {"SplashMegabyteAfterDisc", kRunKey, L"Splash", REG_SZ, Data::ElsewhereThenMegabyte, IDC_README, false,
     After::Deleted},
    {"LanguageQword", kLanguageKey, L"Language", REG_QWORD, Data::EightBytes, IDC_README, true, After::StoredEnglish},
    {"LanguageOddBytes", kLanguageKey, L"Language", REG_BINARY, Data::ThreeBytes, IDC_README, true,
     After::StoredEnglish},
    {"LanguageMegabyte", kLanguageKey, L"Language", REG_SZ, Data::Megabyte, IDC_README, true, After::StoredEnglish},
    {"LanguageAllOnes", kLanguageKey, L"Language", REG_DWORD, Data::AllOnes, IDC_README, true, After::Kept},
    {"CodecBinaryFive", kCodecKey, L"Codec", REG_BINARY, Data::Five, IDC_AFTER_EFFECTS, true, After::Kept},
    {"CodecQwordFive", kCodecKey, L"Codec", REG_QWORD, Data::EightBytes, IDC_AFTER_EFFECTS, false, After::Kept},
    {"CodecAllOnes", kCodecKey, L"Codec", REG_DWORD, Data::AllOnes, IDC_AFTER_EFFECTS, false, After::Kept},
    {"CodecOddBytes", kCodecKey, L"Codec", REG_SZ, Data::ThreeBytes, IDC_AFTER_EFFECTS, false, After::Kept},
    {"PremiereDword", kPremiere, L"Path", REG_DWORD, Data::Five, IDC_PREMIERE_UPDATER, false, After::Kept},
    {"PremiereOddNoNul", kPremiere, L"Path", REG_SZ, Data::ElsewhereOdd, IDC_PREMIERE_UPDATER, true, After::Kept},
    {"PremiereMegabyte", kPremiere, L"Path", REG_SZ, Data::Megabyte, IDC_PREMIERE_UPDATER, true, After::Kept},
    {"AcrobatExpandSz", kAcrobat, L"Path", REG_EXPAND_SZ, Data::ElsewhereExpand, IDC_MANUAL, false, After::Kept},
    {"AcrobatOddNoNul", kAcrobat, L"Path", REG_SZ, Data::ElsewhereOdd, IDC_MANUAL, true, After::Kept},
    {"AcrobatMegabyte", kAcrobat, L"Path", REG_SZ, Data::Megabyte, IDC_MANUAL, true, After::Kept},
    {"UninstallKeyMegabyte", kWallpapersKey, L"", REG_SZ, Data::Megabyte, IDC_WALLPAPERS, false, After::Kept},
};

class RobustRegistryTest : public RobustMenuTest, public ::testing::WithParamInterface<RegistryCase>
{};

TEST_P(RobustRegistryTest, MenuStartsWithDefaultsAndLeavesTheValue)
{
    const RegistryCase& c = GetParam();
    m_machine.Key(HKEY_LOCAL_MACHINE, c.subkey);
    WriteRaw(kSuiteKey, L"", {REG_SZ, Sz(L"")});
    for (const std::wstring& file :
         {std::wstring(L"Readme.htm"), std::wstring(L"\\ExtraPlug-ins\\AfterEffects\\setup.exe"), kUpdater,
          std::wstring(L"\\Docs\\Manual_Brisa.pdf"), kWallpapers})
        m_disc.AddText(file, "");
    const RawValue planted{c.type, Make(c.data, m_disc.Path(L"elsewhere"))};
    WriteRaw(c.subkey, c.value, planted);

    Start(m_disc.AddSplash());
    ExpectBack();
    EXPECT_EQ(Enabled(m_window, c.signal), c.bSignalEnabled);
    const auto after = ReadRaw(c.subkey, c.value);
    if (c.after == After::Deleted)
        EXPECT_FALSE(after.has_value());
    else
        EXPECT_TRUE(after == (c.after == After::Kept ? planted : RawValue{REG_DWORD, Number(9, 4)}));
    EXPECT_FALSE(ReadRaw(keys::kZelvoraKey, L"SplashPath").has_value());
}

INSTANTIATE_TEST_SUITE_P(OddValues, RobustRegistryTest, ::testing::ValuesIn(kRegistryCases),
                         [](const auto& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------------------
// Disc folders with awkward names: found, and their installers run quoted.
// No program starts from a path longer than MAX_PATH, so such a disc comes
// from the resume entry, and its installers cannot start: reported, no crash.

class RobustDiscPathTest : public RobustMenuTest, public ::testing::WithParamInterface<std::wstring>
{};

TEST_P(RobustDiscPathTest, MenuFindsAndRunsItsInstallers)
{
    FixtureDisc program(L"program"), disc(GetParam());
    const bool bLong = disc.Root().size() >= MAX_PATH;
    disc.AddInstaller(kSuite);
    disc.AddText(L"Readme.htm", "");
    disc.AddInstaller(kWallpapers);
    if (bLong)
        WriteRaw(kRunKey, L"Splash", {REG_SZ, Sz(disc.Path(L"setup.exe"))});
    Start(bLong ? program.AddSplash() : disc.AddSplash());
    for (int id : {IDC_SUITE, IDC_README, IDC_WALLPAPERS})
        EXPECT_TRUE(Enabled(m_window, id)) << id;

    ClickButton(m_window, IDC_WALLPAPERS);
    const std::wstring command = L"\"" + disc.Path(kWallpapers) + L"\" /l0x09";
    if (bLong)
    {
        const auto box = AnswerBox();
        ASSERT_TRUE(box.has_value());
        EXPECT_EQ(box->text, L"Cannot find the file : '" + command + L"'");
    }
    else
    {
        ASSERT_TRUE(WaitUntil([&] { return !disc.Runs(L"\\Bonus\\DesktopWallpapers").empty(); }, 10000));
        EXPECT_EQ(disc.Runs(L"\\Bonus\\DesktopWallpapers")[0].commandLine, command);
    }
    ExpectBack();
    ClickButton(m_window, IDOK);  // before the discs go
    EXPECT_TRUE(m_menu->WaitForExit(5000));
    m_window = nullptr;
}

std::wstring LongFolder()
{
    std::wstring folder = L"long disc";
    for (wchar_t letter = L'a'; folder.size() < 300; ++letter)
        folder += L"\\" + std::wstring(60, letter);
    return folder;
}

INSTANTIATE_TEST_SUITE_P(Names, RobustDiscPathTest,
                         ::testing::Values(L"Disc \u00e9 \u00fc \u65e5\u672c", L"Disc 100% & more", LongFolder()));

// ---------------------------------------------------------------------------
// Programs planted where an unquoted or searched command line would find
// them, with the disc under "C:\Program Files\Disc Menu": every button clicked.

struct Canary
{
    Canary(const std::wstring& program, const std::wstring& marker) : m_program(program)
    {
        CopyFileW(FixturePath(L"FakeInstaller.exe").c_str(), program.c_str(), FALSE);
        WriteTextFile(Stem() + L".behaviour", "marker=" + ToUtf8(marker));
    }
    ~Canary()
    {
        for (const std::wstring& file :
             {m_program, Stem() + L".behaviour", m_program.substr(0, m_program.rfind(L'\\')) + L"\\installer.log"})
            DeleteFileW(file.c_str());
    }
    std::wstring Stem() const { return m_program.substr(0, m_program.rfind(L'.')); }
    std::wstring m_program;
};

struct ProgramFilesFolder
{
    ProgramFilesFolder() { CreateDirectoryW(kPath, nullptr); }
    ~ProgramFilesFolder() { RemoveDirectoryW(kPath); }
    static constexpr const wchar_t* kPath = L"C:\\Program Files\\Disc Menu";
};

class RobustPlantedProgramTest : public ::testing::Test
{
protected:
    ProgramFilesFolder m_folder;
    KnownMachine m_machine;
    FixtureDisc m_disc{L"disc", ProgramFilesFolder::kPath};
};

TEST_F(RobustPlantedProgramTest, NoButtonRunsAPlantedProgram)
{
    const std::wstring marker = m_disc.Path(L"canary ran.txt");
    Canary program(L"C:\\Program.exe", marker), programFiles(L"C:\\Program Files\\Disc.exe", marker),
        explorer(m_disc.Path(L"explorer.exe"), marker);
    WriteRaw(kCodecKey, L"Codec", {REG_DWORD, Number(5, 4)});
    WriteRaw(kAcrobat, L"Path", {REG_SZ, Sz(m_disc.Path(L"Reader"))});
    m_disc.AddText(L"Readme.htm", "");
    m_disc.AddText(L"\\Docs\\Manual_Quarn.pdf", "");
    const std::pair<int, std::wstring> clicks[] = {
        {IDC_SUITE, kSuite},
        {IDC_PREMIERE_UPDATER, kUpdater},
        {IDC_AFTER_EFFECTS, L"\\ExtraPlug-ins\\AfterEffects\\setup.exe"},
        {IDC_3DS_MAX, L"\\ExtraPlug-ins\\3DsMax\\setup.exe"},
        {IDC_LIGHTWAVE, L"\\ExtraPlug-ins\\LightWave\\setup.exe"},
        {IDC_EFFECTS, L"\\ExtraPlug-ins\\Effects\\Setup.exe"},
        {IDC_WALLPAPERS, kWallpapers},
        {IDC_VFW_CODECS, L"\\Bonus\\VFWSoftwareCodecs\\setup.exe"},
        {IDC_SPICEMASTER, L"\\Bonus\\Pixelan\\spicemaster2zelvorademo.exe"},
        {IDC_ACROBAT_READER, L"\\Bonus\\AcrobatReader\\Acrobat Reader 5.00.exe"},
        {IDC_MANUAL, L"\\Reader\\acrord32.exe"}};
    for (const auto& [id, program] : clicks)
        m_disc.AddInstaller(program);
    Process menu = Process::Start(m_disc.AddSplash());
    HWND window = menu.WaitForWindow();
    ASSERT_NE(window, nullptr);
    for (const auto& [id, program] : clicks)
        ClickButton(window, id);
    ClickButton(window, IDC_README);

    const auto runs = [&](const std::wstring& program) {
        return m_disc.Runs(program.substr(0, program.rfind(L'\\'))).size();
    };
    WaitUntil(
        [&] { return std::all_of(std::begin(clicks), std::end(clicks), [&](auto& c) { return runs(c.second); }); },
        20000);
    for (const auto& [id, program] : clicks)
        EXPECT_EQ(runs(program), 1u) << id;
    EXPECT_FALSE(FindMessageBox(menu.Id()).has_value());
    EXPECT_FALSE(FileExists(marker));
}

// ---------------------------------------------------------------------------
// DLLs planted beside the program under system names, made preferred to the
// system's own: never loaded, also not by the version probe, the updater's
// click or a hover's tooltips. Wine's own user32 imports version.dll when a
// process starts, before any code of the program runs, so only the DLLs that
// load later are made to prefer a plant; the control shows that one would load.

void PreferPlanted(RegistryGuard& registry, const std::wstring& exeName, const wchar_t* dll)
{
    const std::wstring key = L"Software\\Wine\\AppDefaults\\" + exeName + L"\\DllOverrides";
    registry.Value(HKEY_CURRENT_USER, key, dll);
    WriteRegString(HKEY_CURRENT_USER, key, dll, L"native,builtin");
}

TEST_F(RobustMenuTest, PlantedSystemDllsNeverLoad)
{
    PreferPlanted(m_machine, L"probe.exe", L"version");
    m_disc.AddFile(FixturePath(L"canary.dll"), L"\\control\\version.dll");
    Process::Start(m_disc.AddFile(FixturePath(L"FakeInstaller.exe"), L"\\control\\probe.exe")).WaitForExit();
    ASSERT_TRUE(FileExists(m_disc.Path(L"\\control\\version.dll.loaded"))) << "a preferred plant loads";

    const wchar_t* const planted[] = {L"version", L"uxtheme", L"comctl32"};
    for (const wchar_t* name : planted)
        m_disc.AddFile(FixturePath(L"canary.dll"), name + std::wstring(L".dll"));
    PreferPlanted(m_machine, L"Splash.exe", L"uxtheme");
    PreferPlanted(m_machine, L"Splash.exe", L"comctl32");
    m_disc.AddFile(FixturePath(L"premiere-de\\premiere.exe"), L"\\Premiere\\premiere.exe");
    m_disc.AddFile(FixturePath(L"preminfo-60\\preminfo.dll"), L"\\Premiere\\preminfo.dll");
    WriteRaw(kPremiere, L"Path", {REG_SZ, Sz(m_disc.Path(L"Premiere"))});
    m_disc.AddInstaller(kUpdater);
    m_disc.AddInstaller(kGermanUpdater);

    Start(m_disc.AddSplash());
    PostMessageW(GetDlgItem(m_window, IDC_SUITE), WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(Describe(m_window, GetDlgItem(m_window, IDC_SUITE)), Localised(IDS_STATUS_SUITE_NOT_FOUND));
    ClickButton(m_window, IDC_PREMIERE_UPDATER);
    EXPECT_TRUE(WaitUntil([&] { return Runs(kGermanUpdater) == 1; }, 10000));
    ExpectBack();
    for (const wchar_t* name : planted)
        EXPECT_FALSE(FileExists(m_disc.Path(name) + L".dll.loaded")) << ToUtf8(name);
}

// ---------------------------------------------------------------------------
// Installers that end oddly or linger: the menu comes back.
// (One that outlasts the wait is covered in-process by InstallWaitTest.)

class RobustInstallerTest : public RobustMenuTest, public ::testing::WithParamInterface<const char*>
{};

TEST_P(RobustInstallerTest, MenuComesBackAfterTheInstaller)
{
    m_disc.AddInstaller(kWallpapers, GetParam());
    Start(m_disc.AddSplash());
    const DWORD start = GetTickCount();
    ClickButton(m_window, IDC_WALLPAPERS);
    ASSERT_TRUE(WaitUntil([&] { return Runs(kWallpapers) == 1; }, 10000));
    // A lingering grandchild does not keep the menu hidden; a broadcast is answered.
    EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(m_window) != FALSE; }, 5000));
    EXPECT_LT(GetTickCount() - start, 5000u);
    ExpectBack();
}

// (A missing installer is a row of tests/dialog/ClickTableTest.cpp.)
INSTANTIATE_TEST_SUITE_P(Endings, RobustInstallerTest,
                         ::testing::Values("exit=0", "exit=1603", "exit=3010", "grandchild=8000", "broadcast=1"));

// ---------------------------------------------------------------------------
// The disc goes away while the menu runs (removed, or its root replaced by a
// file that cannot be listed). The next refresh, by a change of language or
// an add-on's click, shows the not-found texts; a click gives the 1028 message.

class RobustDiscGoneTest : public RobustMenuTest, public ::testing::WithParamInterface<std::tuple<bool, bool>>
{};

TEST_P(RobustDiscGoneTest, NextRefreshShowsNotFoundAndAClickReportsTheFile)
{
    const auto [bReplacedByFile, bByLanguage] = GetParam();
    FixtureDisc program(L"program");
    m_disc.AddInstaller(kSuite);
    m_disc.AddInstaller(kWallpapers);
    m_disc.AddText(L"Readme.htm", "");
    WriteRaw(kRunKey, L"Splash", {REG_SZ, Sz(m_disc.Path(L"setup.exe"))});
    Start(program.AddSplash());
    ASSERT_TRUE(Enabled(m_window, IDC_README));

    const std::wstring root = m_disc.Root();
    ASSERT_TRUE(MoveFileW(root.c_str(), (root + L" gone").c_str()));
    if (bReplacedByFile)
        WriteTextFile(root, "");
    const UINT base = bByLanguage ? 2000 : 0;
    if (bByLanguage)
    {
        ClickButton(m_window, IDC_LANGUAGE);
        HWND chooser = nullptr;
        ASSERT_TRUE(WaitUntil(
            [&] {
                chooser = FindWindowExW(nullptr, nullptr, L"#32770", nullptr);
                return chooser && GetDlgItem(chooser, IDC_LANG_GERMAN);
            },
            5000));
        ClickButton(chooser, IDC_LANG_GERMAN);
        EXPECT_TRUE(WaitUntil([&] { return !Enabled(m_window, IDC_README); }, 5000));
        EXPECT_EQ(Describe(m_window, GetDlgItem(m_window, IDC_README)), Localised(base + IDS_STATUS_README_NOT_FOUND));
        EXPECT_EQ(Describe(m_window, GetDlgItem(m_window, IDC_SUITE)), Localised(base + IDS_STATUS_SUITE_NOT_FOUND));
    }
    else
    {
        ClickButton(m_window, IDC_WALLPAPERS);
        ASSERT_TRUE(AnswerBox().has_value());
    }
    EXPECT_TRUE(WaitUntil([&] { return !Enabled(m_window, IDC_WALLPAPERS); }, 5000));
    EXPECT_EQ(Describe(m_window, GetDlgItem(m_window, IDC_WALLPAPERS)),
              Localised(base + IDS_STATUS_WALLPAPERS_NOT_FOUND));

    ClickButton(m_window, IDC_SUITE);
    const auto box = AnswerBox();
    ASSERT_TRUE(box.has_value());
    const std::wstring text = Localised(base + IDS_MSG_CANNOT_FIND_FILE);
    EXPECT_EQ(box->text.substr(0, text.find(L"%s")), text.substr(0, text.find(L"%s")));
    EXPECT_NE(box->text.find(m_disc.Path(kSuite)), std::wstring::npos);
    ExpectBack();
}

INSTANTIATE_TEST_SUITE_P(RemovedOrUnreadable, RobustDiscGoneTest,
                         ::testing::Combine(::testing::Bool(), ::testing::Bool()));
}  // namespace

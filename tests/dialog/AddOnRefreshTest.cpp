// The real menu dialog in this process: the add-on buttons' and the suite
// button's refresh, and the disc's DirectX library (the clicks are rows of
// tests/dialog/ClickTableTest.cpp, the handles a launch leaves are counted
// by StabilityTest).
#include "app/LauncherDlg.h"
#include "probes/DirectX.h"
#include "res/resource.h"
#include "res/strings.h"
#include "tests/support/BrokenFiles.h"
#include "tests/support/MenuTest.h"
#include "tests/support/TestKeys.h"

#include <gtest/gtest.h>

#include <ostream>

using namespace e2e;

namespace
{
using keys::kUninstall;
const auto& kCodes = keys::kProductCodes;
const wchar_t kEnabled[] = L"(enabled)";

std::wstring Folder(const std::wstring& path) { return path.substr(0, path.rfind(L'\\')); }

class InstallMenuTest : public docs::MenuTest
{
protected:
    void SetUp() override
    {
        for (const wchar_t* code : kCodes)
            m_registry.RemovedKey(HKEY_LOCAL_MACHINE, kUninstall + code);
        MenuTest::SetUp();
        m_menu.m_bSuiteInstalled = FALSE;
        m_menu.RefreshAllButtons(0);
    }

    static std::wstring State(const CHoverButton& button)
    {
        return button.IsWindowEnabled() ? kEnabled : static_cast<LPCWSTR>(button.GetDescription());
    }
    static void MarkInstalled(const std::wstring& code)
    {
        WriteRegString(HKEY_LOCAL_MACHINE, kUninstall + code, L"DisplayName", L"installed");
    }
};

// DirectX 8.0 and later pass; a library that cannot be loaded or fails its
// call counts as DirectX missing. The library is released each time.
TEST_F(InstallMenuTest, DirectXVersionFromTheDiscLibrary)
{
    const std::wstring folder = L"\\Corla\\Support\\Directx8\\";
    EXPECT_FALSE(HasDirectX8(m_disc.Root().c_str()));
    m_disc.AddFile(FixturePath(L"DSetup.dll"), folder + L"DSetup.dll");
    EXPECT_FALSE(HasDirectX8(m_disc.Root().c_str()));  // no version: the call fails
    for (const auto& [version, bPasses] : {std::pair{"7", false}, {"8", true}, {"9", true}})
    {
        m_disc.AddText(folder + L"dsetup.version", version);
        EXPECT_EQ(HasDirectX8(m_disc.Root().c_str()), bPasses) << version;
        EXPECT_EQ(::GetModuleHandleW(L"DSetup.dll"), nullptr);
    }
}

// Whatever the damage, the disc's library reads as no DirectX 8.
class DirectXDamageTest : public ::testing::TestWithParam<broken::BrokenFile>
{};

TEST_P(DirectXDamageTest, ABrokenLibraryCountsAsDirectXMissing)
{
    const FixtureDisc disc;
    const std::wstring folder = L"\\Corla\\Support\\Directx8\\";
    broken::Add(GetParam(), disc, folder + L"DSetup.dll", FixturePath(L"DSetup.dll"));
    disc.AddText(folder + L"dsetup.version", "9");
    EXPECT_FALSE(HasDirectX8(disc.Root().c_str()));
    EXPECT_EQ(::GetModuleHandleW(L"DSetup.dll"), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Damage, DirectXDamageTest, ::testing::ValuesIn(broken::kBrokenFiles), docs::kCaseName);

enum class Rule
{
    None,
    ProWithSuite,
    WithoutSuite
};

// Program: after the disc root; its folder is the one probed. Code null: no installed test.
struct AddOnCase
{
    const char* name;
    UINT nButton;
    const wchar_t* code;
    Rule rule;
    const wchar_t* program;
    UINT nInstalledId, nRuleId, nNotFoundId;
};
void PrintTo(const AddOnCase& c, std::ostream* os) { *os << c.name; }

const AddOnCase kAddOns[] = {
    {"AfterEffects", IDC_AFTER_EFFECTS, kCodes[2], Rule::ProWithSuite, L"\\ExtraPlug-ins\\AfterEffects\\setup.exe",
     IDS_STATUS_AFTER_EFFECTS_INSTALLED, IDS_STATUS_AFTER_EFFECTS_RULE, IDS_STATUS_AFTER_EFFECTS_NOT_FOUND},
    {"ThreeDsMax", IDC_3DS_MAX, kCodes[3], Rule::ProWithSuite, L"\\ExtraPlug-ins\\3DsMax\\setup.exe",
     IDS_STATUS_3DS_MAX_INSTALLED, IDS_STATUS_3DS_MAX_RULE, IDS_STATUS_3DS_MAX_NOT_FOUND},
    {"LightWave", IDC_LIGHTWAVE, kCodes[4], Rule::ProWithSuite, L"\\ExtraPlug-ins\\LightWave\\setup.exe",
     IDS_STATUS_LIGHTWAVE_INSTALLED, IDS_STATUS_LIGHTWAVE_RULE, IDS_STATUS_LIGHTWAVE_NOT_FOUND},
    {"Effects", IDC_EFFECTS, nullptr, Rule::ProWithSuite, L"\\ExtraPlug-ins\\Effects\\Setup.exe", 0,
     IDS_STATUS_EFFECTS_RULE, IDS_STATUS_EFFECTS_NOT_FOUND},
    {"Wallpapers", IDC_WALLPAPERS, kCodes[5], Rule::None, L"\\Bonus\\DesktopWallpapers\\setup.exe",
     IDS_STATUS_WALLPAPERS_INSTALLED, 0, IDS_STATUS_WALLPAPERS_NOT_FOUND},
    {"VfwCodecs", IDC_VFW_CODECS, kCodes[1], Rule::WithoutSuite, L"\\Bonus\\VFWSoftwareCodecs\\setup.exe",
     IDS_STATUS_VFW_INSTALLED, IDS_STATUS_VFW_RULE, IDS_STATUS_VFW_NOT_FOUND},
    {"SpiceMaster", IDC_SPICEMASTER, nullptr, Rule::None, L"\\Bonus\\Pixelan\\spicemaster2zelvorademo.exe", 0, 0,
     IDS_STATUS_SPICEMASTER_NOT_FOUND},
};

class InstallAddOnTest : public InstallMenuTest, public ::testing::WithParamInterface<AddOnCase>
{
protected:
    const CHoverButton& Button() const { return m_menu.Button(GetParam().nButton); }
    std::wstring State() const { return InstallMenuTest::State(Button()); }
    void Refresh(BOOL bSuiteInstalled, int nModel)
    {
        m_menu.m_bSuiteInstalled = bSuiteInstalled;
        m_menu.m_nHardwareModel = nModel;
        m_menu.RefreshAllButtons(0);
    }
    void RefreshWithRuleMet() { Refresh(GetParam().rule != Rule::WithoutSuite, kModelPro); }
};

// The installed test comes before the rule and the disc test; the Effect
// add-ons and the demo have none, so every product installed changes nothing.
TEST_P(InstallAddOnTest, InstalledTestComesFirst)
{
    for (const wchar_t* code : kCodes)
        MarkInstalled(code);
    if (GetParam().code != nullptr)
    {
        Refresh(GetParam().rule == Rule::WithoutSuite, kModelNone);  // rule unmet, nothing on the disc
    }
    else
    {
        m_disc.AddText(GetParam().program, "");
        RefreshWithRuleMet();
    }
    EXPECT_EQ(State(), GetParam().code != nullptr ? Text(GetParam().nInstalledId) : kEnabled);
}

TEST_P(InstallAddOnTest, RuleThenDiscDecide)
{
    // The disc test ignores letter case (folder patterns and names differ from the disc's).
    std::wstring file = m_disc.Path(GetParam().program);
    ::CharUpperW(&file[Folder(file).size()]);
    m_disc.AddText(file.substr(m_disc.Root().size()), "");
    // Suite installed or not and the hardware model, and where each rule is met.
    struct Machine
    {
        BOOL bSuite;
        int nModel;
        bool bMet[3];  // None, ProWithSuite, WithoutSuite
    };
    for (const Machine& m : {Machine{TRUE, 1, {true, true, false}}, Machine{FALSE, 1, {true, false, true}},
                             Machine{TRUE, 0, {true, false, false}}, Machine{TRUE, 3, {true, false, false}},
                             Machine{TRUE, 5, {true, false, false}}, Machine{FALSE, 3, {true, false, true}}})
    {
        Refresh(m.bSuite, m.nModel);
        EXPECT_EQ(State(), m.bMet[static_cast<int>(GetParam().rule)] ? kEnabled : Text(GetParam().nRuleId))
            << "suite " << m.bSuite << " model " << m.nModel;
    }
    ::DeleteFileW(file.c_str());
    RefreshWithRuleMet();
    EXPECT_EQ(State(), Text(GetParam().nNotFoundId));
}

INSTANTIATE_TEST_SUITE_P(SevenAddOns, InstallAddOnTest, ::testing::ValuesIn(kAddOns),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(InstallMenuTest, SuiteButtonTestsCodecsThenSuiteThenDisc)
{
    const auto state = [this](bool bCodecs, BOOL bSuite, bool bSetup) {
        DeleteRegTree(HKEY_LOCAL_MACHINE, kUninstall + kCodes[1]);
        if (bCodecs)
            MarkInstalled(kCodes[1]);
        ::DeleteFileW(m_disc.Path(L"\\Corla\\Setup.EXE").c_str());
        if (bSetup)
            m_disc.AddText(L"\\Corla\\Setup.EXE", "");
        m_menu.m_bSuiteInstalled = bSuite;
        m_menu.RefreshButton(IDC_SUITE);
        return State(m_menu.Button(IDC_SUITE));
    };
    EXPECT_EQ(state(true, TRUE, true), Text(IDS_STATUS_SUITE_VFW_INSTALLED));
    EXPECT_EQ(state(false, TRUE, true), Text(IDS_STATUS_SUITE_INSTALLED));
    EXPECT_EQ(state(false, FALSE, false), Text(IDS_STATUS_SUITE_NOT_FOUND));
    EXPECT_EQ(state(false, FALSE, true), kEnabled);
}
}  // namespace

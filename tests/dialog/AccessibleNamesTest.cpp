// What a screen reader hears: every button of the menu is named by its
// caption (the close button by its tip) in the menu's language and after a
// change of language, the choosers' buttons by their fixed words, and the
// disabled state is the window's (the description area announcing only a new
// text is LauncherDescriptionTest's). Where Wine's accessibility layer
// answers, names and states are read through it.
#include "tests/support/DialogTestSupport.h"

#include "actions/Language.h"
#include "actions/ModelDlg.h"
#include "app/LanguageDlg.h"
#include "app/LauncherDlg.h"
#include "res/resource.h"
#include "res/strings.h"
#include "tests/support/Driver.h"

#include <gtest/gtest.h>
#include <oleacc.h>

#include <string>
#include <vector>

namespace
{
const IID kIIDAccessible = {0x618736e0, 0x3c3d, 0x11cf, {0x81, 0x0c, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};

using e2e::WindowText;

CHoverButton& Button(const CWnd& dialog, UINT nID)
{
    return *dynamic_cast<CHoverButton*>(CWnd::FromHandlePermanent(dialog.GetDlgItem(static_cast<int>(nID))));
}

// The accessibility layer, loaded at run time as a screen reader would.
class CAccessibility
{
public:
    CAccessibility()
    {
        ::CoInitialize(nullptr);
        m_hModule = ::LoadLibraryW(L"oleacc.dll");
        if (m_hModule != nullptr)
            m_pfnFromWindow = reinterpret_cast<decltype(m_pfnFromWindow)>(
                reinterpret_cast<void*>(::GetProcAddress(m_hModule, "AccessibleObjectFromWindow")));
    }
    ~CAccessibility()
    {
        if (m_hModule != nullptr)
            ::FreeLibrary(m_hModule);
        ::CoUninitialize();
    }
    CAccessibility(const CAccessibility&) = delete;
    CAccessibility& operator=(const CAccessibility&) = delete;

    // Name and state of a window's client object; false when the layer does not answer.
    bool Read(HWND hWnd, std::wstring& name, long& state) const
    {
        IAccessible* pAccessible = nullptr;
        if (m_pfnFromWindow == nullptr || FAILED(m_pfnFromWindow(hWnd, static_cast<DWORD>(OBJID_CLIENT), kIIDAccessible,
                                                                 reinterpret_cast<void**>(&pAccessible))))
            return false;
        VARIANT self;
        ::VariantInit(&self);
        self.vt = VT_I4;
        self.lVal = CHILDID_SELF;
        BSTR bstrName = nullptr;
        VARIANT varState;
        ::VariantInit(&varState);
        const bool bRead = SUCCEEDED(pAccessible->get_accName(self, &bstrName)) &&
                           SUCCEEDED(pAccessible->get_accState(self, &varState));
        name = bstrName != nullptr ? bstrName : L"";
        state = varState.vt == VT_I4 ? varState.lVal : 0;
        ::SysFreeString(bstrName);
        pAccessible->Release();
        return bRead;
    }

private:
    HMODULE m_hModule = nullptr;
    HRESULT(WINAPI* m_pfnFromWindow)(HWND, DWORD, REFIID, void**) = nullptr;
};

class AccessibleNamesTest : public ::testing::TestWithParam<int>
{
protected:
    void SetUp() override
    {
        e2e::WriteRegDword(HKEY_LOCAL_MACHINE, kLanguageKey, kLanguageValueName,
                           static_cast<DWORD>(GetLanguage(GetParam()).nValue));
        ASSERT_TRUE(m_menu.Create());
    }
    void TearDown() override { m_menu.DestroyWindow(); }

    // Every button named as it is drawn, the close button by its tip; the
    // accessibility layer reports the same names and the disabled state.
    void ExpectNames(int nLanguageIndex)
    {
        const CAccessibility accessibility;
        // Every button with a caption: all but the close button.
        for (const ButtonRow& row : MenuButtonTable())
        {
            if (row.nId == IDOK)
                continue;
            const UINT nID = row.nId;
            CHoverButton& button = m_menu.Button(nID);
            EXPECT_EQ(WindowText(button), DrawnCaption(button)) << nID;
            EXPECT_FALSE(WindowText(button).empty()) << nID;
            ExpectAccessible(accessibility, button);
        }
        EXPECT_EQ(WindowText(m_menu.Button(IDOK)),
                  std::wstring(CLauncherDlg::LoadFixed(GetLanguage(nLanguageIndex).nBase + IDS_TIP_EXIT)));
        ExpectAccessible(accessibility, m_menu.Button(IDOK));
    }
    static void ExpectAccessible(const CAccessibility& accessibility, CHoverButton& button)
    {
        std::wstring name;
        long state = 0;
        if (!accessibility.Read(button, name, state))
            return;  // the layer does not answer for this window
        EXPECT_EQ(name, WindowText(button));
        EXPECT_EQ((state & STATE_SYSTEM_UNAVAILABLE) != 0, !button.IsWindowEnabled()) << WindowText(button);
    }

    e2e::MenuRegistry m_registry;
    CLauncherDlg m_menu;
};
}  // namespace

TEST_P(AccessibleNamesTest, ButtonsAreNamedByTheirCaptionsAlsoAfterALanguageChange)
{
    ExpectNames(GetParam());
    const int nOther = (GetParam() + 1) % kLanguageCount;
    m_menu.RefreshAllButtons(nOther);
    ExpectNames(nOther);
}

INSTANTIATE_TEST_SUITE_P(Languages, AccessibleNamesTest, ::testing::Range(0, kLanguageCount));

// The choosers' buttons keep their own words whatever the menu's language:
// each language its own name, the models and Exit English.
TEST_P(AccessibleNamesTest, ChooserButtonsAreNamedByTheirFixedCaptions)
{
    CLanguageDlg languages(&m_menu);
    CModelDlg models(&m_menu);
    ASSERT_TRUE(languages.Create());
    ASSERT_TRUE(models.Create());
    std::vector<CHoverButton*> buttons{&models.m_btnLite, &models.m_btnPro, &models.m_btnCancel};
    std::vector<std::wstring> expected{L"Velquin Lite", L"Velquin Pro", L"Exit"}, named;
    for (int i = 0; i < kLanguageCount; ++i)
    {
        buttons.push_back(&Button(languages, GetLanguage(i).nChooserButton));
        expected.emplace_back(CLauncherDlg::LoadFixed(GetLanguage(i).NameId()));
    }
    const CAccessibility accessibility;
    for (CHoverButton* pButton : buttons)
    {
        named.push_back(WindowText(*pButton));
        EXPECT_EQ(named.back(), DrawnCaption(*pButton));
        ExpectAccessible(accessibility, *pButton);
    }
    EXPECT_EQ(named, expected);
    languages.DestroyWindow();
    models.DestroyWindow();
}

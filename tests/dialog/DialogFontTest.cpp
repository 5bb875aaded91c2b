// The three dialogs are laid out in the shell dialog font, the one Windows
// links to East Asian faces, so every text the menu and its choosers draw, in
// every language, has a glyph in the font its control draws with.
#include "tests/support/DialogTestSupport.h"
#include "tests/support/MenuTest.h"
#include "tests/support/TextMetrics.h"

#include "actions/ModelDlg.h"
#include "app/LanguageDlg.h"
#include "res/resource.h"

#include <cstring>

namespace
{
using docs::MenuTest;

struct TemplateFont
{
    DWORD dwStyle = 0;
    WORD wPointSize = 0;
    std::wstring face;
};

// The style and font of a DLGTEMPLATEEX resource of this executable.
TemplateFont ReadTemplateFont(UINT nId)
{
    const HRSRC hResource = ::FindResourceW(nullptr, MAKEINTRESOURCEW(nId), MAKEINTRESOURCEW(5));  // RT_DIALOG
    const auto* p = static_cast<const WORD*>(::LockResource(::LoadResource(nullptr, hResource)));
    TemplateFont font;
    if (p == nullptr || p[1] != 0xFFFF)
        return font;
    std::memcpy(&font.dwStyle, p + 6, sizeof font.dwStyle);
    p += 13;                                    // past dlgVer .. cy
    for (int nField = 0; nField < 3; ++nField)  // menu, class, title: ordinal or string
        p = *p == 0xFFFF ? p + 2 : p + std::wcslen(reinterpret_cast<const wchar_t*>(p)) + 1;
    if ((font.dwStyle & DS_SETFONT) == 0)
        return font;
    font.wPointSize = p[0];
    font.face = reinterpret_cast<const wchar_t*>(p + 3);  // past point size, weight, italic and charset
    return font;
}

TEST(DialogFontTest, TemplatesUseTheShellDialogFont)
{
    for (const UINT nId : {IDD_MAIN, IDD_LANGUAGE, IDD_MODEL})
    {
        const TemplateFont font = ReadTemplateFont(nId);
        EXPECT_EQ(font.dwStyle & DS_SHELLFONT, static_cast<DWORD>(DS_SHELLFONT)) << nId;
        EXPECT_EQ(font.wPointSize, 8) << nId;
        EXPECT_EQ(font.face, L"MS Shell Dlg") << nId;
    }
}

using DialogGlyphTest = MenuTest;

// Every caption drawn and every text of the language's table, in each
// language, in the font the buttons draw with; the description area's texts
// in the font it draws with as well.
TEST_F(DialogGlyphTest, EveryTextOfEveryLanguageHasItsGlyphs)
{
    const HFONT hButtonFont = FontOf(m_menu.Button(IDC_SUITE));
    ASSERT_NE(hButtonFont, nullptr);
    EXPECT_NE(MissingGlyphs(hButtonFont, L"\uFFFF"), L"") << "the check can see a missing glyph";
    const HFONT hDescriptionFont = FontOf(m_menu.m_description);
    ASSERT_NE(hDescriptionFont, nullptr);
    for (int nLanguage = 0; nLanguage < kLanguageCount; ++nLanguage)
    {
        m_menu.RefreshAllButtons(nLanguage);
        for (CHoverButton* pButton : ShownButtons(m_menu))
        {
            SCOPED_TRACE(::GetDlgCtrlID(*pButton));
            EXPECT_EQ(MissingGlyphs(FontOf(*pButton), DrawnCaption(*pButton)), L"") << "language " << nLanguage;
            EXPECT_EQ(MissingGlyphs(hDescriptionFont, static_cast<LPCWSTR>(pButton->GetDescription())), L"");
        }
        for (UINT nId = 1000; nId < 1100; ++nId)
            EXPECT_EQ(MissingGlyphs(hButtonFont, Text(nId)), L"") << "language " << nLanguage << ", text " << nId;
    }
}

// The chooser names every language in that language, "日本語" included.
TEST_F(DialogGlyphTest, ChooserNamesEveryLanguageWithItsGlyphs)
{
    CLanguageDlg chooser(&m_menu);
    ASSERT_TRUE(chooser.Create());
    EXPECT_EQ(ShownButtons(chooser).size(), static_cast<size_t>(kLanguageCount));
    for (CHoverButton* pButton : ShownButtons(chooser))
        EXPECT_EQ(MissingGlyphs(FontOf(*pButton), DrawnCaption(*pButton)), L"") << ::GetDlgCtrlID(*pButton);
    chooser.DestroyWindow();
}
}  // namespace

// The menu's texts as they are drawn. The three dialogs are laid out in the
// shell dialog font, the one Windows links to East Asian faces, so every text
// of every language has a glyph in the font its control draws with. Every
// caption of every language fits its button with a margin to spare, at 96,
// 120, 144 and 192 DPI, and every description or status text fits the
// description area: a text too long for its place is shortened in
// translation, never clipped. A dialog is laid out from its font, so at each
// density the test makes the dialog's font at that density, sizes each button
// from its dialog units with the base units the dialog manager takes from
// that font, and measures the caption in it.
#include "tests/support/DialogTestSupport.h"
#include "tests/support/MenuTest.h"
#include "tests/support/TextMetrics.h"

#include "actions/ButtonTable.h"
#include "actions/ModelDlg.h"
#include "app/LanguageDlg.h"
#include "res/resource.h"
#include "res/strings.h"

#include <cstring>

namespace
{
using docs::MenuTest;

// Pixels kept free on each side of a caption, at 96 DPI.
constexpr int kCaptionMargin = 4;
constexpr int kDensities[] = {96, 120, 144, 192};

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

// A dialog's font made at another screen density, and the dialog's base
// width in that font.
class CFontAtDensity
{
public:
    CFontAtDensity(HFONT hDialogFont, int nDpi)
    {
        LOGFONTW lf{};
        ::GetObjectW(hDialogFont, sizeof(lf), &lf);
        const HDC hScreen = ::GetDC(nullptr);
        lf.lfHeight = ::MulDiv(lf.lfHeight, nDpi, ::GetDeviceCaps(hScreen, LOGPIXELSY));
        ::ReleaseDC(nullptr, hScreen);
        m_hFont = ::CreateFontIndirectW(&lf);
        const HDC hDC = ::CreateCompatibleDC(nullptr);
        const HGDIOBJ hOld = ::SelectObject(hDC, m_hFont);
        SIZE size{};
        ::GetTextExtentPoint32W(hDC, L"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz", 52, &size);
        m_nBaseX = (size.cx / 26 + 1) / 2;
        ::SelectObject(hDC, hOld);
        ::DeleteDC(hDC);
    }
    ~CFontAtDensity() { ::DeleteObject(m_hFont); }
    CFontAtDensity(const CFontAtDensity&) = delete;
    CFontAtDensity& operator=(const CFontAtDensity&) = delete;

    HFONT Font() const { return m_hFont; }
    int Pixels(int nDialogUnits) const { return ::MulDiv(nDialogUnits, m_nBaseX, 4); }

private:
    HFONT m_hFont = nullptr;
    int m_nBaseX = 0;
};

// What the description area shows: every description and status text of
// the button table, and the Language and Exit buttons' descriptions.
std::vector<UINT> DescriptionIds()
{
    std::vector<UINT> ids{IDS_DESC_LANGUAGE, IDS_DESC_EXIT};
    for (const ButtonRow& row : MenuButtonTable())
        for (const UINT nId : {row.nDescriptionId, row.nInstalledId, row.nRuleId, row.nNotFoundId})
            if (nId != 0)
                ids.push_back(nId);
    return ids;
}

// The captions the dialog's shown buttons draw, each against its button, at
// every density.
void ExpectCaptionsFit(const CWnd& dialog, const char* pszWhere)
{
    RECT rcUnits = {0, 0, 4, 8};
    ::MapDialogRect(dialog, &rcUnits);
    for (const int nDpi : kDensities)
    {
        const CFontAtDensity font(FontOf(dialog), nDpi);
        const int nMargin = ::MulDiv(kCaptionMargin, nDpi, 96);
        for (CHoverButton* pButton : ShownButtons(dialog))
        {
            const std::wstring caption = DrawnCaption(*pButton);
            CRect rcClient;
            pButton->GetClientRect(&rcClient);
            const int nWidth = font.Pixels(::MulDiv(rcClient.Width(), 4, rcUnits.right));
            if (nDpi == 96)  // the layout the dialog manager made, in a font with the caption's glyphs
            {
                EXPECT_EQ(nWidth, rcClient.Width()) << pszWhere;
                EXPECT_EQ(MissingGlyphs(FontOf(*pButton), caption), L"") << pszWhere << ": " << e2e::ToUtf8(caption);
            }
            EXPECT_LE(CaptionOverflow(font.Font(), caption, nWidth, nMargin), 0)
                << pszWhere << " at " << nDpi << " DPI, button " << ::GetDlgCtrlID(*pButton) << " (" << nWidth
                << " px): " << e2e::ToUtf8(caption);
        }
    }
}

using CaptionFitTest = MenuTest;

// Every text of the language's table has its glyphs in the buttons' font too.
TEST_F(CaptionFitTest, MenuCaptionsFitTheirButtonsInEveryLanguageAtFourDensities)
{
    const HFONT hButtonFont = FontOf(m_menu.Button(IDC_SUITE));
    EXPECT_NE(MissingGlyphs(hButtonFont, L"\uFFFF"), L"") << "the check can see a missing glyph";
    for (int nLanguage = 0; nLanguage < kLanguageCount; ++nLanguage)
    {
        m_menu.RefreshAllButtons(nLanguage);
        ExpectCaptionsFit(m_menu, ("language " + std::to_string(nLanguage)).c_str());
        for (UINT nId = 1000; nId < 1100; ++nId)
            EXPECT_EQ(MissingGlyphs(hButtonFont, Text(nId)), L"") << "language " << nLanguage << ", text " << nId;
    }
}

TEST_F(CaptionFitTest, ChooserCaptionsFitTheirButtonsAtFourDensities)
{
    CLanguageDlg languages(&m_menu);
    ASSERT_TRUE(languages.Create());
    EXPECT_EQ(ShownButtons(languages).size(), static_cast<size_t>(kLanguageCount));
    ExpectCaptionsFit(languages, "language chooser");
    languages.DestroyWindow();
    CModelDlg models(&m_menu);
    ASSERT_TRUE(models.Create());
    ExpectCaptionsFit(models, "model chooser");
    models.DestroyWindow();
}

TEST_F(CaptionFitTest, DescriptionsAndStatusTextsFitTheDescriptionAreaWithTheirGlyphs)
{
    CRect rcArea;
    m_menu.m_description.GetClientRect(&rcArea);
    for (int nLanguage = 0; nLanguage < kLanguageCount; ++nLanguage)
    {
        SetLanguage(nLanguage);
        for (const UINT nId : DescriptionIds())
        {
            SCOPED_TRACE("language " + std::to_string(nLanguage) + ", text " + std::to_string(nId));
            const SIZE size = WrappedTextSize(FontOf(m_menu.m_description), Text(nId), rcArea.Width());
            EXPECT_LE(size.cx, rcArea.Width());
            EXPECT_LE(size.cy, rcArea.Height());
            EXPECT_EQ(MissingGlyphs(FontOf(m_menu.m_description), Text(nId)), L"");
        }
    }
}
}  // namespace

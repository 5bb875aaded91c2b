// Every caption of every language fits its button with a margin to spare, at
// 96, 120, 144 and 192 DPI, and every description or status text fits the
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
#include "res/strings.h"

namespace
{
using docs::MenuTest;

// Pixels kept free on each side of a caption, at 96 DPI.
constexpr int kCaptionMargin = 4;
constexpr int kDensities[] = {96, 120, 144, 192};

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
            if (nDpi == 96)  // the layout the dialog manager made
            {
                EXPECT_EQ(nWidth, rcClient.Width()) << pszWhere;
            }
            EXPECT_LE(CaptionOverflow(font.Font(), caption, nWidth, nMargin), 0)
                << pszWhere << " at " << nDpi << " DPI, button " << ::GetDlgCtrlID(*pButton) << " (" << nWidth
                << " px): " << e2e::ToUtf8(caption);
        }
    }
}

using CaptionFitTest = MenuTest;

TEST_F(CaptionFitTest, MenuCaptionsFitTheirButtonsInEveryLanguageAtFourDensities)
{
    for (int nLanguage = 0; nLanguage < kLanguageCount; ++nLanguage)
    {
        m_menu.RefreshAllButtons(nLanguage);
        ExpectCaptionsFit(m_menu, ("language " + std::to_string(nLanguage)).c_str());
    }
}

TEST_F(CaptionFitTest, ChooserCaptionsFitTheirButtonsAtFourDensities)
{
    CLanguageDlg languages(&m_menu);
    ASSERT_TRUE(languages.Create());
    ExpectCaptionsFit(languages, "language chooser");
    languages.DestroyWindow();
    CModelDlg models(&m_menu);
    ASSERT_TRUE(models.Create());
    ExpectCaptionsFit(models, "model chooser");
    models.DestroyWindow();
}

TEST_F(CaptionFitTest, DescriptionsAndStatusTextsFitTheDescriptionArea)
{
    CRect rcArea;
    m_menu.m_description.GetClientRect(&rcArea);
    for (int nLanguage = 0; nLanguage < kLanguageCount; ++nLanguage)
    {
        SetLanguage(nLanguage);
        for (const UINT nId : DescriptionIds())
        {
            const SIZE size = WrappedTextSize(FontOf(m_menu.m_description), Text(nId), rcArea.Width());
            EXPECT_LE(size.cx, rcArea.Width()) << "language " << nLanguage << ", text " << nId;
            EXPECT_LE(size.cy, rcArea.Height()) << "language " << nLanguage << ", text " << nId;
        }
    }
}
}  // namespace

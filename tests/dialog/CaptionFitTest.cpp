// Every caption of every language fits its button with a margin to spare,
// and every description or status text fits the description area: a text
// too long for its place is shortened in translation, never clipped.
#include "tests/dialog/DocumentTestSupport.h"
#include "tests/support/DialogTestSupport.h"
#include "tests/support/TextMetrics.h"

#include "actions/ModelDlg.h"
#include "app/LanguageDlg.h"
#include "res/strings.h"

namespace
{
using docs::MenuTest;

// Pixels kept free on each side of a caption, at 96 DPI.
constexpr int kCaptionMargin = 4;

// What the description area shows: the descriptions and the status texts.
const UINT kDescriptionIds[] = {
    IDS_DESC_MANUAL, IDS_DESC_AFTER_EFFECTS, IDS_DESC_3DS_MAX, IDS_DESC_SUITE, IDS_DESC_PREMIERE_UPDATER,
    IDS_DESC_SPICEMASTER, IDS_DESC_README, IDS_DESC_WALLPAPERS, IDS_DESC_VFW_CODECS, IDS_DESC_EXIT,
    IDS_DESC_ACROBAT_READER, IDS_DESC_LANGUAGE, IDS_DESC_LIGHTWAVE, IDS_DESC_EFFECTS,
    IDS_STATUS_SUITE_INSTALLED, IDS_STATUS_AFTER_EFFECTS_RULE, IDS_STATUS_3DS_MAX_RULE, IDS_STATUS_LIGHTWAVE_RULE,
    IDS_STATUS_SUITE_NOT_FOUND, IDS_STATUS_PREMIERE_NOT_FOUND, IDS_STATUS_AFTER_EFFECTS_NOT_FOUND,
    IDS_STATUS_3DS_MAX_NOT_FOUND, IDS_STATUS_MANUAL_NOT_FOUND, IDS_STATUS_ACROBAT_NOT_FOUND,
    IDS_STATUS_README_NOT_FOUND, IDS_STATUS_WALLPAPERS_NOT_FOUND, IDS_STATUS_VFW_NOT_FOUND,
    IDS_STATUS_SPICEMASTER_NOT_FOUND, IDS_STATUS_LIGHTWAVE_NOT_FOUND, IDS_STATUS_VFW_RULE,
    IDS_STATUS_MANUAL_NEEDS_ACROBAT, IDS_STATUS_SUITE_VFW_INSTALLED, IDS_STATUS_EFFECTS_NOT_FOUND,
    IDS_STATUS_EFFECTS_RULE, IDS_STATUS_3DS_MAX_INSTALLED, IDS_STATUS_AFTER_EFFECTS_INSTALLED,
    IDS_STATUS_LIGHTWAVE_INSTALLED, IDS_STATUS_WALLPAPERS_INSTALLED, IDS_STATUS_VFW_INSTALLED,
    IDS_STATUS_ACROBAT_INSTALLED, IDS_STATUS_PREMIERE_INSTALLED,
};

// The captions the dialog's shown buttons draw, each against its button.
void ExpectCaptionsFit(const CWnd& dialog, const char* pszWhere)
{
    for (CHoverButton* pButton : ShownButtons(dialog))
    {
        const std::wstring caption = DrawnCaption(*pButton);
        CRect rcClient;
        pButton->GetClientRect(&rcClient);
        EXPECT_LE(CaptionOverflow(FontOf(*pButton), caption, rcClient.Width(), kCaptionMargin), 0)
            << pszWhere << ", button " << ::GetDlgCtrlID(*pButton) << " (" << rcClient.Width()
            << " px): " << e2e::ToUtf8(caption);
    }
}

using CaptionFitTest = MenuTest;

TEST_F(CaptionFitTest, MenuCaptionsFitTheirButtonsInEveryLanguage)
{
    for (int nLanguage = 0; nLanguage < kLanguageCount; ++nLanguage)
    {
        m_menu.RefreshAllButtons(nLanguage);
        ExpectCaptionsFit(m_menu, ("language " + std::to_string(nLanguage)).c_str());
    }
}

TEST_F(CaptionFitTest, ChooserCaptionsFitTheirButtons)
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
        for (const UINT nId : kDescriptionIds)
        {
            const SIZE size = WrappedTextSize(FontOf(m_menu.m_description), Text(nId), rcArea.Width());
            EXPECT_LE(size.cx, rcArea.Width()) << "language " << nLanguage << ", text " << nId;
            EXPECT_LE(size.cy, rcArea.Height()) << "language " << nLanguage << ", text " << nId;
        }
    }
}
}  // namespace

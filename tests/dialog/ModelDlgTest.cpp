// The hardware-model chooser on its own and as the manual click uses it: the
// answer of each button and of Esc, the manual each answer opens, when it is
// asked again, and its English captions whatever the menu's language.
#include "tests/dialog/DocumentTestSupport.h"
#include "tests/support/DialogTestSupport.h"

#include "actions/ModelDlg.h"
#include "res/resource.h"

#include <atomic>
#include <thread>

namespace
{
using docs::MenuTest;

const int kEscape = 0;

// Answers the chooser of this thread from a helper thread once it shows: a
// click on a button, or the Esc key on the focused Exit button.
class CChooserAnswer
{
public:
    explicit CChooserAnswer(int nAnswer) : m_thread([this, nAnswer, dwThread = ::GetCurrentThreadId()] {
        for (HWND hChooser = nullptr; !m_bStop && hChooser == nullptr; ::Sleep(10))
        {
            ::EnumThreadWindows(dwThread, &FindChooser, reinterpret_cast<LPARAM>(&hChooser));
            if ((m_bShown = hChooser != nullptr) && nAnswer == kEscape)
                ::PostMessageW(::GetDlgItem(hChooser, IDC_MODEL_CANCEL), WM_KEYDOWN, VK_ESCAPE, 0);
            else if (m_bShown)
                ::PostMessageW(hChooser, WM_COMMAND, MAKEWPARAM(nAnswer, BN_CLICKED),
                               reinterpret_cast<LPARAM>(::GetDlgItem(hChooser, nAnswer)));
        }
    })
    {
    }
    ~CChooserAnswer() { Shown(); }
    bool Shown()
    {
        m_bStop = true;
        if (m_thread.joinable())
            m_thread.join();
        return m_bShown;
    }

private:
    static BOOL CALLBACK FindChooser(HWND hWnd, LPARAM lParam)
    {
        if (::IsWindowVisible(hWnd) && ::GetDlgItem(hWnd, IDC_MODEL_PRO) != nullptr)
            *reinterpret_cast<HWND*>(lParam) = hWnd;
        return TRUE;
    }

    std::atomic<bool> m_bStop{false}, m_bShown{false};
    std::thread m_thread;
};

struct ChooserCase
{
    const char* name;
    int nAnswer;
    int nModel;
    const wchar_t* pszManual;  // null: nothing opened
};
void PrintTo(const ChooserCase& c, std::ostream* os) { *os << c.name; }

const ChooserCase kChooserCases[] = {
    {"Lite", IDC_MODEL_LITE, kModelLite, L"Manual_Brisa.pdf"},
    {"Pro", IDC_MODEL_PRO, kModelPro, L"Manual_Quarn.pdf"},
    {"Exit", IDC_MODEL_CANCEL, kModelNone, nullptr},
    {"Escape", kEscape, kModelNone, nullptr},
};

class ModelChooserTest : public MenuTest, public ::testing::WithParamInterface<ChooserCase>
{
protected:
    void SetUp() override
    {
        MenuTest::SetUp();
        m_disc.Add(L"\\Docs\\Manual_Brisa.pdf");
        m_disc.Add(L"\\Docs\\Manual_Quarn.pdf");
        m_programs.AddProgram(L"\\acrord32.exe");
        docs::SetAppPath(L"AcroRd32.exe", m_programs.Root());
        m_menu.RefreshManual();
        m_menu.m_nHardwareModel = kModelNone;
    }
    // Clicks the manual button; true when the chooser was shown (and answered).
    bool ViewManual(int nAnswer)
    {
        CChooserAnswer answer(nAnswer);
        m_menu.OnViewManual();
        return answer.Shown();
    }
    std::wstring ReaderRun(const wchar_t* pszManual) const
    {
        return m_programs.Root() + L"\\acrord32 " + m_disc.Root() + L"\\Docs\\" + pszManual;
    }
};

// The answer becomes the menu's model and picks the manual; a model once
// chosen is kept, while after Exit or Esc the next click asks again.
TEST_P(ModelChooserTest, AnswerPicksTheManualAndIsKept)
{
    const ChooserCase& c = GetParam();
    ASSERT_TRUE(ViewManual(c.nAnswer));
    EXPECT_EQ(m_menu.m_nHardwareModel, c.nModel);
    std::vector<std::wstring> expected;
    if (c.pszManual != nullptr)
        expected.push_back(ReaderRun(c.pszManual));
    EXPECT_EQ(m_programs.Runs(L""), expected);

    EXPECT_EQ(ViewManual(IDC_MODEL_LITE), c.pszManual == nullptr);
    expected.push_back(ReaderRun(c.pszManual != nullptr ? c.pszManual : L"Manual_Brisa.pdf"));
    EXPECT_EQ(m_programs.Runs(L""), expected);
}

INSTANTIATE_TEST_SUITE_P(Answers, ModelChooserTest, ::testing::ValuesIn(kChooserCases), docs::kCaseName);

using ModelChooserCaptionTest = MenuTest;

// The captions drawn are exactly the fixed English names, in every menu language.
TEST_F(ModelChooserCaptionTest, StayEnglishInEveryMenuLanguage)
{
    for (int nLanguage = 0; nLanguage < 6; ++nLanguage)
    {
        m_menu.RefreshAllButtons(nLanguage);
        CModelDlg chooser(&m_menu);
        ASSERT_TRUE(chooser.Create());
        for (auto [pButton, pszCaption] : {std::make_pair(&chooser.m_btnLite, L"Velquin Lite"),
                                           std::make_pair(&chooser.m_btnPro, L"Velquin Pro"),
                                           std::make_pair(&chooser.m_btnCancel, L"Exit")})
        {
            const auto draw = [pButton = pButton] {
                CCanvas canvas(202, 26, RGB(255, 0, 255));
                DRAWITEMSTRUCT dis{};
                dis.CtlType = ODT_BUTTON;
                dis.hwndItem = *pButton;
                dis.hDC = canvas.GetDC();
                pButton->GetClientRect(&dis.rcItem);
                pButton->DrawItem(&dis);
                return canvas.PixelsOf(kCaptionColour);
            };
            const std::vector<int> shown = draw();
            pButton->SetCaptions(pszCaption, kCaptionColour, nullptr, CLR_INVALID, nullptr, CLR_INVALID, nullptr,
                                 CLR_INVALID);
            EXPECT_FALSE(shown.empty());
            EXPECT_EQ(shown, draw()) << "language " << nLanguage << ", button " << ::GetDlgCtrlID(*pButton);
        }
        chooser.DestroyWindow();
    }
}
}  // namespace

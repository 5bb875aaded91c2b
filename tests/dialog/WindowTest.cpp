// The framework's window layer on real windows: message maps chained to the
// base class, reflection to the child's object, binding and letting go of
// handles, and the dialog's own modal loop.
#include "framework/Button.h"
#include "framework/DataExchange.h"
#include "framework/Dialog.h"
#include "framework/Static.h"
#include "res/resource.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <thread>

namespace
{
const UINT WM_PING = WM_APP + 1;
const UINT WM_PONG = WM_APP + 2;
const UINT WM_END_WITH = WM_APP + 3;

class CBaseProbe : public CWnd
{
protected:
    LRESULT OnPing(WPARAM, LPARAM) { return 1; }
    LRESULT OnPong(WPARAM, LPARAM) { return 2; }

    DECLARE_MESSAGE_MAP()
};

// clang-format off
BEGIN_MESSAGE_MAP(CBaseProbe, CWnd)
    ON_MESSAGE(WM_PING, OnPing)
    ON_MESSAGE(WM_PONG, OnPong)
END_MESSAGE_MAP()
// clang-format on

class CDerivedProbe : public CBaseProbe
{
protected:
    LRESULT OnPongAgain(WPARAM, LPARAM) { return 3; }

    DECLARE_MESSAGE_MAP()
};

// clang-format off
BEGIN_MESSAGE_MAP(CDerivedProbe, CBaseProbe)
    ON_MESSAGE(WM_PONG, OnPongAgain)
END_MESSAGE_MAP()
// clang-format on

HWND CreateStatic(LPCWSTR lpszText, HWND hParent = nullptr)
{
    return ::CreateWindowExW(0, L"Static", lpszText, hParent != nullptr ? WS_CHILD : WS_POPUP, 0, 0, 10, 10, hParent,
                             nullptr, nullptr, nullptr);
}

TEST(MessageMapTest, LookupFallsBackToTheBaseMapThenToTheWindowsOwnProcedure)
{
    const HWND hWnd = CreateStatic(L"abc");
    CDerivedProbe probe;
    ASSERT_TRUE(probe.SubclassWindow(hWnd));

    EXPECT_EQ(::SendMessageW(hWnd, WM_PING, 0, 0), 1);
    EXPECT_EQ(::SendMessageW(hWnd, WM_PONG, 0, 0), 3);
    EXPECT_EQ(::SendMessageW(hWnd, WM_GETTEXTLENGTH, 0, 0), 3);
    ::DestroyWindow(hWnd);
}

TEST(HandleMapTest, ObjectGoingAwayGivesTheWindowBackItsProcedure)
{
    const HWND hWnd = CreateStatic(L"");
    const LONG_PTR original = ::GetWindowLongPtrW(hWnd, GWLP_WNDPROC);
    {
        CDerivedProbe probe;
        ASSERT_TRUE(probe.SubclassWindow(hWnd));
        CDerivedProbe second;
        EXPECT_FALSE(second.SubclassWindow(hWnd));  // one object per window
    }
    EXPECT_EQ(::GetWindowLongPtrW(hWnd, GWLP_WNDPROC), original);
    EXPECT_EQ(CWnd::FromHandlePermanent(hWnd), nullptr);
    EXPECT_EQ(::SendMessageW(hWnd, WM_PING, 0, 0), 0);
    ::DestroyWindow(hWnd);
}

// Answers the reflected colour message with m_hbr; null leaves it to the parent.
class CColourProbe : public CStatic
{
public:
    HBRUSH m_hbr = nullptr;

protected:
    HBRUSH CtlColor(CDCHandle*, UINT) { return m_hbr; }

    DECLARE_MESSAGE_MAP()
};

// clang-format off
BEGIN_MESSAGE_MAP(CColourProbe, CStatic)
    ON_WM_CTLCOLOR_REFLECT()
END_MESSAGE_MAP()
// clang-format on

class CChooserDialog : public CDialog
{
public:
    CChooserDialog() : CDialog(IDD_LANGUAGE) {}
    CButton m_btnEnglish;

protected:
    void DoDataExchange(CDataExchange* pDX) override { DDX_Control(pDX, IDC_LANG_ENGLISH, m_btnEnglish); }
};

class ReflectionTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(m_dlg.Create()); }
    void TearDown() override { m_dlg.DestroyWindow(); }

    CChooserDialog m_dlg;
};

TEST_F(ReflectionTest, ControlColourGoesToTheControlFirst)
{
    const HWND hStatic = CreateStatic(L"", m_dlg);
    CColourProbe probe;
    ASSERT_TRUE(probe.SubclassWindow(hStatic));
    const HDC hDC = ::CreateCompatibleDC(nullptr);
    const auto wParam = reinterpret_cast<WPARAM>(hDC);
    const auto lParam = reinterpret_cast<LPARAM>(hStatic);
    const LRESULT lDefault = ::DefWindowProcW(m_dlg, WM_CTLCOLORSTATIC, wParam, lParam);

    probe.m_hbr = static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH));
    EXPECT_EQ(m_dlg.SendMessage(WM_CTLCOLORSTATIC, wParam, lParam), reinterpret_cast<LRESULT>(probe.m_hbr));
    probe.m_hbr = nullptr;
    EXPECT_EQ(m_dlg.SendMessage(WM_CTLCOLORSTATIC, wParam, lParam), lDefault);
    ::DeleteDC(hDC);
}

TEST_F(ReflectionTest, DestroyingTheDialogReleasesItAndItsBoundControls)
{
    const HWND hDlg = m_dlg.m_hWnd;
    const HWND hButton = m_dlg.GetDlgItem(IDC_LANG_ENGLISH);
    ASSERT_EQ(CWnd::FromHandlePermanent(hButton), static_cast<CWnd*>(&m_dlg.m_btnEnglish));

    m_dlg.DestroyWindow();

    EXPECT_EQ(m_dlg.m_hWnd, nullptr);
    EXPECT_EQ(m_dlg.m_btnEnglish.m_hWnd, nullptr);
    EXPECT_EQ(CWnd::FromHandlePermanent(hDlg), nullptr);
    EXPECT_EQ(CWnd::FromHandlePermanent(hButton), nullptr);
}

// Calls onInit from OnInitDialog; the English button and WM_END_WITH end it.
class CModalProbe : public CDialog
{
public:
    explicit CModalProbe(std::function<void(HWND)> onInit, CWnd* pOwner = nullptr)
        : CDialog(IDD_LANGUAGE, pOwner), m_onInit(std::move(onInit))
    {
    }

    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        m_onInit(m_hWnd);
        return TRUE;
    }

protected:
    void OnEnglish() { EndDialog(IDC_LANG_ENGLISH); }
    LRESULT OnEndWith(WPARAM wParam, LPARAM)
    {
        EndDialog(static_cast<int>(wParam));
        return 0;
    }

    DECLARE_MESSAGE_MAP()

private:
    std::function<void(HWND)> m_onInit;
};

// clang-format off
BEGIN_MESSAGE_MAP(CModalProbe, CDialog)
    ON_BN_CLICKED(IDC_LANG_ENGLISH, OnEnglish)
    ON_MESSAGE(WM_END_WITH, OnEndWith)
END_MESSAGE_MAP()
// clang-format on

struct ModalCase
{
    const char* name;
    UINT message;
    WPARAM wParam;
    INT_PTR nResult;
};

void PrintTo(const ModalCase& c, std::ostream* os) { *os << c.name; }

class ModalLoopTest : public ::testing::TestWithParam<ModalCase>
{};

TEST_P(ModalLoopTest, PostedMessageEndsTheDialogWithItsResult)
{
    const ModalCase& c = GetParam();
    CWnd owner;
    owner.SubclassWindow(::CreateWindowW(L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr));
    HWND hDlg = nullptr;
    CModalProbe dlg(
        [&](HWND hWnd) {
            hDlg = hWnd;
            ::PostMessageW(hWnd, c.message, c.wParam, 0);
        },
        &owner);

    EXPECT_EQ(dlg.DoModal(), c.nResult);
    EXPECT_EQ(dlg.m_hWnd, nullptr);
    EXPECT_FALSE(::IsWindow(hDlg));
    EXPECT_TRUE(owner.IsWindowEnabled()) << "however the loop ended, its owner can be used again";
    MSG msg{};
    EXPECT_EQ(::PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) != FALSE, c.message == WM_QUIT)
        << "a quit is left for the loop outside";
    EXPECT_EQ(msg.wParam, c.message == WM_QUIT ? c.wParam : 0) << "with its exit code";
    owner.DestroyWindow();
}

const ModalCase kModalCases[] = {
    {"ButtonClick", WM_COMMAND, MAKEWPARAM(IDC_LANG_ENGLISH, BN_CLICKED), IDC_LANG_ENGLISH},
    {"OwnMessage", WM_END_WITH, 42, 42},
    {"Ok", WM_COMMAND, IDOK, IDOK},
    {"Close", WM_CLOSE, 0, IDCANCEL},
    {"Quit", WM_QUIT, 7, -1},  // ends the loop without EndDialog
};

INSTANTIATE_TEST_SUITE_P(Ends, ModalLoopTest, ::testing::ValuesIn(kModalCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ModalLoopSentTest, EndDialogFromAMessageSentByAnotherThreadEndsTheLoop)
{
    std::thread helper;
    bool bWoken = false;
    CModalProbe dlg([&](HWND hDlg) {
        helper = std::thread([hDlg, &bWoken] {
            ::SendMessageW(hDlg, WM_COMMAND, IDCANCEL, 0);
            // A loop that slept through the request would wait for ever: wake it.
            for (int i = 0; i < 300 && ::IsWindow(hDlg); ++i)
                ::Sleep(10);
            bWoken = ::IsWindow(hDlg) != FALSE;
            if (bWoken)
                ::PostMessageW(hDlg, WM_NULL, 0, 0);
        });
    });

    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    helper.join();
    EXPECT_FALSE(bWoken);
}
}  // namespace

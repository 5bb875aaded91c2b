// The actions and the button table against a context that is not the menu
// dialog: no window, state set directly. What the table says a button looks
// for on the disc is what its refresh step looks for.
#include "tests/support/DialogTestSupport.h"
#include "tests/support/Driver.h"
#include "tests/support/TestKeys.h"

#include "actions/ButtonTable.h"
#include "actions/MenuContext.h"
#include "actions/ModelDlg.h"
#include "app/LauncherDlg.h"
#include "res/resource.h"
#include "res/strings.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>

namespace
{
// A menu without a window: the launcher hides and shows nothing.
class CFakeMenu : public CMenuContext
{
public:
    const CString& DiscRoot() const override { return m_strRoot; }
    const CLanguage& Language() const override { return m_language; }
    bool SuiteInstalled() const override { return m_bSuite; }
    int HardwareModel() const override { return m_nModel; }
    void SetHardwareModel(int nModel) override { m_nModel = nModel; }
    CProgramLauncher& Launcher() override { return m_launcher; }
    CWnd& Owner() override { return m_owner; }

    CString m_strRoot;
    CLanguage m_language = CLanguage::FromIndex(1);  // French: translated Readme, French texts
    bool m_bSuite = true;
    int m_nModel = kModelPro;

private:
    CWnd m_owner;
    CProgramLauncher m_launcher{m_owner, m_language};
};

std::string RowName(const ::testing::TestParamInfo<ButtonRow>& info)
{
    return "Button" + std::to_string(info.param.nId);
}

std::vector<ButtonRow> RefreshedRows()
{
    std::vector<ButtonRow> rows;
    for (const ButtonRow& row : MenuButtonTable())
    {
        if (row.pfnRefresh != nullptr)
            rows.push_back(row);
    }
    return rows;
}

class ButtonTableTest : public ::testing::TestWithParam<ButtonRow>
{
protected:
    void SetUp() override
    {
        // Nothing installed but what each button needs to be asked about the disc.
        for (const wchar_t* code : keys::kProductCodes)
            m_registry.RemovedKey(HKEY_LOCAL_MACHINE, keys::kUninstall + code);
        m_registry.RemovedKey(HKEY_LOCAL_MACHINE, keys::kAppPaths + L"AcroRd32.exe")
            .RemovedKey(HKEY_LOCAL_MACHINE, keys::kAppPaths + L"Premiere.exe");
        const UINT nId = GetParam().nId;
        if (nId == IDC_MANUAL)
            e2e::WriteRegString(HKEY_LOCAL_MACHINE, keys::kAppPaths + L"AcroRd32.exe", L"Path", m_disc.Root());
        if (nId == IDC_PREMIERE_UPDATER)
            e2e::WriteRegString(HKEY_LOCAL_MACHINE, keys::kAppPaths + L"Premiere.exe", L"Path",
                                e2e::FixturePath(L"preminfo-60"));
        // The suite and the codecs are offered only without the suite.
        m_menu.m_bSuite = nId != IDC_SUITE && nId != IDC_VFW_CODECS;
        m_menu.m_strRoot = m_disc.Root().c_str();
    }

    ButtonState Refresh() { return GetParam().pfnRefresh(m_menu, GetParam()); }
    std::wstring PathOf(const DiscFileIds& file) const
    {
        return std::wstring(m_menu.DiscFolder(file.nFolderPatternId)) + L"\\" +
               static_cast<LPCWSTR>(m_menu.NameOf(file));
    }

    e2e::RegistryGuard m_registry;
    e2e::FixtureDisc m_disc{L"table disc"};
    CFakeMenu m_menu;
};

TEST_P(ButtonTableTest, EachFileOfTheRowAloneOffersTheButton)
{
    const ButtonState empty = Refresh();
    EXPECT_FALSE(empty.bAvailable);
    EXPECT_FALSE(empty.strStatus.IsEmpty());

    int nFiles = 0;
    for (const DiscFileIds& file : GetParam().files)
    {
        if (file.nFileNameId == 0)
            continue;
        ++nFiles;
        const std::wstring path = PathOf(file);
        e2e::WriteTextFile(path, {});
        const ButtonState found = Refresh();
        EXPECT_TRUE(found.bAvailable) << e2e::ToUtf8(path);
        EXPECT_TRUE(found.strStatus.IsEmpty()) << e2e::ToUtf8(path);
        ::DeleteFileW(path.c_str());
    }
    EXPECT_GT(nFiles, 0);
}

TEST_P(ButtonTableTest, WithoutADiscRootNothingIsFoundOnTheCurrentDrive)
{
    // The same files at the root of the current drive (the prefix's C:) must not count.
    wchar_t szCurrent[MAX_PATH] = L"";
    ::GetCurrentDirectoryW(MAX_PATH, szCurrent);
    ASSERT_TRUE(::SetCurrentDirectoryW(L"C:\\"));
    m_menu.m_strRoot = L"C:";
    std::vector<std::wstring> planted;
    for (const DiscFileIds& file : GetParam().files)
    {
        if (file.nFileNameId != 0 && file.nFolderPatternId != 0)
            planted.push_back(PathOf(file));
    }
    for (const std::wstring& path : planted)
        e2e::WriteTextFile(path, {});

    m_menu.m_strRoot.Empty();
    EXPECT_FALSE(Refresh().bAvailable);

    for (const std::wstring& path : planted)
    {
        ::DeleteFileW(path.c_str());
        // Its folders, deepest first; a folder that is not empty stays.
        for (std::wstring folder = path.substr(0, path.rfind(L'\\')); folder.size() > 3;
             folder = folder.substr(0, folder.rfind(L'\\')))
            ::RemoveDirectoryW(folder.c_str());
    }
    ::SetCurrentDirectoryW(szCurrent);
}

INSTANTIATE_TEST_SUITE_P(Rows, ButtonTableTest, ::testing::ValuesIn(RefreshedRows()), RowName);

// The artwork's panels that hold buttons, in its pixels, as its script draws them.
std::vector<CRect> ButtonPanels()
{
    std::vector<CRect> panels;
    FILE* file = _wfopen(SPLASH_ASSETS_SCRIPT, L"r");
    char line[256];
    while (file != nullptr && fgets(line, sizeof line, file) != nullptr)
    {
        int x = 0, y = 0, cx = 0, cy = 0;
        if (std::sscanf(line, "BUTTON_PANEL = (%d, %d, %d, %d)", &x, &y, &cx, &cy) == 4 ||
            std::sscanf(line, "LANGUAGE_PANEL = (%d, %d, %d, %d)", &x, &y, &cx, &cy) == 4)
            panels.emplace_back(x, y, x + cx, y + cy);
    }
    if (file != nullptr)
        fclose(file);
    return panels;
}

// The template's owner-drawn buttons and the table's rows are the same set,
// each shown or never shown as its row says, and every button in the panel
// look lies on one of the artwork's button panels.
TEST(ButtonTable, EveryButtonOfTheMenuHasOneRowThatAgreesWithTheTemplateAndTheArtwork)
{
    e2e::MenuRegistry registry;
    CLauncherDlg menu;
    ASSERT_TRUE(menu.Create());
    const std::vector<UINT> items = OwnerDrawnItems(menu);
    const std::vector<UINT> hidden = OwnerDrawnItems(menu, true);
    const std::vector<CRect> panels = ButtonPanels();
    ASSERT_EQ(panels.size(), 2u);
    CRect rcClient;
    menu.GetClientRect(&rcClient);
    BITMAP artwork{};
    const HBITMAP hArtwork = ::LoadBitmapW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDB_MAIN_BACKGROUND));
    ::GetObjectW(hArtwork, sizeof artwork, &artwork);
    ::DeleteObject(hArtwork);
    EXPECT_EQ(items.size(), MenuButtonTable().size());
    for (const UINT nId : items)
    {
        const ButtonRow* pRow = FindButtonRow(nId);
        ASSERT_NE(pRow, nullptr) << nId;
        EXPECT_EQ(pRow->nId, nId);
        EXPECT_EQ(pRow->pfnRefresh != nullptr, pRow->pfnClick != nullptr) << nId;
        EXPECT_EQ(pRow->shown == Shown::Never, std::count(hidden.begin(), hidden.end(), nId) == 1) << nId;
        if (pRow->shown == Shown::Never || pRow->nStripId != IDB_BUTTON_STRIP)
            continue;
        CRect rc;
        ::GetWindowRect(menu.GetDlgItem(static_cast<int>(nId)), &rc);
        menu.ScreenToClient(&rc);
        // The background is stretched over the client area.
        const CRect onArtwork(
            rc.left * artwork.bmWidth / rcClient.Width(), rc.top * artwork.bmHeight / rcClient.Height(),
            rc.right * artwork.bmWidth / rcClient.Width(), rc.bottom * artwork.bmHeight / rcClient.Height());
        EXPECT_TRUE(std::any_of(panels.begin(), panels.end(),
                                [&](const CRect& panel) {
                                    CRect both;
                                    return ::IntersectRect(&both, &panel, &onArtwork) && ::EqualRect(&both, &onArtwork);
                                }))
            << "button " << nId << " lies off the artwork's button panels";
    }
    menu.DestroyWindow();
    EXPECT_EQ(FindButtonRow(IDC_DESCRIPTION), nullptr);
}

// A row whose click runs a setup installs a product: its uninstall key says
// when it is installed, and the row has the text that says so. The effect
// add-ons alone leave no key, so nothing can tell.
TEST(ButtonTable, EveryRowThatInstallsHasAProductCodeAndAnInstalledText)
{
    for (const ButtonRow& row : MenuButtonTable())
    {
        if (!row.launch.bLanguageSwitch || row.nId == IDC_EFFECTS)
            continue;
        EXPECT_NE(row.pszProductCode, nullptr) << row.nId;
        EXPECT_NE(row.nInstalledId, 0u) << row.nId;
    }
}
}  // namespace

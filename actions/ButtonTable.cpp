#include "actions/ButtonTable.h"

#include "actions/AddOnInstaller.h"
#include "actions/DocumentButtons.h"
#include "actions/PremiereUpdater.h"
#include "actions/SuiteInstaller.h"
#include "res/resource.h"
#include "res/strings.h"

#include <algorithm>
#include <iterator>

namespace
{
using Row = ButtonRow;

// The refresh steps and clicks the rows point at, one line each.
// clang-format off
ButtonState RefreshSuite(CMenuContext& menu, const Row& row) { return CSuiteInstaller(menu).Refresh(row); }
AfterClick InstallSuite(CMenuContext& menu, const Row& row, const CString&) { return CSuiteInstaller(menu).Install(row); }

ButtonState RefreshPremiere(CMenuContext& menu, const Row& row) { return CPremiereUpdater(menu).Refresh(row); }
AfterClick InstallPremiere(CMenuContext& menu, const Row& row, const CString&) { return CPremiereUpdater(menu).Install(row); }

ButtonState RefreshAcrobat(CMenuContext& menu, const Row& row) { return CDocumentButtons(menu).RefreshAcrobatReader(row); }
AfterClick InstallAcrobat(CMenuContext& menu, const Row& row, const CString&) { return CDocumentButtons(menu).InstallAcrobatReader(row); }
ButtonState RefreshManual(CMenuContext& menu, const Row& row) { return CDocumentButtons(menu).RefreshManual(row); }
AfterClick ViewManual(CMenuContext& menu, const Row& row, const CString& strFolder) { return CDocumentButtons(menu).ViewManual(row, strFolder); }
ButtonState RefreshReadme(CMenuContext& menu, const Row& row) { return CDocumentButtons(menu).RefreshReadme(row); }
AfterClick ViewReadme(CMenuContext& menu, const Row& row, const CString& strPath) { return CDocumentButtons(menu).ViewReadme(row, strPath); }

ButtonState RefreshAddOn(CMenuContext& menu, const Row& row) { return CAddOnInstaller(menu).Refresh(row); }
AfterClick InstallAddOn(CMenuContext& menu, const Row& row, const CString&) { return CAddOnInstaller(menu).Install(row); }
// clang-format on

constexpr UINT kStrip = IDB_BUTTON_STRIP;
constexpr DiscFileIds kNoFile = {0, 0};
constexpr DWORD kFlags = kDefaultCreationFlags;
constexpr DWORD kTimeout = kInstallTimeoutMs;

// How each kind of click starts its program: language switch, own folder,
// wait, report, creation flags, what it may change.
constexpr ClickLaunch kSuiteSetup = {true, true, INFINITE, true, kFlags, AfterClick::Nothing};
constexpr ClickLaunch kWaited = {true, false, kTimeout, false, kFlags, AfterClick::RefreshButton};
constexpr ClickLaunch kWaitedAndReported = {true, false, kTimeout, true, kFlags, AfterClick::RefreshButton};
constexpr ClickLaunch kUpdater = {false, false, kTimeout, true, kFlags, AfterClick::RefreshButton};
constexpr ClickLaunch kCodecSetup = {true, false, kTimeout, true, kFlags, AfterClick::RefreshSuiteAndButton};
constexpr ClickLaunch kStarted = {false, false, 0, false, kFlags, AfterClick::Nothing};
// The reader's installer shows its own windows: created without flags.
constexpr ClickLaunch kReaderSetup = {false, false, 0, false, 0, AfterClick::RefreshButton};
constexpr ClickLaunch kReader = {false, false, kTimeout, true, kFlags, AfterClick::Nothing};
constexpr ClickLaunch kNoLaunch = {};

// In the order of a full refresh. Per row: id, strip, shown; caption and
// description; refresh and click; files and what the click opens besides;
// launch; product code and rule; installed, rule and not-found texts.
// clang-format off
const ButtonRow kMenuButtons[] = {
    {IDC_SUITE, kStrip, Shown::OutsideChooser, IDS_CAPTION_SUITE, IDS_DESC_SUITE, &RefreshSuite, &InstallSuite,
     {{IDS_FOLDER_CORLA, IDS_FILE_SETUP}, kNoFile}, ClickExtras::DirectX,
     kSuiteSetup, kSuiteProductCode, AddOnRule::None,
     IDS_STATUS_SUITE_INSTALLED, IDS_STATUS_SUITE_VFW_INSTALLED, IDS_STATUS_SUITE_NOT_FOUND},
    {IDC_PREMIERE_UPDATER, kStrip, Shown::Never, IDS_CAPTION_PREMIERE_UPDATER, IDS_DESC_PREMIERE_UPDATER, &RefreshPremiere, &InstallPremiere,
     {{IDS_FOLDER_PREMIERE_UPDATER, IDS_FILE_PREMIERE_UPDATER}, kNoFile}, ClickExtras::LanguageUpdaters,
     kUpdater, nullptr, AddOnRule::None,
     IDS_STATUS_PREMIERE_INSTALLED, 0, IDS_STATUS_PREMIERE_NOT_FOUND},
    {IDC_AFTER_EFFECTS, kStrip, Shown::OutsideChooser, IDS_CAPTION_AFTER_EFFECTS, IDS_DESC_AFTER_EFFECTS, &RefreshAddOn, &InstallAddOn,
     {{IDS_FOLDER_AFTER_EFFECTS, IDS_FILE_SETUP}, kNoFile}, ClickExtras::None,
     kWaited, L"{6FBC8FFB-23FB-464C-8657-24F57CB520A5}", AddOnRule::ProWithSuite,
     IDS_STATUS_AFTER_EFFECTS_INSTALLED, IDS_STATUS_AFTER_EFFECTS_RULE, IDS_STATUS_AFTER_EFFECTS_NOT_FOUND},
    {IDC_3DS_MAX, kStrip, Shown::OutsideChooser, IDS_CAPTION_3DS_MAX, IDS_DESC_3DS_MAX, &RefreshAddOn, &InstallAddOn,
     {{IDS_FOLDER_3DS_MAX, IDS_FILE_SETUP}, kNoFile}, ClickExtras::None,
     kWaitedAndReported, L"{7A2BAC23-BC7C-4A7C-8A63-8CCE51A607B3}", AddOnRule::ProWithSuite,
     IDS_STATUS_3DS_MAX_INSTALLED, IDS_STATUS_3DS_MAX_RULE, IDS_STATUS_3DS_MAX_NOT_FOUND},
    {IDC_SPICEMASTER, kStrip, Shown::OutsideChooser, IDS_CAPTION_SPICEMASTER, IDS_DESC_SPICEMASTER, &RefreshAddOn, &InstallAddOn,
     {{IDS_FOLDER_PIXELAN, IDS_FILE_SPICEMASTER}, kNoFile}, ClickExtras::None,
     kStarted, nullptr, AddOnRule::None,
     0, 0, IDS_STATUS_SPICEMASTER_NOT_FOUND},
    {IDC_ACROBAT_READER, kStrip, Shown::Never, IDS_CAPTION_ACROBAT_READER, IDS_DESC_ACROBAT_READER, &RefreshAcrobat, &InstallAcrobat,
     {{IDS_FOLDER_ACROBAT_READER, IDS_FILE_ACROBAT_READER}, kNoFile}, ClickExtras::None,
     kReaderSetup, nullptr, AddOnRule::None,
     IDS_STATUS_ACROBAT_INSTALLED, 0, IDS_STATUS_ACROBAT_NOT_FOUND},
    {IDC_MANUAL, kStrip, Shown::Never, IDS_CAPTION_MANUAL, IDS_DESC_MANUAL, &RefreshManual, &ViewManual,
     {{IDS_FOLDER_DOCS, IDS_FILE_MANUAL_LITE}, {IDS_FOLDER_DOCS, IDS_FILE_MANUAL_PRO}}, ClickExtras::None,
     kReader, nullptr, AddOnRule::None,
     0, IDS_STATUS_MANUAL_NEEDS_ACROBAT, IDS_STATUS_MANUAL_NOT_FOUND},
    {IDC_README, kStrip, Shown::OutsideChooser, IDS_CAPTION_README, IDS_DESC_README, &RefreshReadme, &ViewReadme,
     {{IDS_FOLDER_README, IDS_FILE_README, true}, {0, IDS_FILE_README}}, ClickExtras::None,
     kStarted, nullptr, AddOnRule::None,
     0, 0, IDS_STATUS_README_NOT_FOUND},
    {IDC_WALLPAPERS, kStrip, Shown::OutsideChooser, IDS_CAPTION_WALLPAPERS, IDS_DESC_WALLPAPERS, &RefreshAddOn, &InstallAddOn,
     {{IDS_FOLDER_WALLPAPERS, IDS_FILE_SETUP}, kNoFile}, ClickExtras::None,
     kWaitedAndReported, L"{5F683762-A1AE-4043-9BED-E8443F625D9B}", AddOnRule::None,
     IDS_STATUS_WALLPAPERS_INSTALLED, 0, IDS_STATUS_WALLPAPERS_NOT_FOUND},
    {IDC_VFW_CODECS, kStrip, Shown::OutsideChooser, IDS_CAPTION_VFW_CODECS, IDS_DESC_VFW_CODECS, &RefreshAddOn, &InstallAddOn,
     {{IDS_FOLDER_VFW_CODECS, IDS_FILE_SETUP}, kNoFile}, ClickExtras::None,
     kCodecSetup, kVfwCodecsProductCode, AddOnRule::WithoutSuite,
     IDS_STATUS_VFW_INSTALLED, IDS_STATUS_VFW_RULE, IDS_STATUS_VFW_NOT_FOUND},
    {IDC_LIGHTWAVE, kStrip, Shown::OutsideChooser, IDS_CAPTION_LIGHTWAVE, IDS_DESC_LIGHTWAVE, &RefreshAddOn, &InstallAddOn,
     {{IDS_FOLDER_LIGHTWAVE, IDS_FILE_SETUP}, kNoFile}, ClickExtras::None,
     kWaitedAndReported, L"{9E2C41A7-3B5D-4F80-B6C2-1D7E8A94F305}", AddOnRule::ProWithSuite,
     IDS_STATUS_LIGHTWAVE_INSTALLED, IDS_STATUS_LIGHTWAVE_RULE, IDS_STATUS_LIGHTWAVE_NOT_FOUND},
    {IDC_EFFECTS, kStrip, Shown::OutsideChooser, IDS_CAPTION_EFFECTS, IDS_DESC_EFFECTS, &RefreshAddOn, &InstallAddOn,
     {{IDS_FOLDER_EFFECTS, IDS_FILE_EFFECTS_SETUP}, kNoFile}, ClickExtras::None,
     kWaited, nullptr, AddOnRule::ProWithSuite,
     0, IDS_STATUS_EFFECTS_RULE, IDS_STATUS_EFFECTS_NOT_FOUND},
    {IDC_LANGUAGE, kStrip, Shown::Always, 0, 0, nullptr, nullptr, {kNoFile, kNoFile}, ClickExtras::None,
     kNoLaunch, nullptr, AddOnRule::None, 0, 0, 0},
    {IDOK, IDB_CLOSE_STRIP, Shown::Always, 0, 0, nullptr, nullptr, {kNoFile, kNoFile}, ClickExtras::None,
     kNoLaunch, nullptr, AddOnRule::None, 0, 0, 0},
};
// clang-format on
}  // namespace

CButtonRows MenuButtonTable() { return {std::begin(kMenuButtons), std::end(kMenuButtons)}; }

const ButtonRow* FindButtonRow(UINT nId)
{
    const auto it = std::find_if(std::begin(kMenuButtons), std::end(kMenuButtons),
                                 [nId](const ButtonRow& row) { return row.nId == nId; });
    return it != std::end(kMenuButtons) ? &*it : nullptr;
}

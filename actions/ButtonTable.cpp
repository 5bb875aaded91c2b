#include "actions/ButtonTable.h"

#include "actions/AddOnInstaller.h"
#include "actions/DocumentButtons.h"
#include "actions/PremiereUpdater.h"
#include "actions/SuiteInstaller.h"
#include "res/resource.h"
#include "res/strings.h"

#include <algorithm>

namespace
{
using Row = ButtonRow;

ButtonState RefreshSuite(CMenuContext& menu, const Row& row) { return CSuiteInstaller(menu).Refresh(row.files[0]); }
AfterClick InstallSuite(CMenuContext& menu, const Row& row, const CString&) { return CSuiteInstaller(menu).Install(row.files[0]); }

ButtonState RefreshPremiere(CMenuContext& menu, const Row& row) { return CPremiereUpdater(menu).Refresh(row.files[0]); }
AfterClick InstallPremiere(CMenuContext& menu, const Row& row, const CString&) { return CPremiereUpdater(menu).Install(row.files[0]); }

ButtonState RefreshAcrobat(CMenuContext& menu, const Row& row) { return CDocumentButtons(menu).RefreshAcrobatReader(row); }
AfterClick InstallAcrobat(CMenuContext& menu, const Row& row, const CString&) { return CDocumentButtons(menu).InstallAcrobatReader(row); }
ButtonState RefreshManual(CMenuContext& menu, const Row& row) { return CDocumentButtons(menu).RefreshManual(row); }
AfterClick ViewManual(CMenuContext& menu, const Row& row, const CString& strFolder) { return CDocumentButtons(menu).ViewManual(row, strFolder); }
ButtonState RefreshReadme(CMenuContext& menu, const Row& row) { return CDocumentButtons(menu).RefreshReadme(row); }
AfterClick ViewReadme(CMenuContext& menu, const Row&, const CString& strPath) { return CDocumentButtons(menu).ViewReadme(strPath); }

template <AddOn addOn>
ButtonState RefreshAddOn(CMenuContext& menu, const Row& row)
{
    return CAddOnInstaller(menu).Refresh(addOn, row);
}
template <AddOn addOn>
AfterClick InstallAddOn(CMenuContext& menu, const Row& row, const CString&)
{
    return CAddOnInstaller(menu).Install(addOn, row.files[0]);
}

constexpr UINT kStrip = IDB_BUTTON_STRIP;
constexpr bool kHidden = true;   // hidden while the language chooser is open
constexpr bool kShown = false;

const std::array<ButtonRow, kMenuButtonCount> kMenuButtons = {{
    {IDC_SUITE, &CMenuButtons::m_btnSuite, kStrip, kHidden, kNoAvailableFlag,
     IDS_CAPTION_SUITE, IDS_DESC_SUITE, nullptr, &RefreshSuite, &InstallSuite,
     {{IDS_FOLDER_CORLA, IDS_FILE_SETUP}, {0, 0}}, kSuiteProductCode},
    {IDC_PREMIERE_UPDATER, &CMenuButtons::m_btnPremiereUpdater, kStrip, kShown, kAvailPremiereUpdater,
     IDS_CAPTION_PREMIERE_UPDATER, IDS_DESC_PREMIERE_UPDATER, nullptr, &RefreshPremiere, &InstallPremiere,
     {{IDS_FOLDER_PREMIERE_UPDATER, IDS_FILE_PREMIERE_UPDATER}, {0, 0}}, nullptr},
    {IDC_AFTER_EFFECTS, &CMenuButtons::m_btnAfterEffects, kStrip, kHidden, kAvailAfterEffects,
     IDS_CAPTION_AFTER_EFFECTS, IDS_DESC_AFTER_EFFECTS, nullptr,
     &RefreshAddOn<AddOn::AfterEffects>, &InstallAddOn<AddOn::AfterEffects>,
     {{IDS_FOLDER_AFTER_EFFECTS, IDS_FILE_SETUP}, {0, 0}}, L"{6FBC8FFB-23FB-464C-8657-24F57CB520A5}"},
    {IDC_3DS_MAX, &CMenuButtons::m_btn3dsMax, kStrip, kHidden, kAvail3dsMax,
     IDS_CAPTION_3DS_MAX, IDS_DESC_3DS_MAX, nullptr,
     &RefreshAddOn<AddOn::ThreeDsMax>, &InstallAddOn<AddOn::ThreeDsMax>,
     {{IDS_FOLDER_3DS_MAX, IDS_FILE_SETUP}, {0, 0}}, L"{7A2BAC23-BC7C-4A7C-8A63-8CCE51A607B3}"},
    {IDC_SPICEMASTER, &CMenuButtons::m_btnSpiceMaster, kStrip, kHidden, kAvailSpiceMaster,
     IDS_CAPTION_SPICEMASTER, IDS_DESC_SPICEMASTER, nullptr,
     &RefreshAddOn<AddOn::SpiceMaster>, &InstallAddOn<AddOn::SpiceMaster>,
     {{IDS_FOLDER_PIXELAN, IDS_FILE_SPICEMASTER}, {0, 0}}, nullptr},
    {IDC_ACROBAT_READER, &CMenuButtons::m_btnAcrobatReader, kStrip, kShown, kAvailAcrobatReader,
     IDS_CAPTION_ACROBAT_READER, IDS_DESC_ACROBAT_READER, nullptr, &RefreshAcrobat, &InstallAcrobat,
     {{IDS_FOLDER_ACROBAT_READER, IDS_FILE_ACROBAT_READER}, {0, 0}}, nullptr},
    {IDC_MANUAL, &CMenuButtons::m_btnManual, kStrip, kShown, kAvailManual,
     IDS_CAPTION_MANUAL, IDS_DESC_MANUAL, &CMenuButtons::m_strAcrobatFolder, &RefreshManual, &ViewManual,
     {{IDS_FOLDER_DOCS, IDS_FILE_MANUAL_LITE}, {IDS_FOLDER_DOCS, IDS_FILE_MANUAL_PRO}}, nullptr},
    {IDC_README, &CMenuButtons::m_btnReadme, kStrip, kHidden, kAvailReadme,
     IDS_CAPTION_README, IDS_DESC_README, &CMenuButtons::m_strReadmePath, &RefreshReadme, &ViewReadme,
     {{IDS_FOLDER_README, IDS_FILE_README, true}, {0, IDS_FILE_README}}, nullptr},
    {IDC_WALLPAPERS, &CMenuButtons::m_btnWallpapers, kStrip, kHidden, kAvailWallpapers,
     IDS_CAPTION_WALLPAPERS, IDS_DESC_WALLPAPERS, nullptr,
     &RefreshAddOn<AddOn::Wallpapers>, &InstallAddOn<AddOn::Wallpapers>,
     {{IDS_FOLDER_WALLPAPERS, IDS_FILE_SETUP}, {0, 0}}, L"{5F683762-A1AE-4043-9BED-E8443F625D9B}"},
    {IDC_VFW_CODECS, &CMenuButtons::m_btnVfwCodecs, kStrip, kHidden, kAvailVfwCodecs,
     IDS_CAPTION_VFW_CODECS, IDS_DESC_VFW_CODECS, nullptr,
     &RefreshAddOn<AddOn::VfwCodecs>, &InstallAddOn<AddOn::VfwCodecs>,
     {{IDS_FOLDER_VFW_CODECS, IDS_FILE_SETUP}, {0, 0}}, kVfwCodecsProductCode},
    {IDC_LIGHTWAVE, &CMenuButtons::m_btnLightWave, kStrip, kHidden, kAvailLightWave,
     IDS_CAPTION_LIGHTWAVE, IDS_DESC_LIGHTWAVE, nullptr,
     &RefreshAddOn<AddOn::LightWave>, &InstallAddOn<AddOn::LightWave>,
     {{IDS_FOLDER_LIGHTWAVE, IDS_FILE_SETUP}, {0, 0}}, L"{9E2C41A7-3B5D-4F80-B6C2-1D7E8A94F305}"},
    {IDC_EFFECTS, &CMenuButtons::m_btnEffects, kStrip, kHidden, kAvailEffects,
     IDS_CAPTION_EFFECTS, IDS_DESC_EFFECTS, nullptr,
     &RefreshAddOn<AddOn::Effects>, &InstallAddOn<AddOn::Effects>,
     {{IDS_FOLDER_EFFECTS, IDS_FILE_EFFECTS_SETUP}, {0, 0}}, nullptr},
    {IDC_LANGUAGE, &CMenuButtons::m_btnLanguage, kStrip, kShown, kNoAvailableFlag,
     0, 0, nullptr, nullptr, nullptr, {{0, 0}, {0, 0}}, nullptr},
    {IDOK, &CMenuButtons::m_btnExit, IDB_CLOSE_STRIP, kShown, kNoAvailableFlag,
     0, 0, nullptr, nullptr, nullptr, {{0, 0}, {0, 0}}, nullptr},
}};
}  // namespace

const std::array<ButtonRow, kMenuButtonCount>& MenuButtonTable()
{
    return kMenuButtons;
}

const ButtonRow* FindButtonRow(UINT nId)
{
    const auto it = std::find_if(kMenuButtons.begin(), kMenuButtons.end(),
                                 [nId](const ButtonRow& row) { return row.nId == nId; });
    return it != kMenuButtons.end() ? &*it : nullptr;
}

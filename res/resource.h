// Resource ids shared by the resource script and the code.
#pragma once

// clang-format off
// Bitmaps
#define IDB_MAIN_BACKGROUND     131  // 763 x 560, main menu background
#define IDB_CLOSE_STRIP         132  // 21 x 84, four 21 x 21 slices
#define IDB_BUTTON_STRIP        133  // 202 x 104, four 202 x 26 slices
#define IDB_CHOOSER_BACKGROUND  143  // 202 x 311, chooser background

// Icons
#define IDI_MAIN_LEGACY         128  // the id the main dialog asks for; not present
#define IDI_MAIN                146

// Dialog templates
#define IDD_LANGUAGE            138
#define IDD_MODEL               144
#define IDD_MAIN                1002

// Every control of the three dialogs has an id from here up; below it lie
// IDOK and IDCANCEL. A dialog hears the clicks of its table's buttons as one range.
#define IDC_FIRST_CONTROL       1001
#define IDC_LAST_CONTROL        0xFFFF

// Main dialog controls
#define IDC_MANUAL              1001
#define IDC_PREMIERE_UPDATER    1002
#define IDC_SUITE               1003
#define IDC_AFTER_EFFECTS       1005
#define IDC_3DS_MAX             1006
#define IDC_SPICEMASTER         1007
#define IDC_README              1009
#define IDC_WALLPAPERS          1010
#define IDC_VFW_CODECS          1011
#define IDC_LANGUAGE            1012
#define IDC_ACROBAT_READER      1013
#define IDC_LIGHTWAVE           1014
#define IDC_DESCRIPTION         1015
#define IDC_EFFECTS             1019

// Language chooser controls
#define IDC_LANG_ENGLISH        1022
#define IDC_LANG_FRENCH         1023
#define IDC_LANG_GERMAN         1024
#define IDC_LANG_ITALIAN        1025
#define IDC_LANG_JAPANESE       1026
#define IDC_LANG_SPANISH        1027

// Model chooser controls
#define IDC_MODEL_LITE          1028
#define IDC_MODEL_PRO           1029
#define IDC_MODEL_CANCEL        1030

// Version information
#define IDV_VERSION             1
// clang-format on

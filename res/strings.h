// String ids. Localised texts are loaded at language base + id; the fixed
// English-only entries (titles, folder patterns, file names) at the bare id.
// The string tables include this file and write each entry as its
// language's base plus the text's name.
#pragma once

// clang-format off
// Every id lies in [IDS_FIRST_TEXT, IDS_END_TEXT); each language's copy of a
// text at its base + id, one step per language, with room for ten languages
// before any other entry. Bases are plain numbers: the resource compiler's
// expressions add and subtract but do not multiply.
#define IDS_FIRST_TEXT                  1000
#define IDS_END_TEXT                    1100
#define IDS_LANGUAGE_STEP               1000
#define IDS_LANGUAGE_ROOM               10

#define IDS_BASE_ENGLISH                0
#define IDS_BASE_FRENCH                 1000
#define IDS_BASE_GERMAN                 2000
#define IDS_BASE_ITALIAN                3000
#define IDS_BASE_SPANISH                4000
#define IDS_BASE_JAPANESE               5000

// Button captions
#define IDS_CAPTION_SUITE               1000
#define IDS_CAPTION_PREMIERE_UPDATER    1001
#define IDS_CAPTION_AFTER_EFFECTS       1002
#define IDS_CAPTION_3DS_MAX             1003
#define IDS_CAPTION_MANUAL              1004
#define IDS_CAPTION_ACROBAT_READER      1007
#define IDS_CAPTION_README              1008
#define IDS_CAPTION_WALLPAPERS          1009
#define IDS_CAPTION_VFW_CODECS          1010
#define IDS_CAPTION_LANGUAGE            1011
#define IDS_TIP_EXIT                    1012
#define IDS_CAPTION_SPICEMASTER         1013
#define IDS_CAPTION_LIGHTWAVE           1029
#define IDS_CAPTION_EFFECTS             1083

// Descriptions
#define IDS_DESC_MANUAL                 1014
#define IDS_DESC_AFTER_EFFECTS          1016
#define IDS_DESC_3DS_MAX                1017
#define IDS_DESC_SUITE                  1018
#define IDS_DESC_PREMIERE_UPDATER       1019
#define IDS_DESC_SPICEMASTER            1021
#define IDS_DESC_README                 1022
#define IDS_DESC_WALLPAPERS             1023
#define IDS_DESC_VFW_CODECS             1024
#define IDS_DESC_EXIT                   1025
#define IDS_DESC_ACROBAT_READER         1026
#define IDS_DESC_LANGUAGE               1027
#define IDS_DESC_LIGHTWAVE              1030
#define IDS_DESC_EFFECTS                1084

// Messages and their titles
#define IDS_MSG_CANNOT_FIND_FILE        1028
#define IDS_TITLE_SPLASH                1032  // English only
#define IDS_MSG_DIRECTX_QUESTION        1080  // shown in English whatever the language
#define IDS_TITLE_DIRECTX               1081  // English only
#define IDS_MSG_INSTALL_UNFINISHED      1082

// Status texts
#define IDS_STATUS_SUITE_INSTALLED          1036
#define IDS_STATUS_AFTER_EFFECTS_RULE       1060
#define IDS_STATUS_3DS_MAX_RULE             1061
#define IDS_STATUS_LIGHTWAVE_RULE           1063
#define IDS_STATUS_SUITE_NOT_FOUND          1064
#define IDS_STATUS_PREMIERE_NOT_FOUND       1065
#define IDS_STATUS_AFTER_EFFECTS_NOT_FOUND  1066
#define IDS_STATUS_3DS_MAX_NOT_FOUND        1067
#define IDS_STATUS_MANUAL_NOT_FOUND         1068
#define IDS_STATUS_ACROBAT_NOT_FOUND        1070
#define IDS_STATUS_README_NOT_FOUND         1071
#define IDS_STATUS_WALLPAPERS_NOT_FOUND     1072
#define IDS_STATUS_VFW_NOT_FOUND            1073
#define IDS_STATUS_SPICEMASTER_NOT_FOUND    1074
#define IDS_STATUS_LIGHTWAVE_NOT_FOUND      1075
#define IDS_STATUS_VFW_RULE                 1076
#define IDS_STATUS_MANUAL_NEEDS_ACROBAT     1078
#define IDS_STATUS_SUITE_VFW_INSTALLED      1079
#define IDS_STATUS_EFFECTS_NOT_FOUND        1086
#define IDS_STATUS_EFFECTS_RULE             1087
#define IDS_STATUS_3DS_MAX_INSTALLED        1088
#define IDS_STATUS_AFTER_EFFECTS_INSTALLED  1089
#define IDS_STATUS_LIGHTWAVE_INSTALLED      1090
#define IDS_STATUS_WALLPAPERS_INSTALLED     1091
#define IDS_STATUS_VFW_INSTALLED            1093
#define IDS_STATUS_ACROBAT_INSTALLED        1094
#define IDS_STATUS_PREMIERE_INSTALLED       1095

// Folder patterns and file names (English only, "%s" is the disc root)
#define IDS_FOLDER_ACROBAT_READER       1040
#define IDS_FOLDER_WALLPAPERS           1041
#define IDS_FOLDER_PIXELAN              1042
#define IDS_FOLDER_VFW_CODECS           1043
#define IDS_FOLDER_3DS_MAX              1044
#define IDS_FOLDER_AFTER_EFFECTS        1045
#define IDS_FOLDER_LIGHTWAVE            1046
#define IDS_FILE_ACROBAT_READER         1047
#define IDS_FILE_SETUP                  1048
#define IDS_FOLDER_PREMIERE_UPDATER     1051
#define IDS_FILE_PREMIERE_UPDATER       1052
#define IDS_FOLDER_DOCS                 1055
#define IDS_FILE_MANUAL_LITE            1056
#define IDS_FILE_MANUAL_PRO             1057
#define IDS_FILE_README                 1058  // translated: base + 1058 per language
#define IDS_FOLDER_README               1059
#define IDS_FOLDER_CORLA                1077
#define IDS_FOLDER_EFFECTS              1097
#define IDS_FILE_EFFECTS_SETUP          1098
#define IDS_FILE_SPICEMASTER            1099

// Each language's name, in its own language, at its base + 1096
#define IDS_LANGUAGE_NAME               1096
// clang-format on

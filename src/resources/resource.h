// Identifiers of the resources of Vorlant.exe: dialog templates, the icon,
// control ids and numbered strings. Plain #defines so that the resource
// compiler and the C++ code read the same file; no windows.h here.
#pragma once

// Dialog templates and icon
#define IDD_ABOUT                 100
#define IDD_MAIN                  102
#define IDD_PASSWORD              120
#define IDD_OPTIONS               130
#define IDD_LAYOUT                131
#define IDD_READINGS              132
#define IDD_ROUND                 133
#define IDD_FULL_CARD_PROGRESS    134
#define IDI_APP                   128

// System menu commands: the About box and the calibration page
#define IDM_ABOUTBOX              0x0010
#define IDM_CALIBRATION_PAGE      0x0020
#define IDM_READINGS              0x0030  // the test page's readings typed in
#define IDM_FULL_CARDS            0x0040  // the whole card of everyone on the list
#define IDM_ROUND                 0x0050  // the ticked months printed for everybody in the list

// Main dialog (template 102)
#define IDC_PRINT                 1     // IDOK: "&Drukuj"
#define IDC_EXIT                  2     // IDCANCEL: "&Wyjście"
#define IDC_PUBLISHER_LIST        1000
#define IDC_HEADER_PANEL          1006
#define IDC_LAST_NAME_FIRST       1007
#define IDC_LONG_NAME             1010
#define IDC_OPTIONS               1014
#define IDC_MONTH_FIRST           1015  // September; 1015 + row up to 1026 (August)
#define IDC_MONTH_LAST            1026
#define IDC_PREVIOUS_YEAR         1027
#define IDC_THIRTEENTH_MONTH      1028
#define IDC_FILTER                1029
#define IDC_PRINT_HEADER          1030
#define IDC_SEX                   1031
#define IDC_PRINT_FULL_CARD       1032
#define IDC_CARD_PREVIEW          129

// About box (template 100)
#define IDC_ABOUT_LOCATION        1068  // the working directory
#define IDC_ABOUT_VERSION         1090  // "%s" in its text: the version

// Password dialog (template 120)
#define IDC_PASSWORD_EDIT         244
#define IDC_PASSWORD_MESSAGE      245   // the prompt, later the wrong-password message

// Options dialog (template 130)
#define IDC_OPT_PRINTER_SETUP     1012
#define IDC_OPT_TOP_MARGIN        1014
#define IDC_OPT_DATE_FIRST        1015  // date format 0; 1015 + format up to 1018
#define IDC_OPT_DATE_LAST         1018
#define IDC_OPT_LEFT_MARGIN       1019
#define IDC_OPT_START_SPIN        1057
#define IDC_OPT_HEIGHT_SPIN       1058
#define IDC_OPT_RESTORE           1061
#define IDC_OPT_DETAILED          1062
#define IDC_OPT_VERSION_LIST      1067
#define IDC_OPT_FN_SORT           1082

// Detailed layout dialog (template 131)
#define IDC_LAY_HEADER_X_FIRST    1031  // header item k: x in 1031 + k, y in 1043 + k
#define IDC_LAY_HEADER_Y_FIRST    1043
#define IDC_LAY_HEADER_Y_LAST     1054
#define IDC_LAY_RESTORE           1064
#define IDC_LAY_MONTHLY_TOP       1066
#define IDC_LAY_MONTHLY_HEIGHT    1067
#define IDC_LAY_COLUMN_FIRST      1068  // column j in 1068 + j up to 1074
#define IDC_LAY_COLUMN_LAST       1074
#define IDC_LAY_LABEL_BIBLE_STUDIES 1075
#define IDC_LAY_LABEL_SHARED      1076
#define IDC_LAY_LABEL_HOURS       1077
#define IDC_LAY_LABEL_RETURN_VISITS 1078
#define IDC_LAY_LABEL_STUDIES     1079

// Readings of the test page (template 132): per scale, in the order
// September, August and the page's five columns, a label, a field and the
// note of the setting it changes
#define IDC_READ_LABEL_FIRST      1100  // + scale 0..6
#define IDC_READ_EDIT_FIRST       1110  // + scale 0..6
#define IDC_READ_EDIT_LAST        1116
#define IDC_READ_NOTE_FIRST       1120  // + scale 0..6

// The round's card dialog (template 133): OK prints, IDCANCEL ends the round
#define IDC_ROUND_SKIP            1101  // "Pomiń"
#define IDC_ROUND_CARD            1102  // whose card to put in, and the place in the round
#define IDC_ROUND_AGAIN           1103  // the months that will be printed again, or nothing

// Progress of the whole list's cards (template 134): the count ("12 z 87")
// under the full card's own id, and IDCANCEL, which stops the job
#define IDC_FULL_CARD_COUNT       1032

// Numbered strings
#define IDS_ABOUT_MENU            101
#define IDS_PASSWORD_PROMPT       102
#define IDS_PASSWORD_WRONG        103
#define IDS_LABEL_NAME            104
#define IDS_LABEL_BIRTH_DATE      107
#define IDS_LABEL_BAPTISM_DATE    108
#define IDS_LABEL_ELDER           110
#define IDS_LABEL_REGULAR_PIONEER 111
#define IDS_LABEL_SERVANT         112
#define IDS_LABEL_ANOINTED        113
#define IDS_LABEL_OTHER_SHEEP     114
#define IDS_LENGTH_MESSAGE        116
#define IDS_MONTH_NAME_BASE       116   // + month number 1..12: 117..128
#define IDS_LANGUAGE_CODE         133
#define IDS_FILTER_ALL            137
#define IDS_VERSION_COUNT         146
#define IDS_APP_NAME              147
#define IDS_LAYOUT_CAPTION        148
#define IDS_LAYOUT_RESTORE        149
#define IDS_LABEL_MALE            150
#define IDS_LABEL_FEMALE          151
#define IDS_WRITE_FAILED          160   // %s: the file's name
#define IDS_CALIBRATION_PAGE_MENU 161
#define IDS_READINGS_MENU         162
#define IDS_READING_SEPTEMBER     163   // the scales of the rows, as the readings dialog names them
#define IDS_READING_AUGUST        164
#define IDS_READING_NOTE_MOVED    165   // %s: the setting, its value now, its value after
#define IDS_READING_NOTE_SAME     166   // %s: the setting, its value
#define IDS_READING_UNREADABLE    167   // %s: the scale
#define IDS_READING_OUT_OF_RANGE  169   // %s: the setting, its new value, the shortest and the longest length
#define IDS_SETTING_TOP_MARGIN    170   // the test page's settings line, labelled as the dialogs label them
#define IDS_SETTING_LEFT_MARGIN   171
#define IDS_SETTING_MONTHLY_TOP   172
#define IDS_SETTING_MONTHLY_HEIGHT 173
#define IDS_SETTING_COLUMN_BASE   174   // + the page's column 0..4: shared, studies, auxiliary, hours, remarks
#define IDS_FULL_CARD_MENU        180
#define IDS_FULL_CARD_TITLE       181
#define IDS_FULL_CARD_YEAR        182   // %s: the years the service year begins and ends in
#define IDS_FULL_CARD_HEADINGS    183   // the table's column headings, parted by '|'
#define IDS_FULL_CARD_ASK         184   // %s: the number of cards, the months
#define IDS_FULL_CARD_PROGRESS    185   // %s: the pages printed, all pages
#define IDS_FULL_CARD_NO_MONTH    186
#define IDS_FULL_CARD_EMPTY_LIST  187
#define IDS_ROUND_MENU            200
#define IDS_ROUND_CARD            201   // %s: the name, the place in the round, the round's length
#define IDS_ROUND_AGAIN           202   // %s: the months with when they were printed
#define IDS_ROUND_SUMMARY         203   // %s: printed, passed over as printed before, skipped
#define IDS_ROUND_NO_MONTHS       204
#define IDS_ROUND_EMPTY_LIST      205
#define IDS_PRINTED_BEFORE        206   // %s: the name, the card year, the months with when they were printed
#define IDS_RECORD_WRITE_FAILED   207   // %s: the file's name
#define IDS_MONTH_FULL_BASE       210   // + month index 0..11: "styczeń" .. "grudzień"
#define IDS_SCALE_SHARED_LINE     230   // %s: the remarks' setting, the hours' setting
#define IDS_READING_BEYOND_DOWN   231   // %s: the scale, its end, the start's setting, a row's height
#define IDS_READING_BEYOND_UP     232   // %s: the scale, its end, the start's setting, a row's height
#define IDS_READING_BEYOND_RIGHT  233   // %s: the scale, its end
#define IDS_READING_BEYOND_LEFT   234   // %s: the scale, its end
#define IDS_VERSION_NAME_BASE     400   // + card version
#define IDS_VERSION_OFFSET_BASE   410   // + card version; not read
#define IDS_DEFAULT_HEADER_X_BASE 500   // + 20 * version + header item
#define IDS_DEFAULT_HEADER_Y_BASE 600   // + 20 * version + header item
#define IDS_DEFAULT_MONTHLY_TOP   700   // + 20 * version
#define IDS_DEFAULT_MONTHLY_HEIGHT 701  // + 20 * version
#define IDS_DEFAULT_COLUMN_X_BASE 702   // + 20 * version + column
#define IDS_DEFAULT_VERSION_STEP  20
#define IDS_PREVIEW_REMARKS       1019
#define IDS_PREVIEW_AUX_PIONEER   1026
#define IDS_FILTER_GROUP          1058
#define IDS_PREVIEW_MONTH_BASE    1203  // + month index 0..11
#define IDS_PREVIEW_HOURS         1417
#define IDS_PREVIEW_STUDIES       1419
#define IDS_PREVIEW_TOTAL         1452
#define IDS_HEADER_BOX_PERCENTS   1459
#define IDS_FILTER_PIONEERS       1466
#define IDS_FILTER_UNGROUPED      1467
#define IDS_LABEL_SPECIAL_PIONEER 1468
#define IDS_LABEL_FIELD_MISSIONARY 1469
#define IDS_PREVIEW_COLUMN_STOPS  1499
#define IDS_PREVIEW_SHARED        1500

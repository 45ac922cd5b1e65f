/* Ids shared by the program and the resource library Tw-L.dll.
 * Plain #defines only: this header is read by windres as well as by C++.
 *
 * TWM_*  numbered strings of the resource library (message formats, labels, titles)
 * IDM_*  command ids (menus, toolbar, accelerators); a toolbar button's tooltip is the
 *        library string with the same number as its command
 * IDR_*  menus of the resource library
 * IDB_*, IDI_*, IDC_*  artwork of the program's own resources (resources/art.rc)
 *
 * Ranges are given as FIRST/LAST pairs; the program adds an index to FIRST.
 * resources/lang/message_args.txt lists the arguments each message format expects.
 */
#ifndef TW_IDS_H
#define TW_IDS_H

/* ---- menus of the resource library ---- */
#define IDR_MAIN_MENU            31  /* third popup is the MDI window menu */
#define IDR_CHILD_MENU           33  /* person window, first popup */
#define IDR_PANEL_MENU           34  /* side panel */
#define IDR_SPECIAL_DAYS_MENU    35  /* rows of the special days lists */

/* ---- commands ---- */
#define IDM_FILE_NEW             7100
#define IDM_FILE_OPEN            7101
#define IDM_FILE_SAVE            7102
#define IDM_FILE_SAVE_AS         7103
#define IDM_FILE_PRINT           7104
#define IDM_FILE_EXIT            7105
#define IDM_FILE_RECENT_FIRST    7106  /* File1 .. File8 */
#define IDM_FILE_RECENT_LAST     7113
#define IDM_FILE_OPEN_NAMED      7199  /* opens the shared file-name buffer, no dialog */
#define IDM_RECOMMENDATIONS      7200
#define IDM_SELECTIONS           7201
#define IDM_PERSON_DATA          7202
#define IDM_PARTNER              7203
#define IDM_OPTIONS              7204
#define IDM_SPECIAL_DAYS         7205
#define IDM_PREV_MATCH           7206
#define IDM_NEXT_MATCH           7207
#define IDM_VIEW_SWITCH          7210  /* chart <-> moon calendar */
#define IDM_VIEW_SAWTOOTH        7211  /* ViewFlags 0x100 */
#define IDM_VIEW_SPECIAL_RANGES  7212  /* ViewFlags 0x10 */
#define IDM_VIEW_HIGHER_CURVES   7213  /* ViewFlags 0x40 */
#define IDM_DAY_SIZE_FIRST       7214  /* day size 1 .. 4 */
#define IDM_DAY_SIZE_LAST        7217
#define IDM_GO_TODAY             7218
#define IDM_VIEW_ONLY_RECO       7219  /* ViewFlags 0x10000 */
#define IDM_TILE_VERTICAL        7301
#define IDM_TILE_HORIZONTAL      7302
#define IDM_CASCADE              7303
#define IDM_ARRANGE_ICONS        7304
#define IDM_CLOSE_ALL            7305
#define IDM_WINDOW_CHILD_FIRST   7310  /* MDI window list */
#define IDM_HELP_CONTENTS        7400
#define IDM_HELP_ON_HELP         7401
#define IDM_HELP_MODE            7402
#define IDM_TIP_OF_THE_DAY       7403
#define IDM_ABOUT                7404
#define IDM_RUN_EXTERNAL         7405
#define IDM_HELP_WINDOW          7496
#define IDM_HELP_MODE_KEY        7499  /* Shift+F1 */
#define IDM_SD_ACTIVE            7500  /* special days context menu */
#define IDM_SD_OFFICIAL          7501
#define IDM_SD_COLOR_FIRST       7502  /* colour 0 (none), red, green, blue */
#define IDM_SD_COLOR_LAST        7505

/* ---- column titles below 3000 ---- */
#define TWM_COL_DATE             2680
#define TWM_COL_SYMBOLS          2681

/* ---- general texts and message boxes ---- */
#define TWM_OK                   3000
#define TWM_CANCEL               3001
#define TWM_SYSMENU_ABOUT        3002
#define TWM_ABOUT_LINE1          3003  /* also the printed page header */
#define TWM_ABOUT_LINE2          3004
#define TWM_ABOUT_LINE3          3005
#define TWM_ABOUT_LINE4          3006
#define TWM_NO_MEMORY            3007
#define TWM_FONT_FAILED          3009
#define TWM_NO_MATCHING_DAY      3010
#define TWM_WRONG_PASSWORD       3011
#define TWM_PRODUCT_TITLE        3013  /* at most 15 characters */
#define TWM_WINDOW_FAILED        3014
#define TWM_DIALOG_ERROR         3015  /* %d */
#define TWM_FILE_OPEN_FAILED     3016  /* %s path */
#define TWM_FILE_READ_FAILED     3017  /* %s path */
#define TWM_FILE_WRITE_FAILED    3018  /* %s path */
#define TWM_FILE_CREATE_FAILED   3019  /* %s path */
#define TWM_NO_MEMORY_MOON       3020
#define TWM_SAVE_CHANGES         3021  /* %s person name */
#define TWM_DELETE_GROUP         3022  /* %s category, %s header name */
#define TWM_DELETE_LAST_MEMBER   3023  /* %s (empty), %s member name */
#define TWM_DELETE_RECO          3024  /* %s name */
#define TWM_PASSWORD_MISMATCH    3025
#define TWM_PERSON_TITLE         3030
#define TWM_PERSON_NAME          3032
#define TWM_PERSON_BIRTHDAY      3033
#define TWM_PERSON_DESCRIPTION   3034
#define TWM_PERSON_NOTES_FROM    3035
#define TWM_PASSWORD_LABEL       3036
#define TWM_PASSWORD_TITLE       3037
#define TWM_PASSWORD_PROTECTED   3038
#define TWM_CLOSE                3039
#define TWM_AVERAGE_VALUE        3040  /* %d integer part, %d tenths */
#define TWM_AGE_PREFIX           3041
#define TWM_AGE_DAYS             3042
#define TWM_AGE_ONE_DAY          3044
#define TWM_CHART_MONTH_FIRST    3045  /* 3044 + month, January .. December */
#define TWM_CHART_MONTH_LAST     3056
#define TWM_REPEAT_TITLE         3057
#define TWM_REPEAT_PROMPT        3058
#define TWM_READ_ONLY_SUFFIX     3059

/* ---- property sheet and page titles (at most 31 characters) ---- */
#define TWM_OPTIONS_TITLE        3100
#define TWM_PAGE_GENERAL         3101  /* options page 52, print page range and paper */
#define TWM_PAGE_BIORHYTHM       3102
#define TWM_PAGE_MOON_CALENDAR   3103
#define TWM_PAGE_RECOMMENDATIONS 3104
#define TWM_PAGE_INFO_PANEL      3161
#define TWM_PAGE_CURVE_SEARCH    4020
#define TWM_PAGE_RHYTHMS         4100

/* ---- day marks ---- */
#define TWM_MARK_RED_CHECK       3129
#define TWM_MARK_YELLOW_CHECK    3130
#define TWM_MARK_PLUS_RADIO      3131
#define TWM_MARK_CROSS_RADIO     3132
#define TWM_MARK_MINUS_RADIO     3133
#define TWM_MARK_NONE_RADIO      3134
#define TWM_MARK_RED             3135  /* default labels in the notes column */
#define TWM_MARK_YELLOW          3136  /* 3136 + k for the symbols k = 1, 2, 3 */
#define TWM_MARK_PLUS            3137
#define TWM_MARK_CROSS           3138
#define TWM_MARK_MINUS           3139
#define TWM_LEGEND_TITLE         3149

/* ---- printing ---- */
#define TWM_PRINT_TITLE          3250
#define TWM_PRINT_PROGRESS       3251  /* %s device, %s port */
#define TWM_PRINT_ERROR          3252  /* %d code */
#define TWM_PRINT_CANCELLED      3253  /* %d code */
#define TWM_PRINT_PAGE           3255  /* %d page */
#define TWM_MARGINS_GROUP        3258  /* %s unit */
#define TWM_UNIT_METRIC          3264
#define TWM_UNIT_INCH            3265
#define TWM_PRINT_PAGE_DATE      3268  /* %d page, %s date */
#define TWM_PAGE_PRINT_CONTENT   4300
#define TWM_PAGE_COLUMN_WIDTHS   4301
#define TWM_PAGE_MARGINS         4302
#define TWM_FONT_SAMPLE          4309  /* %d points, %d tenths, %s face */
#define TWM_PAGE_COUNT           4310  /* %d pages */
#define TWM_PAGE_COUNT_OPEN      4311
#define TWM_WIDTHS_GROUP         4314  /* %s unit */
#define TWM_OLD_NOTE_PREFIX      4326
#define TWM_WIDTHS_SUM           4325  /* %d sum, %d available, %s unit */
#define TWM_BETWEEN_BANDS        4327
#define TWM_DATE_WIDTH_SAMPLE    4328
#define TWM_FROM_DAY             4333
#define TWM_MOON_UNIT_WIDTH      4338  /* %d width, %s unit, %d two fifths, %s unit */

/* ---- signs, phase, height, distance (summary, legend and condition tree) ---- */
#define TWM_SUN_PREFIX           3500
#define TWM_MOON_PREFIX          3501
#define TWM_SIGN_FIRST           3502  /* Aries .. Pisces */
#define TWM_SIGN_LAST            3513
#define TWM_COND_ROOT            3520
#define TWM_COND_PHASE           3522
#define TWM_NEW_MOON             3523
#define TWM_WAXING               3524
#define TWM_FULL_MOON            3525
#define TWM_WANING               3526
#define TWM_BEFORE_FULL_FIRST    3529  /* 6 .. 1 days before full moon */
#define TWM_BEFORE_FULL_LAST     3534
#define TWM_AFTER_FULL_FIRST     3535  /* 1 .. 6 days after full moon */
#define TWM_AFTER_FULL_LAST      3540
#define TWM_WANING_STEADY        3541
#define TWM_BEFORE_NEW_FIRST     3545  /* 6 .. 1 days before new moon */
#define TWM_BEFORE_NEW_LAST      3550
#define TWM_AFTER_NEW_FIRST      3551  /* 1 .. 6 days after new moon */
#define TWM_AFTER_NEW_LAST       3556
#define TWM_WAXING_STEADY        3557
#define TWM_COND_HEIGHT          3558
#define TWM_DESC_LOWEST          3559
#define TWM_DESC_HIGHEST         3560
#define TWM_LOWEST_POINT         3561
#define TWM_RISING               3562
#define TWM_HIGHEST_POINT        3563
#define TWM_FALLING              3564
#define TWM_BEFORE_LOWEST_FIRST  3565  /* 3 .. 1 days before the lowest point */
#define TWM_BEFORE_LOWEST_LAST   3567
#define TWM_AFTER_LOWEST_FIRST   3568  /* 1 .. 3 days after the lowest point */
#define TWM_AFTER_LOWEST_LAST    3570
#define TWM_BEFORE_HIGHEST_FIRST 3571  /* 3 .. 1 days before the highest point */
#define TWM_BEFORE_HIGHEST_LAST  3573
#define TWM_AFTER_HIGHEST_FIRST  3574  /* 1 .. 3 days after the highest point */
#define TWM_AFTER_HIGHEST_LAST   3576
#define TWM_COND_DISTANCE        3577
#define TWM_PERIGEE              3578
#define TWM_RECEDING             3579
#define TWM_APOGEE               3580
#define TWM_APPROACHING          3581
#define TWM_BEFORE_PERIGEE_FIRST 3583  /* 3 .. 1 days before perigee */
#define TWM_BEFORE_PERIGEE_LAST  3585
#define TWM_AFTER_PERIGEE_FIRST  3586  /* 1 .. 3 days after perigee */
#define TWM_AFTER_PERIGEE_LAST   3588
#define TWM_BEFORE_APOGEE_FIRST  3589  /* 3 .. 1 days before apogee */
#define TWM_BEFORE_APOGEE_LAST   3591
#define TWM_AFTER_APOGEE_FIRST   3592  /* 1 .. 3 days after apogee */
#define TWM_AFTER_APOGEE_LAST    3594
#define TWM_NODE_SLOT_FIRST      3595  /* node slots 0 .. 14 */
#define TWM_NODE_SLOT_LAST       3609
#define TWM_COND_SIGNS           3610
#define TWM_COND_MOON_SIGN       3611
#define TWM_SIGNS_BOTH           3612
#define TWM_SIGNS_EITHER         3613
#define TWM_COND_SUN_SIGN        3614
#define TWM_SIGN_LEAF_FIRST      3615  /* Aries .. Pisces in the condition tree */
#define TWM_SIGN_LEAF_LAST       3626
#define TWM_COND_SEASON          3627
#define TWM_SEASON_FIRST         3628  /* spring .. winter */
#define TWM_SEASON_LAST          3631
#define TWM_SEASON_START_FIRST   3632  /* start of spring .. start of winter */
#define TWM_SEASON_START_LAST    3635
#define TWM_COND_MONTH           3658  /* 3658 + month */
#define TWM_MONTH_FIRST          3659
#define TWM_MONTH_LAST           3670
#define TWM_COND_WEEKDAY         3671  /* 3671 + w, w = 1 Monday .. 7 Sunday */
#define TWM_WEEKDAY_FIRST        3672
#define TWM_WEEKDAY_LAST         3678
#define TWM_COND_FIXED_DAYS      3679
#define TWM_FIXED_DAY_LEAF       3681  /* %s day text */
#define TWM_OTHER_DAYS           3682
#define TWM_FIXDAY_NONE          3683
#define TWM_FIXDAY_DATE          3684
#define TWM_MOVABLE_FIRST        3685  /* day codes 3800 .. 3812, label = code - 115 */
#define TWM_MOVABLE_LAST         3697
#define TWM_COND_NEVER_HOLDS     3698
#define TWM_COND_NODE            3699  /* also the legend text of the node glyphs */
#define TWM_ELEMENT_FIRST        3700  /* fire, earth, air, water */
#define TWM_ELEMENT_LAST         3703
#define TWM_PLANTING_TIME        3704

/* ---- views, recommendations, tests ---- */
#define TWM_TIME_PREFIX          4000  /* at most 7 characters */
#define TWM_COL_MOON             4001
#define TWM_COL_SUN              4002
#define TWM_RECOMMENDATIONS      4003  /* at most 31 characters */
#define TWM_CATEGORY_FIRST       4004  /* plants and animals, health, general */
#define TWM_CATEGORY_LAST        4006
#define TWM_COL_NOTES            4007
#define TWM_HIGHLIGHT_NONE       4010
#define TWM_HIGHLIGHT_AVERAGE    4018
#define TWM_RHYTHM_WORD          4131
#define TWM_FILE_FILTER          4132  /* last character is the separator */
#define TWM_TEST_DAYS_FOUND      4210  /* %d days */
#define TWM_TEST_CURRENT_DAY     4211
#define TWM_TEST_TITLE           4212
#define TWM_TEST_PAGE_SINGLE     4213
#define TWM_TEST_PAGE_ALL        4214
#define TWM_TEST_PAGE_SETTINGS   4215
#define TWM_TEST_START           4217
#define TWM_TEST_STOP            4218
#define TWM_STYLE_FIRST          4225  /* normal, bold, italic, bold italic */
#define TWM_STYLE_LAST           4228
#define TWM_DESC_NOT             4236
#define TWM_DESC_AND             4237
#define TWM_DESC_OR              4238
#define TWM_DESC_SIGN_IN         4240
#define TWM_DESC_OPEN            4241
#define TWM_DESC_CLOSE           4242
#define TWM_HELP_BUTTON          4245
#define TWM_SD_LIST_FIRST        4395  /* holidays, name days, birthdays */
#define TWM_SD_LIST_LAST         4397
#define TWM_SD_KIND_FIRST        4404  /* fixed, Easter, Advent, n-th weekday */
#define TWM_SD_KIND_LAST         4407
#define TWM_SD_COL_OFFICIAL      4408
#define TWM_SD_ORDINAL_FIRST     4410  /* first .. fourth */
#define TWM_SD_ORDINAL_LAST      4413
#define TWM_SD_ORDINAL_LASTWEEK  4414
#define TWM_SD_COL_RULE          4415
#define TWM_SD_COL_DATE          4417
#define TWM_SD_COL_HOLIDAY       4418
#define TWM_SD_COL_NAMEDAY       4419
#define TWM_SD_COL_BIRTHDAY      4420
#define TWM_SD_RULE_EASTER       4421  /* %c sign, %d days */
#define TWM_SD_RULE_ADVENT       4422  /* %c sign, %d days */
#define TWM_SD_RULE_WEEKDAY      4423  /* %s ordinal, %s weekday, %s month */
#define TWM_UNNAMED_CONDITION    4428
#define TWM_NO_CONDITIONS        4434
#define TWM_TIP_HEADING          4438  /* at most 63 characters */

/* ---- artwork of the program's own resources ---- */
#define IDI_FRAME                1
#define IDI_PERSON               2
#define IDC_HELP_MODE            38
#define IDC_DRAG_CHART           39
#define IDC_DRAG_CALENDAR        40
#define IDC_DRAG_MARK            41
#define IDC_SPLIT_VERTICAL       42  /* vertical bar, moves left and right */
#define IDC_SPLIT_HORIZONTAL     43  /* horizontal bar, moves up and down */
#define IDC_SPIN_DRAG            44
#define IDC_DRAG_COPY            45
#define IDC_DRAG_NO              46
#define IDB_LOWEST_POINT         90
#define IDB_HIGHEST_POINT        91
#define IDB_PERIGEE              94
#define IDB_APOGEE               95
#define IDB_NODE_ASCENDING       96  /* node kind 1 */
#define IDB_NODE_DESCENDING      97  /* node kind 0 */
#define IDB_MOON_PHASE_FIRST     98  /* 97 + phase picture index 1 .. 40 */
#define IDB_MOON_PHASE_LAST      137
#define IDB_ELEMENTS             138 /* four squares: fire, earth, air, water */
#define IDB_SIGN_FIRST           139 /* Aries .. Pisces */
#define IDB_SIGN_LAST            150
#define IDB_SYMBOL_STRIP         151
#define IDB_RISING               152
#define IDB_FALLING              153
#define IDB_RECEDING             154
#define IDB_APPROACHING          155
#define IDB_SEASON_FIRST         156 /* spring .. winter */
#define IDB_SEASON_LAST          159
#define IDB_SMALL12_FIRST        161 /* 12x12: condition states any, excluded, required,
                                        mixed; selection not member, member, all, some, none */
#define IDB_SMALL12_LAST         169
#define IDB_SPECIAL12_FIRST      170 /* 12x12: colours none, red, green, blue inactive,
                                        then the same four active */
#define IDB_SPECIAL12_LAST       177
#define IDB_TREE18_FIRST         178 /* 18x18: root, 3 categories, 3 groups, 3 recommendations */
#define IDB_TREE18_LAST          187
#define IDB_TIP                  188
#define IDB_TOOLBAR              2042

/* ---- person window, DayMark popup and side panel: templates, controls, help ---- */
#define IDD_DAY_MARK             75
#define ID_RHYTHM_COMBO          2061
#define ID_LIST_HEADER           2062
#define ID_VALUE_LINE            2070
#define ID_DATE_EDIT             2071
#define ID_SPIN_FIRST            2072  /* three spin buttons */
#define ID_DATE_SCROLL           2075
#define ID_MARK_RED              2134  /* then yellow 2135 */
#define ID_MARK_SYMBOL_FIRST     2136  /* "+", "x", "-" */
#define ID_MARK_SYMBOL_NONE      2139
#define ID_MARK_HELP             2639
#define ID_PANEL_PICTURE         2300
#define ID_PANEL_SUMMARY         2301
#define ID_PANEL_NOTE            2302
#define ID_PANEL_LEGEND          2303
#define ID_PANEL_ASSIGN          2304
#define ID_PANEL_LAYOUT_SCREEN   2305  /* hidden, kept in the template */
#define ID_PANEL_LAYOUT_PRINT    2306
#define ID_PANEL_SPLIT_SUMMARY   2045
#define ID_PANEL_SPLIT_NOTE      2046
#define HID_DAY_MARK            8004
#define HID_MARK_FLAG_RED       9040
#define HID_MARK_FLAG_YELLOW    9041
#define HID_MARK_SYMBOL         9042

/* ---- frame, about box and help contexts of the program's own resources ---- */
#define IDA_ACCELERATORS         36    /* the frame's accelerator table */
#define IDD_ABOUT                37
#define IDD_SIDE_PANEL           63
#define IDC_ABOUT_LINE1          3003  /* the about box's four lines, top to bottom; each */
#define IDC_ABOUT_LINE2          3004  /* shows the library string of its own number */
#define IDC_ABOUT_LINE3          3005
#define IDC_ABOUT_LINE4          3006
#define IDC_TOOLBAR              2043
#define IDC_FRAME_SPLITTER       2044
#define IDC_CONDITION_COMBO      2061  /* also the number of its tooltip string */
#define HID_OK_BUTTON            1900  /* help contexts: popups and topics of the help set */
#define HID_CANCEL_BUTTON        1901
#define HID_CLOSE_BUTTON         1902
#define HID_HELP_BUTTON          1903
#define HID_BIO_WINDOW           7500  /* person window in chart mode */
#define HID_MOON_WINDOW          7501  /* person window in moon calendar mode */
#define HID_PERSON_DIALOG        8001
#define HID_PASSWORD_DIALOG      8002
#define HID_OPTIONS_GENERAL      8005  /* options sheet pages, in sheet order */
#define HID_OPTIONS_INFO         8006
#define HID_OPTIONS_CALENDAR     8007
#define HID_OPTIONS_RECO         8008
#define HID_OPTIONS_BIO          8009
#define HID_OPTIONS_SEARCH       8010
#define HID_OPTIONS_RHYTHMS      8011
#define HID_RECOMMENDATIONS      8012  /* "Empfehlungen" */
#define HID_UNSELECTED_RECOS     8014  /* "Empfehlungen ohne Auswahl" */
#define HID_RECO_SELECTIONS      8015  /* the selections of one recommendation */
#define HID_SELECTIONS           8016  /* "Empfehlungen - Auswahl" */
#define HID_WINDOW_PARTS         8034  /* splitter and side panel */
#define HID_PERSON_NAME          9100
#define HID_PERSON_DESCRIPTION   9101
#define HID_PERSON_BIRTHDAY      9102
#define HID_PERSON_NOTES_YEAR    9103
#define HID_PERSON_PASSWORD      9104
#define HID_PASSWORD_FILE        9120
#define HID_PASSWORD_TYPED       9121
#define HID_PASSWORD_REPEAT      9470

#endif

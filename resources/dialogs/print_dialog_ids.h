/* Templates and control ids of printing: the progress box and the setup sheet's pages.
 * Plain #defines: read by windres as well as by C++. */
#ifndef PRINT_DIALOG_IDS_H
#define PRINT_DIALOG_IDS_H

#define IDD_PRINT_PROGRESS        56
#define IDD_PRINT_RANGE_CHART     57
#define IDD_PRINT_CONTENT_CHART   58
#define IDD_PRINT_MARGINS         59
#define IDD_PRINT_RANGE_CALENDAR  60
#define IDD_PRINT_CONTENT_CALENDAR 61
#define IDD_PRINT_WIDTHS          62

#define IDC_PRINT_PROGRESS_LINE   2170
#define IDC_PRINT_PROGRESS_PAGE   2171
#define IDC_PRINT_PREVIEW         2172

#define IDC_PRINT_FROM            2202
#define IDC_PRINT_TO              2204
#define IDC_PRINT_FROM_SPIN       2190  /* three each: day, month, year */
#define IDC_PRINT_TO_SPIN         2193
#define IDC_PRINT_LANDSCAPE       2181
#define IDC_PRINT_FONT            2214
#define IDC_PRINT_FONT_SAMPLE     2237
#define IDC_PRINT_ROWS            2217
#define IDC_PRINT_ROWS_SPIN       2218
#define IDC_PRINT_FILL_LAST       2239
#define IDC_PRINT_RECO_ONLY       2183
#define IDC_PRINT_DAYS_VARIABLE   2233
#define IDC_PRINT_DAYS_DAY        2234
#define IDC_PRINT_DAYS_WEEK       2235
#define IDC_PRINT_DAYS_MONTH      2236
#define IDC_PRINT_PAGE_COUNT      2238

#define IDC_PRINT_SPECIAL         2121
#define IDC_PRINT_NOTES_ROW       2122
#define IDC_PRINT_HIGHER          2123
#define IDC_PRINT_GRID            2215
#define IDC_PRINT_DAY_NARROW      2125  /* .. 2128 */
#define IDC_PRINT_HIGHLIGHT       2061

#define IDC_PRINT_COL_ELEMENT     2150
#define IDC_PRINT_COL_SUN         2151
#define IDC_PRINT_COL_PLANTING    2152
#define IDC_PRINT_COL_RECO3       2153
#define IDC_PRINT_COL_NOTES       2154
#define IDC_PRINT_RECO_LINES      2158
#define IDC_PRINT_RECO_GROUPS     2159
#define IDC_PRINT_RECO_ALL        2160
#define IDC_PRINT_LEGEND          2157

#define IDC_PRINT_MARGIN_GROUP    2206
#define IDC_PRINT_MARGIN_LEFT     2207  /* 2207, 2209, 2211, 2213; spin = field + 1 */
#define IDC_PRINT_MARGIN_TOP      2209
#define IDC_PRINT_MARGIN_RIGHT    2211
#define IDC_PRINT_MARGIN_BOTTOM   2213

#define IDC_PRINT_WIDTH_GROUP     2241
#define IDC_PRINT_WIDTH_FIRST     2242  /* 2242 + 2i */
#define IDC_PRINT_WIDTH_SUM       2261
#define IDC_PRINT_WIDTH_SPIN_FIRST 2262 /* + i: 2261 is taken by the sum */
#define IDC_PRINT_MOON_UNIT       2182
#define IDC_PRINT_OPTIMAL         2180

/* Help topics of the sheet's pages. */
#define HID_PRINT_RANGE_CALENDAR  8019
#define HID_PRINT_RANGE_CHART     8020
#define HID_PRINT_CONTENT_CHART   8021
#define HID_PRINT_CONTENT_CALENDAR 8022
#define HID_PRINT_MARGINS_CALENDAR 8023
#define HID_PRINT_MARGINS_CHART   8024
#define HID_PRINT_WIDTHS          8025

#endif

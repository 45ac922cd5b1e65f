/* Pages of the options sheet. Plain #defines: read by windres as well as by C++. */
#ifndef OPTIONS_IDS_H
#define OPTIONS_IDS_H

#define IDD_OPTIONS_INFO          49
#define IDC_OPT_DATA_FIRST        2150  /* 2150 + bit: the ten info panel lines */
#define IDC_OPT_SHOW_HIDDEN       2160

#define IDD_OPTIONS_RECO          51
#define IDC_OPT_RECO_PER_LINE     2190  /* the three layouts */
#define IDC_OPT_RECO_GROUP_COMMAS 2191
#define IDC_OPT_RECO_ALL_COMMAS   2192
#define IDC_OPT_SHOW_HOLIDAY      2193
#define IDC_OPT_SHOW_NAMEDAY      2194
#define IDC_OPT_SHOW_BIRTHDAY     2195

#define IDD_OPTIONS_BIO           53
#define IDC_OPT_SAWTOOTH          2170
#define IDC_OPT_SPECIAL_RANGES    2171
#define IDC_OPT_HIGHER_CURVES     2172
#define IDC_OPT_MARK_ROW          2173
#define IDC_OPT_DAY_SIZE_FIRST    2174  /* narrow .. very wide */
#define IDC_OPT_MARK_TEXT_FIRST   2180  /* red, yellow, "+", "x", "-" */

#endif

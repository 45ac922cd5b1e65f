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

#define IDD_OPTIONS_GENERAL       52
#define IDC_OPT_NEW_CHART         2140  /* new windows: chart, moon calendar */
#define IDC_OPT_NEW_CALENDAR      2141
#define IDC_OPT_SIGNS             2142  /* zodiac signs, constellations */
#define IDC_OPT_CONSTELLATIONS    2143
#define IDC_OPT_START_LAST_FILE   2144
#define IDC_OPT_APPLY_TO_ALL      2145
#define IDC_OPT_SOUND             2146
#define IDC_OPT_FONT              2214
#define IDC_OPT_FONT_SAMPLE       2237

#define IDD_OPTIONS_CALENDAR      50
#define IDC_OPT_COLUMN_ELEMENT    2161
#define IDC_OPT_COLUMN_SUN        2162
#define IDC_OPT_COLUMN_PLANTING   2163
#define IDC_OPT_COLUMN_RECO3      2164
#define IDC_OPT_COLUMN_NOTES      2165
#define IDC_OPT_ELEMENT_COLOUR_FIRST 2166  /* fire, earth, air, water: captions "-10".."-13" */
#define IDC_OPT_SHOW_WEEKDAY      2185
#define IDC_OPT_SHOW_YEAR         2186
#define IDC_OPT_TWO_DIGIT_YEAR    2187
#define IDC_OPT_DATE_TWO_LINES    2188
#define IDC_OPT_PRINT_RECO_DAYS   2189

#define IDD_OPTIONS_SEARCH        54
#define IDC_SEARCH_NUMBER         4023  /* condition 1..8 */
#define IDC_SEARCH_NUMBER_SPIN    2075
#define IDC_SEARCH_NAME           2051
#define IDC_SEARCH_HEADING_FIRST  4024  /* + rhythm: the seven abbreviations */
#define IDC_SEARCH_GRID_FIRST     4031  /* + 7 * row + rhythm; row 0 "Keine Suche", rows 1..7 the fields */
#define IDC_SEARCH_END            4090
#define IDC_SEARCH_END_SPIN_FIRST 4091  /* three, by the date order */

#define IDD_OPTIONS_RHYTHMS       55
#define IDC_RHYTHM_NAME_FIRST     4101  /* + rhythm */
#define IDC_RHYTHM_LETTER_FIRST   4111
#define IDC_RHYTHM_COLOUR_FIRST   4121  /* colour buttons "-1".."-7" */

#endif

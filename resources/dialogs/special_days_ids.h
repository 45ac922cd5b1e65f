/* Templates and control ids of the special days dialog and the tip of the day. Plain
 * #defines: read by windres as well as by C++. */
#ifndef SPECIAL_DAYS_IDS_H
#define SPECIAL_DAYS_IDS_H

#define IDD_SPECIAL_DAYS          82
#define IDC_SD_LIST_CHOICE        2700
#define IDC_SD_HOLIDAYS           2701  /* 2701 + list index */
#define IDC_SD_NAMEDAYS           2702
#define IDC_SD_BIRTHDAYS          2703
#define IDC_SD_TYPE               2704
#define IDC_SD_MONTH              2705
#define IDC_SD_ORDINAL            2706
#define IDC_SD_WEEKDAY            2707
#define IDC_SD_OFFSET_LABEL       2708
#define IDC_SD_OFFSET             2709
#define IDC_SD_OFFSET_SPIN        2710
#define IDC_SD_DATE_LABEL         2711
#define IDC_SD_DATE               2712
#define IDC_SD_IN                 2713
#define IDC_SD_TYPE_LABEL         2714
#define IDC_SD_OFFICIAL           2715
#define IDC_SD_HINT               2716
#define IDC_SD_DATE_SPIN_FIRST    2072
#define IDC_SD_DATE_SPIN_SECOND   2073
#define IDC_SD_NEW                2730
#define IDC_SD_DELETE             2731
#define IDC_SD_CHANGE             2732
#define IDC_SD_UP                 2733
#define IDC_SD_DOWN               2734
#define IDC_SD_HELP               2639

#define IDD_TIP                   83
#define IDC_TIP_ON_START          2800
#define IDC_TIP_NEXT              2801
#define IDC_TIP_PICTURE           2802
#define IDC_TIP_TEXT              2803

#endif

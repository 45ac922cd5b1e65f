/* Template and control ids of the partner comparison. Plain #defines: read by windres as
 * well as by C++. */
#ifndef PARTNER_DIALOG_IDS_H
#define PARTNER_DIALOG_IDS_H

#define IDD_PARTNER               48
#define IDC_PARTNER_NAME1_LABEL   2100
#define IDC_PARTNER_NAME1         2101
#define IDC_PARTNER_NAME2_LABEL   2102
#define IDC_PARTNER_NAME2         2103
#define IDC_PARTNER_LABEL_FIRST   2104  /* 2104 + 2r: the rhythm's name */
#define IDC_PARTNER_VALUE_FIRST   2105  /* 2105 + 2r: its percentage */
#define IDC_PARTNER_AVERAGE_LABEL 2118
#define IDC_PARTNER_AVERAGE       2119
#define IDC_PARTNER_HIGHER        2123
#define IDC_PARTNER_HELP          2639

#endif

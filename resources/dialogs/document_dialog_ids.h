/* Templates and control ids of the person and password dialogs. Plain #defines: read by
 * windres as well as by C++. */
#ifndef DOCUMENT_DIALOG_IDS_H
#define DOCUMENT_DIALOG_IDS_H

#define IDD_PERSON               47
#define IDD_PASSWORD_PROMPT      64
#define IDD_PASSWORD_REPEAT      85

#define IDC_PERSON_NAME_LABEL    2050
#define IDC_PERSON_NAME          2051
#define IDC_PERSON_BIRTH_LABEL   2052
#define IDC_PERSON_BIRTHDAY      2053
#define IDC_PERSON_DESC_LABEL    2054
#define IDC_PERSON_DESCRIPTION   2055
#define IDC_PERSON_YEAR_LABEL    2056
#define IDC_PERSON_NOTES_YEAR    2057
#define IDC_PERSON_YEAR_SPIN     2058
#define IDC_PASSWORD_LABEL       2059
#define IDC_PASSWORD             2060
#define IDC_PASSWORD_NOTE        2063
#define IDC_PASSWORD_FILE        2064
#define IDC_BIRTHDAY_SPIN_FIRST  2072  /* 2072..2074: the three date fields */
#define IDC_BIRTHDAY_SPIN_SECOND 2073
#define IDC_BIRTHDAY_SPIN_LAST   2074
#define IDC_DIALOG_HELP          2639

#endif

/* Templates and control ids of the recommendations and selections dialogs. Plain #defines:
 * read by windres as well as by C++. */
#ifndef RECO_DIALOG_IDS_H
#define RECO_DIALOG_IDS_H

#define IDD_RECOMMENDATIONS      65
#define IDD_RECO_SELECTIONS      67  /* the selections of one recommendation */
#define IDD_UNSELECTED_RECOS     68
#define IDD_SELECTIONS           74

#define IDC_RECO_TREE            2600
#define IDC_SEL_NEW              2605
#define IDC_RECO_NEW             2606
#define IDC_RECO_NEW_GROUP       2607
#define IDC_RECO_CONDITIONS      2608
#define IDC_SEL_APPLY            2608  /* "&Ändern" of the selection dialog */
#define IDC_SEL_OK               2608  /* "Ok" of the selections of one recommendation */
#define IDC_RECO_DELETE          2610
#define IDC_RECO_CHECK_SELECTIONS 2611
#define IDC_RECO_TEST            2616
#define IDC_RECO_SELECTIONS      2628
#define IDC_SEL_LIST             2630
#define IDC_RECO_CLOSE           2631
#define IDC_RECO_DESCRIPTION     2632
#define IDC_RECO_NAME_LABEL      2633
#define IDC_RECO_NAME            2634
#define IDC_SEL_INTRO            2635
#define IDC_UNSELECTED_INTRO     2636
#define IDC_RECO_DIALOG_HELP     2639
#define IDC_SEL_NEW_SELECTION    2640
#define IDC_RECO_EXPORT          2641

#endif

/* Templates and control ids of the conditions editor, "Fixtagauswahl", the test over years
 * and the colour dialog. Plain #defines: read by windres as well as by C++. */
#ifndef CONDITIONS_DIALOG_IDS_H
#define CONDITIONS_DIALOG_IDS_H

#define IDD_CONDITIONS           66
#define IDD_TEST_SINGLE          69
#define IDD_TEST_ALL             70
#define IDD_TEST_SETTINGS        71
#define IDD_FIXED_DAY            78
#define IDD_COLOUR               84

/* conditions editor (66) */
#define IDC_COND_STYLE           2601
#define IDC_COND_TREE            2603
#define IDC_COND_COLOUR          2604
#define IDC_COND_OK              2608
#define IDC_COND_STYLE_GROUP     2629
#define IDC_COND_DESCRIPTION     2632
#define IDC_COND_NAME_LABEL      2633
#define IDC_COND_NAME            2634
#define IDC_COND_HELP            2639
#define IDC_COND_LEGEND_TEXT     2720  /* 2720..2723: any, excluded, required, mixed */
#define IDC_COND_LEGEND_IMAGE    2724  /* 2724..2727 */

/* "Fixtagauswahl" (78) */
#define IDC_FIXED_SPIN_FIRST     2072  /* moves the first field of the day-and-month text */
#define IDC_FIXED_SPIN_SECOND    2073
#define IDC_FIXED_DAY_LABEL      2711
#define IDC_FIXED_DAY_EDIT       2712
#define IDC_FIXED_CHOICE         2719

/* test over years (69, 70, 71) */
#define IDC_TEST_ALL_INTRO       2613
#define IDC_TEST_COUNT           2614
#define IDC_TEST_DAY             2615
#define IDC_TEST_RUN             2616
#define IDC_TEST_YEAR_LABEL      2617
#define IDC_TEST_YEAR            2618
#define IDC_TEST_YEAR_SPIN       2619
#define IDC_TEST_SINGLE_LABEL    2620
#define IDC_TEST_SINGLE_YEARS    2621
#define IDC_TEST_SINGLE_SPIN     2622
#define IDC_TEST_ALL_LABEL       2623
#define IDC_TEST_ALL_YEARS       2624
#define IDC_TEST_ALL_SPIN        2625
#define IDC_TEST_TREE            2600
#define IDC_TEST_LIST            2630
#define IDC_TEST_DESCRIPTION     2632
#define IDC_TEST_NAME_LABEL      2633
#define IDC_TEST_NAME            2634

/* colour dialog (84): the system's controls plus a spin beside each number field */
#define IDC_COLOUR_SPIN_FIRST    2740  /* 2740..2745: hue, saturation, luminosity, red, green, blue */

/* help topics */
#define HID_CONDITIONS           8013
#define HID_FIXED_DAY            8017
#define HID_TEST_SINGLE          8026
#define HID_TEST_ALL             8027
#define HID_TEST_SETTINGS        8028
#define HID_COLOUR_DIALOG        8032

#endif

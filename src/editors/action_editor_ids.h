// Dialog templates and control ids of the action editors (keystroke frame and dialog, keystroke list frame,
// program frame). Shared by src/app/action_editors.rc and the editors' windows.
#pragma once

#define IDD_KEYSTROKE_FRAME 600
#define IDD_KEYSTROKE_DIALOG 601
#define IDD_KEYSTROKE_LIST_FRAME 602
#define IDD_PROGRAM_FRAME 603

// The keystroke frame and the keystroke dialog use the same ids for their common controls.
#define IDC_KEYSTROKE_LABEL 610
#define IDC_KEYSTROKE_FIELD 611
#define IDC_KEYSTROKE_EXAMPLES 612
#define IDC_KEYSTROKE_TAB 613
#define IDC_KEYSTROKE_WINKEY 614
#define IDC_KEYSTROKE_SET 615
#define IDC_KEYSTROKE_CANCEL 616

#define IDC_KEYSTROKE_LIST 630
#define IDC_KEYSTROKE_LIST_ADD 631
#define IDC_KEYSTROKE_LIST_EXAMPLES 632
#define IDC_KEYSTROKE_LIST_HINT 633

#define IDC_PROGRAM_LABEL 650
#define IDC_PROGRAM_PATH 651
#define IDC_PROGRAM_BROWSE 652
#define IDC_PROGRAM_CHECK 653
#define IDC_PROGRAM_PARAMETERS_LABEL 654
#define IDC_PROGRAM_PARAMETERS 655

// Menu commands of the keystroke list's popup menu.
#define IDM_KEYSTROKE_LIST_EDIT 740
#define IDM_KEYSTROKE_LIST_DELETE 741

// Resource identifiers of the gesture editor page and the gesture wizard, shared by their dialog templates
// (src/app/gesture_wizard.rc) and their code. The resource compiler reads this file too, so it holds
// nothing but #define lines.
#pragma once

// The gesture editor: a child dialog with the direction buttons.
#define IDD_GESTURE_EDITOR 800
#define IDC_GESTURE_EDITOR_LABEL 801
#define IDC_GESTURE_EDITOR_NAME 802
#define IDC_GESTURE_EDITOR_CLEAR 803
#define IDC_GESTURE_EDITOR_DRAW 804
// The direction buttons, IDC_GESTURE_EDITOR_DIRECTION + the direction code (Up 0 ... SW 7).
#define IDC_GESTURE_EDITOR_DIRECTION 810

// The drawing area: a modal dialog the gesture editor's Draw button opens.
#define IDD_GESTURE_DRAWING 820
#define IDC_DRAWING_TEXT 821
#define IDC_DRAWING_AREA 822
#define IDC_DRAWING_THREE_TIMES 823
#define IDC_DRAWING_STATUS 824

// The wizard.
#define IDD_GESTURE_WIZARD 850
#define IDC_WIZARD_SIDE_PANEL 851
#define IDC_WIZARD_BACK 852
#define IDC_WIZARD_NEXT 853
#define IDC_WIZARD_FINISH 854
#define IDC_WIZARD_DIVIDER 855
// Page 0: the gesture.
#define IDC_WIZARD_GESTURE_TEXT 860
#define IDC_WIZARD_GESTURE_HOST 861
// Page 1: the action type.
#define IDC_WIZARD_TYPE_TEXT 862
#define IDC_WIZARD_TYPE_SINGLE 863
#define IDC_WIZARD_TYPE_MULTIPLE 864
#define IDC_WIZARD_TYPE_RUN 865
#define IDC_WIZARD_TYPE_COMMAND 883
// Shown only for a gesture whose action type this version does not know.
#define IDC_WIZARD_TYPE_KEEP 880
#define IDC_WIZARD_UNKNOWN_NOTE 881
#define IDC_WIZARD_UNKNOWN_ACTION 882
// Page 2: one keystroke.
#define IDC_WIZARD_KEYSTROKE_HOST 866
#define IDC_WIZARD_KEYSTROKE_TEXT 867
// Page 3: a list of keystrokes.
#define IDC_WIZARD_LIST_TITLE 868
#define IDC_WIZARD_LIST_HOST 869
#define IDC_WIZARD_LIST_TEXT 870
// Page 4: a program or file.
#define IDC_WIZARD_PROGRAM_HOST 871
// Page 5: a window or media command, IDC_WIZARD_COMMAND_FIRST + the command's place in the list (0 to 14).
#define IDC_WIZARD_COMMAND_TEXT 884
#define IDC_WIZARD_COMMAND_WINDOWS 885
#define IDC_WIZARD_COMMAND_MONITORS 886
#define IDC_WIZARD_COMMAND_MEDIA 887
#define IDC_WIZARD_COMMAND_DESCRIPTION 888
#define IDC_WIZARD_COMMAND_FIRST 890
// Page 6: the summary.
#define IDC_WIZARD_SUMMARY_TEXT 872
#define IDC_WIZARD_SUMMARY 873

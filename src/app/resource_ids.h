// Identifiers of the program's resources, shared by the resource scripts and the code. The application's
// own resources (icons, tray, About window) use 100 to 199; the program icon keeps 1.
#pragma once

#define IDI_FLICKMARK 1

// Tray icon pictures: gestures on and off.
#define IDI_TRAY_ON 101
#define IDI_TRAY_OFF 102

// Pictures of the shared menu and tree image list: IDI_POPUP_FIRST + the picture's index.
#define IDI_POPUP_FIRST 110
#define IDI_POPUP_CONFIGURE 110
#define IDI_POPUP_EDIT_GESTURES 111
#define IDI_POPUP_DIAGONALS 112
#define IDI_POPUP_SCRATCHPAD 113
#define IDI_POPUP_GESTURES 115
#define IDI_POPUP_HELP 116

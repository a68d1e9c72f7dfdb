// Identifiers of the About window's template (about.rc) and its controls.
#pragma once

#define IDD_ABOUT 150
#define IDC_ABOUT_ICON 151
#define IDC_ABOUT_NAME 152
#define IDC_ABOUT_VERSION_LABEL 153
#define IDC_ABOUT_VERSION 154
#define IDC_ABOUT_BUILD 155
#define IDC_ABOUT_LICENCE 156
// "Close" is IDCANCEL, so Escape presses it.

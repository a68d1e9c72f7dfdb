// Resource identifiers of the gestures window, shared by its dialog template (src/app/gestures_window.rc)
// and its code. The resource compiler reads this file too, so it holds nothing but #define lines.
#pragma once

#define IDD_GESTURES 400
#define IDC_GESTURES_SELECT 401
#define IDC_GESTURES_LIST 402
#define IDC_GESTURES_PREVIEW 403
#define IDC_GESTURES_NEW 404
#define IDC_GESTURES_CONFIGURE 405
#define IDC_GESTURES_TRIGGER_TEXT 406

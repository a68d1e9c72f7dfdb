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
#define IDC_GESTURES_COPY_SET 407
#define IDC_GESTURES_EXPORT 408
#define IDC_GESTURES_IMPORT 409
#define IDC_GESTURES_BACK_UP 410
#define IDC_GESTURES_EDIT 411
#define IDC_GESTURES_DELETE 412

// "Copy to": where the gestures go.
#define IDD_COPY_TARGET 420
#define IDC_COPY_TARGET_TEXT 421
#define IDC_COPY_TARGET_NAME 422
#define IDC_COPY_TARGET_HINT 423
#define IDC_COPY_TARGET_REFUSAL 424

// "Copy to": Merge or Replace, and the gestures both sets have.
#define IDD_COPY_PLAN 430
#define IDC_COPY_PLAN_SUMMARY 431
#define IDC_COPY_PLAN_MERGE 432
#define IDC_COPY_PLAN_REPLACE 433
#define IDC_COPY_PLAN_LIST_TEXT 434
#define IDC_COPY_PLAN_LIST 435

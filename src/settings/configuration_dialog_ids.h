// Resource identifiers of the configuration window: its dialog templates and their controls, shared by
// src/app/configuration_window.rc and the code. Plain defines, because the resource compiler reads them.
// Every control id is unique across all pages, so a control can be found by its id alone.
#pragma once

// Templates: the window, then its pages.
#define IDD_CONFIGURATION 200
#define IDD_CONFIG_PAGE_GESTURES 201
#define IDD_CONFIG_PAGE_HELP_POPUP 202
#define IDD_CONFIG_PAGE_SCRATCHPAD 203
#define IDD_CONFIG_PAGE_DIAGONALS 204
#define IDD_CONFIG_PAGE_MISC 205
#define IDD_CONFIG_PAGE_PROGRAMS 206

// The tree of pages, and the page dialogs in page order (ids given to them when they are created).
#define IDC_CONFIG_TREE 210
#define IDC_CONFIG_SAVE_NOTE 208
#define IDC_CONFIG_CLOSE 209
#define IDC_CONFIG_PAGE_FIRST 211

// "Gestures"
#define IDC_GESTURES_NOTE 220
#define IDC_LENGTH_PANEL 221
#define IDC_LENGTH_PREVIEW 222
#define IDC_X_PIXEL_LABEL 223
#define IDC_X_PIXEL 224
#define IDC_X_PIXEL_LOW 225
#define IDC_X_PIXEL_HIGH 226
#define IDC_Y_PIXEL_LABEL 227
#define IDC_Y_PIXEL 228
#define IDC_Y_PIXEL_LOW 229
#define IDC_Y_PIXEL_HIGH 230
#define IDC_SPEED_PANEL 231
#define IDC_DELTA_BIAS 232
#define IDC_DELTA_BIAS_LOW 233
#define IDC_DELTA_BIAS_HIGH 234
#define IDC_DISTANCE_PANEL 235
#define IDC_DISTANCE_BIAS 236
#define IDC_DISTANCE_BIAS_LOW 237
#define IDC_DISTANCE_BIAS_HIGH 238
#define IDC_PRECISE_RECOGNITION 280
#define IDC_PRECISE_RECOGNITION_NOTE 281

// "Help Popup"
#define IDC_HELP_POPUP_NOTE 240
#define IDC_ENABLE_HELP_POPUP 241
#define IDC_HELP_PAUSE_PANEL 242
#define IDC_HELP_PAUSE 243
#define IDC_HELP_PAUSE_LOW 244
#define IDC_HELP_PAUSE_HIGH 245

// "Scratchpad"
#define IDC_SCRATCHPAD_NOTE 250
#define IDC_ENABLE_SCRATCHPAD 251
#define IDC_FADE_TIME_PANEL 252
#define IDC_FADE_TIME 253
#define IDC_FADE_TIME_LOW 254
#define IDC_FADE_TIME_HIGH 255

// "Diagonals"
#define IDC_DIAGONALS_NOTE 260
#define IDC_ENABLE_DIAGONALS 261
#define IDC_SUGGESTIONS_NOTE 262
#define IDC_ENABLE_SUGGESTIONS 263
#define IDC_CORRECTIONS_NOTE 264
#define IDC_ENABLE_CORRECTIONS 265

// "Misc"
#define IDC_SCROLL_LOCK_HEADING 270
#define IDC_SCROLL_LOCK_NOTE 271
#define IDC_SIGN_IN_HEADING 272
#define IDC_SIGN_IN_NOTE 273
#define IDC_START_WITH_WINDOWS 274
#define IDC_CAPTURED_MOUSE_HEADING 275
#define IDC_IGNORE_CAPTURED_MOUSE 276
#define IDC_CAPTURED_MOUSE_NOTE 277
#define IDC_BYPASS_KEY_LABEL 278
#define IDC_BYPASS_KEY 279
#define IDC_SIGN_IN_OTHER_COPY 288
#define IDC_BYPASS_KEY_HEADING 289

// "Programs"
#define IDC_PROGRAMS_NOTE 290
#define IDC_PROGRAM_LIST 291
#define IDC_REMOVE_PROGRAM 292
#define IDC_ADD_PROGRAM_PANEL 293
#define IDC_ADD_PROGRAM_LABEL 294
#define IDC_ADD_PROGRAM_NAME 295
#define IDC_ADD_PROGRAM_LIST_LABEL 296
#define IDC_ADD_PROGRAM_LIST 297
#define IDC_ADD_PROGRAM 298
#define IDC_PROGRAMS_STATUS 299

// The gesture wizard: a modal window that walks the user from the direction buttons over the action type
// and its editor to a summary, for a new gesture or a change to an existing one. It writes no file: the
// gestures window stores what Finish hands back.
//
// Created once, hidden; each run shows it in front of its owner, which is disabled meanwhile, and holds
// a nested message loop until Finish, Cancel or the window's close ends it.
#pragma once

#include "base/diagnostic_log.h"
#include "editors/embedded_editors.h"
#include "editors/gesture_drawing_dialog_win.h"
#include "editors/gesture_editor_page_win.h"
#include "editors/gesture_wizard.h"
#include "editors/keystroke_dialog_win.h"
#include "editors/keystroke_frame_win.h"
#include "editors/keystroke_list_frame_win.h"
#include "editors/program_frame_win.h"
#include "editors/side_panel_art.h"
#include "gesture_sets/gesture_editing.h"
#include "platform/known_folders.h"
#include "platform/nested_loop.h"
#include "platform/text_code_page.h"
#include "platform/win32/dialog_base.h"
#include "platform/win32/unique_handle.h"

#include <windows.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace flickmark {

class GestureWizardWindow final : public GestureEditing, private win32::DialogBase {
public:
    struct Dependencies {
        NestedLoops& nestedLoops;
        DiagnosticLog& log;
        KeystrokeDialog& keystrokeDialog; // Add and Edit of the keystroke list
        KnownFolders& folders;            // the program's Browse menu
        const TextCodePage& codePage;     // what the gesture file can hold as 8-bit text
        // The recognizer's settings: diagonals at the start of each run, and how a drawing reads.
        std::function<RecognizerSettings()> recognizerSettings;
        HWND owner = nullptr; // disabled while the wizard runs
    };

    // The window is made for each run (a modal dialog).
    explicit GestureWizardWindow(Dependencies dependencies);
    ~GestureWizardWindow() override = default;

    using win32::DialogBase::hwnd;

    std::optional<GestureDefinition> newGesture(const std::vector<std::string>& existing,
                                                std::string_view gesture) override;
    std::optional<GestureDefinition> editGesture(const GestureDefinition& current, EditStart start,
                                                 const std::vector<std::string>& existing) override;

private:
    RecognizerSettings recognizerSettings() const {
        return deps_.recognizerSettings ? deps_.recognizerSettings() : RecognizerSettings{};
    }
    std::optional<INT_PTR> handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    // Makes the editors and shows the first page; false, after one log line, when the editors were not all
    // made: the wizard then does not open.
    bool initialise();
    std::optional<WizardResult> run();
    void showPage();
    // The window command page's buttons and the chosen command's description.
    void showCommand();
    void placeFocus();
    void goNext();
    void goBack();
    void end(bool accepted);
    void refusal(const std::string& message);
    void drawSidePanel(const DRAWITEMSTRUCT& item);

    Dependencies deps_;
    GestureWizard model_;
    EmbeddedEditors editors_;
    GestureDrawingDialog drawingDialog_;
    std::unique_ptr<GestureEditorPage> gesturePage_;
    std::unique_ptr<KeystrokeFrame> keystrokeFrame_;
    std::unique_ptr<KeystrokeListFrame> listFrame_;
    std::unique_ptr<ProgramFrame> programFrame_;
    bool running_ = false;
    std::optional<WizardResult> result_;
    win32::UniqueFont titleFont_;
    PanelPicture panelPicture_; // the side panel's picture at its last size
    UINT titleFontDpi_ = 0;
};

} // namespace flickmark

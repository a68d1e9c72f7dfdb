// The gestures window: the user sees one gesture set at a time, the global set or one program's, chooses
// another in the set selector, and deletes gestures. It is the program's first window and stays hidden
// until it is asked for; closing it saves the shown set (when it was edited) and hides it.
//
// Found by other processes as window class "FlickmarkGestures".
#pragma once

#include "base/diagnostic_log.h"
#include "gesture_sets/gesture_editing.h"
#include "gesture_sets/gesture_library_store.h"
#include "library/configuration_pages.h"
#include "library/gestures_window_model.h"
#include "library/set_copy_dialogs_win.h"
#include "platform/desktop.h"
#include "platform/message_boxes.h"
#include "platform/nested_loop.h"
#include "platform/win32/controls/combo_box_ex.h"
#include "platform/win32/controls/list_view.h"
#include "platform/win32/dialog_base.h"
#include "platform/win32/unique_handle.h"
#include "platform/window_focus.h"

#include <windows.h>

#include <commctrl.h> // after windows.h

#include <functional>
#include <optional>
#include <string>

namespace flickmark {

inline constexpr wchar_t kGesturesWindowClassName[] = L"FlickmarkGestures";

class GesturesWindow final : private win32::DialogBase {
public:
    struct Dependencies {
        GestureLibraryStore& store;
        Desktop& desktop;
        WindowFocus& focus;
        NestedLoops& nestedLoops;
        MessageBoxes& messages;
        ConfigurationPages& configuration;
        DiagnosticLog& log;
        HIMAGELIST pictures = nullptr; // the shared menu pictures, not owned; null shows none
        HICON icon = nullptr;          // the window's icons, not owned; may be null
        HICON smallIcon = nullptr;
        std::function<void()> showRecognizer; // Shift+click on the window's background
        GestureEditing& editing;              // new gestures and edits; asked only once the window is shown
    };

    // Creates the hidden window and loads "Gestures.ini" as the shown set (and the global copy). Throws
    // win32::Win32Error when the window cannot be created.
    explicit GesturesWindow(Dependencies dependencies);
    ~GesturesWindow() override = default;

    using win32::DialogBase::hwnd;

    // Shows the window in front: fills the set selector and loads the selected set again (unless it holds
    // edits whose save was refused). Logs "gestures window shown: N rows in X ms". A window already open is
    // only brought to the front.
    void show();
    // As the window's own close: saves the shown set if it was edited (a refused write is told once per
    // file) and hides the window.
    void close();
    // The program ends: saves without any message and hides the window.
    void closeForExit();
    // A gesture that was drawn and not found: shows the window on the set of `program` (an executable name;
    // empty for the global set), then the wizard on its action page with `gesture` chosen.
    void newGestureFor(const std::string& gesture, const std::string& program);

    bool isOpen() const { return ::IsWindowVisible(hwnd()) != FALSE; }

    // The editors behind "New Gesture", "Edit Gesture" and "Edit Action"; null leaves them disabled. Not
    // owned; must outlive the window or be replaced first.

private:
    std::optional<INT_PTR> handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void initialise();
    void layoutForDpi();
    std::optional<INT_PTR> onCommand(int id, int code);
    std::optional<INT_PTR> onNotify(const NMHDR& header);
    void onContextMenu(HWND control, POINT at);

    void fillSelector();
    void chooseSelectedSet();
    void showRows();
    void selectionChanged();
    void deleteSelectedRow();
    void newGesture(std::string_view gesture = {});
    std::vector<std::string> selectedGestures(const std::vector<int>& rows) const;
    // "Copy set to..." (every gesture of the shown set) and "Copy to..." (the selected ones).
    void copyGestures(const std::vector<std::string>& gestures, TransferScope scope);
    // "Import...": a gestures file into the shown set. "Export...": the shown set into a file.
    void importSet();
    void exportSet();
    // "Back up all gestures...".
    void backUp();
    // The end of a copy or an import: asks Merge or Replace when the target has gestures, then stores.
    void transfer(const GestureSet& source, const std::vector<std::string>& gestures, TransferScope scope,
                  const std::string& sourceName, const CopyTarget& target, bool import);
    void editSelectedRow(EditStart start);
    void storeEdited(const GestureDefinition& definition, const std::string* replaced);
    void tell(const ShownSetSave& saved);
    void drawPreview(const DRAWITEMSTRUCT& item) const;

    Dependencies deps_;
    GesturesWindowModel model_;
    CopyTargetDialog copyTarget_;
    CopyPlanDialog copyPlan_;
    win32::ComboBoxEx selector_;
    win32::ListView list_;
    HWND preview_ = nullptr;
    HWND tooltip_ = nullptr; // destroyed with the window, which owns it
    std::string previewGesture_;
};

} // namespace flickmark

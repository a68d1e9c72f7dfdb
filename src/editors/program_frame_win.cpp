#include "editors/program_frame_win.h"

#include "editors/action_editor_ids.h"
#include "editors/keystroke_controls_win.h"
#include "platform/win32/file_chooser.h"
#include "platform/win32/menu_builder.h"
#include "platform/win32/text_convert.h"
#include "platform/win32/unique_handle.h"
#include "platform/win32/window_messages.h"

#include <optional>
#include <span>
#include <string>
#include <vector>

namespace flickmark {
namespace {

constexpr POINT kBrowseMenuOffset{-30, 20};

} // namespace

ProgramFrame::ProgramFrame(HWND parent, ProgramEdit& model, KnownFolders& folders,
                           const TextCodePage& codePage, NestedLoops& nestedLoops, DiagnosticLog& log)
    : model_(model), folders_(folders), codePage_(codePage), nestedLoops_(nestedLoops), log_(log) {
    create(IDD_PROGRAM_FRAME, parent);
    refresh();
}

void ProgramFrame::refresh() {
    refreshing_ = true;
    ::SetDlgItemTextW(hwnd(), IDC_PROGRAM_PATH, win32::widen(model_.program()).c_str());
    ::SetDlgItemTextW(hwnd(), IDC_PROGRAM_PARAMETERS, win32::widen(model_.parameters()).c_str());
    refreshing_ = false;
    showCheck();
}

void ProgramFrame::onFieldChanged(int id) {
    if (refreshing_)
        return;
    std::string text = win32::narrow(win32::windowText(item(id)));
    if (id == IDC_PROGRAM_PATH)
        model_.setProgram(std::move(text));
    else
        model_.setParameters(std::move(text));
    showCheck();
}

void ProgramFrame::showCheck() {
    const FieldCheck check = model_.check();
    const std::string message = check.message.empty() ? model_.encodingNote(codePage_) : check.message;
    ::SetDlgItemTextW(hwnd(), IDC_PROGRAM_CHECK, win32::widen(message).c_str());
}

void ProgramFrame::browse() {
    constexpr UINT kFirstId = 1;
    const std::span<const ProgramLocation> locations = programLocations();
    win32::MenuBuilder menu;
    for (std::size_t i = 0; i < locations.size(); ++i)
        menu.item(kFirstId + static_cast<UINT>(i), locations[i].caption);
    const UINT chosen = menu.choose(nestedLoops_, hwnd(),
                                    win32::menuPositionFor(item(IDC_PROGRAM_BROWSE), kBrowseMenuOffset));
    if (chosen < kFirstId || chosen - kFirstId >= locations.size())
        return;
    chooseFileIn(ProgramEdit::startFolder(folders_, locations[chosen - kFirstId]));
}

void ProgramFrame::chooseFileIn(const std::string& folder) {
    win32::FileChooser chooser;
    chooser.owner = ::GetAncestor(hwnd(), GA_ROOT);
    chooser.folder = folder;
    if (std::optional<std::string> chosen = win32::chooseFileToOpen(nestedLoops_, log_, chooser)) {
        model_.chooseFile(std::move(*chosen));
        refresh();
    }
}

std::optional<INT_PTR> ProgramFrame::handleMessage(UINT message, WPARAM wParam, LPARAM) {
    if (message != WM_COMMAND)
        return std::nullopt;
    const int id = LOWORD(wParam);
    const int code = HIWORD(wParam);
    if ((id == IDC_PROGRAM_PATH || id == IDC_PROGRAM_PARAMETERS) && code == EN_CHANGE) {
        onFieldChanged(id);
        return TRUE;
    }
    if (id == IDC_PROGRAM_BROWSE && code == BN_CLICKED) {
        browse();
        return TRUE;
    }
    return std::nullopt;
}

} // namespace flickmark

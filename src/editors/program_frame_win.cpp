#include "editors/program_frame_win.h"

#include "editors/action_editor_ids.h"
#include "editors/keystroke_controls_win.h"
#include "platform/win32/menu_builder.h"
#include "platform/win32/text_convert.h"
#include "platform/win32/unique_handle.h"
#include "platform/win32/window_messages.h"

#include <commdlg.h>

#include <optional>
#include <span>
#include <string>
#include <vector>

namespace flickmark {
namespace {

constexpr POINT kBrowseMenuOffset{-30, 20};
// Long enough for any path the chooser can return in its classic form.
constexpr DWORD kChosenPathLength = 32768;

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
    std::vector<wchar_t> chosen(kChosenPathLength, L'\0');
    const std::wstring start = win32::widen(folder);
    OPENFILENAMEW chooser{};
    chooser.lStructSize = sizeof chooser;
    chooser.hwndOwner = ::GetAncestor(hwnd(), GA_ROOT);
    chooser.lpstrFilter = L"All files (*.*)\0*.*\0";
    chooser.nFilterIndex = 1;
    chooser.lpstrFile = chosen.data();
    chooser.nMaxFile = kChosenPathLength;
    chooser.lpstrInitialDir = start.empty() ? nullptr : start.c_str();
    chooser.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST |
                    OFN_ENABLESIZING | OFN_NOCHANGEDIR | OFN_DONTADDTORECENT;
    BOOL picked = FALSE;
    {
        const NestedLoopGuard guard(nestedLoops_);
        picked = ::GetOpenFileNameW(&chooser);
    }
    if (!picked) {
        if (const DWORD error = ::CommDlgExtendedError())
            log_.append("program editor: the file chooser failed (error " + std::to_string(error) + ")");
        return;
    }
    model_.chooseFile(win32::narrow(chosen.data()));
    refresh();
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

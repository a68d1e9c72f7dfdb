#include "editors/gesture_wizard_window_win.h"

#include "editors/gesture_editor_ids.h"
#include "editors/side_panel_art.h"
#include "platform/win32/controls/scrolling_text.h"
#include "platform/win32/dpi.h"
#include "platform/win32/last_error.h"
#include "platform/win32/text_convert.h"
#include "platform/win32/window_base.h"
#include "platform/win32/window_messages.h"
#include "platform/win32/window_placement.h"

#include <array>
#include <initializer_list>
#include <utility>
#include <vector>

namespace flickmark {
namespace {

constexpr wchar_t kWizardClassName[] = L"FlickmarkGestureWizard";
constexpr wchar_t kMessageCaption[] = L"Gesture Wizard";
constexpr wchar_t kNewSummaryText[] = L"Press Finish to create the new gesture.";
constexpr wchar_t kEditSummaryText[] = L"Press Finish to save the changes to the gesture.";

// The side panel's title, in points, and the direction of its arrow (up and to the right).
constexpr int kTitlePoints = 14;

// The button of a window or media command.
int commandButton(WindowCommand command) {
    return IDC_WIZARD_COMMAND_FIRST + static_cast<int>(command);
}

std::vector<int> commandPageControls() {
    std::vector<int> ids{IDC_WIZARD_COMMAND_TEXT, IDC_WIZARD_COMMAND_WINDOWS, IDC_WIZARD_COMMAND_MONITORS,
                         IDC_WIZARD_COMMAND_MEDIA, IDC_WIZARD_COMMAND_DESCRIPTION};
    for (const WindowCommandInfo& info : windowCommands())
        ids.push_back(commandButton(info.command));
    return ids;
}

// The controls each page shows, besides the editor embedded on it.
const std::array<std::vector<int>, kWizardPageCount> kPageControls = {{
    {IDC_WIZARD_GESTURE_TEXT},
    {IDC_WIZARD_TYPE_TEXT, IDC_WIZARD_TYPE_SINGLE, IDC_WIZARD_TYPE_MULTIPLE, IDC_WIZARD_TYPE_RUN,
     IDC_WIZARD_TYPE_COMMAND},
    {IDC_WIZARD_KEYSTROKE_TEXT},
    {IDC_WIZARD_LIST_TITLE, IDC_WIZARD_LIST_TEXT},
    {},
    commandPageControls(),
    {IDC_WIZARD_SUMMARY_TEXT, IDC_WIZARD_SUMMARY},
}};

constexpr std::array<std::pair<int, ActionType>, 4> kTypeButtons = {{
    {IDC_WIZARD_TYPE_SINGLE, ActionType::Keystroke},
    {IDC_WIZARD_TYPE_MULTIPLE, ActionType::MultipleKeystrokes},
    {IDC_WIZARD_TYPE_RUN, ActionType::RunProgram},
    {IDC_WIZARD_TYPE_COMMAND, ActionType::WindowCommand},
}};

RECT rectInParent(HWND control) {
    RECT bounds{};
    ::GetWindowRect(control, &bounds);
    ::MapWindowPoints(nullptr, ::GetParent(control), reinterpret_cast<POINT*>(&bounds), 2);
    return bounds;
}

std::wstring joinLines(const std::vector<std::string>& lines) {
    std::wstring text;
    for (const std::string& line : lines) {
        if (!text.empty())
            text += L"\r\n";
        text += win32::widen(line);
    }
    return text;
}

} // namespace

GestureWizardWindow::GestureWizardWindow(Dependencies dependencies)
    : deps_(std::move(dependencies)), drawingDialog_(deps_.nestedLoops, deps_.log) {
    win32::registerDialogClass(kWizardClassName);
}

// The wizard's window and its editors live for one run: made when it opens, gone when it ends.
bool GestureWizardWindow::initialise() {
    editors_ = EmbeddedEditors{};
    editors_.make("direction buttons", [this] {
        gesturePage_ =
            std::make_unique<GestureEditorPage>(hwnd(), model_.gestureEditor(), [this](HWND owner) {
                return drawingDialog_.draw(owner, recognizerSettings());
            });
    });
    editors_.make("keystroke", [this] {
        keystrokeFrame_ = std::make_unique<KeystrokeFrame>(hwnd(), model_.keystrokeEdit(), deps_.nestedLoops);
    });
    editors_.make("keystroke list", [this] {
        listFrame_ = std::make_unique<KeystrokeListFrame>(hwnd(), model_.keystrokeListEditor(),
                                                          deps_.keystrokeDialog, deps_.nestedLoops);
    });
    editors_.make("program", [this] {
        programFrame_ = std::make_unique<ProgramFrame>(hwnd(), model_.programEditor(), deps_.folders,
                                                       deps_.codePage, deps_.nestedLoops, deps_.log);
    });
    if (const std::optional<std::string> refusal = editors_.openingRefusal("gesture wizard")) {
        deps_.log.append(*refusal);
        return false;
    }
    // Each editor goes where its host marks the place, and after it in the Tab order.
    const std::pair<HWND, int> placements[] = {{gesturePage_->hwnd(), IDC_WIZARD_GESTURE_HOST},
                                               {keystrokeFrame_->hwnd(), IDC_WIZARD_KEYSTROKE_HOST},
                                               {listFrame_->hwnd(), IDC_WIZARD_LIST_HOST},
                                               {programFrame_->hwnd(), IDC_WIZARD_PROGRAM_HOST}};
    for (const auto& [frame, hostId] : placements) {
        const RECT host = rectInParent(item(hostId));
        ::SetWindowPos(frame, item(hostId), host.left, host.top, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
    }
    for (const WindowCommandInfo& info : windowCommands())
        ::SetDlgItemTextW(hwnd(), commandButton(info.command), win32::widen(info.name).c_str());
    showPage();
    win32::centreOnOwner(hwnd(), deps_.owner);
    placeFocus();
    return true;
}

std::optional<GestureDefinition> GestureWizardWindow::newGesture(const std::vector<std::string>& existing,
                                                                 std::string_view gesture) {
    if (running_)
        return std::nullopt;
    model_.startNew(existing, recognizerSettings().enableDiagonals, gesture);
    std::optional<WizardResult> result = run();
    if (!result)
        return std::nullopt;
    return std::move(result->definition);
}

std::optional<GestureDefinition> GestureWizardWindow::editGesture(const GestureDefinition& current,
                                                                  EditStart start,
                                                                  const std::vector<std::string>& existing) {
    if (running_)
        return std::nullopt;
    for (const std::string& line :
         model_.startEdit(current, start, existing, recognizerSettings().enableDiagonals))
        deps_.log.append(line);
    std::optional<WizardResult> result = run();
    if (!result)
        return std::nullopt;
    return std::move(result->definition);
}

// A modal run, as every dialog of the program runs one: the owner is disabled, so the user works in the
// wizard until it ends; a quit message that arrives meanwhile ends it as a cancel and reaches the main loop.
std::optional<WizardResult> GestureWizardWindow::run() {
    result_.reset();
    running_ = true;
    const INT_PTR ended = runModal(deps_.nestedLoops, IDD_GESTURE_WIZARD, deps_.owner);
    running_ = false;
    // The editors went with the window.
    gesturePage_.reset();
    keystrokeFrame_.reset();
    listFrame_.reset();
    programFrame_.reset();
    if (ended == -1)
        deps_.log.append("The gesture wizard could not be opened (error " + std::to_string(::GetLastError()) +
                         ")");
    return std::exchange(result_, std::nullopt);
}

void GestureWizardWindow::showPage() {
    const auto current = static_cast<std::size_t>(model_.page());
    for (std::size_t page = 0; page < kWizardPageCount; ++page)
        for (const int id : kPageControls[page])
            ::ShowWindow(item(id), page == current ? SW_SHOWNA : SW_HIDE);
    if (editors_.complete()) {
        const auto place = [this](HWND frame, WizardPage page) {
            ::ShowWindow(frame, model_.page() == page ? SW_SHOWNA : SW_HIDE);
        };
        gesturePage_->refresh();
        keystrokeFrame_->refresh();
        listFrame_->refresh();
        programFrame_->refresh();
        place(gesturePage_->hwnd(), WizardPage::Gesture);
        place(keystrokeFrame_->hwnd(), WizardPage::Keystroke);
        place(listFrame_->hwnd(), WizardPage::KeystrokeList);
        place(programFrame_->hwnd(), WizardPage::Program);
    }

    // A gesture of a type this version does not know: its stored action, read-only, and the choice to keep
    // it.
    const bool unknownShown = model_.page() == WizardPage::ActionType && model_.unknownType();
    for (const int id : {IDC_WIZARD_TYPE_KEEP, IDC_WIZARD_UNKNOWN_NOTE, IDC_WIZARD_UNKNOWN_ACTION})
        ::ShowWindow(item(id), unknownShown ? SW_SHOWNA : SW_HIDE);

    switch (model_.page()) {
    case WizardPage::ActionType:
        for (const auto& [id, type] : kTypeButtons)
            ::CheckDlgButton(hwnd(), id, model_.actionType() == type ? BST_CHECKED : BST_UNCHECKED);
        ::CheckDlgButton(hwnd(), IDC_WIZARD_TYPE_KEEP, model_.actionType() ? BST_UNCHECKED : BST_CHECKED);
        if (unknownShown) {
            ::SetDlgItemTextW(hwnd(), IDC_WIZARD_UNKNOWN_NOTE,
                              win32::widen(model_.unknownTypeNote()).c_str());
            ::SetDlgItemTextW(hwnd(), IDC_WIZARD_UNKNOWN_ACTION,
                              win32::widen(model_.unknownAction()).c_str());
        }
        break;
    case WizardPage::WindowCommand:
        showCommand();
        break;
    case WizardPage::Summary:
        ::SetDlgItemTextW(hwnd(), IDC_WIZARD_SUMMARY_TEXT,
                          model_.editMode() ? kEditSummaryText : kNewSummaryText);
        win32::ScrollingText(item(IDC_WIZARD_SUMMARY)).setText(joinLines(model_.summary()).c_str());
        break;
    default:
        break;
    }

    ::EnableWindow(item(IDC_WIZARD_BACK), model_.canGoBack() ? TRUE : FALSE);
    ::EnableWindow(item(IDC_WIZARD_NEXT), model_.canGoNext() ? TRUE : FALSE);
    ::EnableWindow(item(IDC_WIZARD_FINISH), model_.canFinish() ? TRUE : FALSE);
    // Enter presses Next, and Finish on the last page.
    const int defaultButton = model_.canFinish() ? IDC_WIZARD_FINISH : IDC_WIZARD_NEXT;
    const int otherButton = model_.canFinish() ? IDC_WIZARD_NEXT : IDC_WIZARD_FINISH;
    setDefaultButton(defaultButton, otherButton);
}

void GestureWizardWindow::placeFocus() {
    const auto focusOn = [this](HWND control) { focusControl(control); };
    switch (model_.page()) {
    case WizardPage::Gesture:
        if (gesturePage_)
            gesturePage_->focusButtons();
        break;
    case WizardPage::ActionType:
        // The checked button: focusing an unchecked radio button would check it.
        for (const auto& [id, type] : kTypeButtons)
            if (model_.actionType() == type)
                focusOn(item(id));
        if (!model_.actionType())
            focusOn(item(IDC_WIZARD_TYPE_KEEP));
        break;
    case WizardPage::Keystroke:
        if (keystrokeFrame_)
            keystrokeFrame_->focusKeyField();
        break;
    case WizardPage::KeystrokeList:
        if (listFrame_)
            focusOn(::GetNextDlgTabItem(listFrame_->hwnd(), nullptr, FALSE));
        break;
    case WizardPage::Program:
        if (programFrame_)
            focusOn(::GetNextDlgTabItem(programFrame_->hwnd(), nullptr, FALSE));
        break;
    case WizardPage::WindowCommand:
        if (const std::optional<WindowCommand> command = model_.windowCommandEditor().command())
            focusOn(item(commandButton(*command)));
        break;
    case WizardPage::Summary:
        focusOn(item(IDC_WIZARD_FINISH));
        break;
    }
}

void GestureWizardWindow::showCommand() {
    const WindowCommandEdit& editor = model_.windowCommandEditor();
    for (const WindowCommandInfo& info : windowCommands())
        ::CheckDlgButton(hwnd(), commandButton(info.command),
                         editor.command() == info.command ? BST_CHECKED : BST_UNCHECKED);
    ::SetDlgItemTextW(hwnd(), IDC_WIZARD_COMMAND_DESCRIPTION, win32::widen(editor.description()).c_str());
}

void GestureWizardWindow::goNext() {
    if (const std::optional<std::string> message = model_.next()) {
        refusal(*message);
        return;
    }
    showPage();
    placeFocus();
}

void GestureWizardWindow::goBack() {
    model_.back();
    showPage();
    placeFocus();
}

void GestureWizardWindow::end(bool accepted) {
    if (accepted) {
        result_ = model_.finish();
        if (!result_)
            return;
    }
    endModal(accepted ? IDOK : IDCANCEL);
}

void GestureWizardWindow::refusal(const std::string& message) {
    const std::wstring text = win32::widen(message);
    {
        const NestedLoopGuard guard(deps_.nestedLoops);
        ::MessageBoxW(hwnd(), text.c_str(), kMessageCaption, MB_OK | MB_ICONWARNING);
    }
    // The focus goes back where it was, on Next.
}

// A grey band with the product's name and a large arrow.
// The installer's picture, rendered for the panel's size, under the program's name.
void GestureWizardWindow::drawSidePanel(const DRAWITEMSTRUCT& item) {
    const RECT& bounds = item.rcItem;
    const int width = bounds.right - bounds.left;
    const int height = bounds.bottom - bounds.top;
    if (panelPicture_.width != width || panelPicture_.height != height)
        panelPicture_ = renderSidePanel(width, height);
    if (!panelPicture_.pixels.empty()) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height; // top-down rows
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        ::SetDIBitsToDevice(item.hDC, bounds.left, bounds.top, static_cast<DWORD>(width),
                            static_cast<DWORD>(height), 0, 0, 0, static_cast<UINT>(height),
                            panelPicture_.pixels.data(), &info, DIB_RGB_COLORS);
    }
    const UINT dpi = win32::dpiOfWindow(hwnd());
    if (!titleFont_ || titleFontDpi_ != dpi) {
        LOGFONTW face{};
        if (const auto dialogFont = win32::fontOf(hwnd()))
            ::GetObjectW(dialogFont, sizeof face, &face);
        face.lfHeight = -::MulDiv(kTitlePoints, static_cast<int>(dpi), 72);
        face.lfWidth = 0;
        face.lfWeight = FW_BOLD;
        face.lfQuality = CLEARTYPE_QUALITY;
        titleFont_.reset(::CreateFontIndirectW(&face));
        titleFontDpi_ = dpi;
    }
    const int margin = win32::scaleToDpi(12, dpi);
    RECT title{bounds.left, bounds.top + margin, bounds.right, bounds.top + margin * 4};
    const HGDIOBJ oldFont = ::SelectObject(item.hDC, titleFont_.get());
    const int oldMode = ::SetBkMode(item.hDC, TRANSPARENT);
    const COLORREF oldColour = ::SetTextColor(item.hDC, RGB(255, 255, 255));
    ::DrawTextW(item.hDC, L"Flickmark", -1, &title, DT_CENTER | DT_SINGLELINE | DT_TOP | DT_NOPREFIX);
    ::SetTextColor(item.hDC, oldColour);
    ::SetBkMode(item.hDC, oldMode);
    ::SelectObject(item.hDC, oldFont);
}

std::optional<INT_PTR> GestureWizardWindow::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        if (!initialise())
            endModal(IDCANCEL);
        return FALSE; // the focus is placed
    case WM_COMMAND: {
        const int id = LOWORD(wParam);
        const int code = HIWORD(wParam);
        switch (id) {
        case IDC_WIZARD_NEXT:
            goNext();
            return TRUE;
        case IDC_WIZARD_BACK:
            goBack();
            return TRUE;
        case IDC_WIZARD_FINISH:
            end(true);
            return TRUE;
        case IDCANCEL: // Escape, the Cancel button, the close box
            end(false);
            return TRUE;
        default:
            for (const auto& [button, type] : kTypeButtons)
                if (id == button && code == BN_CLICKED)
                    model_.selectActionType(type);
            if (id == IDC_WIZARD_TYPE_KEEP && code == BN_CLICKED)
                model_.keepStoredAction();
            for (const WindowCommandInfo& info : windowCommands())
                if (id == commandButton(info.command) && code == BN_CLICKED) {
                    model_.windowCommandEditor().choose(info.command);
                    showCommand();
                }
            return std::nullopt;
        }
    }
    case WM_DRAWITEM:
        if (wParam == IDC_WIZARD_SIDE_PANEL) {
            drawSidePanel(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
            return TRUE;
        }
        return std::nullopt;
    case WM_DPICHANGED:
        win32::moveToSuggestedRect(hwnd(), lParam);
        return TRUE;
    case WM_CLOSE:
        end(false);
        return TRUE;
    default:
        return std::nullopt;
    }
}

} // namespace flickmark

#include "library/gestures_window_win.h"

#include "base/direction.h"
#include "library/data_backup.h"
#include "library/gestures_dialog_ids.h"
#include "overlays/gesture_preview.h"
#include "overlays/gesture_preview_win.h"
#include "platform/win32/controls/button.h"
#include "platform/win32/controls/tooltip.h"
#include "platform/win32/dpi.h"
#include "platform/win32/file_chooser.h"
#include "platform/win32/last_error.h"
#include "platform/win32/menu_builder.h"
#include "platform/win32/show_in_front.h"
#include "platform/win32/text_convert.h"
#include "platform/win32/window_base.h"

#include <windowsx.h>

#include <algorithm>
#include <cmath>
#include <utility>

namespace flickmark {
namespace {

// Column titles and widths (logical pixels) of the gesture list.
struct Column {
    const wchar_t* title;
    int width;
};
constexpr Column kColumns[] = {{L"Gesture", 200}, {L"Action Type", 130}, {L"Action", 220}};
constexpr UINT_PTR kListSubclassId = 1;

// The last column fills the rest of the list's width. Beside the vertical scroll bar the columns are a
// pixel wider than the list at 100 %: the last one gives up some of its width rather than make the list
// scroll sideways, down to half of it.
void fillWithLastColumn(HWND list) noexcept {
    const int narrowest =
        win32::scaleToDpi(kColumns[std::size(kColumns) - 1].width / 2, win32::dpiOfWindow(list));
    win32::ListView(list).fillWithLastColumn(narrowest);
}

// The list's client area changes its width when the list is resized and when its vertical scroll bar comes
// or goes; the system shows the bar when the rows no longer fit, at times only after the row count was set.
LRESULT CALLBACK listProc(HWND list, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
    const LRESULT result = ::DefSubclassProc(list, message, wParam, lParam);
    if (message == WM_SIZE)
        fillWithLastColumn(list);
    else if (message == WM_NCDESTROY)
        ::RemoveWindowSubclass(list, &listProc, kListSubclassId);
    return result;
}

constexpr wchar_t kListHint[] = L"Right-Click to edit";
constexpr int kKeepCurrentPage = -1;

// The commands of the list's menu.
enum MenuCommand : UINT { EditGesture = 1, EditAction, CopyTo, Delete };

// With one decimal, as "12.3" (the C library's printing of decimals would add 30 KB to the exe).
std::string formatMilliseconds(double ms) {
    const auto tenths = static_cast<long long>(std::llround(ms * 10));
    return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10);
}

double millisecondsSince(const LARGE_INTEGER& start) {
    LARGE_INTEGER now{};
    LARGE_INTEGER frequency{};
    ::QueryPerformanceCounter(&now);
    ::QueryPerformanceFrequency(&frequency);
    return static_cast<double>(now.QuadPart - start.QuadPart) * 1000.0 /
           static_cast<double>(frequency.QuadPart);
}

void copyText(const std::string& text, wchar_t* buffer, int capacity) {
    if (!buffer || capacity <= 0)
        return;
    const std::wstring wide = win32::widen(text);
    const std::size_t length = std::min(wide.size(), static_cast<std::size_t>(capacity - 1));
    std::copy_n(wide.data(), length, buffer);
    buffer[length] = L'\0';
}

} // namespace

GesturesWindow::GesturesWindow(Dependencies dependencies)
    : deps_(std::move(dependencies)), model_(deps_.store), copyTarget_(deps_.nestedLoops),
      copyPlan_(deps_.nestedLoops) {
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof controls;
    controls.dwICC = ICC_USEREX_CLASSES | ICC_LISTVIEW_CLASSES | ICC_TAB_CLASSES;
    ::InitCommonControlsEx(&controls);
    win32::registerDialogClass(kGesturesWindowClassName, deps_.icon, deps_.smallIcon);
    create(IDD_GESTURES, nullptr);
}

void GesturesWindow::initialise() {
    selector_ = win32::ComboBoxEx(item(IDC_GESTURES_SELECT));
    list_ = win32::ListView(item(IDC_GESTURES_LIST));
    preview_ = item(IDC_GESTURES_PREVIEW);
    if (deps_.pictures)
        selector_.setImageList(deps_.pictures);
    list_.setExtendedStyle(LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER);
    for (int i = 0; i < static_cast<int>(std::size(kColumns)); ++i)
        list_.insertColumn(i, kColumns[i].title, kColumns[i].width);
    ::SetWindowSubclass(list_.hwnd(), &listProc, kListSubclassId, 0);

    tooltip_ = ::CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, 0, 0, 0,
                                 0, hwnd(), nullptr, win32::moduleInstance(), nullptr);
    if (tooltip_) {
        for (const HWND control : {selector_.comboControl(), list_.hwnd()}) {
            win32::Tooltip(tooltip_).addControlTool(hwnd(), control, kListHint);
        }
    }
    layoutForDpi();
    fillSelector();
    showRows();
}

// The template's dialog units follow the font; the column widths and the preview are pixel sizes.
void GesturesWindow::layoutForDpi() {
    const UINT dpi = win32::dpiOfWindow(hwnd());
    for (int i = 0; i < static_cast<int>(std::size(kColumns)); ++i)
        list_.setColumnWidth(i, win32::scaleToDpi(kColumns[i].width, dpi));
    fillWithLastColumn(list_.hwnd());

    RECT outer{};
    RECT inner{};
    ::GetWindowRect(preview_, &outer);
    ::GetClientRect(preview_, &inner);
    const int width = win32::scaleToDpi(kGesturePreviewWidth, dpi) + (outer.right - outer.left) - inner.right;
    const int height =
        win32::scaleToDpi(kGesturePreviewHeight, dpi) + (outer.bottom - outer.top) - inner.bottom;
    // Centred on the buttons below it.
    RECT button{};
    ::GetWindowRect(item(IDC_GESTURES_NEW), &button);
    ::MapWindowPoints(nullptr, hwnd(), reinterpret_cast<POINT*>(&button), 2);
    ::MapWindowPoints(nullptr, hwnd(), reinterpret_cast<POINT*>(&outer), 2);
    const int left = button.left + ((button.right - button.left) - width) / 2;
    ::SetWindowPos(preview_, nullptr, left, outer.top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void GesturesWindow::show() {
    // Already open, perhaps minimized: only brought to the front, with nothing saved or read again.
    if (isOpen()) {
        win32::showInFront(hwnd());
        return;
    }
    LARGE_INTEGER started{};
    ::QueryPerformanceCounter(&started);
    model_.refreshSelector(openProgramNames(deps_.desktop, deps_.focus));
    model_.reload();
    fillSelector();
    showRows();
    win32::showInFront(hwnd());
    ::UpdateWindow(hwnd());
    deps_.log.append("gestures window shown: " + std::to_string(model_.rows().size()) + " rows in " +
                     formatMilliseconds(millisecondsSince(started)) + " ms");
}

void GesturesWindow::close() {
    const ShownSetSave saved = model_.save();
    ::ShowWindow(hwnd(), SW_HIDE);
    tell(saved);
}

void GesturesWindow::closeForExit() {
    model_.saveForExit();
    ::ShowWindow(hwnd(), SW_HIDE);
}

// The items the model has that the control lacks are appended; items already there keep their places.
void GesturesWindow::fillSelector() {
    const auto& items = model_.selectorItems();
    for (int i = 0; i < static_cast<int>(items.size()); ++i) {
        const std::wstring text = win32::widen(items[i].fileName);
        const int image = items[i].hasImage ? kGestureFileImage : win32::ComboBoxEx::kNoImage;
        if (i < selector_.count())
            selector_.setItem(i, text, image);
        else
            selector_.addItem(text, image);
    }
    selector_.select(static_cast<int>(model_.selectedItem()));
    if (tooltip_) {
        const std::wstring hint = win32::widen(model_.hint());
        win32::Tooltip(tooltip_).setText(hwnd(), reinterpret_cast<UINT_PTR>(selector_.comboControl()),
                                         hint.c_str());
    }
}

void GesturesWindow::chooseSelectedSet() {
    const int index = selector_.selectedIndex();
    if (index < 0 || static_cast<std::size_t>(index) == model_.selectedItem())
        return;
    const ShownSetSave saved = model_.select(static_cast<std::size_t>(index));
    fillSelector();
    showRows();
    tell(saved);
}

void GesturesWindow::showRows() {
    list_.setVirtualRowCount(static_cast<int>(model_.rows().size()));
    ::InvalidateRect(list_.hwnd(), nullptr, TRUE);
    selectionChanged();
}

void GesturesWindow::selectionChanged() {
    // Edit acts on one gesture, Delete on every selected one.
    const std::size_t selected = list_.selectedRows().size();
    ::EnableWindow(item(IDC_GESTURES_EDIT), selected == 1 ? TRUE : FALSE);
    ::EnableWindow(item(IDC_GESTURES_DELETE), selected > 0 ? TRUE : FALSE);
    const HWND focus = ::GetFocus();
    if (focus && (focus == item(IDC_GESTURES_EDIT) || focus == item(IDC_GESTURES_DELETE)) &&
        !::IsWindowEnabled(focus))
        ::SetFocus(list_.hwnd());
    const int row = list_.selectedRow();
    const auto& rows = model_.rows();
    std::string gesture = row >= 0 && row < static_cast<int>(rows.size()) ? rows[row].gesture : std::string();
    if (gesture == previewGesture_)
        return;
    previewGesture_ = std::move(gesture);
    ::InvalidateRect(preview_, nullptr, FALSE);
}

void GesturesWindow::deleteSelectedRow() {
    const std::vector<int> rows = list_.selectedRows();
    if (rows.empty())
        return;
    // From the last, so that the rows still to go keep their numbers.
    for (auto it = rows.rbegin(); it != rows.rend(); ++it) {
        if (*it >= static_cast<int>(model_.rows().size()))
            continue;
        deps_.log.append("gestures window: deleted " + model_.rows()[static_cast<std::size_t>(*it)].name +
                         " from " + model_.shownSet().fileName);
        model_.removeRow(static_cast<std::size_t>(*it));
    }
    const int row = rows.front();
    const int remaining = static_cast<int>(model_.rows().size());
    list_.setVirtualRowCount(remaining);
    ::InvalidateRect(list_.hwnd(), nullptr, TRUE);
    // The row that took its place is selected, so Delete can be pressed again.
    list_.selectRow(remaining == 0 ? -1 : std::min(row, remaining - 1));
    selectionChanged();
}

void GesturesWindow::newGesture(std::string_view gesture) {
    const std::optional<GestureDefinition> created =
        deps_.editing.newGesture(model_.shownSet().gestureStrings(), gesture);
    if (created)
        storeEdited(*created, nullptr);
}

void GesturesWindow::newGestureFor(const std::string& gesture, const std::string& program) {
    // A dialog of the window is open (the wizard, a message): its set must not change under it.
    if (isOpen() && ::IsWindowEnabled(hwnd()) == FALSE) {
        deps_.log.append("gestures window: a dialog is open, so the new gesture " +
                         gestureDisplayName(gesture) + " was not started");
        return;
    }
    show();
    const ShownSetSave saved = model_.selectSetOf(program);
    fillSelector();
    showRows();
    tell(saved);
    newGesture(gesture);
}

std::vector<std::string> GesturesWindow::selectedGestures(const std::vector<int>& rows) const {
    std::vector<std::string> gestures;
    for (const int row : rows)
        if (row >= 0 && row < static_cast<int>(model_.rows().size()))
            gestures.push_back(model_.rows()[static_cast<std::size_t>(row)].gesture);
    return gestures;
}

void GesturesWindow::copyGestures(const std::vector<std::string>& gestures, TransferScope scope) {
    const std::string shownFile = model_.shownSet().fileName;
    const std::string source = setOwnerName(shownFile);
    std::string prompt;
    if (scope == TransferScope::Chosen)
        prompt = gestures.size() == 1
                     ? "Copy " + gestureDisplayName(gestures.front()) + " to:"
                     : "Copy the " + std::to_string(gestures.size()) + " chosen gestures to:";
    else if (isGlobalGestureFile(shownFile))
        prompt = "Copy the global gestures to:";
    else
        prompt = "Copy the gestures of " + source + " to:";
    const std::vector<std::string> choices = copyTargetChoices(openProgramNames(deps_.desktop, deps_.focus),
                                                               deps_.store.listProgramFiles(), shownFile);
    if (const std::optional<CopyTarget> target = copyTarget_.choose(hwnd(), prompt, choices, shownFile))
        transfer(model_.shownSet(), gestures, scope, source, *target, false);
}

void GesturesWindow::transfer(const GestureSet& source, const std::vector<std::string>& gestures,
                              TransferScope scope, const std::string& sourceName, const CopyTarget& target,
                              bool import) {
    GestureSet into = model_.copyTarget(target.fileName);
    CopyPlanView view(planTransfer(source, gestures, into, scope), sourceName, target.program, scope);
    // A set without gestures simply takes them; one with gestures is asked how.
    const bool asked = !into.gestureStrings().empty();
    if (asked && !copyPlan_.decide(hwnd(), view, import ? "Import Gestures" : "Copy Gestures",
                                   import ? "Import" : "Copy"))
        return;
    const CopyOutcome outcome =
        model_.storeCopy(std::move(into), view.plan(), view.mode(), view.takeSource());
    deps_.log.append(
        "gestures window: " + std::string(import ? "import" : "copy") + " from " + sourceName + " to " +
        target.fileName + (view.mode() == TransferMode::Merge ? " (merge): " : " (replace): ") +
        std::to_string(outcome.changed) + " gestures changed" + (outcome.saved ? "" : ", not saved"));
    if (!outcome.saved) {
        deps_.messages.warn(outcome.message);
        return;
    }
    model_.refreshSelector({});
    fillSelector();
}

namespace {

constexpr std::wstring_view kGestureFileFilter = L"Gesture files (*.ini)\0*.ini\0All files (*.*)\0*.*\0\0";

std::string fileNameOf(const std::string& path) {
    const std::size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

} // namespace

void GesturesWindow::importSet() {
    win32::FileChooser chooser;
    chooser.owner = hwnd();
    chooser.filter = kGestureFileFilter;
    const std::optional<std::string> path = win32::chooseFileToOpen(deps_.nestedLoops, deps_.log, chooser);
    if (!path)
        return;
    const GestureSet source = deps_.store.readSetFile(*path);
    if (source.fileUnreadable || source.gestureStrings().empty()) {
        deps_.messages.warn(
            (source.fileUnreadable ? *path + " could not be read." : *path + " holds no gestures.") +
            "\n\nNothing was imported.");
        return;
    }
    // The shown set's edits are saved first, so that the import starts from its file.
    const ShownSetSave saved = model_.save();
    if (!saved.saved) {
        deps_.messages.warn(saved.warning.empty()
                                ? model_.shownSet().fileName + " could not be saved, so nothing was imported."
                                : saved.warning);
        return;
    }
    const std::string shownFile = model_.shownSet().fileName;
    transfer(source, source.gestureStrings(), TransferScope::WholeSet, fileNameOf(*path),
             CopyTarget{shownFile, setOwnerName(shownFile), {}}, true);
    model_.reload();
    showRows();
}

void GesturesWindow::exportSet() {
    const GestureSet& shown = model_.shownSet();
    if (shown.gestureStrings().empty()) {
        deps_.messages.warn(setOwnerName(shown.fileName) + " has no gestures to export.");
        return;
    }
    win32::FileChooser chooser;
    chooser.owner = hwnd();
    chooser.filter = kGestureFileFilter;
    chooser.fileName = shown.fileName;
    chooser.extension = L"ini";
    const std::optional<std::string> path = win32::chooseFileToSave(deps_.nestedLoops, deps_.log, chooser);
    if (!path)
        return;
    if (!deps_.store.exportSet(shown, *path)) {
        deps_.messages.warn("Unable to write to\n" + *path + "\n\nNothing was exported.");
        return;
    }
    deps_.log.append("gestures window: exported " + shown.fileName + " to " + *path);
}

void GesturesWindow::backUp() {
    // What the window holds goes into the backup too.
    const ShownSetSave saved = model_.save();
    tell(saved);
    const std::optional<std::string> folder =
        win32::chooseFolder(deps_.nestedLoops, hwnd(),
                            "Choose a folder. A folder named with today's date is made in it for the "
                            "copies of every gesture and settings file.");
    if (!folder)
        return;
    SYSTEMTIME today{};
    ::GetLocalTime(&today);
    const BackupOutcome outcome = backUpDataFolder(deps_.store.fileSystem(), deps_.store.dataFolder(),
                                                   *folder, {today.wYear, today.wMonth, today.wDay});
    deps_.log.append("gestures window: backed up " + std::to_string(outcome.copied.size()) + " files to " +
                     (outcome.folder.empty() ? *folder : outcome.folder) +
                     (outcome.failure.empty() ? "" : " (" + outcome.failure + ")"));
    if (!outcome.failure.empty()) {
        deps_.messages.warn(outcome.failure);
        return;
    }
    deps_.messages.inform("Every gesture and settings file (" + std::to_string(outcome.copied.size()) +
                          " files) was copied to\n" + outcome.folder);
}

void GesturesWindow::editSelectedRow(EditStart start) {
    const int row = list_.selectedRow();
    if (row < 0 || row >= static_cast<int>(model_.rows().size()))
        return;
    const std::optional<GestureDefinition> current = model_.definitionOfRow(static_cast<std::size_t>(row));
    if (!current)
        return;
    const std::optional<GestureDefinition> edited =
        deps_.editing.editGesture(*current, start, model_.shownSet().gestureStrings());
    // A gesture that ends as it was stored writes nothing.
    if (edited && model_.changes(*edited, current->gesture))
        storeEdited(*edited, &current->gesture);
}

// A gesture from the editors is saved at once: lookups read the program's file, and the global copy
// follows the saves of "Gestures.ini", so the gesture works as soon as it is drawn.
void GesturesWindow::storeEdited(const GestureDefinition& definition, const std::string* replaced) {
    const std::string fileName = model_.shownSet().fileName;
    if (replaced && *replaced != definition.gesture)
        deps_.log.append("gestures window: " + gestureDisplayName(*replaced) + " renamed to " +
                         gestureDisplayName(definition.gesture) + " in " + fileName);
    else
        deps_.log.append("gestures window: stored " + gestureDisplayName(definition.gesture) + " in " +
                         fileName);
    const std::size_t row = model_.storeGesture(definition, replaced);
    const ShownSetSave saved = model_.save();
    list_.setVirtualRowCount(static_cast<int>(model_.rows().size()));
    ::InvalidateRect(list_.hwnd(), nullptr, TRUE);
    list_.selectRow(static_cast<int>(row));
    selectionChanged();
    tell(saved);
}

void GesturesWindow::tell(const ShownSetSave& saved) {
    if (saved.warning.empty())
        return;
    deps_.messages.warn(saved.warning);
}

void GesturesWindow::drawPreview(const DRAWITEMSTRUCT& item) const {
    const int width = item.rcItem.right - item.rcItem.left;
    const int height = item.rcItem.bottom - item.rcItem.top;
    const double scale = static_cast<double>(win32::dpiOfWindow(hwnd())) / win32::kDefaultDpi;
    drawGesturePreview(item.hDC, layoutGesturePreview(previewGesture_, width, height, scale));
}

void GesturesWindow::onContextMenu(HWND control, POINT at) {
    if (control != list_.hwnd())
        return;
    const std::vector<int> rows = list_.selectedRows();
    at = list_.contextMenuPoint(at);
    win32::MenuBuilder menu;
    if (!menu.complete()) {
        deps_.log.append("gestures window: the menu could not be built");
        return;
    }
    const bool editable = rows.size() == 1;
    menu.item(EditGesture, "Edit &Gesture...", {editable})
        .item(EditAction, "Edit &Action...", {editable})
        .item(CopyTo, "&Copy to...", {!rows.empty()})
        .separator();
    menu.item(Delete, "&Delete", {!rows.empty()});
    const UINT chosen = menu.choose(deps_.nestedLoops, hwnd(), at);
    if (chosen == Delete)
        deleteSelectedRow();
    else if (chosen == EditGesture)
        editSelectedRow(EditStart::Gesture);
    else if (chosen == EditAction)
        editSelectedRow(EditStart::Action);
    else if (chosen == CopyTo)
        copyGestures(selectedGestures(rows), TransferScope::Chosen);
}

std::optional<INT_PTR> GesturesWindow::onCommand(int id, int code) {
    switch (id) {
    case IDCANCEL: // Escape
        close();
        return TRUE;
    case IDC_GESTURES_CONFIGURE:
        if (code == BN_CLICKED)
            deps_.configuration.openConfiguration(kKeepCurrentPage);
        return TRUE;
    case IDC_GESTURES_NEW:
        if (code == BN_CLICKED)
            newGesture();
        return TRUE;
    case IDC_GESTURES_EDIT: // as a double click: the action, Back reaching the gesture
        if (code == BN_CLICKED)
            editSelectedRow(EditStart::Action);
        return TRUE;
    case IDC_GESTURES_DELETE:
        if (code == BN_CLICKED)
            deleteSelectedRow();
        return TRUE;
    case IDC_GESTURES_COPY_SET:
        if (code == BN_CLICKED)
            copyGestures(model_.shownSet().gestureStrings(), TransferScope::WholeSet);
        return TRUE;
    case IDC_GESTURES_EXPORT:
        if (code == BN_CLICKED)
            exportSet();
        return TRUE;
    case IDC_GESTURES_IMPORT:
        if (code == BN_CLICKED)
            importSet();
        return TRUE;
    case IDC_GESTURES_BACK_UP:
        if (code == BN_CLICKED)
            backUp();
        return TRUE;
    case IDC_GESTURES_SELECT:
        if (code == CBN_DROPDOWN) {
            model_.refreshSelector(openProgramNames(deps_.desktop, deps_.focus));
            fillSelector();
        } else if ((code == CBN_SELCHANGE || code == CBN_CLOSEUP) && !selector_.droppedDown()) {
            // Browsing the open list changes nothing; the set changes when the list closes on an item.
            chooseSelectedSet();
        }
        return TRUE;
    default:
        return std::nullopt;
    }
}

std::optional<INT_PTR> GesturesWindow::onNotify(const NMHDR& header) {
    if (header.hwndFrom != list_.hwnd())
        return std::nullopt;
    switch (header.code) {
    case LVN_GETDISPINFOW: {
        auto& info = reinterpret_cast<NMLVDISPINFOW&>(const_cast<NMHDR&>(header));
        const auto& rows = model_.rows();
        if ((info.item.mask & LVIF_TEXT) && info.item.iItem >= 0 &&
            info.item.iItem < static_cast<int>(rows.size())) {
            const GestureRow& row = rows[static_cast<std::size_t>(info.item.iItem)];
            const std::string* columns[] = {&row.name, &row.type, &row.action};
            if (info.item.iSubItem >= 0 && info.item.iSubItem < static_cast<int>(std::size(columns)))
                copyText(*columns[info.item.iSubItem], info.item.pszText, info.item.cchTextMax);
        }
        return TRUE;
    }
    case LVN_ITEMCHANGED:
    case LVN_ODSTATECHANGED:
    case NM_CLICK:
        selectionChanged();
        return TRUE;
    case NM_DBLCLK: // as "Edit Action"
        editSelectedRow(EditStart::Action);
        return TRUE;
    case LVN_KEYDOWN:
        if (reinterpret_cast<const NMLVKEYDOWN&>(header).wVKey == VK_DELETE)
            deleteSelectedRow();
        return TRUE;
    default:
        return std::nullopt;
    }
}

std::optional<INT_PTR> GesturesWindow::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        initialise();
        return TRUE;
    case WM_COMMAND:
        return onCommand(LOWORD(wParam), HIWORD(wParam));
    case WM_NOTIFY:
        return onNotify(*reinterpret_cast<const NMHDR*>(lParam));
    case WM_CONTEXTMENU:
        onContextMenu(reinterpret_cast<HWND>(wParam), POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        return TRUE;
    case WM_DRAWITEM:
        if (wParam == IDC_GESTURES_PREVIEW) {
            drawPreview(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
            return TRUE;
        }
        return std::nullopt;
    case WM_LBUTTONDOWN:
        // Shift+click on the background opens the recognizer's window for diagnosis.
        if ((wParam & MK_SHIFT) && deps_.showRecognizer)
            deps_.showRecognizer();
        return TRUE;
    case WM_DPICHANGED:
        win32::moveToSuggestedRect(hwnd(), lParam);
        layoutForDpi();
        return TRUE;
    case WM_CLOSE:
        close();
        return TRUE;
    default:
        return std::nullopt;
    }
}

} // namespace flickmark

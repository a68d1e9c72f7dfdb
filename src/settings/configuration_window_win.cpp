#include "settings/configuration_window_win.h"

#include "base/path_lines.h"
#include "platform/win32/controls/check_box.h"
#include "platform/win32/controls/combo_box.h"
#include "platform/win32/controls/track_bar.h"
#include "platform/win32/controls/tree_view.h"
#include "platform/win32/dpi.h"
#include "platform/win32/show_in_front.h"
#include "platform/win32/text_convert.h"
#include "platform/win32/unique_handle.h"
#include "platform/win32/window_base.h"
#include "platform/win32/window_messages.h"
#include "settings/configuration_dialog_ids.h"
#include "settings/length_cross.h"

#include <string>
#include <utility>

namespace flickmark {
namespace {

// Sent to the window by itself once the system has rescaled it for a new DPI.
// Sent to the window by itself once its activation has given the focus back to a control.
constexpr UINT kActivatedMessage = WM_APP + 1;

// Where the pages go, in dialog units of the window's template: right of the tree, to the margins.
constexpr RECT kPageArea{124, 7, 464, 246};

// How much narrower than its control a note is wrapped.
constexpr int kNoteSlackPercent = 4;

constexpr COLORREF kPreviewPaper = RGB(0xFF, 0xFF, 0xFF);
constexpr COLORREF kPreviewInk = RGB(0x00, 0x00, 0x00);

const SettingDefinition& definitionOf(const PageItem& item) {
    return settingsTable()[item.row];
}

// A note of several lines, drawn as a static text control would, but wrapped a little inside its right
// edge: some font renderers (Wine's, at small sizes) draw a line wider than they measured it, and the last
// letters of a full line would be cut off.
// Selects the item of a value; a value none of the choices stands for gets an item of its own, so that it is
// kept unless the user chooses another.
void showChoice(HWND control, const PageItem& item, int value) {
    const win32::ComboBox combo(control);
    while (combo.count() > static_cast<int>(item.choices.size()))
        ::SendMessageW(control, CB_DELETESTRING, static_cast<WPARAM>(combo.count() - 1), 0);
    int index = combo.findValue(value);
    if (index < 0)
        index = combo.addItem(win32::widen(otherChoiceText(item.row, value)), value);
    combo.select(index);
}

void takeChoice(SettingsModel& model, HWND control, const PageItem& item) {
    const win32::ComboBox combo(control);
    const int index = combo.selectedIndex();
    if (index >= 0)
        model.setPosition(item.row, static_cast<int>(combo.value(index)));
}

void drawNote(const DRAWITEMSTRUCT& draw) {
    const HWND control = draw.hwndItem;
    const HDC dc = draw.hDC;
    // The parent's answer also sets the text and background colours of the DC.
    auto background = reinterpret_cast<HBRUSH>(::SendMessageW(::GetParent(control), WM_CTLCOLORSTATIC,
                                                              reinterpret_cast<WPARAM>(dc),
                                                              reinterpret_cast<LPARAM>(control)));
    if (!background)
        background = ::GetSysColorBrush(COLOR_BTNFACE);
    ::FillRect(dc, &draw.rcItem, background);
    if (draw.itemState & ODS_DISABLED)
        ::SetTextColor(dc, ::GetSysColor(COLOR_GRAYTEXT));

    const std::wstring text = win32::windowText(control);
    const HFONT font = win32::fontOf(control);
    const win32::SelectionScope selectFont(dc, font);
    ::SetBkMode(dc, TRANSPARENT);
    RECT wrap = draw.rcItem;
    wrap.right -= (wrap.right - wrap.left) * kNoteSlackPercent / 100;
    ::DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &wrap, DT_WORDBREAK | DT_NOPREFIX);
}

} // namespace

// One page: a child dialog that hands what its controls report to the window.
class ConfigurationWindow::Page final : private win32::DialogBase {
public:
    Page(ConfigurationWindow& window, int templateId, int controlId) : window_(window) {
        create(templateId, window.hwnd());
        ::SetWindowLongPtrW(hwnd(), GWLP_ID, controlId);
    }
    ~Page() override = default;

    using win32::DialogBase::hwnd;
    using win32::DialogBase::item;

private:
    std::optional<INT_PTR> handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        switch (message) {
        case WM_INITDIALOG:
            return FALSE; // the window decides where the focus goes
        case WM_COMMAND:
            if (window_.pageCommand(LOWORD(wParam), HIWORD(wParam)))
                return TRUE;
            return std::nullopt;
        case WM_NOTIFY:
            if (window_.pageNotify(*reinterpret_cast<const NMHDR*>(lParam)))
                return TRUE;
            return std::nullopt;
        case WM_HSCROLL:
            if (lParam)
                window_.trackBarMoved(reinterpret_cast<HWND>(lParam));
            return TRUE;
        case WM_DRAWITEM: {
            const auto& draw = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            if (draw.CtlID == IDC_LENGTH_PREVIEW)
                window_.drawPreview(draw);
            else if (draw.CtlType == ODT_STATIC)
                drawNote(draw);
            else
                return std::nullopt;
            return TRUE;
        }
        default:
            return std::nullopt;
        }
    }

    ConfigurationWindow& window_;
};

ConfigurationWindow::ConfigurationWindow(Dependencies dependencies) : deps_(std::move(dependencies)) {
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof controls;
    controls.dwICC = ICC_TREEVIEW_CLASSES | ICC_BAR_CLASSES | ICC_LISTVIEW_CLASSES;
    ::InitCommonControlsEx(&controls);

    create(IDD_CONFIGURATION, nullptr);
    setIcons();
    createPages();
    placePages();
    fillTree();
    showSettings();
}

ConfigurationWindow::~ConfigurationWindow() = default;

void ConfigurationWindow::setIcons() {
    if (deps_.iconId == 0)
        return;
    const auto load = [this](int sizeMetric) {
        const int size = ::GetSystemMetrics(sizeMetric);
        return static_cast<HICON>(::LoadImageW(win32::moduleInstance(), MAKEINTRESOURCEW(deps_.iconId),
                                               IMAGE_ICON, size, size, LR_SHARED));
    };
    win32::setIcons(hwnd(), load(SM_CXICON), load(SM_CXSMICON));
}

// Puts the texts into the pages' controls and sets every track bar up from its settings row.
void ConfigurationWindow::createPages() {
    const auto& pages = configurationPages();
    for (std::size_t i = 0; i < pages.size(); ++i) {
        pages_[i] =
            std::make_unique<Page>(*this, pages[i].templateId, IDC_CONFIG_PAGE_FIRST + static_cast<int>(i));
        for (const PageItem& item : pages[i].items) {
            const HWND control = pages_[i]->item(item.controlId);
            if (!item.text.empty()) {
                std::wstring text = win32::widen(item.text);
                // The frame line starts right after a panel's caption; a blank keeps it off the last letter
                // where the drawn text runs wider than measured.
                if (item.kind == PageItemKind::Panel)
                    text += L' ';
                ::SetWindowTextW(control, text.c_str());
            }
            if (item.kind == PageItemKind::TrackBar) {
                const win32::TrackBar trackBar(control);
                trackBar.setRange(definitionOf(item).minPosition, definitionOf(item).maxPosition);
                trackBar.setTickFrequency(item.tickFrequency);
                trackBar.setSteps(kTrackBarStep, kTrackBarStep);
                trackBar.setTipSide(TBTS_TOP);
            } else if (item.kind == PageItemKind::ComboBox) {
                const win32::ComboBox combo(control);
                for (const ComboChoice& choice : item.choices)
                    combo.addItem(win32::widen(choice.text), choice.value);
            }
        }
    }
    programsPage_ = std::make_unique<ProgramsPageControls>(
        pages_[configuration_page::kPrograms]->hwnd(), deps_.programLists, deps_.runningPrograms, deps_.log);
    sizePreview();
    // Tab reaches Close after the page's controls.
    ::SetWindowPos(item(IDC_CONFIG_CLOSE), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void ConfigurationWindow::fillTree() {
    const win32::TreeView tree(item(IDC_CONFIG_TREE));
    tree.setImageList(deps_.pictures);
    const auto& pages = configurationPages();
    for (std::size_t i = 0; i < pages.size(); ++i)
        nodes_[i] = tree.appendRoot(win32::widen(pages[i].nodeText), deps_.pictures ? pages[i].nodeImage : -1,
                                    static_cast<LPARAM>(i));
    tree.select(nodes_[static_cast<std::size_t>(selection_.current())]);
    showCurrentPage();
}

void ConfigurationWindow::placePages() {
    RECT area = kPageArea;
    ::MapDialogRect(hwnd(), &area);
    for (const auto& page : pages_)
        ::SetWindowPos(page->hwnd(), nullptr, area.left, area.top, area.right - area.left,
                       area.bottom - area.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

void ConfigurationWindow::showCurrentPage() {
    const std::size_t current = static_cast<std::size_t>(selection_.current());
    const HWND focus = ::GetFocus();
    for (std::size_t i = 0; i < pages_.size(); ++i) {
        const HWND page = pages_[i]->hwnd();
        if (i == current)
            continue;
        // A control that keeps the focus while its page goes would take the keys unseen.
        if (focus && ::IsChild(page, focus))
            focusControl(item(IDC_CONFIG_TREE));
        ::ShowWindow(page, SW_HIDE);
    }
    ::ShowWindow(pages_[current]->hwnd(), SW_SHOW);
    if (current == configuration_page::kPrograms && programsPage_)
        programsPage_->pageShown();
}

// Activation gives the focus back to the control that had it when the window was left, which may be on a
// page hidden since (the window reopened on another page): the keys would go to a control nobody sees.
void ConfigurationWindow::keepFocusOnAShownControl() {
    if (::GetActiveWindow() != hwnd())
        return;
    const HWND focus = ::GetFocus();
    if (!focus || !::IsChild(hwnd(), focus) || !::IsWindowVisible(focus))
        focusControl(item(IDC_CONFIG_TREE));
}

// Settings model -> controls.
void ConfigurationWindow::showSettings() {
    const SettingsModel& model = deps_.settings.model();
    const auto& pages = configurationPages();
    for (std::size_t i = 0; i < pages.size(); ++i)
        for (const PageItem& item : pages[i].items) {
            const HWND control = pages_[i]->item(item.controlId);
            if (item.kind == PageItemKind::TrackBar)
                win32::TrackBar(control).setPosition(model.position(item.row));
            else if (item.kind == PageItemKind::CheckBox)
                win32::CheckBox(control).setChecked(model.checked(item.row));
            else if (item.kind == PageItemKind::ComboBox)
                showChoice(control, item, model.position(item.row));
        }
    if (const HWND preview = previewControl())
        ::InvalidateRect(preview, nullptr, FALSE);
    enableDependents();
    showSignInStart();
    if (programsPage_)
        programsPage_->pageShown();
}

// What the entry holds now, not a remembered choice: an installer may have changed it meanwhile.
void ConfigurationWindow::showSignInStart() {
    const HWND box = pages_[configuration_page::kMisc]->item(IDC_START_WITH_WINDOWS);
    ::EnableWindow(box, deps_.signInStart != nullptr);
    win32::CheckBox(box).setChecked(deps_.signInStart && deps_.signInStart->read());
    // Another copy's entry is left alone; the page says whose it is.
    const HWND otherCopy = pages_[configuration_page::kMisc]->item(IDC_SIGN_IN_OTHER_COPY);
    const std::optional<std::string> other =
        deps_.signInStart ? deps_.signInStart->otherCopy() : std::nullopt;
    ::SetWindowTextW(otherCopy,
                     other ? win32::widen("Another copy starts when you sign in: " + *other).c_str() : L"");
    ::ShowWindow(otherCopy, other ? SW_SHOWNA : SW_HIDE);
}

// Makes the entry follow the box; a refusal is told at once, as the change was asked for now.
void ConfigurationWindow::applySignInStart(bool programEnding) {
    if (!deps_.signInStart)
        return;
    const bool checked =
        win32::CheckBox(pages_[configuration_page::kMisc]->item(IDC_START_WITH_WINDOWS)).checked();
    switch (deps_.signInStart->apply(checked)) {
    case SignInStartChoice::Outcome::Unchanged:
        return;
    case SignInStartChoice::Outcome::Added:
        deps_.log.append("start with Windows: on");
        return;
    case SignInStartChoice::Outcome::Removed:
        deps_.log.append("start with Windows: off");
        return;
    case SignInStartChoice::Outcome::Refused:
        deps_.log.append(std::string("start with Windows: Windows refused to turn it ") +
                         (checked ? "on" : "off"));
        if (!programEnding)
            deps_.messages.warn(
                std::string("Windows refused to change whether Flickmark starts when you sign in.\n\n") +
                (checked ? "Flickmark will not start by itself." : "Flickmark will still start by itself."));
        return;
    }
}

// Controls -> settings model.
void ConfigurationWindow::takeSettings() {
    SettingsModel& model = deps_.settings.model();
    const auto& pages = configurationPages();
    for (std::size_t i = 0; i < pages.size(); ++i)
        for (const PageItem& item : pages[i].items) {
            const HWND control = pages_[i]->item(item.controlId);
            if (item.kind == PageItemKind::TrackBar)
                model.setPosition(item.row, win32::TrackBar(control).position());
            else if (item.kind == PageItemKind::CheckBox)
                model.setChecked(item.row, win32::CheckBox(control).checked());
            else if (item.kind == PageItemKind::ComboBox)
                takeChoice(model, control, item);
        }
}

void ConfigurationWindow::showPage(int page) {
    if (!isOpen())
        showSettings();
    if (selection_.select(page)) {
        showCurrentPage();
        win32::TreeView(item(IDC_CONFIG_TREE)).select(nodes_[static_cast<std::size_t>(selection_.current())]);
    }
    deps_.log.append("open configuration window on page " + std::to_string(selection_.current()));
    win32::showInFront(hwnd());
}

bool ConfigurationWindow::isOpen() const {
    return ::IsWindowVisible(hwnd()) != FALSE;
}

void ConfigurationWindow::closeForExit() {
    close(true);
}

// Hidden first, so the window is gone even while a warning about the file is shown. At the program's end it
// goes with the program instead: hiding a shown window can take a second or two under some window systems.
void ConfigurationWindow::close(bool programEnding) {
    if (!isOpen())
        return;
    takeSettings();
    if (!programEnding)
        ::ShowWindow(hwnd(), SW_HIDE);
    applySignInStart(programEnding);
    const bool saved = deps_.settings.save();
    deps_.log.append("configuration window closed");
    if (saved || programEnding)
        return;
    reportRefusedWrite();
}

// The settings are in effect either way; the user hears once per session that the file keeps old values.
void ConfigurationWindow::reportRefusedWrite() {
    if (refusedWriteReported_)
        return;
    refusedWriteReported_ = true;
    const std::string file = pathInLines(deps_.settings.path());
    deps_.messages.warn("The settings could not be saved to this file:\n\n" + file +
                        "\n\nThe changes apply until Flickmark ends; the file keeps its old values.");
}

void ConfigurationWindow::afterDpiChange() {
    placePages();
    sizePreview();
    if (programsPage_)
        programsPage_->sizeColumns();
}

bool ConfigurationWindow::pageCommand(int id, int code) {
    if (code == BN_CLICKED)
        enableDependents();
    return programsPage_ && programsPage_->command(id, code);
}

// Greys what a check box switches on while that box is empty.
void ConfigurationWindow::enableDependents() {
    const auto& pages = configurationPages();
    const auto checked = [&](std::size_t row) {
        for (std::size_t i = 0; i < pages.size(); ++i)
            for (const PageItem& item : pages[i].items)
                if (item.kind == PageItemKind::CheckBox && item.row == row)
                    return win32::CheckBox(pages_[i]->item(item.controlId)).checked();
        return true;
    };
    for (std::size_t i = 0; i < pages.size(); ++i)
        for (const PageItem& item : pages[i].items)
            if (item.enabledBy != kNoSettingRow)
                ::EnableWindow(pages_[i]->item(item.controlId), itemEnabled(item, checked) ? TRUE : FALSE);
}

bool ConfigurationWindow::pageNotify(const NMHDR& header) {
    return programsPage_ && programsPage_->notify(header);
}

std::optional<INT_PTR> ConfigurationWindow::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_NOTIFY: {
        const auto& header = *reinterpret_cast<const NMHDR*>(lParam);
        if (header.idFrom == IDC_CONFIG_TREE && header.code == TVN_SELCHANGEDW) {
            const auto& change = *reinterpret_cast<const NMTREEVIEWW*>(lParam);
            if (selection_.select(static_cast<int>(change.itemNew.lParam)))
                showCurrentPage();
            return TRUE;
        }
        return std::nullopt;
    }
    case WM_COMMAND:
        if (LOWORD(wParam) == IDCANCEL || LOWORD(wParam) == IDC_CONFIG_CLOSE) { // Escape, Close
            close(false);
            return TRUE;
        }
        if (LOWORD(wParam) ==
            IDOK) { // Enter: there is no default button to press, but the program field adds
            if (selection_.current() == configuration_page::kPrograms && programsPage_)
                programsPage_->enterPressed();
            return TRUE;
        }
        return std::nullopt;
    case WM_CLOSE: // the close box, Alt+F4
        close(false);
        return TRUE;
    case WM_ACTIVATE:
        if (LOWORD(wParam) != WA_INACTIVE)
            ::PostMessageW(hwnd(), kActivatedMessage, 0, 0);
        return std::nullopt;
    case kActivatedMessage:
        keepFocusOnAShownControl();
        return TRUE;
    default:
        return std::nullopt;
    }
}

void ConfigurationWindow::trackBarMoved(HWND trackBar) {
    const int id = ::GetDlgCtrlID(trackBar);
    if (id == IDC_X_PIXEL || id == IDC_Y_PIXEL)
        if (const HWND preview = previewControl())
            ::InvalidateRect(preview, nullptr, FALSE);
}

HWND ConfigurationWindow::previewControl() const {
    return pages_[configuration_page::kGestures]
               ? pages_[configuration_page::kGestures]->item(IDC_LENGTH_PREVIEW)
               : nullptr;
}

// The preview is 157 x 101 pixels at 100 % and grows with the window's scaling, but the cross is drawn in
// screen pixels: the minimum lengths are distances the pointer travels on the screen.
void ConfigurationWindow::sizePreview() const {
    const HWND preview = previewControl();
    if (!preview)
        return;
    const UINT dpi = win32::dpiOfWindow(hwnd());
    ::SetWindowPos(preview, nullptr, 0, 0, win32::scaleToDpi(kLengthPreviewWidth, dpi),
                   win32::scaleToDpi(kLengthPreviewHeight, dpi), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void ConfigurationWindow::drawPreview(const DRAWITEMSTRUCT& draw) const {
    const auto& page = *pages_[configuration_page::kGestures];
    const int horizontal = win32::TrackBar(page.item(IDC_X_PIXEL)).position();
    const int vertical = win32::TrackBar(page.item(IDC_Y_PIXEL)).position();
    const RECT& r = draw.rcItem;
    const HDC dc = draw.hDC;

    const win32::UniqueBrush paper(::CreateSolidBrush(kPreviewPaper));
    const win32::UniquePen ink(::CreatePen(PS_SOLID, 1, kPreviewInk));
    const win32::SelectionScope selectBrush(dc, paper.get());
    const win32::SelectionScope selectPen(dc, ink.get());
    ::Rectangle(dc, r.left, r.top, r.right, r.bottom);

    const int saved = ::SaveDC(dc);
    ::IntersectClipRect(dc, r.left, r.top, r.right, r.bottom);
    const LengthCross cross = lengthCross(r.right - r.left, r.bottom - r.top, horizontal, vertical);
    const auto line = [&](Point from, Point to) {
        ::MoveToEx(dc, r.left + from.x, r.top + from.y, nullptr);
        ::LineTo(dc, r.left + to.x, r.top + to.y);
    };
    line(cross.verticalFrom, cross.verticalTo);
    line(cross.horizontalFrom, cross.horizontalTo);
    ::RestoreDC(dc, saved);
}

} // namespace flickmark

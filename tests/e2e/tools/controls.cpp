// Reads a control of another process's window, for the end-to-end tests.
//
// Usage: controls.exe WINDOW ID WHAT
//   WINDOW  the top-level window, by class name or else by title
//   ID      the control's id in that window or in a child dialog of it; 0 for the window itself
//   WHAT    text       the window text (WM_GETTEXT)
//           check      the check state of a button (0, 1 or 2)
//           pos        the position of a track bar
//           count      the items of a list view, combo box, list box or tree view
//           selection  the selected row of a list view or the selected item of a combo box; -1 for none
//           focus      the id of the control that has the keyboard focus in the window's thread (ID 0);
//                      0 when it is not a control of the window
//           visible    1 or 0
//           enabled    1 or 0
//           rect       left top right bottom, in screen pixels
//           items      one line per item: a combo box item's text, or a list view row's column texts
//                      separated by tabs
// Prints the answer as UTF-8 with a line end to standard output and exits with 0; 10 when the window does not
// exist, 11 when the control does not exist or does not answer, 2 for bad arguments. (Wine itself ends with 1
// when it fails to start a program, so 1 never means "not found".)
//
// Only messages the system copies between processes carry text (WM_GETTEXT, CB_GETLBTEXT). A list view's
// and an extended combo box's items are read through a buffer in the target process's memory.
#include <windows.h>

#include <commctrl.h> // after windows.h
#include <shellapi.h>

#include <optional>
#include <string>
#include <vector>

namespace {

constexpr UINT kTimeoutMs = 2000;
constexpr int kNoWindow = 10;
constexpr int kNoControl = 11;
constexpr int kMaxText = 4096;

std::optional<LRESULT> send(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG | SMTO_BLOCK, kTimeoutMs,
                             &result))
        return std::nullopt;
    return static_cast<LRESULT>(result);
}

std::string utf8(const std::wstring& text) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                         nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), bytes.data(), size, nullptr,
                        nullptr);
    return bytes;
}

// The control with that id in the window, also inside a child dialog embedded in it.
HWND findControl(HWND window, int id) {
    if (const HWND direct = GetDlgItem(window, id))
        return direct;
    struct Search {
        int id;
        HWND found;
    } search{id, nullptr};
    EnumChildWindows(
        window,
        [](HWND child, LPARAM context) -> BOOL {
            auto& wanted = *reinterpret_cast<Search*>(context);
            if (GetDlgCtrlID(child) != wanted.id)
                return TRUE;
            wanted.found = child;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::wstring className(HWND window) {
    wchar_t name[256] = {};
    GetClassNameW(window, name, 256);
    return name;
}

// Memory in the process of a window, freed when it goes.
class RemoteBuffer {
public:
    RemoteBuffer(HWND window, std::size_t size) : size_(size) {
        DWORD processId = 0;
        GetWindowThreadProcessId(window, &processId);
        process_ = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId);
        if (process_)
            memory_ = static_cast<char*>(VirtualAllocEx(process_, nullptr, size, MEM_COMMIT, PAGE_READWRITE));
    }
    ~RemoteBuffer() {
        if (memory_)
            VirtualFreeEx(process_, memory_, 0, MEM_RELEASE);
        if (process_)
            CloseHandle(process_);
    }
    RemoteBuffer(const RemoteBuffer&) = delete;
    RemoteBuffer& operator=(const RemoteBuffer&) = delete;

    bool valid() const { return memory_ != nullptr; }
    char* at(std::size_t offset) const { return memory_ + offset; }
    bool write(std::size_t offset, const void* data, std::size_t size) const {
        return WriteProcessMemory(process_, memory_ + offset, data, size, nullptr) != 0;
    }
    bool read(std::size_t offset, void* data, std::size_t size) const {
        return ReadProcessMemory(process_, memory_ + offset, data, size, nullptr) != 0;
    }

private:
    std::size_t size_;
    HANDLE process_ = nullptr;
    char* memory_ = nullptr;
};

constexpr std::size_t kTextOffset = 1024; // the item structure first, its text buffer after it

// Reads the text the target writes into the remote buffer at kTextOffset.
std::optional<std::wstring> remoteText(const RemoteBuffer& buffer) {
    std::vector<wchar_t> text(kMaxText, L'\0');
    if (!buffer.read(kTextOffset, text.data(), text.size() * sizeof(wchar_t)))
        return std::nullopt;
    text.back() = L'\0';
    return std::wstring(text.data());
}

std::optional<std::wstring> listViewText(HWND list, const RemoteBuffer& buffer, int row, int column) {
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = reinterpret_cast<wchar_t*>(buffer.at(kTextOffset));
    item.cchTextMax = kMaxText;
    const wchar_t empty = L'\0';
    if (!buffer.write(0, &item, sizeof item) || !buffer.write(kTextOffset, &empty, sizeof empty) ||
        !send(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(buffer.at(0))))
        return std::nullopt;
    return remoteText(buffer);
}

std::optional<std::wstring> comboBoxExText(HWND combo, const RemoteBuffer& buffer, int index) {
    COMBOBOXEXITEMW item{};
    item.mask = CBEIF_TEXT;
    item.iItem = index;
    item.pszText = reinterpret_cast<wchar_t*>(buffer.at(kTextOffset));
    item.cchTextMax = kMaxText;
    if (!buffer.write(0, &item, sizeof item) ||
        !send(combo, CBEM_GETITEMW, 0, reinterpret_cast<LPARAM>(buffer.at(0))).value_or(0))
        return std::nullopt;
    return remoteText(buffer);
}

std::optional<std::string> items(HWND control) {
    const std::wstring kind = className(control);
    std::string lines;
    if (kind == WC_LISTVIEWW) {
        const HWND header = reinterpret_cast<HWND>(send(control, LVM_GETHEADER, 0, 0).value_or(0));
        const int columns = header ? static_cast<int>(send(header, HDM_GETITEMCOUNT, 0, 0).value_or(1)) : 1;
        const int rows = static_cast<int>(send(control, LVM_GETITEMCOUNT, 0, 0).value_or(0));
        RemoteBuffer buffer(control, kTextOffset + kMaxText * sizeof(wchar_t));
        if (!buffer.valid())
            return std::nullopt;
        for (int row = 0; row < rows; ++row) {
            for (int column = 0; column < columns; ++column) {
                const auto text = listViewText(control, buffer, row, column);
                if (!text)
                    return std::nullopt;
                lines += (column > 0 ? "\t" : "") + utf8(*text);
            }
            lines += "\n";
        }
        return lines;
    }
    const int count = static_cast<int>(send(control, CB_GETCOUNT, 0, 0).value_or(0));
    if (kind == WC_COMBOBOXEXW) {
        RemoteBuffer buffer(control, kTextOffset + kMaxText * sizeof(wchar_t));
        if (!buffer.valid())
            return std::nullopt;
        for (int index = 0; index < count; ++index) {
            const auto text = comboBoxExText(control, buffer, index);
            if (!text)
                return std::nullopt;
            lines += utf8(*text) + "\n";
        }
        return lines;
    }
    for (int index = 0; index < count; ++index) {
        std::vector<wchar_t> text(kMaxText, L'\0');
        send(control, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
        lines += utf8(text.data()) + "\n";
    }
    return lines;
}

std::optional<std::string> answer(HWND control, const std::wstring& what) {
    const std::wstring kind = className(control);
    const auto number = [](std::optional<LRESULT> value) -> std::optional<std::string> {
        if (!value)
            return std::nullopt;
        return std::to_string(static_cast<long long>(*value)) + "\n";
    };
    if (what == L"text") {
        std::vector<wchar_t> text(kMaxText, L'\0');
        if (!send(control, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data())))
            return std::nullopt;
        return utf8(text.data()) + "\n";
    }
    if (what == L"check")
        return number(send(control, BM_GETCHECK, 0, 0));
    if (what == L"pos")
        return number(send(control, TBM_GETPOS, 0, 0));
    if (what == L"count") {
        if (kind == WC_LISTVIEWW)
            return number(send(control, LVM_GETITEMCOUNT, 0, 0));
        if (kind == WC_TREEVIEWW)
            return number(send(control, TVM_GETCOUNT, 0, 0));
        if (kind == L"ListBox")
            return number(send(control, LB_GETCOUNT, 0, 0));
        return number(send(control, CB_GETCOUNT, 0, 0));
    }
    if (what == L"selection") {
        if (kind == WC_LISTVIEWW)
            return number(send(control, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
        return number(send(control, CB_GETCURSEL, 0, 0));
    }
    if (what == L"focus") {
        GUITHREADINFO info{};
        info.cbSize = sizeof info;
        if (!GetGUIThreadInfo(GetWindowThreadProcessId(control, nullptr), &info))
            return std::nullopt;
        const bool ours = info.hwndFocus && GetAncestor(info.hwndFocus, GA_ROOT) == control;
        // A control made of controls (an extended combo box) has the focus in a child of its own.
        HWND focused = info.hwndFocus;
        while (ours && GetParent(focused) != control)
            focused = GetParent(focused);
        return std::to_string(ours ? GetDlgCtrlID(focused) : 0) + "\n";
    }
    if (what == L"visible")
        return std::string(IsWindowVisible(control) ? "1\n" : "0\n");
    if (what == L"enabled")
        return std::string(IsWindowEnabled(control) ? "1\n" : "0\n");
    if (what == L"rect") {
        RECT r{};
        if (!GetWindowRect(control, &r))
            return std::nullopt;
        return std::to_string(r.left) + " " + std::to_string(r.top) + " " + std::to_string(r.right) + " " +
               std::to_string(r.bottom) + "\n";
    }
    if (what == L"items")
        return items(control);
    return std::nullopt;
}

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    int argc = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    if (argv == nullptr || argc != 4)
        return 2;
    const std::wstring windowName = argv[1];
    const int id = _wtoi(argv[2]);
    const std::wstring what = argv[3];
    LocalFree(argv);

    HWND window = FindWindowW(windowName.c_str(), nullptr);
    if (!window)
        window = FindWindowW(nullptr, windowName.c_str());
    if (!window)
        return kNoWindow;
    const HWND control = id != 0 ? findControl(window, id) : window;
    if (!control)
        return kNoControl;
    const std::optional<std::string> text = answer(control, what);
    if (!text)
        return kNoControl;
    DWORD written = 0;
    WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), text->data(), static_cast<DWORD>(text->size()), &written,
              nullptr);
    return 0;
}

// Reads the controls of another process's windows, for the end-to-end tests.
//
// Usage: controls.exe WINDOW ID WHAT     one answer, then exit
//        controls.exe --serve            answers requests from standard input until it ends
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
// exist, 11 when the control does not exist, 12 when it did not answer within 2 s (its thread is busy), 2 for
// bad arguments. (Wine itself ends with 1 when it fails to start a program, so 1 never means "not found".)
//
// Serving: each request is one line of tab-separated UTF-8 fields, either
//   read <TAB> WINDOW <TAB> ID <TAB> WHAT
//   dump <TAB> TITLE     the top-level window titled TITLE and every control inside it (children of
//                        children too), one line each, tab-separated: id (0 for the window), class, shown,
//                        enabled, check state (buttons, else -1), track bar position (else -1),
//                        left,top,right,bottom on the screen, and the text with tabs and line ends as blanks
// and each answer is a line "CODE LENGTH" (CODE as the exit codes above) followed by LENGTH bytes. One
// long-lived reader spares the tests a Wine start (a few hundred milliseconds on a busy machine) per look.
//
// Only messages the system copies between processes carry text (WM_GETTEXT, CB_GETLBTEXT). A list view's
// and an extended combo box's items are read through a buffer in the target process's memory.
#include <windows.h>

#include <commctrl.h> // after windows.h
#include <shellapi.h>

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr UINT kTimeoutMs = 2000;
constexpr int kNoWindow = 10;
constexpr int kNoControl = 11;
constexpr int kNoAnswer = 12;

// Set when a message to the target timed out: its thread is busy (under Wine, a thread that destroys a shown
// window with a title bar answers no one for about two seconds when no window manager runs).
bool timedOut = false;
constexpr int kMaxText = 4096;

std::optional<LRESULT> send(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG | SMTO_BLOCK, kTimeoutMs,
                             &result)) {
        timedOut = true;
        return std::nullopt;
    }
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

struct Answer {
    int code;
    std::string text;
};

Answer read(const std::wstring& windowName, int id, const std::wstring& what) {
    HWND window = FindWindowW(windowName.c_str(), nullptr);
    if (!window)
        window = FindWindowW(nullptr, windowName.c_str());
    if (!window)
        return {kNoWindow, {}};
    const HWND control = id != 0 ? findControl(window, id) : window;
    if (!control)
        return {kNoControl, {}};
    timedOut = false;
    const std::optional<std::string> text = answer(control, what);
    if (timedOut) // an answer put together around a message that went unanswered may be partial
        return {kNoAnswer, {}};
    if (!text)
        return {kNoControl, {}};
    return {0, *text};
}

std::string describe(HWND window, int id) {
    const std::wstring kind = className(window);
    std::vector<wchar_t> buffer(kMaxText, L'\0');
    send(window, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()));
    std::wstring text = buffer.data();
    for (wchar_t& c : text)
        if (c == L'\t' || c == L'\r' || c == L'\n')
            c = L' ';
    const long check =
        kind == L"Button" ? static_cast<long>(send(window, BM_GETCHECK, 0, 0).value_or(-1)) : -1;
    const long position =
        kind == TRACKBAR_CLASSW ? static_cast<long>(send(window, TBM_GETPOS, 0, 0).value_or(-1)) : -1;
    RECT r{};
    GetWindowRect(window, &r);
    char line[512];
    std::snprintf(line, sizeof line, "%d\t%s\t%d\t%d\t%ld\t%ld\t%ld,%ld,%ld,%ld\t", id, utf8(kind).c_str(),
                  IsWindowVisible(window) ? 1 : 0, IsWindowEnabled(window) ? 1 : 0, check, position, r.left,
                  r.top, r.right, r.bottom);
    return line + utf8(text) + "\n";
}

Answer dump(const std::wstring& title) {
    const HWND top = FindWindowW(nullptr, title.c_str());
    if (!top)
        return {kNoWindow, {}};
    timedOut = false;
    std::string lines = describe(top, 0);
    EnumChildWindows(
        top,
        [](HWND child, LPARAM context) -> BOOL {
            *reinterpret_cast<std::string*>(context) += describe(child, GetDlgCtrlID(child));
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&lines));
    if (timedOut)
        return {kNoAnswer, {}};
    return {0, lines};
}

std::wstring wide(const std::string& bytes) {
    const int size =
        MultiByteToWideChar(CP_UTF8, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
    std::wstring text(static_cast<std::size_t>(size), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, bytes.data(), static_cast<int>(bytes.size()), text.data(), size);
    return text;
}

std::vector<std::wstring> fields(const std::string& line) {
    std::vector<std::wstring> result;
    std::size_t start = 0;
    while (true) {
        const std::size_t tab = line.find('\t', start);
        result.push_back(wide(line.substr(start, tab - start)));
        if (tab == std::string::npos)
            return result;
        start = tab + 1;
    }
}

Answer serveOne(const std::string& line) {
    const std::vector<std::wstring> request = fields(line);
    if (request.size() == 4 && request[0] == L"read")
        return read(request[1], _wtoi(request[2].c_str()), request[3]);
    if (request.size() == 2 && request[0] == L"dump")
        return dump(request[1]);
    return {2, {}};
}

bool writeAll(HANDLE out, const std::string& bytes) {
    DWORD written = 0;
    return WriteFile(out, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
           written == bytes.size();
}

// Answers request lines until standard input ends.
int serve() {
    const HANDLE in = GetStdHandle(STD_INPUT_HANDLE);
    const HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
    std::string pending;
    char chunk[4096];
    DWORD got = 0;
    while (ReadFile(in, chunk, sizeof chunk, &got, nullptr) && got > 0) {
        pending.append(chunk, got);
        for (std::size_t end; (end = pending.find('\n')) != std::string::npos;) {
            std::string line = pending.substr(0, end);
            pending.erase(0, end + 1);
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            const Answer answer = serveOne(line);
            if (!writeAll(out, std::to_string(answer.code) + " " + std::to_string(answer.text.size()) + "\n" +
                                   answer.text))
                return 0;
        }
    }
    return 0;
}

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    int argc = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    if (argv != nullptr && argc == 2 && std::wstring(argv[1]) == L"--serve")
        return serve();
    if (argv == nullptr || argc != 4)
        return 2;
    const Answer answer = read(argv[1], _wtoi(argv[2]), argv[3]);
    LocalFree(argv);
    if (answer.code == 0) {
        DWORD written = 0;
        WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), answer.text.data(), static_cast<DWORD>(answer.text.size()),
                  &written, nullptr);
    }
    return answer.code;
}

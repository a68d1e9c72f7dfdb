// Mirrors the diagnostic log of a running Flickmark into host files, so the end-to-end harness polls a
// file instead of starting a Wine process for every read.
//
// Usage: logtap.exe SNAPSHOT HISTORY
//   SNAPSHOT  replaced atomically with the current log text whenever it changes; created as soon as the
//             recognizer window exists (possibly empty)
//   HISTORY   every distinct text seen, appended as "==== snapshot N MICROSECONDS\n" + text + "==== end\n",
//             so the harness can see lines that a later press has already cleared
// Text is UTF-8 with LF line ends. The tap polls every 20 ms and runs until it is killed; it follows a
// restarted Flickmark (a new window starts a new snapshot even if the text is equal).
//
// The recognizer window is an ordinary hidden top-level window; its log is the EDIT control with id 1001.
// Across processes only WM_GETTEXT reads that text (GetWindowText returns nothing for another process's
// control); SendMessageTimeout keeps the tap alive while Flickmark is busy in a modal loop.
#include <windows.h>

#include <shellapi.h> // after windows.h

#include <string>

namespace {

constexpr char kMonitorClass[] = "FlickmarkMouseMonitor";
constexpr int kLogControlId = 1001;
constexpr DWORD kPollMilliseconds = 20;
constexpr UINT kSendTimeoutMilliseconds = 500;

class FileHandle {
public:
    explicit FileHandle(HANDLE handle) : handle_(handle) {}
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    ~FileHandle() {
        if (isOpen()) {
            CloseHandle(handle_);
        }
    }
    bool isOpen() const { return handle_ != INVALID_HANDLE_VALUE; }
    bool write(const std::string& bytes) const {
        DWORD written = 0;
        return WriteFile(handle_, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) != 0 &&
               written == bytes.size();
    }

private:
    HANDLE handle_;
};

unsigned long long microsecondsSinceUnixEpoch() {
    FILETIME now{};
    GetSystemTimePreciseAsFileTime(&now);
    const unsigned long long ticks =
        (static_cast<unsigned long long>(now.dwHighDateTime) << 32) | now.dwLowDateTime;
    return (ticks - 116444736000000000ULL) / 10;
}

// The log text as UTF-8 with LF line ends; false when the window did not answer.
bool readLogText(HWND edit, std::string& text) {
    DWORD_PTR length = 0;
    if (SendMessageTimeoutW(edit, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG | SMTO_BLOCK,
                            kSendTimeoutMilliseconds, &length) == 0) {
        return false;
    }
    std::wstring wide(length + 1, L'\0');
    DWORD_PTR copied = 0;
    if (SendMessageTimeoutW(edit, WM_GETTEXT, wide.size(), reinterpret_cast<LPARAM>(wide.data()),
                            SMTO_ABORTIFHUNG | SMTO_BLOCK, kSendTimeoutMilliseconds, &copied) == 0) {
        return false;
    }
    wide.resize(copied);
    std::wstring withoutCr;
    withoutCr.reserve(wide.size());
    for (wchar_t c : wide) {
        if (c != L'\r') {
            withoutCr.push_back(c);
        }
    }
    text.clear();
    if (withoutCr.empty()) {
        return true;
    }
    const int size = WideCharToMultiByte(CP_UTF8, 0, withoutCr.data(), static_cast<int>(withoutCr.size()),
                                         nullptr, 0, nullptr, nullptr);
    text.resize(static_cast<std::size_t>(size));
    WideCharToMultiByte(CP_UTF8, 0, withoutCr.data(), static_cast<int>(withoutCr.size()), text.data(), size,
                        nullptr, nullptr);
    return true;
}

bool replaceFile(const std::wstring& path, const std::string& content) {
    const std::wstring temporary = path + L".tmp";
    {
        FileHandle file(CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file.isOpen() || !file.write(content)) {
            return false;
        }
    }
    return MoveFileExW(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING) != 0;
}

bool appendToHistory(const std::wstring& path, unsigned long long sequence, const std::string& text) {
    FileHandle file(CreateFileW(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    std::string record = "==== snapshot " + std::to_string(sequence) + " " +
                         std::to_string(microsecondsSinceUnixEpoch()) + "\n" + text;
    if (!text.empty() && text.back() != '\n') {
        record += '\n';
    }
    record += "==== end\n";
    return file.isOpen() && file.write(record); // one write: a reader sees the record whole or not at all
}

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    int argc = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    if (argv == nullptr || argc != 3) {
        return 2;
    }
    const std::wstring snapshotPath = argv[1];
    const std::wstring historyPath = argv[2];
    LocalFree(argv);

    HWND shownWindow = nullptr;
    std::string shownText;
    unsigned long long sequence = 0;
    for (;;) {
        HWND monitor = FindWindowA(kMonitorClass, nullptr);
        HWND edit = monitor != nullptr ? GetDlgItem(monitor, kLogControlId) : nullptr;
        std::string text;
        if (edit != nullptr && readLogText(edit, text) && (monitor != shownWindow || text != shownText)) {
            // Retried at the next poll when a write fails: the state is only remembered once both landed.
            if (replaceFile(snapshotPath, text) && appendToHistory(historyPath, ++sequence, text)) {
                shownWindow = monitor;
                shownText = std::move(text);
            }
        }
        Sleep(kPollMilliseconds);
    }
}

// saver: saves files the way Flickmark does (writeDataFile over Win32FileSystem), for the tests of saves
// that meet a busy file or a killed process.
//
//   saver.exe loop FOLDER VARIANTS [ROUNDS]
//       Reads Gestures.ini.a, Gestures.ini.b, defaults.ini.a and defaults.ini.b from VARIANTS, prints
//       "ready", then saves FOLDER\Gestures.ini and FOLDER\defaults.ini round after round, alternating the a
//       and b contents, and prints "saved N" after round N. Runs until it is killed unless ROUNDS is given.
//   saver.exe once TARGET CONTENTS
//       Saves the bytes of the file CONTENTS as TARGET once; prints "saved after N ms" or "failed after N
//       ms", then every line of the diagnostic log as "log: " + line. Exit code 0 when saved, 1 when not.
//   saver.exe hold TARGET
//       Opens TARGET for reading, sharing neither writing nor deletion, prints "held", and keeps it open
//       until its standard input ends; then prints "released".
//
// Every printed line is flushed at once. Exit code 2 on a usage or I/O error.
#include "base/diagnostic_log.h"
#include "gesture_sets/gesture_files.h"
#include "platform/win32/file_system.h"
#include "platform/win32/text_code_page.h"
#include "platform/win32/unique_handle.h"
#include "settings/data_file.h"
#include "settings/settings_table.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

namespace {

using namespace flickmark;

constexpr int kUsageError = 2;

void say(const std::string& line) {
    std::fputs((line + "\n").c_str(), stdout);
    std::fflush(stdout);
}

std::string withDelimiter(std::string folder) {
    if (!folder.empty() && folder.back() != '\\' && folder.back() != '/')
        folder += '\\';
    return folder;
}

// Saves 8-bit INI text through the program's own write path; an untouched document writes its bytes back.
bool saveIniText(FileSystem& files, DiagnosticLog& log, const std::string& path, const std::string& text) {
    static const Win32TextCodePage codePage;
    return writeIniFile(files, codePage, log, path, IniDocument(text), FileEncoding{});
}

int saveInRounds(const std::string& folderArgument, const std::string& variantsArgument, long rounds) {
    Win32FileSystem files;
    DiagnosticLog log;
    const std::string folder = withDelimiter(folderArgument);
    const std::string variants = withDelimiter(variantsArgument);
    struct Target {
        std::string path;
        std::string contents[2];
    };
    std::vector<Target> targets;
    for (const std::string_view name : {kGlobalGestureFileName, kSettingsFileName}) {
        Target target{folder + std::string(name), {}};
        for (int variant = 0; variant < 2; ++variant) {
            const std::string source = variants + std::string(name) + (variant == 0 ? ".a" : ".b");
            std::optional<std::string> contents = files.readFile(source);
            if (!contents) {
                say("cannot read " + source);
                return kUsageError;
            }
            target.contents[variant] = std::move(*contents);
        }
        targets.push_back(std::move(target));
    }
    say("ready");
    for (long round = 1; rounds <= 0 || round <= rounds; ++round) {
        for (const Target& target : targets)
            if (!saveIniText(files, log, target.path, target.contents[round % 2])) {
                for (const std::string& line : log.lines())
                    say("log: " + line);
                return 1;
            }
        say("saved " + std::to_string(round));
    }
    return 0;
}

int saveOnce(const std::string& target, const std::string& source) {
    DiagnosticLog log;
    Win32FileSystem files(&log);
    const std::optional<std::string> contents = files.readFile(source);
    if (!contents) {
        say("cannot read " + source);
        return kUsageError;
    }
    const ULONGLONG started = ::GetTickCount64();
    const bool saved = saveIniText(files, log, target, *contents);
    say((saved ? "saved after " : "failed after ") + std::to_string(::GetTickCount64() - started) + " ms");
    for (const std::string& line : log.lines())
        say("log: " + line);
    if (log.openRepeats() > 0)
        say("log: (repeated " + std::to_string(log.openRepeats()) + " times)");
    return saved ? 0 : 1;
}

int holdUntilInputEnds(const std::string& target) {
    win32::UniqueHandle file(::CreateFileA(target.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                           OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        say("cannot open " + target + " (" + std::to_string(::GetLastError()) + ")");
        return kUsageError;
    }
    say("held");
    const HANDLE input = ::GetStdHandle(STD_INPUT_HANDLE);
    char buffer[256];
    DWORD read = 0;
    while (::ReadFile(input, buffer, sizeof buffer, &read, nullptr) && read > 0) {
    }
    file.reset();
    say("released");
    return 0;
}

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    const std::vector<std::string> arguments(__argv + 1, __argv + __argc);
    const std::string mode = arguments.empty() ? std::string() : arguments[0];
    if (mode == "loop" && (arguments.size() == 3 || arguments.size() == 4))
        return saveInRounds(arguments[1], arguments[2],
                            arguments.size() == 4 ? std::strtol(arguments[3].c_str(), nullptr, 10) : 0);
    if (mode == "once" && arguments.size() == 3)
        return saveOnce(arguments[1], arguments[2]);
    if (mode == "hold" && arguments.size() == 2)
        return holdUntilInputEnds(arguments[1]);
    say("usage: saver.exe loop FOLDER VARIANTS [ROUNDS] | once TARGET CONTENTS | hold TARGET");
    return kUsageError;
}

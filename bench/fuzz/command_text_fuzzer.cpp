// Command texts: the token splitter and the keystroke sender's command-text reader, on a recording
// keyboard and virtual time.
//  - takeToken gives the text before the separator and leaves the text after it, so token, separator and
//    rest put together are the source without its leading control characters and blanks.
//  - A command text presses only the keys of its bracketed key tokens, at most one per token, and releases
//    every key it presses; so does a keystroke list, which sends nothing when a piece is malformed.
//
// Input: a byte choosing the separator, then the text.

#include "actions/keystroke_sender.h"
#include "actions/launch.h"
#include "base/diagnostic_log.h"
#include "base/virtual_keys.h"
#include "fakes/fake_clipboard.h"
#include "fakes/fake_file_system.h"
#include "fakes/fake_launcher.h"
#include "fakes/recording_keyboard.h"
#include "fakes/virtual_clock.h"
#include "fuzz_check.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>

namespace flickmark {
namespace {

using fuzz::check;

constexpr std::array<std::string_view, 6> kSeparators = {"|", "[", "]", "<>", "", "||"};
constexpr std::array<std::uint8_t, 12> kTokenKeys = {vk::Tab,  vk::Delete, vk::Home,  vk::Back,
                                                     vk::End,  vk::Insert, vk::Up,    vk::Down,
                                                     vk::Left, vk::Right,  vk::Space, vk::Return};

class FixedWallClock final : public WallClock {
public:
    LocalDateTime localNow() override { return {2024, 3, 9, 14, 5, 7}; }
};

void checkTokens(std::string source, std::string_view separator) {
    // Every call removes at least one character, so this ends.
    while (!source.empty()) {
        std::string_view before = source;
        while (!before.empty() && static_cast<unsigned char>(before.front()) <= 32)
            before.remove_prefix(1);
        const std::string expectedSource(before);
        const std::string token = takeToken(source, separator);
        const std::size_t at = separator.empty() ? std::string::npos : expectedSource.find(separator);
        if (at == std::string::npos) {
            check(token == expectedSource && source.empty(), "without a separator the token is all the rest",
                  expectedSource, token);
        } else {
            check(token + std::string(separator) + source == expectedSource,
                  "token, separator and rest make up the source", expectedSource, token + "^" + source);
            check(token.find(separator) == std::string::npos, "a token ends at the first separator", token);
        }
    }
}

// Every key goes down before it comes up and is up at the end; time never runs backwards.
void checkKeysReleased(const std::vector<KeyEventRecord>& events, const char* what) {
    std::map<std::uint8_t, int> down;
    std::int64_t time = 0;
    for (const KeyEventRecord& e : events) {
        check(e.timeMs >= time, "key events are in time order", what);
        time = e.timeMs;
        int& count = down[e.virtualKey];
        count += (e.flags & key_event::kKeyUp) != 0 ? -1 : 1;
        check(count >= 0, "a key is released only after it was pressed", what);
    }
    for (const auto& [key, count] : down)
        check(count == 0, "every pressed key is released", what, std::to_string(key));
}

void checkScript(const std::string& text) {
    VirtualClock clock;
    RecordingKeyboard keyboard{clock};
    FakeClipboard clipboard;
    clipboard.text = text.substr(0, text.size() / 2);
    FixedWallClock wallClock;
    FakeFileSystem files;
    FakeLauncher launcher;
    DiagnosticLog log;
    ProgramLauncher programs{launcher, log};
    KeystrokeSender sender{{keyboard, clock, clipboard, wallClock, files}, programs, log, ""};

    sender.runScript(text);
    checkKeysReleased(keyboard.events, "runScript");
    std::size_t presses = 0;
    for (const KeyEventRecord& e : keyboard.events) {
        if ((e.flags & key_event::kKeyUp) != 0)
            continue;
        ++presses;
        check(std::find(kTokenKeys.begin(), kTokenKeys.end(), e.virtualKey) != kTokenKeys.end(),
              "a command text presses only the keys of key tokens", text, std::to_string(e.virtualKey));
    }
    check(presses <= static_cast<std::size_t>(std::count(text.begin(), text.end(), '[')),
          "a command text presses at most one key per token", text);

    keyboard.events.clear();
    const KeystrokeListResult result = sender.sendKeystrokeList(text);
    checkKeysReleased(keyboard.events, "sendKeystrokeList");
    check(result != KeystrokeListResult::Malformed || keyboard.events.empty(),
          "a malformed keystroke list sends nothing", text);
}

} // namespace
} // namespace flickmark

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace flickmark;
    if (size == 0)
        return 0;
    const std::string_view separator = kSeparators[data[0] % kSeparators.size()];
    const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);
    checkTokens(text, separator);
    checkScript(text);
    return 0;
}

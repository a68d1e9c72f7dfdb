#include "actions/keystroke_sender.h"

#include "base/virtual_keys.h"

#include "actions/date_format.h"

#include <algorithm>
#include <cctype>

namespace flickmark {
namespace {

constexpr int kStepPauseMs = 10;
constexpr int kSpecialKeyLeadMs = 60;
constexpr int kSpecialKeyHoldMs = 30;
constexpr int kWaitTokenMs = 100;

std::uint8_t lowByte(long long value) {
    return static_cast<std::uint8_t>(value & 0xFF);
}

std::string upperCase(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return out;
}

bool contains(const std::string& text, char c) {
    return text.find(c) != std::string::npos;
}

// True while a "[" comes before the first "]".
bool openBracketFirst(const std::string& text) {
    const std::size_t open = text.find('[');
    const std::size_t close = text.find(']');
    return open != std::string::npos && close != std::string::npos && open < close;
}

// The text between the first and the second double quote of a token such as DATE"yyyy-mm-dd".
std::string quotedPart(const std::string& token) {
    const std::size_t first = token.find('"');
    if (first == std::string::npos)
        return "";
    const std::size_t second = token.find('"', first + 1);
    return token.substr(first + 1, second == std::string::npos ? std::string::npos : second - first - 1);
}

struct SpecialKeyToken {
    const char* name;
    std::uint8_t virtualKey;
};
constexpr SpecialKeyToken kSpecialKeyTokens[] = {
    {"TAB", vk::Tab},   {"DEL", vk::Delete},  {"HOME", vk::Home},   {"BACK", vk::Back},
    {"END", vk::End},   {"INS", vk::Insert},  {"UP", vk::Up},       {"DOWN", vk::Down},
    {"LEFT", vk::Left}, {"RIGHT", vk::Right}, {"SPACE", vk::Space},
};

} // namespace

KeystrokeSender::KeystrokeSender(const KeystrokeSenderPorts& ports, ProgramLauncher& launcher,
                                 DiagnosticLog& log, const std::string& dataFolder)
    : keyboard_(ports.keyboard), clock_(ports.clock), clipboard_(ports.clipboard),
      wallClock_(ports.wallClock), launcher_(launcher), log_(log), listFile_(ports.files, log, dataFolder) {}

void KeystrokeSender::sendKeystroke(const KeystrokeData& k) {
    // Receivers act on the virtual key; the scan codes of modifier events only have to stay the same.
    const auto ctrlScan = [this] { return lowByte(keyboard_.vkKeyScan(vk::Control)); };
    const auto altScan = [this] { return lowByte(keyboard_.vkKeyScan(vk::Menu)); };

    clock_.pause(kStepPauseMs);
    if (k.win)
        keyboard_.keyEvent(vk::LeftWin, ctrlScan(), 0);
    clock_.pause(kStepPauseMs);
    if (k.alt)
        keyboard_.keyEvent(vk::Menu, ctrlScan(), 0);
    clock_.pause(kStepPauseMs);
    if (k.ctrl)
        keyboard_.keyEvent(vk::Control, ctrlScan(), 0);
    clock_.pause(kStepPauseMs);
    if (k.shift)
        keyboard_.keyEvent(vk::Shift, lowByte(keyboard_.mapVirtualKey(vk::Shift)), 0);
    clock_.pause(kStepPauseMs);

    // A letter goes to the key that types it in the current layout; when no key of the layout types it
    // (a Cyrillic or Greek layout), the letter's own key code still reaches shortcuts such as Ctrl+C.
    std::uint8_t key = lowByte(k.key);
    if (k.key >= 'A' && k.key <= 'Z') {
        const int scanned = keyboard_.vkKeyScan(static_cast<char>(k.key));
        if (scanned != -1 && lowByte(scanned) != 0xFF)
            key = lowByte(scanned);
    }
    const std::uint32_t extended = k.key == vk::Left || k.key == vk::Right ? key_event::kExtendedKey : 0;
    keyboard_.keyEvent(key, key, extended);
    clock_.pause(kStepPauseMs);
    keyboard_.keyEvent(key, key, extended | key_event::kKeyUp);
    clock_.pause(kStepPauseMs);

    if (k.shift)
        keyboard_.keyEvent(vk::Shift, lowByte(keyboard_.vkKeyScan(vk::Shift)), key_event::kKeyUp);
    if (k.ctrl)
        keyboard_.keyEvent(vk::Control, ctrlScan(), key_event::kKeyUp);
    if (k.alt)
        keyboard_.keyEvent(vk::Menu, altScan(), key_event::kKeyUp);
    if (k.win)
        keyboard_.keyEvent(vk::LeftWin, altScan(), key_event::kKeyUp);
}

bool KeystrokeSender::sendKeystrokeList(std::string_view list) {
    const DecodedKeystrokeList decoded = decodeKeystrokeList(list);
    if (!decoded.ok()) {
        log_.append("Malformed keystroke \"" + *decoded.malformedPiece + "\" in \"" + std::string(list) +
                    "\"");
        return false;
    }
    for (const KeystrokeData& keystroke : decoded.keystrokes)
        sendKeystroke(keystroke);
    return true;
}

void KeystrokeSender::pressSpecialKey(std::uint8_t virtualKey, std::uint8_t scanCode) {
    clock_.pause(kSpecialKeyLeadMs);
    keyboard_.keyEvent(virtualKey, scanCode, 0);
    clock_.pause(kSpecialKeyHoldMs);
    keyboard_.keyEvent(virtualKey, scanCode, key_event::kKeyUp);
    clock_.pause(kStepPauseMs);
}

void KeystrokeSender::runScript(std::string_view text) {
    std::string script(text.substr(std::min<std::size_t>(6, text.size())));
    const std::string clipboardText =
        upperCase(script).find("[CLIPBRD]") != std::string::npos ? clipboard_.readText() : std::string();

    // Text that is not a key: collected, never typed, and dropped after every key and at the end.
    std::string pendingText;
    while (!script.empty()) {
        if (!contains(script, '[') || !contains(script, ']')) {
            pendingText += script;
            break;
        }
        pendingText += takeToken(script, "[");
        if (script.empty())
            break;
        while (openBracketFirst(script))
            pendingText += "[" + takeToken(script, "[");
        if (!contains(script, ']')) { // "[" with no closing bracket after it: text, not a token
            pendingText += "[" + script;
            break;
        }
        const std::string token = takeToken(script, "]");
        const std::string name = upperCase(token);

        const auto special = std::find_if(std::begin(kSpecialKeyTokens), std::end(kSpecialKeyTokens),
                                          [&](const SpecialKeyToken& t) { return name == t.name; });
        if (special != std::end(kSpecialKeyTokens)) {
            pressSpecialKey(special->virtualKey);
            pendingText.clear();
        } else if (name == "ENTER") {
            pressSpecialKey(vk::Return, lowByte(keyboard_.mapVirtualKey(vk::Return)));
            pendingText.clear();
        } else if (name == "WAIT") {
            clock_.pause(kWaitTokenMs);
        } else if (name.starts_with("DATE")) {
            pendingText += formatDateTime(quotedPart(token), wallClock_.localNow());
        } else if (name.starts_with("CLEAR")) {
            clock_.pause(kSpecialKeyLeadMs);
            clipboard_.clear();
            pendingText.clear();
        } else if (name == "CLIPBRD") {
            pendingText += clipboardText;
        } else if (name == "RUN") {
            // The whole rest is the command; what follows its next "[" is read on as command text.
            launcher_.shellRun(launcher_.ownerWindow(), script);
            const std::size_t next = script.find('[');
            script = next == std::string::npos ? std::string() : script.substr(next);
        } else {
            pendingText += "[" + token + "]";
        }
    }
}

} // namespace flickmark

#include "actions/keystroke_sender.h"

#include "base/virtual_keys.h"

#include "actions/date_format.h"

#include <algorithm>
#include <cctype>
#include <iterator>

namespace flickmark {
namespace {

constexpr int kStepPauseMs = 10;
constexpr int kSpecialKeyLeadMs = 60;
constexpr int kSpecialKeyHoldMs = 30;
constexpr int kWaitTokenMs = 100;

std::uint8_t lowByte(long long value) {
    return static_cast<std::uint8_t>(value & 0xFF);
}

std::string hexByte(std::uint8_t value) {
    constexpr char kDigits[] = "0123456789ABCDEF";
    return {kDigits[value >> 4], kDigits[value & 0xF]};
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
    {"LEFT", vk::Left}, {"RIGHT", vk::Right}, {"SPACE", vk::Space}, {"ENTER", vk::Return},
};

} // namespace

KeystrokeSender::KeystrokeSender(const KeystrokeSenderPorts& ports, ProgramLauncher& launcher,
                                 DiagnosticLog& log, const std::string& dataFolder)
    : keyboard_(ports.keyboard), clock_(ports.clock), clipboard_(ports.clipboard),
      wallClock_(ports.wallClock), launcher_(launcher), log_(log), listFile_(ports.files, log, dataFolder) {}

bool KeystrokeSender::sendKeystroke(const KeystrokeData& k) {
    const bool sent = pressKeystroke(k);
    if (!sent)
        releaseHeldKeys();
    return sent;
}

bool KeystrokeSender::pressKeystroke(const KeystrokeData& k) {
    // Each key event after the first waits 10 ms, so that programs which poll the key state see every
    // modifier before the main key and the main key held for a moment. Nothing waits before the first
    // event: the caller settles whatever came before (a menu closing, a window coming to the front), and
    // sendKeystrokeList spaces keystrokes.
    bool first = true;
    const auto pressSpaced = [&](std::uint8_t virtualKey) {
        if (!first)
            clock_.pause(kStepPauseMs);
        first = false;
        return pressKey(virtualKey);
    };
    // A modifier that is itself the main key (Right Ctrl pressed alone is stored with the Ctrl flag) goes
    // down once, as the main key: the flag's own key would add the left one.
    const vk::Modifier own = vk::modifierOf(k.key);
    const bool win = k.win && own != vk::Modifier::WindowsKey;
    const bool alt = k.alt && own != vk::Modifier::AltKey;
    const bool ctrl = k.ctrl && own != vk::Modifier::CtrlKey;
    const bool shift = k.shift && own != vk::Modifier::ShiftKey;
    if (win && !pressSpaced(vk::LeftWin))
        return false;
    if (alt && !pressSpaced(vk::Menu))
        return false;
    if (ctrl && !pressSpaced(vk::Control))
        return false;
    if (shift && !pressSpaced(vk::Shift))
        return false;

    // A letter goes to the key that types it in the current layout; when no key of the layout types it
    // (a Cyrillic or Greek layout), the letter's own key code still reaches shortcuts such as Ctrl+C.
    std::uint8_t key = lowByte(k.key);
    if (k.key >= 'A' && k.key <= 'Z') {
        const int scanned = keyboard_.vkKeyScan(static_cast<char>(k.key));
        if (scanned != -1 && lowByte(scanned) != 0xFF)
            key = lowByte(scanned);
    }
    if (!pressSpaced(key))
        return false;
    clock_.pause(kStepPauseMs);
    if (!releaseKey(key))
        return false;
    clock_.pause(kStepPauseMs);

    return (!shift || releaseKey(vk::Shift)) && (!ctrl || releaseKey(vk::Control)) &&
           (!alt || releaseKey(vk::Menu)) && (!win || releaseKey(vk::LeftWin));
}

KeystrokeListResult KeystrokeSender::sendKeystrokeList(std::string_view list) {
    const DecodedKeystrokeList decoded = decodeKeystrokeList(list);
    if (!decoded.ok()) {
        log_.append("Malformed keystroke \"" + *decoded.malformedPiece + "\" in \"" + std::string(list) +
                    "\"");
        return KeystrokeListResult::Malformed;
    }
    for (std::size_t i = 0; i < decoded.keystrokes.size(); ++i) {
        if (i > 0)
            clock_.pause(kStepPauseMs); // the previous keystroke's modifiers have just come up
        if (!sendKeystroke(decoded.keystrokes[i]))
            return KeystrokeListResult::Refused;
    }
    return KeystrokeListResult::Sent;
}

bool KeystrokeSender::sendKeyEvent(std::uint8_t virtualKey, bool up) {
    // Scan code and extended flag are those of the key itself, the same going down and up: programs that
    // read scan codes (remote desktops, virtual machines, games) would otherwise see another key.
    const std::uint8_t scanCode = lowByte(keyboard_.mapVirtualKey(virtualKey));
    const std::uint32_t flags =
        (vk::isExtendedKey(virtualKey) ? key_event::kExtendedKey : 0) | (up ? key_event::kKeyUp : 0);
    return keyboard_.keyEvent(virtualKey, scanCode, flags);
}

bool KeystrokeSender::pressKey(std::uint8_t virtualKey) {
    if (!sendKeyEvent(virtualKey, false)) {
        logRefusal(virtualKey, false);
        return false;
    }
    heldKeys_.push_back(virtualKey);
    return true;
}

bool KeystrokeSender::releaseKey(std::uint8_t virtualKey) {
    if (!sendKeyEvent(virtualKey, true)) {
        logRefusal(virtualKey, true);
        return false;
    }
    const auto newest = std::find(heldKeys_.rbegin(), heldKeys_.rend(), virtualKey);
    if (newest != heldKeys_.rend())
        heldKeys_.erase(std::next(newest).base());
    return true;
}

void KeystrokeSender::releaseHeldKeys() {
    // Each key still down gets one more release, newest first; a key whose release the system keeps
    // refusing is beyond help here.
    while (!heldKeys_.empty()) {
        sendKeyEvent(heldKeys_.back(), true);
        heldKeys_.pop_back();
    }
}

void KeystrokeSender::logRefusal(std::uint8_t virtualKey, bool up) {
    log_.append("Keystrokes stopped: the system refused key 0x" + hexByte(virtualKey) +
                (up ? " up" : " down") + " (keys still pressed are released)");
}

bool KeystrokeSender::pressSpecialKey(std::uint8_t virtualKey) {
    clock_.pause(kSpecialKeyLeadMs);
    if (!pressKey(virtualKey))
        return false;
    clock_.pause(kSpecialKeyHoldMs);
    if (!releaseKey(virtualKey))
        return false;
    clock_.pause(kStepPauseMs);
    return true;
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
            if (!pressSpecialKey(special->virtualKey)) {
                releaseHeldKeys();
                return;
            }
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

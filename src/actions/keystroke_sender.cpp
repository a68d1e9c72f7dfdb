#include "actions/keystroke_sender.h"

#include "actions/date_format.h"

#include <algorithm>
#include <cctype>

namespace flickmark {
namespace {

constexpr std::uint8_t vkBack = 0x08, vkTab = 0x09, vkReturn = 0x0D, vkShift = 0x10, vkControl = 0x11,
                       vkMenu = 0x12, vkSpace = 0x20, vkEnd = 0x23, vkHome = 0x24, vkLeft = 0x25, vkUp = 0x26,
                       vkRight = 0x27, vkDown = 0x28, vkInsert = 0x2D, vkDelete = 0x2E, vkLeftWin = 0x5B;

constexpr int stepPauseMs = 10;
constexpr int specialKeyLeadMs = 60;
constexpr int specialKeyHoldMs = 30;
constexpr int waitTokenMs = 100;

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
constexpr SpecialKeyToken specialKeyTokens[] = {
    {"TAB", vkTab},   {"DEL", vkDelete},  {"HOME", vkHome},   {"BACK", vkBack},
    {"END", vkEnd},   {"INS", vkInsert},  {"UP", vkUp},       {"DOWN", vkDown},
    {"LEFT", vkLeft}, {"RIGHT", vkRight}, {"SPACE", vkSpace},
};

} // namespace

KeystrokeSender::KeystrokeSender(const KeystrokeSenderPorts& ports, ProgramLauncher& launcher,
                                 DiagnosticLog& log, const std::string& dataFolder)
    : keyboard_(ports.keyboard), clock_(ports.clock), clipboard_(ports.clipboard),
      wallClock_(ports.wallClock), launcher_(launcher), log_(log), listFile_(ports.files, log, dataFolder) {}

void KeystrokeSender::sendKeystroke(const KeystrokeData& k) {
    // Receivers act on the virtual key; the scan codes of modifier events only have to stay the same.
    const auto ctrlScan = [this] { return lowByte(keyboard_.vkKeyScan(vkControl)); };
    const auto altScan = [this] { return lowByte(keyboard_.vkKeyScan(vkMenu)); };

    clock_.pause(stepPauseMs);
    if (k.win)
        keyboard_.keyEvent(vkLeftWin, ctrlScan(), 0);
    clock_.pause(stepPauseMs);
    if (k.alt)
        keyboard_.keyEvent(vkMenu, ctrlScan(), 0);
    clock_.pause(stepPauseMs);
    if (k.ctrl)
        keyboard_.keyEvent(vkControl, ctrlScan(), 0);
    clock_.pause(stepPauseMs);
    if (k.shift)
        keyboard_.keyEvent(vkShift, lowByte(keyboard_.mapVirtualKey(vkShift)), 0);
    clock_.pause(stepPauseMs);

    // A letter goes to the key that types it in the current layout; when no key of the layout types it
    // (a Cyrillic or Greek layout), the letter's own key code still reaches shortcuts such as Ctrl+C.
    std::uint8_t key = lowByte(k.key);
    if (k.key >= 'A' && k.key <= 'Z') {
        const int scanned = keyboard_.vkKeyScan(static_cast<char>(k.key));
        if (scanned != -1 && lowByte(scanned) != 0xFF)
            key = lowByte(scanned);
    }
    const std::uint32_t extended = k.key == vkLeft || k.key == vkRight ? key_event::extendedKey : 0;
    keyboard_.keyEvent(key, key, extended);
    clock_.pause(stepPauseMs);
    keyboard_.keyEvent(key, key, extended | key_event::keyUp);
    clock_.pause(stepPauseMs);

    if (k.shift)
        keyboard_.keyEvent(vkShift, lowByte(keyboard_.vkKeyScan(vkShift)), key_event::keyUp);
    if (k.ctrl)
        keyboard_.keyEvent(vkControl, ctrlScan(), key_event::keyUp);
    if (k.alt)
        keyboard_.keyEvent(vkMenu, altScan(), key_event::keyUp);
    if (k.win)
        keyboard_.keyEvent(vkLeftWin, altScan(), key_event::keyUp);
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
    clock_.pause(specialKeyLeadMs);
    keyboard_.keyEvent(virtualKey, scanCode, 0);
    clock_.pause(specialKeyHoldMs);
    keyboard_.keyEvent(virtualKey, scanCode, key_event::keyUp);
    clock_.pause(stepPauseMs);
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

        const auto special = std::find_if(std::begin(specialKeyTokens), std::end(specialKeyTokens),
                                          [&](const SpecialKeyToken& t) { return name == t.name; });
        if (special != std::end(specialKeyTokens)) {
            pressSpecialKey(special->virtualKey);
            pendingText.clear();
        } else if (name == "ENTER") {
            pressSpecialKey(vkReturn, lowByte(keyboard_.mapVirtualKey(vkReturn)));
            pendingText.clear();
        } else if (name == "WAIT") {
            clock_.pause(waitTokenMs);
        } else if (name.starts_with("DATE")) {
            pendingText += formatDateTime(quotedPart(token), wallClock_.localNow());
        } else if (name.starts_with("CLEAR")) {
            clock_.pause(specialKeyLeadMs);
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

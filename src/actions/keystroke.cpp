#include "actions/keystroke.h"

#include "base/virtual_keys.h"

namespace flickmark {
namespace {

constexpr std::size_t kEncodedHeaderLength = 6;

std::optional<std::uint8_t> decimalDigit(char c) {
    if (c < '0' || c > '9')
        return std::nullopt;
    return static_cast<std::uint8_t>(c - '0');
}

std::optional<std::uint16_t> hexDigit(char c) {
    if (c >= '0' && c <= '9')
        return static_cast<std::uint16_t>(c - '0');
    if (c >= 'A' && c <= 'F')
        return static_cast<std::uint16_t>(c - 'A' + 10);
    if (c >= 'a' && c <= 'f')
        return static_cast<std::uint16_t>(c - 'a' + 10);
    return std::nullopt;
}

std::string hexKey(std::uint16_t key) {
    static constexpr char kHexDigits[] = "0123456789ABCDEF";
    std::string out;
    do {
        out.insert(out.begin(), kHexDigits[key & 0xF]);
        key = static_cast<std::uint16_t>(key >> 4);
    } while (key != 0);
    if (out.size() < 2)
        out.insert(out.begin(), '0');
    return out;
}

} // namespace

std::string encodeKeystroke(const KeystrokeData& k) {
    return std::to_string(k.alt) + std::to_string(k.ctrl) + std::to_string(k.shift) + std::to_string(k.win) +
           hexKey(k.key) + k.text;
}

std::optional<KeystrokeData> decodeKeystroke(std::string_view encoded) {
    KeystrokeData result;
    result.text = "none";
    if (encoded.size() < kEncodedHeaderLength)
        return result;
    const auto alt = decimalDigit(encoded[0]);
    const auto ctrl = decimalDigit(encoded[1]);
    const auto shift = decimalDigit(encoded[2]);
    const auto win = decimalDigit(encoded[3]);
    const auto high = hexDigit(encoded[4]);
    const auto low = hexDigit(encoded[5]);
    if (!alt || !ctrl || !shift || !win || !high || !low)
        return std::nullopt;
    result.alt = *alt;
    result.ctrl = *ctrl;
    result.shift = *shift;
    result.win = *win;
    result.key = static_cast<std::uint16_t>(*high * 16 + *low);
    result.text.assign(encoded.substr(kEncodedHeaderLength));
    return result;
}

namespace {

struct NamedKey {
    std::uint16_t code;
    const char* name;
};
// Keys named by a fixed text, besides the ranges in knownName. The names that keystrokes have always shown
// (BACKSPACE, ENTER, PAGEUP, NUMLOCK, ...) stay as they are, so a key captured again shows what it showed.
constexpr NamedKey kNamedKeys[] = {
    {0x03, "BREAK"}, // Ctrl+Pause arrives as this code
    {0x08, "BACKSPACE"},
    {0x09, "TAB"},
    {0x0C, "CLEAR"}, // keypad 5 with Num Lock off
    {0x0D, "ENTER"},
    {0x10, "SHIFT"},
    {0x11, "CTRL"},
    {0x12, "ALT"},
    {0x13, "PAUSE"},
    {0x14, "CAPS LOCK"},
    {0x15, "KANA"},
    {0x16, "IME ON"},
    {0x17, "JUNJA"},
    {0x18, "FINAL"},
    {0x19, "KANJI"},
    {0x1A, "IME OFF"},
    {0x1B, "ESCAPE"},
    {0x1C, "CONVERT"},
    {0x1D, "NONCONVERT"},
    {0x1E, "ACCEPT"},
    {0x1F, "MODE CHANGE"},
    {0x20, "SPACE"},
    {0x21, "PAGEUP"},
    {0x22, "PAGEDOWN"},
    {0x23, "END"},
    {0x24, "HOME"},
    {0x25, "LEFT"},
    {0x26, "UP"},
    {0x27, "RIGHT"},
    {0x28, "DOWN"},
    {0x29, "SELECT"},
    {0x2A, "PRINT"},
    {0x2B, "EXECUTE"},
    {0x2C, "PRINT SCREEN"},
    {0x2D, "INSERT"},
    {0x2E, "DELETE"},
    {0x2F, "HELP"},
    {0x5B, "WINKEY"},
    {0x5C, "RIGHT WINKEY"},
    {0x5D, "APPS"},
    {0x5F, "SLEEP"},
    {0x6A, "MULTIPLY"},
    {0x6B, "ADD"},
    {0x6C, "SEPARATOR"},
    {0x6D, "SUBTRACT"},
    {0x6E, "DECIMAL"},
    {0x6F, "DIVIDE"},
    {0x90, "NUMLOCK"},
    {0x91, "SCROLL LOCK"},
    {0xA0, "LEFT SHIFT"},
    {0xA1, "RIGHT SHIFT"},
    {0xA2, "LEFT CTRL"},
    {0xA3, "RIGHT CTRL"},
    {0xA4, "LEFT ALT"},
    {0xA5, "RIGHT ALT"},
    {0xA6, "BROWSER BACK"},
    {0xA7, "BROWSER FORWARD"},
    {0xA8, "BROWSER REFRESH"},
    {0xA9, "BROWSER STOP"},
    {0xAA, "BROWSER SEARCH"},
    {0xAB, "BROWSER FAVORITES"},
    {0xAC, "BROWSER HOME"},
    {0xAD, "VOLUME MUTE"},
    {0xAE, "VOLUME DOWN"},
    {0xAF, "VOLUME UP"},
    {0xB0, "NEXT TRACK"},
    {0xB1, "PREVIOUS TRACK"},
    {0xB2, "STOP MEDIA"},
    {0xB3, "PLAY/PAUSE"},
    {0xB4, "MAIL"},
    {0xB5, "SELECT MEDIA"},
    {0xB6, "LAUNCH APP1"},
    {0xB7, "LAUNCH APP2"},
    {0xDF, "OEM 8"},
    {0xE2, "OEM 102"},
    {0xE5, "PROCESS KEY"},
    {0xF6, "ATTN"},
    {0xF7, "CRSEL"},
    {0xF8, "EXSEL"},
    {0xF9, "EREOF"},
    {0xFA, "PLAY"},
    {0xFB, "ZOOM"},
    {0xFD, "PA1"},
    {0xFE, "OEM CLEAR"},
};

const char* fixedName(std::uint16_t key) {
    for (const NamedKey& k : kNamedKeys)
        if (k.code == key)
            return k.name;
    return nullptr;
}

std::optional<std::string> knownName(std::uint16_t key) {
    if (const char* name = fixedName(key))
        return name;
    if ((key >= 0x30 && key <= 0x39) || (key >= 0x41 && key <= 0x5A))
        return std::string(1, static_cast<char>(key));
    if (key >= 0x60 && key <= 0x69)
        return "NUMPAD " + std::string(1, static_cast<char>('0' + (key - 0x60)));
    if (key >= 0x70 && key <= 0x87)
        return "F" + std::to_string(key - 0x70 + 1);
    // The punctuation keys by their characters on a US layout; a key press brings the layout's own.
    if (key >= 0xBA && key <= 0xC0)
        return std::string(1, ";=,-./`"[key - 0xBA]);
    if (key >= 0xDB && key <= 0xDE)
        return std::string(1, "[\\]'"[key - 0xDB]);
    return std::nullopt;
}

// Keys whose character or label the layout decides: the punctuation keys, the extra key of 102-key
// keyboards and the other vendor keys up to 0xF5 (the IME's process key and the packet code are not keys).
bool layoutDecidesName(std::uint16_t key) {
    return key >= 0xBA && key <= 0xF5 && key != 0xE5 && key != 0xE7;
}

// The layout's name as one upper-case line, or "" when it is unusable: empty, several lines, or holding the
// list separator.
std::string usableLayoutName(std::string_view name) {
    while (!name.empty() && static_cast<unsigned char>(name.front()) <= 32)
        name.remove_prefix(1);
    while (!name.empty() && static_cast<unsigned char>(name.back()) <= 32)
        name.remove_suffix(1);
    std::string out;
    for (const char c : name) {
        if (c == '|' || static_cast<unsigned char>(c) < 32 || c == 0x7F)
            return "";
        out += (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
    }
    return out;
}

} // namespace

std::string keyName(std::uint16_t key) {
    if (key == 0)
        return "";
    return knownName(key).value_or("KEY " + hexKey(key));
}

std::string pressedKeyName(std::uint16_t key, std::string_view layoutName) {
    if (layoutDecidesName(key) || !knownName(key)) {
        std::string name = usableLayoutName(layoutName);
        if (!name.empty())
            return name;
    }
    return keyName(key);
}

std::string modifierPrefixes(std::uint8_t alt, std::uint8_t shift, std::uint8_t ctrl, std::uint8_t win,
                             std::uint16_t key) {
    const vk::Modifier own = vk::modifierOf(key);
    std::string text;
    if (win == 1 && own != vk::Modifier::WindowsKey)
        text += "WINKEY+";
    if (ctrl == 1 && own != vk::Modifier::CtrlKey)
        text += "CTRL+";
    if (shift == 1 && own != vk::Modifier::ShiftKey)
        text += "SHIFT+";
    if (alt == 1 && own != vk::Modifier::AltKey)
        text += "ALT+";
    return text;
}

std::string keystrokeDisplayText(std::uint8_t alt, std::uint8_t shift, std::uint8_t ctrl, std::uint8_t win,
                                 std::uint16_t key) {
    return modifierPrefixes(alt, shift, ctrl, win, key) + keyName(key);
}

std::string shownText(const KeystrokeData& keystroke) {
    if (!keystroke.text.empty())
        return keystroke.text;
    return keystrokeDisplayText(keystroke.alt, keystroke.shift, keystroke.ctrl, keystroke.win, keystroke.key);
}

std::string takeToken(std::string& source, std::string_view separator) {
    std::size_t start = 0;
    while (start < source.size() && static_cast<unsigned char>(source[start]) <= 32)
        ++start;
    source.erase(0, start);
    const std::size_t at = separator.empty() ? std::string::npos : source.find(separator);
    if (at == std::string::npos) {
        std::string all = std::move(source);
        source.clear();
        return all;
    }
    std::string token = source.substr(0, at);
    source.erase(0, at + separator.size());
    return token;
}

std::vector<std::string> splitKeystrokeList(std::string_view list) {
    std::vector<std::string> pieces;
    std::string rest(list);
    while (!rest.empty())
        pieces.push_back(takeToken(rest, "|"));
    return pieces;
}

DecodedKeystrokeList decodeKeystrokeList(std::string_view list) {
    DecodedKeystrokeList result;
    for (const std::string& piece : splitKeystrokeList(list)) {
        auto keystroke = decodeKeystroke(piece);
        if (!keystroke) {
            result.keystrokes.clear();
            result.malformedPiece = piece;
            return result;
        }
        result.keystrokes.push_back(std::move(*keystroke));
    }
    return result;
}

std::string keystrokeListDisplayText(std::string_view list) {
    std::string text;
    bool first = true;
    for (const std::string& piece : splitKeystrokeList(list)) {
        if (!first)
            text += " | ";
        first = false;
        const auto keystroke = decodeKeystroke(piece);
        text += keystroke ? shownText(*keystroke) : piece;
    }
    return text;
}

} // namespace flickmark

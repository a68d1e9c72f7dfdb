#include "actions/keystroke.h"

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

std::string keyName(std::uint16_t key) {
    struct NamedKey {
        std::uint16_t code;
        const char* name;
    };
    static constexpr NamedKey kNamedKeys[] = {
        {0x08, "BACKSPACE"}, {0x09, "TAB"},    {0x0D, "ENTER"},    {0x13, "PAUSE"}, {0x1B, "ESCAPE"},
        {0x20, "SPACE"},     {0x21, "PAGEUP"}, {0x22, "PAGEDOWN"}, {0x23, "END"},   {0x24, "HOME"},
        {0x25, "LEFT"},      {0x26, "UP"},     {0x27, "RIGHT"},    {0x28, "DOWN"},  {0x2A, "PRINT"},
        {0x2D, "INSERT"},    {0x2E, "DELETE"}, {0x6A, "MULTIPLY"}, {0x6B, "ADD"},   {0x6D, "SUBTRACT"},
        {0x6E, "DECIMAL"},   {0x6F, "DIVIDE"}, {0x90, "NUMLOCK"},
    };
    for (const NamedKey& k : kNamedKeys)
        if (k.code == key)
            return k.name;
    if ((key >= 0x30 && key <= 0x39) || (key >= 0x41 && key <= 0x5A))
        return std::string(1, static_cast<char>(key));
    if (key >= 0x60 && key <= 0x69)
        return "NUMPAD " + std::string(1, static_cast<char>('0' + (key - 0x60)));
    if (key >= 0x70 && key <= 0x7B)
        return "F" + std::to_string(key - 0x70 + 1);
    if (key >= 0xBA && key <= 0xC0)
        return std::string(1, ";=,-./`"[key - 0xBA]);
    if (key >= 0xDB && key <= 0xDE)
        return std::string(1, "[\\]'"[key - 0xDB]);
    return "";
}

std::string keystrokeDisplayText(std::uint8_t alt, std::uint8_t shift, std::uint8_t ctrl, std::uint8_t win,
                                 std::uint16_t key) {
    std::string text;
    if (win == 1)
        text += "WINKEY+";
    if (ctrl == 1)
        text += "CTRL+";
    if (shift == 1)
        text += "SHIFT+";
    if (alt == 1)
        text += "ALT+";
    return text + keyName(key);
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
        text += keystroke ? keystroke->text : piece;
    }
    return text;
}

} // namespace flickmark

// The keystroke notation: one keystroke as a record and as its short encoded text, keystroke lists joined
// by "|", and the display text shown for them.
//
// Encoded keystroke: four decimal digits for Alt, Ctrl, Shift and Win (in that order), the virtual-key code
// as two upper-case hexadecimal digits, then the display text, e.g. "100046ALT+F" or "01101B".
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace flickmark {

struct KeystrokeData {
    // Modifier flags: capture stores 0 or 1; a decoded file may hold any digit, and every non-zero value
    // counts as pressed when sending.
    std::uint8_t alt = 0, ctrl = 0, shift = 0, win = 0;
    // Win32 virtual-key code of the main key; 0 means none.
    std::uint16_t key = 0;
    // Display text built once at capture time; never rebuilt from the key code.
    std::string text;

    friend bool operator==(const KeystrokeData&, const KeystrokeData&) = default;
};

// Flags in decimal, the key in at least two upper-case hexadecimal digits, then the text.
std::string encodeKeystroke(const KeystrokeData& keystroke);

// A text shorter than six characters gives the all-zero record with text "none". A non-digit flag or a
// non-hexadecimal key gives nullopt; the caller decides what a malformed keystroke means.
std::optional<KeystrokeData> decodeKeystroke(std::string_view encoded);

// What a keystroke shows: its stored display text, or for one stored without any (an older save), its
// modifier prefixes and its key's name.
std::string shownText(const KeystrokeData& keystroke);

// The modifier prefixes and then the key's name. Note the parameter order.
std::string keystrokeDisplayText(std::uint8_t alt, std::uint8_t shift, std::uint8_t ctrl, std::uint8_t win,
                                 std::uint16_t key);
// "WINKEY+", "CTRL+", "SHIFT+", "ALT+" for each flag equal to 1, except the prefix of the modifier that the
// main key itself is: Ctrl alone is "CTRL", not "CTRL+CTRL".
std::string modifierPrefixes(std::uint8_t alt, std::uint8_t shift, std::uint8_t ctrl, std::uint8_t win,
                             std::uint16_t key);
// The fixed English name of a virtual-key code ("ESCAPE", "F12", "NUMPAD 0", "=", "RIGHT CTRL", "VOLUME
// MUTE"). Every code from 1 to 0xFF has one, "KEY E8" for a code of no known key; 0 (no key) has none.
std::string keyName(std::uint16_t key);
// The name shown for a key pressed in a key field. The keys whose character depends on the layout (the
// punctuation keys, the extra key of 102-key keyboards, other vendor keys) and codes without a known key
// take the layout's own name for the key when it gives one (upper-cased, one line, no "|"); every other key
// takes keyName, as does a press that brings no usable layout name.
std::string pressedKeyName(std::uint16_t key, std::string_view layoutName);

// The splitter of every "|"-separated text: drops leading characters with codes 0 to 32 from `source`, then
// returns the text before the first `separator` and leaves the text after it in `source` (untrimmed). Without
// a separator it returns all of `source` and leaves it empty.
std::string takeToken(std::string& source, std::string_view separator);

// The pieces of a keystroke list in sending order, as takeToken splits them: "A||B" gives "A", "", "B";
// an empty text gives no piece.
std::vector<std::string> splitKeystrokeList(std::string_view list);

struct DecodedKeystrokeList {
    std::vector<KeystrokeData> keystrokes;
    // The first piece that does not decode; empty when every piece decoded.
    std::optional<std::string> malformedPiece;
    bool ok() const { return !malformedPiece.has_value(); }
};
// Decodes every piece of a keystroke list; when one is malformed, `keystrokes` is empty and the piece is
// named.
DecodedKeystrokeList decodeKeystrokeList(std::string_view list);

// What the list's members show (see shownText) joined by " | "; a malformed piece shows as written.
std::string keystrokeListDisplayText(std::string_view list);

} // namespace flickmark

// Keystroke notation round trips: a text that decodes encodes back to itself (hexadecimal digits in upper
// case), a decoded list encodes to a list that decodes to the same keystrokes, and a keystroke record as
// capture makes it survives encode and decode. Display texts are built for every record on the way.
//
// Input: the text to decode; the same bytes also describe the record to encode.

#include "actions/keystroke.h"
#include "fuzz_check.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cctype>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace flickmark {
namespace {

using fuzz::check;

constexpr std::size_t kHeaderLength = 6;
constexpr std::size_t kMaxTextLength = 32;

std::string upperHexDigits(std::string_view encoded) {
    std::string out(encoded);
    for (std::size_t i = 4; i < kHeaderLength && i < out.size(); ++i)
        out[i] = static_cast<char>(std::toupper(static_cast<unsigned char>(out[i])));
    return out;
}

void checkSingle(std::string_view text) {
    const auto decoded = decodeKeystroke(text);
    if (!decoded)
        return;
    keystrokeDisplayText(decoded->alt, decoded->shift, decoded->ctrl, decoded->win, decoded->key);
    const std::string encoded = encodeKeystroke(*decoded);
    if (text.size() >= kHeaderLength)
        check(encoded == upperHexDigits(text), "a decoded keystroke encodes to its text", text, encoded);
    check(decodeKeystroke(encoded) == decoded, "an encoded keystroke decodes to itself", encoded);
}

void checkList(std::string_view text) {
    keystrokeListDisplayText(text);
    const DecodedKeystrokeList decoded = decodeKeystrokeList(text);
    if (!decoded.ok()) {
        check(decoded.keystrokes.empty(), "a malformed list yields no keystrokes");
        return;
    }
    std::string encoded;
    for (const KeystrokeData& keystroke : decoded.keystrokes)
        encoded += (encoded.empty() ? "" : "|") + encodeKeystroke(keystroke);
    const DecodedKeystrokeList again = decodeKeystrokeList(encoded);
    check(again.ok() && again.keystrokes == decoded.keystrokes,
          "an encoded list decodes to the same keystrokes", text, encoded);
}

// A record as the keystroke editor stores it: flag digits, a one-byte virtual key, any display text.
void checkRecord(FuzzedDataProvider& input) {
    KeystrokeData keystroke;
    keystroke.alt = input.ConsumeIntegralInRange<std::uint8_t>(0, 9);
    keystroke.ctrl = input.ConsumeIntegralInRange<std::uint8_t>(0, 9);
    keystroke.shift = input.ConsumeIntegralInRange<std::uint8_t>(0, 9);
    keystroke.win = input.ConsumeIntegralInRange<std::uint8_t>(0, 9);
    keystroke.key = input.ConsumeIntegral<std::uint8_t>();
    keystroke.text = input.ConsumeRandomLengthString(kMaxTextLength);
    const std::string encoded = encodeKeystroke(keystroke);
    check(encoded.size() == kHeaderLength + keystroke.text.size(),
          "an encoded keystroke has a six-character head", encoded);
    check(decodeKeystroke(encoded) == keystroke, "a keystroke record survives encode and decode", encoded);
}

} // namespace
} // namespace flickmark

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace flickmark;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    checkSingle(text);
    checkList(text);
    FuzzedDataProvider input(data, size);
    checkRecord(input);
    return 0;
}

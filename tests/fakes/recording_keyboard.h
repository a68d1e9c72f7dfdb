// A keyboard that records every key event with the virtual time it was sent at. Its layout answers like a
// US layout: letters need Shift, control characters are typed with Ctrl and a letter, and scan codes are
// those of a US PC keyboard; tests may override single characters and refuse one event.
#pragma once

#include "platform/clock.h"
#include "platform/keyboard_out.h"

#include <cstddef>
#include <cstdint>
#include <limits>
#include <map>
#include <string_view>
#include <vector>

namespace flickmark {

struct KeyEventRecord {
    std::int64_t timeMs = 0;
    std::uint8_t virtualKey = 0;
    std::uint8_t scanCode = 0;
    std::uint32_t flags = 0;
    friend bool operator==(const KeyEventRecord&, const KeyEventRecord&) = default;
};

class RecordingKeyboard final : public KeyboardOut {
public:
    explicit RecordingKeyboard(Clock& clock) : clock_(clock) {}

    bool keyEvent(std::uint8_t virtualKey, std::uint8_t scanCode, std::uint32_t flags) override {
        if (attempts++ == refusedAttempt)
            return false;
        events.push_back({clock_.nowMs(), virtualKey, scanCode, flags});
        return true;
    }
    int vkKeyScan(char character) override {
        if (const auto it = layout.find(character); it != layout.end())
            return it->second;
        const int c = static_cast<unsigned char>(character);
        if (c >= 'A' && c <= 'Z')
            return 0x100 | c;
        if (c >= 'a' && c <= 'z')
            return c - 'a' + 'A';
        if (c >= 0x01 && c <= 0x1A)
            return 0x200 | (c - 1 + 'A');
        return -1;
    }
    unsigned mapVirtualKey(unsigned virtualKey) override {
        constexpr std::string_view kLetterRows[] = {"QWERTYUIOP", "ASDFGHJKL", "ZXCVBNM"};
        constexpr unsigned kLetterRowStarts[] = {0x10, 0x1E, 0x2C};
        for (std::size_t row = 0; row < 3; ++row)
            if (const auto at = kLetterRows[row].find(static_cast<char>(virtualKey));
                virtualKey < 0x80 && at != std::string_view::npos)
                return kLetterRowStarts[row] + static_cast<unsigned>(at);
        if (virtualKey >= 0x70 && virtualKey <= 0x79) // F1..F10
            return 0x3B + virtualKey - 0x70;
        const std::map<unsigned, unsigned> kOtherKeys = {
            {0x08, 0x0E}, {0x09, 0x0F}, {0x0D, 0x1C}, {0x10, 0x2A}, {0x11, 0x1D}, {0x12, 0x38}, {0x1B, 0x01},
            {0x20, 0x39}, {0x21, 0x49}, {0x22, 0x51}, {0x23, 0x4F}, {0x24, 0x47}, {0x25, 0x4B}, {0x26, 0x48},
            {0x27, 0x4D}, {0x28, 0x50}, {0x2D, 0x52}, {0x2E, 0x53}, {0x5B, 0x5B}, {0x5C, 0x5C}, {0x5D, 0x5D},
            {0x6F, 0x35}, {0x90, 0x45}, {0xA3, 0x1D}, {0xA5, 0x38}, {0xAD, 0x20}, {0x03, 0x46}, {0xA1, 0x36},
        };
        const auto it = kOtherKeys.find(virtualKey);
        return it == kOtherKeys.end() ? 0 : it->second;
    }

    std::vector<KeyEventRecord> events; // the events sent; a refused one is not among them
    std::map<char, int> layout;         // characters typed differently from the US layout; -1 for none
    // The attempt (counted from 0 over all calls of keyEvent) that the system refuses.
    std::size_t refusedAttempt = std::numeric_limits<std::size_t>::max();
    std::size_t attempts = 0;

private:
    Clock& clock_;
};

} // namespace flickmark

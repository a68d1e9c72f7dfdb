// A keyboard that records every key event with the virtual time it was sent at. Its layout answers like a
// US layout: letters need Shift, control characters are typed with Ctrl and a letter; tests may override
// single characters.
#pragma once

#include "platform/clock.h"
#include "platform/keyboard_out.h"

#include <cstdint>
#include <map>
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

    void keyEvent(std::uint8_t virtualKey, std::uint8_t scanCode, std::uint32_t flags) override {
        events.push_back({clock_.nowMs(), virtualKey, scanCode, flags});
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
        switch (virtualKey) {
        case 0x10:
            return 0x2A;
        case 0x11:
            return 0x1D;
        case 0x0D:
            return 0x1C;
        default:
            return 0;
        }
    }

    std::vector<KeyEventRecord> events;
    std::map<char, int> layout; // characters typed differently from the US layout; -1 for none

private:
    Clock& clock_;
};

} // namespace flickmark

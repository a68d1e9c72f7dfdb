#include "editors/keystroke_edit.h"

#include "base/virtual_keys.h"

#include <gtest/gtest.h>

#include <vector>

namespace flickmark {
namespace {

// One key message as the key field gets it: code, scan code, extended bit, time and the layout's name.
struct Message {
    KeyPress press;
    HeldModifiers held{};
};

Message message(std::uint16_t key, std::uint8_t scan, bool extended, HeldModifiers held = {},
                std::uint32_t timeMs = 1000, std::string layoutName = "") {
    return {KeyPress{key, scan, extended, timeMs, std::move(layoutName)}, held};
}

constexpr HeldModifiers kCtrl{.ctrl = true};
constexpr HeldModifiers kAlt{.alt = true};
constexpr HeldModifiers kShift{.shift = true};
constexpr HeldModifiers kCtrlAlt{.ctrl = true, .alt = true};

// Each row is a family of keys as Windows reports them; the stored keystroke keeps the key apart from its
// twin wherever one code can say so, and every key gets a name.
TEST(KeystrokeCapture, EveryKeyIsStoredAsPressedAndNamed) {
    const struct {
        const char* what;
        std::vector<Message> messages;
        const char* field;
        const char* encoded;
    } table[] = {
        {"left Ctrl", {message(vk::Control, 0x1D, false, kCtrl)}, "CTRL", "010011CTRL"},
        {"right Ctrl", {message(vk::Control, 0x1D, true, kCtrl)}, "RIGHT CTRL", "0100A3RIGHT CTRL"},
        {"left Shift", {message(vk::Shift, 0x2A, false, kShift)}, "SHIFT", "001010SHIFT"},
        {"right Shift", {message(vk::Shift, 0x36, false, kShift)}, "RIGHT SHIFT", "0010A1RIGHT SHIFT"},
        {"left Alt", {message(vk::Menu, 0x38, false, kAlt)}, "ALT", "100012ALT"},
        {"right Alt", {message(vk::Menu, 0x38, true, kAlt)}, "RIGHT ALT", "1000A5RIGHT ALT"},
        // AltGr: Windows presses the left Ctrl first, at the same time, and holds it with AltGr.
        {"AltGr",
         {message(vk::Control, 0x1D, false, kCtrl, 500), message(vk::Menu, 0x38, true, kCtrlAlt, 500)},
         "RIGHT ALT",
         "1000A5RIGHT ALT"},
        {"AltGr held with Q is Ctrl+Alt+Q, as Windows reads it",
         {message(vk::Control, 0x1D, false, kCtrl, 500), message(vk::Menu, 0x38, true, kCtrlAlt, 500),
          message('Q', 0x10, false, kCtrlAlt, 700)},
         "CTRL+ALT+Q",
         "110051CTRL+ALT+Q"},
        {"Ctrl, then right Alt later",
         {message(vk::Control, 0x1D, false, kCtrl, 500), message(vk::Menu, 0x38, true, kCtrlAlt, 531)},
         "CTRL+RIGHT ALT",
         "1100A5CTRL+RIGHT ALT"},
        {"right Ctrl held with A: a flag cannot say the side",
         {message(vk::Control, 0x1D, true, kCtrl), message('A', 0x1E, false, kCtrl)},
         "CTRL+A",
         "010041CTRL+A"},
        {"keypad Enter is stored as Enter", {message(vk::Return, 0x1C, true)}, "ENTER", "00000DENTER"},
        {"keypad Home with Num Lock off is stored as Home",
         {message(vk::Home, 0x47, false)},
         "HOME",
         "000024HOME"},
        {"keypad divide", {message(vk::Divide, 0x35, true, {}, 1000, "Num /")}, "DIVIDE", "00006FDIVIDE"},
        {"keypad 5 with Num Lock off", {message(0x0C, 0x4C, false)}, "CLEAR", "00000CCLEAR"},
        // Windows names the media keys after the letter key that shares their scan code.
        {"volume mute", {message(0xAD, 0x20, true, {}, 1000, "D")}, "VOLUME MUTE", "0000ADVOLUME MUTE"},
        {"browser back", {message(0xA6, 0x6A, true)}, "BROWSER BACK", "0000A6BROWSER BACK"},
        {"play/pause with Ctrl",
         {message(0xB3, 0x22, true, kCtrl)},
         "CTRL+PLAY/PAUSE",
         "0100B3CTRL+PLAY/PAUSE"},
        {"F13", {message(0x7C, 0x64, false, {}, 1000, "F13")}, "F13", "00007CF13"},
        {"F24", {message(0x87, 0x76, false)}, "F24", "000087F24"},
        {"Apps", {message(vk::Apps, 0x5D, true, {}, 1000, "Application")}, "APPS", "00005DAPPS"},
        {"Print Screen", {message(vk::Snapshot, 0x37, true)}, "PRINT SCREEN", "00002CPRINT SCREEN"},
        {"Scroll Lock", {message(vk::Scroll, 0x46, false)}, "SCROLL LOCK", "000091SCROLL LOCK"},
        {"Pause", {message(0x13, 0x45, false)}, "PAUSE", "000013PAUSE"},
        {"Ctrl+Pause arrives as Break",
         {message(vk::Control, 0x1D, false, kCtrl, 500),
          message(vk::Cancel, 0x46, true, kCtrl, 600, "Break")},
         "CTRL+BREAK",
         "010003CTRL+BREAK"},
        // Keys whose character the layout decides take the layout's own name.
        {"a German layout's Ü key", {message(0xBA, 0x1A, false, {}, 1000, "\xDC")}, "\xDC", "0000BA\xDC"},
        {"the extra key of a 102-key keyboard",
         {message(0xE2, 0x56, false, kCtrl, 1000, "<")},
         "CTRL+<",
         "0100E2CTRL+<"},
        {"a dead key",
         {message(0xDC, 0x29, false, {}, 1000, "zirkumflex")},
         "ZIRKUMFLEX",
         "0000DCZIRKUMFLEX"},
        {"the same key with no layout name", {message(0xE2, 0x56, false)}, "OEM 102", "0000E2OEM 102"},
    };
    for (const auto& row : table) {
        KeystrokeEdit edit;
        for (const Message& m : row.messages)
            EXPECT_TRUE(edit.keyDown(m.press, m.held)) << row.what;
        EXPECT_EQ(edit.fieldText(), row.field) << row.what;
        EXPECT_EQ(edit.encoded(), row.encoded) << row.what;
    }
}

// Windows keeps the press of Print Screen for itself and reports only its release; where the press does
// arrive, the release adds nothing.
TEST(KeystrokeCapture, PrintScreenIsCapturedByItsReleaseWhenItsPressNeverCame) {
    const struct {
        const char* what;
        std::vector<std::pair<bool, Message>> messages; // (release, message)
        std::vector<bool> captured;                     // what keyUp answered, in order
        const char* field;
    } table[] = {
        {"release only", {{true, message(vk::Snapshot, 0x37, true)}}, {true}, "PRINT SCREEN"},
        {"release only, Ctrl held",
         {{true, message(vk::Snapshot, 0x37, true, kCtrl)}},
         {true},
         "CTRL+PRINT SCREEN"},
        {"press and release",
         {{false, message(vk::Snapshot, 0x37, true)}, {true, message(vk::Snapshot, 0x37, true)}},
         {false},
         "PRINT SCREEN"},
        {"another key's release",
         {{false, message('A', 0x1E, false)}, {true, message('A', 0x1E, false)}},
         {false},
         "A"},
    };
    for (const auto& row : table) {
        KeystrokeEdit edit;
        std::vector<bool> captured;
        for (const auto& [release, m] : row.messages) {
            if (release)
                captured.push_back(edit.keyUp(m.press, m.held));
            else
                edit.keyDown(m.press, m.held);
        }
        EXPECT_EQ(captured, row.captured) << row.what;
        EXPECT_EQ(edit.fieldText(), row.field) << row.what;
    }
}

} // namespace
} // namespace flickmark

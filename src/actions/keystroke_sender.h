// Synthetic keyboard input for the window that has the keyboard focus: single keystrokes with their
// modifiers, keystroke lists, and the small command-text language of bracketed tokens ("[TAB]", "[RUN]").
//
// Every operation blocks for its pauses (10 ms between two key events, at least 20 ms per keystroke) and
// processes no window messages meanwhile; all pauses go through the Clock.
#pragma once

#include "actions/keystroke.h"
#include "actions/launch.h"
#include "actions/paste_list_file.h"
#include "base/diagnostic_log.h"
#include "platform/clipboard.h"
#include "platform/clock.h"
#include "platform/file_system.h"
#include "platform/keyboard_out.h"
#include "platform/wall_clock.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace flickmark {

enum class KeystrokeListResult {
    Sent,
    Malformed, // a piece does not decode; nothing was sent
    Refused,   // the system refused a key event; the list ended there
};

struct KeystrokeSenderPorts {
    KeyboardOut& keyboard;
    Clock& clock;
    Clipboard& clipboard;
    WallClock& wallClock;
    FileSystem& files;
};

class KeystrokeSender {
public:
    // Reads the list file "exepaste.ini" from `dataFolder`; it is written back when the sender ends.
    // Every reference must outlive the sender.
    KeystrokeSender(const KeystrokeSenderPorts& ports, ProgramLauncher& launcher, DiagnosticLog& log,
                    const std::string& dataFolder);
    KeystrokeSender(const KeystrokeSender&) = delete;
    KeystrokeSender& operator=(const KeystrokeSender&) = delete;

    // Presses and releases the main key with every modifier whose flag is non-zero: modifiers go down as
    // Windows key, Alt, Ctrl, Shift and come up in the reverse order; a modifier that is the main key itself
    // (either side's code) is pressed once, as the main key. The first event goes out at once. Every event
    // carries the scan code of its key in the current layout and, for extended keys, the extended flag.
    //
    // When the system refuses an event, sending stops there, every key pressed so far is released, one line
    // is logged, and the result is false.
    bool sendKeystroke(const KeystrokeData& keystroke);

    // Sends every keystroke of a "|"-joined list in order, 10 ms apart. The list is checked first: when a
    // piece is malformed nothing is sent and the piece is logged. An empty list sends nothing.
    KeystrokeListResult sendKeystrokeList(std::string_view list);

    // Interprets a command text. Its first six characters are skipped (callers put "[KEYS]" there); tokens
    // are matched ignoring case. Text outside tokens, dates and clipboard text are not typed. A refused key
    // event ends the script as it ends a keystroke.
    void runScript(std::string_view text);

    // Writes "exepaste.ini" back now instead of at destruction.
    void saveListFile() { listFile_.save(); }

private:
    bool pressKeystroke(const KeystrokeData& keystroke);
    bool pressSpecialKey(std::uint8_t virtualKey);
    // One event for the key with its own scan code and extended flag; false when refused.
    bool sendKeyEvent(std::uint8_t virtualKey, bool up);
    // Press and release that remember which keys are down; a refusal is logged.
    bool pressKey(std::uint8_t virtualKey);
    bool releaseKey(std::uint8_t virtualKey);
    void releaseHeldKeys();
    void logRefusal(std::uint8_t virtualKey, bool up);

    KeyboardOut& keyboard_;
    Clock& clock_;
    Clipboard& clipboard_;
    WallClock& wallClock_;
    ProgramLauncher& launcher_;
    DiagnosticLog& log_;
    PasteListFile listFile_;
    std::vector<std::uint8_t> heldKeys_; // pressed and not yet released, oldest first
};

} // namespace flickmark

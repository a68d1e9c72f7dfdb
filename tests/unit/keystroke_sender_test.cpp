#include "actions/keystroke_sender.h"

#include "fakes/fake_clipboard.h"
#include "fakes/fake_launcher.h"
#include "fakes/recording_keyboard.h"
#include "fakes/virtual_clock.h"

#include <gtest/gtest.h>

#include <map>
#include <tuple>

namespace flickmark {
namespace {

constexpr std::uint32_t up = key_event::kKeyUp;
constexpr std::uint32_t ext = key_event::kExtendedKey;

// Scan codes of a US PC keyboard, as RecordingKeyboard's layout gives them.
constexpr std::uint8_t ctrlScan = 0x1D, shiftScan = 0x2A, altScan = 0x38, winScan = 0x5B, escapeScan = 0x01,
                       tabScan = 0x0F, deleteScan = 0x53;

class NoFiles final : public FileSystem {
public:
    std::optional<std::string> readFile(const std::string&) override { return std::nullopt; }
    bool fileExists(const std::string&) override { return false; }
    std::optional<std::uint64_t> modificationStamp(const std::string&) override { return std::nullopt; }
    bool writeFileAtomically(const std::string&, std::string_view) override { return true; }
    bool removeFile(const std::string&) override { return false; }
    FolderCreation createFolder(const std::string&) override { return FolderCreation::Refused; }
    std::vector<std::string> listFiles(const std::string&, std::string_view) override { return {}; }
};

class FixedWallClock final : public WallClock {
public:
    LocalDateTime localNow() override {
        ++reads;
        return {2024, 3, 9, 14, 5, 7};
    }
    int reads = 0;
};

class KeystrokeSenderTest : public ::testing::Test {
protected:
    KeystrokeData decoded(const char* encoded) {
        const auto k = decodeKeystroke(encoded);
        EXPECT_TRUE(k) << encoded;
        return k.value_or(KeystrokeData{});
    }
    std::vector<std::uint8_t> keysPressed() const {
        std::vector<std::uint8_t> keys;
        for (const auto& e : keyboard.events)
            if (!(e.flags & up))
                keys.push_back(e.virtualKey);
        return keys;
    }

    VirtualClock clock;
    RecordingKeyboard keyboard{clock};
    FakeClipboard clipboard;
    FixedWallClock wallClock;
    NoFiles files;
    FakeLauncher launcher;
    DiagnosticLog log;
    ProgramLauncher programs{launcher, log};
    KeystrokeSender sender{{keyboard, clock, clipboard, wallClock, files}, programs, log, ""};
};

using Events = std::vector<KeyEventRecord>;

// The first event goes out at once (a gesture's keys must not wait); every later one follows 10 ms after the
// one before, and the modifiers come up together 10 ms after the main key.
TEST_F(KeystrokeSenderTest, ModifiersGoDownWinAltCtrlShiftTenMillisecondsApartAndComeUpInReverse) {
    const struct {
        const char* encoded;
        Events expected;
        std::int64_t duration;
    } table[] = {
        {"01101B",
         {{0, 0x11, ctrlScan, 0},
          {10, 0x10, shiftScan, 0},
          {20, 0x1B, escapeScan, 0},
          {30, 0x1B, escapeScan, up},
          {40, 0x10, shiftScan, up},
          {40, 0x11, ctrlScan, up}},
         40},
        {"100009",
         {{0, 0x12, altScan, 0}, {10, 0x09, tabScan, 0}, {20, 0x09, tabScan, up}, {30, 0x12, altScan, up}},
         30},
        {"1111"
         "2E",
         {{0, 0x5B, winScan, ext},
          {10, 0x12, altScan, 0},
          {20, 0x11, ctrlScan, 0},
          {30, 0x10, shiftScan, 0},
          {40, 0x2E, deleteScan, ext},
          {50, 0x2E, deleteScan, ext | up},
          {60, 0x10, shiftScan, up},
          {60, 0x11, ctrlScan, up},
          {60, 0x12, altScan, up},
          {60, 0x5B, winScan, ext | up}},
         60},
        {"", {{0, 0, 0, 0}, {10, 0, 0, up}}, 20}, // an empty piece still presses code 0
    };
    for (const auto& row : table) {
        keyboard.events.clear();
        clock.setNow(0);
        EXPECT_TRUE(sender.sendKeystroke(decoded(row.encoded))) << row.encoded;
        EXPECT_EQ(keyboard.events, row.expected) << row.encoded;
        EXPECT_EQ(clock.now(), row.duration) << row.encoded;
    }
    EXPECT_TRUE(log.lines().empty());
}

// A modifier captured as the main key carries its own flag too; it goes down once, as the key that was
// pressed, never with the left-hand key of its flag beside it.
TEST_F(KeystrokeSenderTest, AModifierThatIsTheMainKeyIsPressedOnceOnItsOwnSide) {
    using Keys = std::vector<std::tuple<std::uint8_t, std::uint8_t, std::uint32_t>>; // key, scan, flags
    const struct {
        const char* encoded;
        Keys expected;
    } table[] = {
        {"0100A3RIGHT CTRL", {{0xA3, ctrlScan, ext}, {0xA3, ctrlScan, ext | up}}},
        {"1000A5RIGHT ALT", {{0xA5, altScan, ext}, {0xA5, altScan, ext | up}}},
        {"0010A1RIGHT SHIFT", {{0xA1, 0x36, 0}, {0xA1, 0x36, up}}},
        {"00015CRIGHT WINKEY", {{0x5C, 0x5C, ext}, {0x5C, 0x5C, ext | up}}},
        {"010011CTRL", {{0x11, ctrlScan, 0}, {0x11, ctrlScan, up}}},
        {"1100A5CTRL+RIGHT ALT",
         {{0x11, ctrlScan, 0}, {0xA5, altScan, ext}, {0xA5, altScan, ext | up}, {0x11, ctrlScan, up}}},
        {"010003CTRL+BREAK",
         {{0x11, ctrlScan, 0}, {0x03, 0x46, ext}, {0x03, 0x46, ext | up}, {0x11, ctrlScan, up}}},
    };
    for (const auto& row : table) {
        keyboard.events.clear();
        EXPECT_TRUE(sender.sendKeystroke(decoded(row.encoded))) << row.encoded;
        Keys sent;
        for (const auto& e : keyboard.events)
            sent.emplace_back(e.virtualKey, e.scanCode, e.flags);
        EXPECT_EQ(sent, row.expected) << row.encoded;
    }
}

TEST_F(KeystrokeSenderTest, AnyNonZeroFlagDigitCountsAsPressed) {
    sender.sendKeystroke(decoded("900053"));
    ASSERT_EQ(keyboard.events.size(), 4u);
    EXPECT_EQ(keyboard.events.front().virtualKey, 0x12);
}

// Keystrokes and script tokens send each key with its own scan code, the same going down and up, and with the
// extended flag exactly for the keys whose scan code has the extended prefix.
TEST_F(KeystrokeSenderTest, EveryKeyCarriesItsOwnScanCodeAndExtendedFlag) {
    const struct {
        const char* action; // an encoded keystroke, or a script starting with "[KEYS]"
        std::uint8_t virtualKey;
        std::uint8_t scanCode;
        std::uint32_t flags;
    } table[] = {
        {"000048H", 'H', 0x23, 0},         {"00001B", 0x1B, 0x01, 0},
        {"000074F5", 0x74, 0x3F, 0},       {"00000D", 0x0D, 0x1C, 0},
        {"000025", 0x25, 0x4B, ext},       {"000027", 0x27, 0x4D, ext},
        {"000026", 0x26, 0x48, ext},       {"000028", 0x28, 0x50, ext},
        {"000024", 0x24, 0x47, ext},       {"000023", 0x23, 0x4F, ext},
        {"000021", 0x21, 0x49, ext},       {"000022", 0x22, 0x51, ext},
        {"00002D", 0x2D, 0x52, ext},       {"00002E", 0x2E, 0x53, ext},
        {"00006F", 0x6F, 0x35, ext},       {"000090", 0x90, 0x45, ext},
        {"0000A3", 0xA3, 0x1D, ext},       {"0000A5", 0xA5, 0x38, ext},
        {"00005D", 0x5D, 0x5D, ext},       {"0000AD", 0xAD, 0x20, ext},
        {"[KEYS][Enter]", 0x0D, 0x1C, 0},  {"[KEYS][tab]", 0x09, 0x0F, 0},
        {"[KEYS][LEFT]", 0x25, 0x4B, ext}, {"[KEYS][down]", 0x28, 0x50, ext},
        {"[KEYS][DEL]", 0x2E, 0x53, ext},  {"[KEYS][space]", 0x20, 0x39, 0},
    };
    for (const auto& row : table) {
        keyboard.events.clear();
        const std::string action = row.action;
        if (action.starts_with("[KEYS]"))
            sender.runScript(action);
        else
            sender.sendKeystroke(decoded(row.action));
        for (auto& e : keyboard.events)
            e.timeMs = 0;
        EXPECT_EQ(keyboard.events, (Events{{0, row.virtualKey, row.scanCode, row.flags},
                                           {0, row.virtualKey, row.scanCode, row.flags | up}}))
            << row.action;
    }
}

TEST_F(KeystrokeSenderTest, LettersGoToTheKeyThatTypesThemInTheLayout) {
    keyboard.layout['Z'] = 0x159; // a layout with Z on the key whose code is Y
    sender.sendKeystroke(decoded("000053S"));
    sender.sendKeystroke(decoded("00005A"));
    EXPECT_EQ(keysPressed(), (std::vector<std::uint8_t>{'S', 'Y'}));
    EXPECT_EQ(keyboard.events[2].scanCode, 0x15); // the scan code of that key, Y's on a US keyboard
}

TEST_F(KeystrokeSenderTest, LetterMissingFromTheLayoutKeepsItsOwnKeyCode) {
    keyboard.layout['C'] = -1; // e.g. a Cyrillic layout: no key types a Latin C
    sender.sendKeystroke(decoded("010043CTRL+C"));
    EXPECT_EQ(keysPressed(), (std::vector<std::uint8_t>{0x11, 'C'}));
}

// When the system refuses any one event of Ctrl+Shift+Escape, sending stops there and no key this program
// pressed is left down; the refusal is logged once and later keystrokes of the list are not sent.
TEST_F(KeystrokeSenderTest, RefusedEventStopsSendingAndReleasesEveryPressedKey) {
    using Keys = std::vector<std::pair<std::uint8_t, bool>>; // (key, released) in sending order
    const struct {
        std::size_t refusedAttempt;
        Keys sent;
    } table[] = {
        {0, {}},
        {1, {{0x11, false}, {0x11, true}}},
        {2, {{0x11, false}, {0x10, false}, {0x10, true}, {0x11, true}}},
        {3, {{0x11, false}, {0x10, false}, {0x1B, false}, {0x1B, true}, {0x10, true}, {0x11, true}}},
        {4, {{0x11, false}, {0x10, false}, {0x1B, false}, {0x1B, true}, {0x10, true}, {0x11, true}}},
        {5, {{0x11, false}, {0x10, false}, {0x1B, false}, {0x1B, true}, {0x10, true}, {0x11, true}}},
    };
    for (const auto& row : table) {
        keyboard.events.clear();
        keyboard.attempts = 0;
        keyboard.refusedAttempt = row.refusedAttempt;
        log.clear();
        EXPECT_EQ(sender.sendKeystrokeList("01101BCTRL+SHIFT+ESC|000041A"), KeystrokeListResult::Refused);

        Keys sent;
        for (const auto& e : keyboard.events) {
            sent.emplace_back(e.virtualKey, (e.flags & up) != 0);
            EXPECT_EQ(e.scanCode, keyboard.mapVirtualKey(e.virtualKey)) << row.refusedAttempt;
        }
        EXPECT_EQ(sent, row.sent) << "refused attempt " << row.refusedAttempt;
        ASSERT_EQ(log.lines().size(), 1u) << row.refusedAttempt;
        EXPECT_NE(log.lines()[0].find("refused"), std::string::npos) << log.text();
    }

    // The sender is usable again once the system takes input.
    keyboard.events.clear();
    EXPECT_TRUE(sender.sendKeystroke(decoded("000041A")));
    EXPECT_EQ(keysPressed(), (std::vector<std::uint8_t>{'A'}));
}

TEST_F(KeystrokeSenderTest, RefusedEventEndsTheScript) {
    keyboard.refusedAttempt = 1; // the first Tab's release
    sender.runScript("[KEYS][TAB][RUN]app.exe[TAB]");
    EXPECT_EQ(keyboard.events, (Events{{60, 0x09, tabScan, 0}, {90, 0x09, tabScan, up}}));
    EXPECT_TRUE(launcher.shellCalls.empty());
}

TEST_F(KeystrokeSenderTest, ListsAreSentInOrderOnlyWhenEveryPieceDecodes) {
    EXPECT_EQ(sender.sendKeystrokeList(""), KeystrokeListResult::Sent);
    EXPECT_TRUE(keyboard.events.empty());
    EXPECT_EQ(clock.now(), 0);

    EXPECT_EQ(sender.sendKeystrokeList("100020ALT+SPACE|00004EN"), KeystrokeListResult::Sent);
    EXPECT_EQ(keysPressed(), (std::vector<std::uint8_t>{0x12, 0x20, 'N'}));
    EXPECT_EQ(keyboard.events[3].timeMs, 30); // Alt up
    EXPECT_EQ(keyboard.events[4].timeMs, 40); // N down: keystrokes stay 10 ms apart
    EXPECT_EQ(clock.now(), 60);

    keyboard.events.clear();
    EXPECT_EQ(sender.sendKeystrokeList("100020ALT+SPACE|ALT+F4"), KeystrokeListResult::Malformed);
    EXPECT_TRUE(keyboard.events.empty());
    ASSERT_EQ(log.lines().size(), 1u);
    EXPECT_NE(log.lines()[0].find("\"ALT+F4\""), std::string::npos);
}

TEST_F(KeystrokeSenderTest, SpecialKeyTokensIgnoreCase) {
    sender.runScript("[KEYS][tab]");
    EXPECT_EQ(keyboard.events, (Events{{60, 0x09, tabScan, 0}, {90, 0x09, tabScan, up}}));
    EXPECT_EQ(clock.now(), 100);

    keyboard.events.clear();
    sender.runScript("[KEYS][Tab][UP][down][Left][RIGHT][HOME][END][DEL][INS][BACK][SPACE]");
    EXPECT_EQ(keysPressed(),
              (std::vector<std::uint8_t>{0x09, 0x26, 0x28, 0x25, 0x27, 0x24, 0x23, 0x2E, 0x2D, 0x08, 0x20}));
}

TEST_F(KeystrokeSenderTest, WaitClearAndTextTokensSendNoKeys) {
    clipboard.text = "copied";
    sender.runScript("[KEYS][WAIT][wait]");
    EXPECT_EQ(clock.now(), 200);

    sender.runScript("[KEYS]hello [Foo] [DATE\"yyyy-mm-dd\"] [CLIPBRD] x[1]");
    EXPECT_TRUE(keyboard.events.empty());
    EXPECT_EQ(clock.now(), 200);
    EXPECT_EQ(clipboard.reads, 1);
    EXPECT_EQ(wallClock.reads, 1);

    sender.runScript("[KEYS][CLEAR]");
    EXPECT_EQ(clock.now(), 260);
    EXPECT_EQ(clipboard.clears, 1);
    EXPECT_TRUE(launcher.shellCalls.empty());
}

TEST_F(KeystrokeSenderTest, ClipboardIsReadOnlyWhenTheTextAsksForIt) {
    sender.runScript("[KEYS][TAB]CLIPBRD");
    EXPECT_EQ(clipboard.reads, 0);
    sender.runScript("[KEYS][clipbrd][clipbrd]");
    EXPECT_EQ(clipboard.reads, 1);
}

TEST_F(KeystrokeSenderTest, BracketsBeforeATokenAreTextAndUnclosedTokensAreIgnored) {
    sender.runScript("[KEYS][[TAB]");
    sender.runScript("[KEYS]a]b[TAB");
    sender.runScript("[KEYS]");
    sender.runScript("[K");
    EXPECT_EQ(keysPressed(), (std::vector<std::uint8_t>{0x09}));
}

TEST_F(KeystrokeSenderTest, RunOpensTheWholeRestWithTheOwnerWindow) {
    programs.setOwnerWindow(0x77);
    sender.runScript("[KEYS][RUN]C:\\Tools\\a.exe");
    sender.runScript("[KEYS][run]C:\\x[1]\\a.exe");
    EXPECT_EQ(launcher.shellCalls,
              (std::vector<FakeLauncher::ShellCall>{{0x77, "C:\\Tools\\a.exe"}, {0x77, "C:\\x[1]\\a.exe"}}));
    EXPECT_TRUE(launcher.processCalls.empty());
    EXPECT_TRUE(keyboard.events.empty());
    EXPECT_EQ(clock.now(), 0);
}

TEST_F(KeystrokeSenderTest, TokensAfterTheRunCommandAreStillInterpreted) {
    sender.runScript("[KEYS][RUN]notepad.exe[WAIT][TAB]");
    ASSERT_EQ(launcher.shellCalls.size(), 1u);
    EXPECT_EQ(launcher.shellCalls[0].file, "notepad.exe[WAIT][TAB]");
    EXPECT_EQ(keysPressed(), (std::vector<std::uint8_t>{0x09}));
    EXPECT_EQ(clock.now(), 200);
}

} // namespace
} // namespace flickmark

#include "actions/keystroke_sender.h"

#include "fakes/fake_clipboard.h"
#include "fakes/fake_launcher.h"
#include "fakes/recording_keyboard.h"
#include "fakes/virtual_clock.h"

#include <gtest/gtest.h>

#include <map>

namespace flickmark {
namespace {

constexpr std::uint32_t up = key_event::kKeyUp;
constexpr std::uint32_t ext = key_event::kExtendedKey;

// Scan codes the US layout of RecordingKeyboard gives: VkKeyScanA of the control characters 0x10, 0x11 and
// 0x12 (Ctrl+P, Ctrl+Q, Ctrl+R) and MapVirtualKeyA of Shift and Enter.
constexpr std::uint8_t scanOfCtrlQ = 'Q', scanOfCtrlP = 'P', scanOfCtrlR = 'R', shiftScan = 0x2A,
                       enterScan = 0x1C;

class NoFiles final : public FileSystem {
public:
    std::optional<std::string> readFile(const std::string&) override { return std::nullopt; }
    bool fileExists(const std::string&) override { return false; }
    bool writeFileAtomically(const std::string&, std::string_view) override { return true; }
    bool removeFile(const std::string&) override { return false; }
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

TEST_F(KeystrokeSenderTest, CtrlShiftEscapeInExactOrderAndTiming) {
    sender.sendKeystroke(decoded("01101B"));
    EXPECT_EQ(keyboard.events, (Events{
                                   {30, 0x11, scanOfCtrlQ, 0},
                                   {40, 0x10, shiftScan, 0},
                                   {50, 0x1B, 0x1B, 0},
                                   {60, 0x1B, 0x1B, up},
                                   {70, 0x10, scanOfCtrlP, up},
                                   {70, 0x11, scanOfCtrlQ, up},
                               }));
    EXPECT_EQ(clock.now(), 70);
}

TEST_F(KeystrokeSenderTest, AltStaysDownAcrossTabAndComesUpLast) {
    sender.sendKeystroke(decoded("100009"));
    EXPECT_EQ(keyboard.events, (Events{
                                   {20, 0x12, scanOfCtrlQ, 0},
                                   {50, 0x09, 0x09, 0},
                                   {60, 0x09, 0x09, up},
                                   {70, 0x12, scanOfCtrlR, up},
                               }));
}

TEST_F(KeystrokeSenderTest, AllModifiersGoDownWinAltCtrlShiftAndUpInReverse) {
    sender.sendKeystroke(decoded("1111"
                                 "2E"));
    EXPECT_EQ(keyboard.events, (Events{
                                   {10, 0x5B, scanOfCtrlQ, 0},
                                   {20, 0x12, scanOfCtrlQ, 0},
                                   {30, 0x11, scanOfCtrlQ, 0},
                                   {40, 0x10, shiftScan, 0},
                                   {50, 0x2E, 0x2E, 0},
                                   {60, 0x2E, 0x2E, up},
                                   {70, 0x10, scanOfCtrlP, up},
                                   {70, 0x11, scanOfCtrlQ, up},
                                   {70, 0x12, scanOfCtrlR, up},
                                   {70, 0x5B, scanOfCtrlR, up},
                               }));
}

TEST_F(KeystrokeSenderTest, AnyNonZeroFlagDigitCountsAsPressed) {
    sender.sendKeystroke(decoded("900053"));
    ASSERT_EQ(keyboard.events.size(), 4u);
    EXPECT_EQ(keyboard.events.front().virtualKey, 0x12);
}

TEST_F(KeystrokeSenderTest, OnlyLeftAndRightAreExtendedKeys) {
    const std::map<const char*, std::uint32_t> table = {
        {"000025", ext}, {"000027", ext}, {"000026", 0}, {"000028", 0},
        {"000024", 0},   {"000023", 0},   {"00002E", 0}, {"00002D", 0},
    };
    for (const auto& [encoded, flags] : table) {
        keyboard.events.clear();
        sender.sendKeystroke(decoded(encoded));
        ASSERT_EQ(keyboard.events.size(), 2u) << encoded;
        EXPECT_EQ(keyboard.events[0].flags, flags) << encoded;
        EXPECT_EQ(keyboard.events[1].flags, flags | up) << encoded;
    }
}

TEST_F(KeystrokeSenderTest, LettersGoToTheKeyThatTypesThemInTheLayout) {
    keyboard.layout['Z'] = 0x159; // a layout with Z on the key whose code is Y
    sender.sendKeystroke(decoded("000053S"));
    sender.sendKeystroke(decoded("00005A"));
    EXPECT_EQ(keysPressed(), (std::vector<std::uint8_t>{'S', 'Y'}));
    EXPECT_EQ(keyboard.events[2].scanCode, 'Y');
}

TEST_F(KeystrokeSenderTest, LetterMissingFromTheLayoutKeepsItsOwnKeyCode) {
    keyboard.layout['C'] = -1; // e.g. a Cyrillic layout: no key types a Latin C
    sender.sendKeystroke(decoded("010043CTRL+C"));
    EXPECT_EQ(keysPressed(), (std::vector<std::uint8_t>{0x11, 'C'}));
}

TEST_F(KeystrokeSenderTest, EmptyKeystrokeStillPressesCodeZeroAfterAllPauses) {
    sender.sendKeystroke(decoded(""));
    EXPECT_EQ(keyboard.events, (Events{{50, 0, 0, 0}, {60, 0, 0, up}}));
    EXPECT_EQ(clock.now(), 70);
}

TEST_F(KeystrokeSenderTest, ListsAreSentInOrderOnlyWhenEveryPieceDecodes) {
    EXPECT_TRUE(sender.sendKeystrokeList(""));
    EXPECT_TRUE(keyboard.events.empty());
    EXPECT_EQ(clock.now(), 0);

    EXPECT_TRUE(sender.sendKeystrokeList("100020ALT+SPACE|00004EN"));
    EXPECT_EQ(keysPressed(), (std::vector<std::uint8_t>{0x12, 0x20, 'N'}));
    EXPECT_EQ(clock.now(), 140);

    keyboard.events.clear();
    EXPECT_FALSE(sender.sendKeystrokeList("100020ALT+SPACE|ALT+F4"));
    EXPECT_TRUE(keyboard.events.empty());
    ASSERT_EQ(log.lines().size(), 1u);
    EXPECT_NE(log.lines()[0].find("\"ALT+F4\""), std::string::npos);
}

TEST_F(KeystrokeSenderTest, SpecialKeyTokensIgnoreCase) {
    sender.runScript("[KEYS][tab]");
    EXPECT_EQ(keyboard.events, (Events{{60, 0x09, 0, 0}, {90, 0x09, 0, up}}));
    EXPECT_EQ(clock.now(), 100);

    keyboard.events.clear();
    sender.runScript("[KEYS][Tab][UP][down][Left][RIGHT][HOME][END][DEL][INS][BACK][SPACE]");
    EXPECT_EQ(keysPressed(),
              (std::vector<std::uint8_t>{0x09, 0x26, 0x28, 0x25, 0x27, 0x24, 0x23, 0x2E, 0x2D, 0x08, 0x20}));
    for (const auto& e : keyboard.events) {
        EXPECT_EQ(e.flags & ext, 0u); // no extended flag, not even for LEFT and RIGHT
        EXPECT_EQ(e.scanCode, 0);
    }
}

TEST_F(KeystrokeSenderTest, EnterCarriesItsScanCode) {
    sender.runScript("[KEYS][Enter]");
    EXPECT_EQ(keyboard.events, (Events{{60, 0x0D, enterScan, 0}, {90, 0x0D, enterScan, up}}));
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

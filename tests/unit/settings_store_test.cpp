#include "settings/settings_store.h"

#include "fakes/fake_file_system.h"
#include "fakes/windows_1252_code_page.h"
#include "settings/ini_document.h"

#include "utf16_bytes.h"

#include <gtest/gtest.h>

#include <string>

namespace flickmark {
namespace {

const std::string path = kTestDataFolder + "defaults.ini";

struct RecordingConsumers : RecognitionSettingsConsumer, ScratchpadSettingsConsumer, LibrarySettingsConsumer {
    void applyRecognitionSettings(const RecognitionSettings& s) override {
        recognizer = s;
        ++pushes;
    }
    void setFadeTime(int ms) override { fadeTime = ms; }
    void setScratchpadEnabled(bool enabled) override { scratchpad = enabled; }
    void setSuggestionsEnabled(bool enabled) override { suggestions = enabled; }
    void setCorrectionsEnabled(bool enabled) override { corrections = enabled; }
    void setDiagonalsEnabled(bool enabled) override { diagonals = enabled; }

    SettingsConsumers all() { return {this, this, this}; }

    RecognitionSettings recognizer;
    int pushes = 0;
    int fadeTime = -1;
    bool scratchpad = false;
    bool suggestions = false;
    bool corrections = true;
    bool diagonals = true;
};

class SettingsStoreTest : public ::testing::Test {
protected:
    SettingsStore makeStore() { return SettingsStore(files, codePage, log, path, consumers.all()); }
    std::string fileValue(std::string_view key) { return IniDocument(files.files[path]).value("init", key); }

    FakeFileSystem files;
    Windows1252CodePage codePage;
    DiagnosticLog log;
    RecordingConsumers consumers;
};

TEST_F(SettingsStoreTest, MissingFileIsCreatedWithAllKeysInTableOrderDefaultsAndPreciseRecognition) {
    EXPECT_TRUE(makeStore().load());
    EXPECT_EQ(files.files[path], "[init]\r\n"
                                 "timethreshold=160\r\n"
                                 "xThreshold=3\r\n"
                                 "yThreshold=3\r\n"
                                 "directionThreshold=0\r\n"
                                 "tbDeltaBias=0.8\r\n"
                                 "tbDistanceBias=0.7\r\n"
                                 "tbXPixel=30\r\n"
                                 "tbYPixel=25\r\n"
                                 "tbHelpPause=800\r\n"
                                 "cbEnableHelpPoup=1\r\n"
                                 "cbEnableDiagonals=0\r\n"
                                 "tbFadeTime=800\r\n"
                                 "cbEnableScratchpad=1\r\n"
                                 "cbEnabledSuggestions=1\r\n"
                                 "cbEnableCorrections=0\r\n"
                                 "cbPreciseRecognition=1\r\n"
                                 "cbIgnoreCapturedMouse=1\r\n"
                                 "cmbBypassKey=0\r\n");
    EXPECT_EQ(files.writeCount, 1);
    EXPECT_EQ(consumers.recognizer.deltaBias, 0.8f);
    EXPECT_EQ(consumers.recognizer.distanceBias, 0.7f);
    EXPECT_EQ(consumers.recognizer.xPixel, 30);
    EXPECT_EQ(consumers.recognizer.helpPause, 800);
    EXPECT_EQ(consumers.fadeTime, 800);
    EXPECT_TRUE(consumers.scratchpad);
    EXPECT_TRUE(consumers.suggestions);
    EXPECT_FALSE(consumers.corrections);
    EXPECT_FALSE(consumers.diagonals) << "the lookup learns the diagonals setting as the recognizer does";
    EXPECT_TRUE(consumers.recognizer.preciseRecognition) << "a new user starts with precise recognition";
}

// Only a data folder without a settings file starts precise: a file that lacks the key (written by an older
// version) keeps the default recognizer, and one that cannot be read is not taken for a new one.
TEST_F(SettingsStoreTest, AnOlderFileWithoutTheKeyKeepsTheDefaultRecognizer) {
    files.files[path] = "[init]\r\ntbXPixel=40\r\n";
    EXPECT_TRUE(makeStore().load());
    EXPECT_FALSE(consumers.recognizer.preciseRecognition);
    EXPECT_EQ(fileValue("cbPreciseRecognition"), "0");
    EXPECT_EQ(fileValue("tbXPixel"), "40");

    files.files[path] = "[init]\r\ncbPreciseRecognition=0\r\n";
    EXPECT_TRUE(makeStore().load());
    EXPECT_FALSE(consumers.recognizer.preciseRecognition);
}

TEST_F(SettingsStoreTest, LoadingAnUnchangedFileWritesNothing) {
    makeStore().load();
    const std::string written = files.files[path];
    makeStore().load();
    EXPECT_EQ(files.writeCount, 1);
    EXPECT_EQ(files.files[path], written);
}

TEST_F(SettingsStoreTest, OpeningAndClosingTheWindowLeavesEveryDecimalPositionUnchanged) {
    for (const SettingId id : {SettingId::tbDeltaBias, SettingId::tbDistanceBias}) {
        const std::size_t row = index(id);
        const SettingDefinition& definition = settingsTable()[row];
        for (int p = definition.minPosition; p <= definition.maxPosition; ++p) {
            SettingsStore first = makeStore();
            first.model().setPosition(row, p);
            first.save();
            const std::string saved = files.files[path];
            const int hundredths = 100 - p;
            const std::string expected = hundredths % 10 == 0 ? "0." + std::to_string(hundredths / 10)
                                         : hundredths < 10    ? "0.0" + std::to_string(hundredths)
                                                              : "0." + std::to_string(hundredths);
            EXPECT_EQ(fileValue(definition.key), expected);

            SettingsStore restarted = makeStore(); // start-up, then the window opened and closed
            restarted.load();
            restarted.save();
            EXPECT_EQ(files.files[path], saved) << definition.key << " " << p;
            EXPECT_EQ(restarted.model().position(row), p);
        }
    }
}

TEST_F(SettingsStoreTest, OutOfRangeValueReachesTheRecognizerUntilTheNextSave) {
    files.files[path] = "[init]\r\ntbXPixel=500\r\n";
    SettingsStore store = makeStore();
    store.load();
    EXPECT_EQ(consumers.recognizer.xPixel, 500);
    EXPECT_EQ(fileValue("tbXPixel"), "500");
    EXPECT_EQ(store.model().position(index(SettingId::tbXPixel)), 150);
    store.save();
    EXPECT_EQ(fileValue("tbXPixel"), "150");
    EXPECT_EQ(consumers.recognizer.xPixel, 150);
}

TEST_F(SettingsStoreTest, ValuesAreReadByTheirTypeRulesAndRewrittenCanonically) {
    const struct {
        const char* key;
        const char* text;
        const char* rewritten;
    } table[] = {
        {"xThreshold", "0x10", "16"},         {"yThreshold", " 0X1F ", "31"},
        {"cbEnableDiagonals", "yes", "0"},    {"cbEnableHelpPoup", "5", "1"},
        {"cbEnableScratchpad", "", "1"},      {"tbDeltaBias", "0,75", "0.75"},
        {"tbDistanceBias", "abc", "0.7"},     {"tbHelpPause", "\"900\"", "900"},
        {"directionThreshold", "-2", "-2"},   {"tbFadeTime", "1e3", "800"},
        {"cbPreciseRecognition", "0x2", "1"},
    };
    std::string text = "[init]\r\n";
    for (const auto& row : table)
        text += std::string(row.key) + "=" + row.text + "\r\n";
    files.files[path] = text;
    makeStore().load();
    for (const auto& row : table)
        EXPECT_EQ(fileValue(row.key), row.rewritten) << row.key;
    EXPECT_EQ(consumers.recognizer.xThreshold, 16);
    EXPECT_FALSE(consumers.recognizer.enableDiagonals);
    EXPECT_EQ(consumers.recognizer.deltaBias, 0.75f);
    EXPECT_EQ(consumers.recognizer.directionThreshold, -2);
    EXPECT_TRUE(consumers.recognizer.preciseRecognition);
}

TEST_F(SettingsStoreTest, FileSavedAsUtf16IsUsedAndStaysUtf16) {
    files.files[path] = utf16Bytes(u"[init]\r\ntbXPixel=55\r\ncbEnableDiagonals=1\r\n; \u0416\r\n");
    makeStore().load();
    EXPECT_EQ(consumers.recognizer.xPixel, 55);
    EXPECT_TRUE(consumers.recognizer.enableDiagonals);
    EXPECT_TRUE(consumers.diagonals);
    EXPECT_EQ(files.files[path], utf16Bytes(u"[init]\r\n"
                                            u"tbXPixel=55\r\n"
                                            u"cbEnableDiagonals=1\r\n"
                                            u"timethreshold=160\r\n"
                                            u"xThreshold=3\r\n"
                                            u"yThreshold=3\r\n"
                                            u"directionThreshold=0\r\n"
                                            u"tbDeltaBias=0.8\r\n"
                                            u"tbDistanceBias=0.7\r\n"
                                            u"tbYPixel=25\r\n"
                                            u"tbHelpPause=800\r\n"
                                            u"cbEnableHelpPoup=1\r\n"
                                            u"tbFadeTime=800\r\n"
                                            u"cbEnableScratchpad=1\r\n"
                                            u"cbEnabledSuggestions=1\r\n"
                                            u"cbEnableCorrections=0\r\n"
                                            u"cbPreciseRecognition=0\r\n"
                                            u"cbIgnoreCapturedMouse=1\r\n"
                                            u"cmbBypassKey=0\r\n"
                                            u"; \u0416\r\n"));
    makeStore().load();
    EXPECT_EQ(files.writeCount, 1);
}

TEST_F(SettingsStoreTest, DecimalsReadBackAsTheValueWritten) {
    for (const double value : {0.1234567, 0.8, 1e-7, 0.05, 0.99, 1.0 / 3, 0.1 + 0.2, 2.5e-300, 123456.789}) {
        const std::string text = formatSetting(SettingType::Decimal, value);
        EXPECT_EQ(parseSetting(SettingType::Decimal, text), value) << text;
        files.files[path] = "[init]\r\ntbDeltaBias=" + text + "\r\n";
        makeStore().load(); // reads the value and writes it back
        EXPECT_EQ(fileValue("tbDeltaBias"), text);
        EXPECT_EQ(consumers.recognizer.deltaBias, static_cast<float>(value));
    }
    EXPECT_EQ(formatSetting(SettingType::Decimal, 0.1234567), "0.1234567");
    EXPECT_EQ(formatSetting(SettingType::Decimal, 0.8), "0.8");
    EXPECT_EQ(formatSetting(SettingType::Decimal, 1e-7), "1e-07");

    // Only the decimal form of a number reads: none of what the C library would also take.
    for (const char* text : {"0x1p-1", "inf", "nan", "1e", ".", "-", "1.5x", "1 5", "--1", "1e999", "1e-999"})
        EXPECT_FALSE(parseSetting(SettingType::Decimal, text)) << text;
    for (const auto& [text, value] : {std::pair{".5", 0.5}, {"5.", 5.0}, {"-0.25", -0.25}, {"2E2", 200.0}})
        EXPECT_EQ(parseSetting(SettingType::Decimal, text), value) << text;
}

TEST_F(SettingsStoreTest, ContentTheStoreDoesNotOwnIsKept) {
    files.files[path] = "; my settings\n[window]\nleft=10\n[INIT]\nTBXPIXEL = 40\ncustom=1\n";
    makeStore().load();
    const std::string& text = files.files[path];
    EXPECT_EQ(
        text.rfind("; my settings\n[window]\nleft=10\n[INIT]\nTBXPIXEL = 40\ncustom=1\ntimethreshold=160\n",
                   0),
        0u)
        << text;
    EXPECT_EQ(consumers.recognizer.xPixel, 40);
}

TEST_F(SettingsStoreTest, SavedControlsBecomeTheDefaultsOfLaterLoads) {
    SettingsStore store = makeStore();
    store.load();
    store.model().setChecked(index(SettingId::cbEnableDiagonals), true);
    store.model().setPosition(index(SettingId::tbHelpPause), 5000); // clamped like the track bar
    store.save();
    EXPECT_TRUE(consumers.recognizer.enableDiagonals);
    EXPECT_EQ(consumers.recognizer.helpPause, 2000);

    files.files[path] = "[init]\r\n"; // keys lost: the controls' values are the defaults now
    store.load();
    EXPECT_EQ(fileValue("cbEnableDiagonals"), "1");
    EXPECT_EQ(fileValue("tbHelpPause"), "2000");
    EXPECT_EQ(fileValue("timethreshold"), "160");
}

TEST_F(SettingsStoreTest, RefusedWriteIsLoggedAndTheValuesStillTakeEffect) {
    files.files[path] = "[init]\r\ntbXPixel=40\r\n";
    files.refuseWritesIn(kTestDataFolder);
    SettingsStore store = makeStore();
    EXPECT_FALSE(store.load());
    EXPECT_EQ(files.files[path], "[init]\r\ntbXPixel=40\r\n");
    EXPECT_EQ(consumers.recognizer.xPixel, 40);
    ASSERT_FALSE(log.lines().empty());
    EXPECT_EQ(log.lines().back(), "Unable to write to " + path);

    store.model().setPosition(index(SettingId::tbYPixel), 60);
    EXPECT_FALSE(store.save());
    EXPECT_EQ(files.files[path], "[init]\r\ntbXPixel=40\r\n");
    EXPECT_EQ(consumers.recognizer.yPixel, 60);
    EXPECT_EQ(store.model().position(index(SettingId::tbYPixel)), 60);
}

TEST_F(SettingsStoreTest, FileThatCannotBeReadIsNeverOverwritten) {
    files.files[path] = "[init]\r\ntbXPixel=40\r\n";
    files.makeUnreadable(path);
    SettingsStore store = makeStore();
    EXPECT_FALSE(store.load());
    EXPECT_FALSE(store.save());
    EXPECT_EQ(files.writeCount, 0);
    EXPECT_EQ(consumers.recognizer.xPixel, 30);
    EXPECT_FALSE(consumers.recognizer.preciseRecognition) << "an unreadable file is not a new user's";
    EXPECT_EQ(log.lines().front(), "Unable to read " + path);
}

} // namespace
} // namespace flickmark

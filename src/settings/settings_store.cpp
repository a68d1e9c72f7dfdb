#include "settings/settings_store.h"

#include "settings/data_file.h"
#include "settings/setting_values.h"

#include <utility>

namespace flickmark {

SettingsStore::SettingsStore(FileSystem& files, const TextCodePage& codePage, DiagnosticLog& log,
                             std::string path, SettingsConsumers consumers)
    : files_(files), codePage_(codePage), log_(log), path_(std::move(path)), consumers_(consumers) {}

bool SettingsStore::load() {
    LoadedIniFile file = loadIniFile(files_, codePage_, log_, path_);
    // A new user, whose data folder has no settings file yet, starts with precise recognition, and the file
    // written now says so. A file that lacks the key keeps the recognizer it has always had.
    if (file.state == FileState::Missing)
        model_.show(index(SettingId::cbPreciseRecognition), 1);
    return apply(file, false);
}

bool SettingsStore::save() {
    LoadedIniFile file = loadIniFile(files_, codePage_, log_, path_);
    bool changed = false;
    const auto& table = settingsTable();
    for (std::size_t row = 0; row < kSettingCount; ++row)
        if (model_.hasControl(row))
            changed |= file.document.setValue(kSettingsSection, table[row].key,
                                              formatSetting(table[row].type, model_.value(row)));
    return apply(file, changed);
}

bool SettingsStore::apply(LoadedIniFile& file, bool changed) {
    SettingsSnapshot snapshot;
    const auto& table = settingsTable();
    for (std::size_t row = 0; row < kSettingCount; ++row) {
        const SettingDefinition& definition = table[row];
        double value = model_.value(row);
        if (const auto text = file.document.find(kSettingsSection, definition.key))
            if (const auto parsed = parseSetting(definition.type, *text))
                value = *parsed;
        changed |=
            file.document.setValue(kSettingsSection, definition.key, formatSetting(definition.type, value));
        model_.show(row, value);
        definition.store(snapshot, value);
    }
    current_ = snapshot;
    push();

    if (!changed)
        return file.state != FileState::Unreadable;
    if (file.state == FileState::Unreadable)
        return false;
    return writeIniFile(files_, codePage_, log_, path_, file.document, file.encoding);
}

void SettingsStore::push() const {
    if (consumers_.recognition)
        consumers_.recognition->applyRecognitionSettings(current_.recognition);
    if (consumers_.scratchpad) {
        consumers_.scratchpad->setFadeTime(current_.fadeTime);
        consumers_.scratchpad->setScratchpadEnabled(current_.scratchpadEnabled);
    }
    if (consumers_.library) {
        consumers_.library->setSuggestionsEnabled(current_.suggestionsEnabled);
        consumers_.library->setCorrectionsEnabled(current_.correctionsEnabled);
        consumers_.library->setDiagonalsEnabled(current_.recognition.enableDiagonals);
    }
    if (consumers_.pressRules)
        consumers_.pressRules->applyPressRules(current_.pressRules);
}

} // namespace flickmark

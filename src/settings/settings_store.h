// The settings store: loads "defaults.ini" into the settings model and the consumers, and saves the model.
//
// Load reads every key of the table in order with the model's value as default, writes the value read
// back in its canonical text (so a missing key is created and "0x1F" becomes "31"), shows it in the model
// and pushes it to its consumer. The file is read once and, only when some text changed, written once,
// atomically, in the encoding the file came in. Save writes the model's controls, then loads. Where there is
// no file yet, load starts from precise recognition instead of the table's default.
#pragma once

#include "base/diagnostic_log.h"
#include "platform/file_system.h"
#include "platform/text_code_page.h"
#include "settings/settings_consumers.h"
#include "settings/settings_model.h"
#include "settings/settings_table.h"

#include <optional>
#include <string>
#include <string_view>

namespace flickmark {

struct LoadedIniFile;

class SettingsStore {
public:
    // `path` is the data folder followed by kSettingsFileName. The references must outlive the store.
    SettingsStore(FileSystem& files, const TextCodePage& codePage, DiagnosticLog& log, std::string path,
                  SettingsConsumers consumers = {});

    // Both return whether the file now holds the values in effect. When it does not (the write was refused,
    // or the file exists but cannot be read, which is never overwritten), the values still take effect for
    // this session and the failure is in the diagnostic log.
    bool load();
    bool save();

    SettingsModel& model() { return model_; }
    const SettingsModel& model() const { return model_; }
    // The values last pushed to the consumers.
    const SettingsSnapshot& current() const { return current_; }
    void setConsumers(SettingsConsumers consumers) { consumers_ = consumers; }
    const std::string& path() const { return path_; }

private:
    bool apply(LoadedIniFile& file, bool changed);
    void push() const;

    FileSystem& files_;
    const TextCodePage& codePage_;
    DiagnosticLog& log_;
    std::string path_;
    SettingsConsumers consumers_;
    SettingsModel model_;
    SettingsSnapshot current_;
};

} // namespace flickmark

#include "gesture_sets/gesture_files.h"

#include "actions/keystroke.h"
#include "actions/window_command.h"
#include "base/direction.h"
#include "settings/data_file.h"
#include "settings/ini_document.h"

#include <array>

namespace flickmark {
namespace {

constexpr std::array<std::string_view, 4> kActionTypeTexts = {"Keystroke", "Multiple Keystrokes",
                                                              "Run Program / File", "Window Command"};

} // namespace

std::string_view actionTypeText(ActionType type) {
    return kActionTypeTexts[static_cast<std::size_t>(type)];
}

std::string actionTypeName(std::string_view text) {
    constexpr std::array<std::string_view, 4> kNames = {"Keystroke", "Multiple Keystrokes",
                                                        "Run Program or File", "Window or Media Command"};
    if (!isKnownActionType(text))
        return std::string(text);
    return std::string(kNames[static_cast<std::size_t>(actionTypeCode(text))]);
}

ActionType actionTypeCode(std::string_view text) {
    for (std::size_t code = 0; code < kActionTypeTexts.size(); ++code)
        if (kActionTypeTexts[code] == text)
            return static_cast<ActionType>(code);
    return ActionType::Keystroke;
}

bool isKnownActionType(std::string_view text) {
    for (std::string_view known : kActionTypeTexts)
        if (known == text)
            return true;
    return false;
}

bool isEditableAction(std::string_view typeText, std::string_view action) {
    if (!isKnownActionType(typeText))
        return false;
    return actionTypeCode(typeText) != ActionType::WindowCommand || windowCommandNamed(action).has_value();
}

std::string programFileName(std::string_view executableName) {
    return "Gestures_" + std::string(executableName) + ".ini";
}

bool isGlobalGestureFile(std::string_view fileName) {
    return fileName == kGlobalGestureFileName;
}

std::string actionDisplayText(std::string_view typeText, std::string_view action) {
    if (!isKnownActionType(typeText))
        return {};
    switch (actionTypeCode(typeText)) {
    case ActionType::Keystroke: {
        const auto keystroke = decodeKeystroke(action);
        return keystroke ? shownText(*keystroke) : std::string(action);
    }
    case ActionType::MultipleKeystrokes:
        return keystrokeListDisplayText(action);
    case ActionType::RunProgram: {
        std::string rest(action);
        std::string path = takeToken(rest, "|");
        std::string parameters = takeToken(rest, "|");
        return path + " | " + parameters;
    }
    case ActionType::WindowCommand: {
        const auto command = windowCommandNamed(action);
        return command ? std::string(windowCommandName(*command)) : std::string(action);
    }
    }
    return {};
}

std::optional<std::string> actionForLookups(std::string_view typeText, std::string_view storedAction) {
    if (!isKnownActionType(typeText))
        return std::nullopt;
    if (actionTypeCode(typeText) == ActionType::Keystroke)
        if (const auto keystroke = decodeKeystroke(storedAction))
            return encodeKeystroke(*keystroke);
    return std::string(storedAction);
}

GestureSet loadGestureSet(FileSystem& files, const TextCodePage& codePage, DiagnosticLog& log,
                          const std::string& dataFolder, const std::string& fileName) {
    GestureSet set;
    set.fileName = fileName;
    const std::string path = dataFolder + fileName;
    LoadedIniFile file = loadIniFile(files, codePage, log, path);
    set.fileUnreadable = file.state == FileState::Unreadable;
    set.encoding = std::move(file.encoding);
    set.document = std::move(file.document);
    const IniDocument& document = set.document;

    const auto& sections = document.sections();
    for (std::size_t s = 1; s < sections.size(); ++s) {
        const std::string& gesture = sections[s].name;
        if (!isGestureString(gesture))
            continue;
        const std::string displayName = gestureDisplayName(gesture);
        if (set.names.contains(displayName))
            continue; // a repeated section: every reader sees only the first one
        set.names.set(displayName, gesture);
        const std::string typeText = document.value(gesture, kActionTypeKey);
        set.types.set(gesture, typeText);
        const std::string action = document.value(gesture, kActionKey);
        if (const auto forLookups = actionForLookups(typeText, action)) {
            set.actions.set(gesture, *forLookups);
            if (actionTypeCode(typeText) == ActionType::Keystroke && !decodeKeystroke(action)) {
                std::string line = "Malformed keystroke in " + path;
                line += " [" + gesture + "]: ";
                line += action;
                log.append(line);
            }
        }
    }
    return set;
}

bool saveGestureSet(FileSystem& files, const TextCodePage& codePage, DiagnosticLog& log,
                    const std::string& dataFolder, const GestureSet& set) {
    const std::string path = dataFolder + set.fileName;
    if (set.fileUnreadable) {
        log.append("Not saved because it could not be read: " + path);
        return false;
    }
    if (set.document.lineCount() == 0 && !files.fileExists(path))
        return true;
    const std::optional<std::string> current = files.readFile(path);
    if (current && *current == encodeIni(set.document, set.encoding, codePage))
        return true;
    return writeIniFile(files, codePage, log, path, set.document, set.encoding);
}

std::vector<std::string> listProgramFiles(FileSystem& files, const std::string& dataFolder) {
    return files.listFiles(dataFolder, "Gesture*.ini");
}

} // namespace flickmark

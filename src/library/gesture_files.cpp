#include "library/gesture_files.h"

#include "actions/keystroke.h"
#include "base/direction.h"
#include "settings/data_file.h"
#include "settings/ini_document.h"

#include <array>

namespace flickmark {
namespace {

constexpr std::array<std::string_view, 3> kActionTypeTexts = {"Keystroke", "Multiple Keystrokes",
                                                              "Run Program / File"};
constexpr std::string_view kActionTypeKey = "ActionType";
constexpr std::string_view kActionKey = "Action";
constexpr std::string_view kLineBreak = "\r\n";

bool isBlankLine(std::string_view line) {
    return line.find_first_not_of(" \t\v\f\x1a") == std::string_view::npos;
}

// The lines [first, end) of a document without the blank lines at their end.
std::vector<std::string> linesWithoutTrailingBlanks(const IniDocument& document, std::size_t first,
                                                    std::size_t end) {
    while (end > first && isBlankLine(document.lineText(end - 1)))
        --end;
    std::vector<std::string> lines;
    for (std::size_t i = first; i < end; ++i)
        lines.emplace_back(document.lineText(i));
    return lines;
}

void appendLine(std::string& text, std::string_view line) {
    text += line;
    text += kLineBreak;
}

} // namespace

std::string_view actionTypeText(ActionType type) {
    return kActionTypeTexts[static_cast<std::size_t>(type)];
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
        return keystroke ? keystroke->text : std::string(action);
    }
    case ActionType::MultipleKeystrokes:
        return keystrokeListDisplayText(action);
    case ActionType::RunProgram: {
        std::string rest(action);
        std::string path = takeToken(rest, "|");
        std::string parameters = takeToken(rest, "|");
        return path + " | " + parameters;
    }
    }
    return {};
}

GestureSet loadGestureSet(FileSystem& files, const TextCodePage& codePage, DiagnosticLog& log,
                          const std::string& dataFolder, const std::string& fileName) {
    GestureSet set;
    set.fileName = fileName;
    const std::string path = dataFolder + fileName;
    LoadedIniFile file = loadIniFile(files, codePage, log, path);
    set.fileUnreadable = file.state == FileState::Unreadable;
    set.encoding = std::move(file.encoding);
    const IniDocument& document = file.document;

    const auto& sections = document.sections();
    const IniDocument::Section& leading = sections.front();
    if (auto lines = linesWithoutTrailingBlanks(document, leading.begin, leading.end); !lines.empty())
        set.kept.leadingLines = std::move(lines);

    for (std::size_t s = 1; s < sections.size(); ++s) {
        const IniDocument::Section& section = sections[s];
        const std::string& gesture = section.name;
        if (!isGestureString(gesture)) {
            for (std::string& line : linesWithoutTrailingBlanks(document, section.header, section.end))
                set.kept.otherSections.push_back(std::move(line));
            continue;
        }
        const std::string displayName = gestureDisplayName(gesture);
        if (set.names.contains(displayName))
            continue; // a repeated section: every reader sees only the first one
        set.names.set(displayName, gesture);
        const std::string typeText = document.value(gesture, kActionTypeKey);
        set.types.set(gesture, typeText);
        const std::string action = document.value(gesture, kActionKey);

        if (!isKnownActionType(typeText)) {
            set.kept.unknownTypeActions.set(gesture, action);
        } else if (actionTypeCode(typeText) == ActionType::Keystroke) {
            if (const auto keystroke = decodeKeystroke(action)) {
                set.actions.set(gesture, encodeKeystroke(*keystroke));
            } else {
                log.append("Malformed keystroke in " + path + " [" + gesture + "]: " + action);
                set.actions.set(gesture, action);
            }
        } else {
            set.actions.set(gesture, action);
        }

        std::vector<std::string> extra;
        for (std::size_t i = section.begin; i < section.end; ++i) {
            const auto name = document.entryName(i);
            if (!name || iniNamesEqual(*name, kActionTypeKey) || iniNamesEqual(*name, kActionKey))
                continue;
            extra.emplace_back(document.lineText(i));
        }
        if (!extra.empty())
            set.kept.gestureExtraLines[gesture] = std::move(extra);
    }
    return set;
}

std::string gestureFileText(const GestureSet& set) {
    std::string text;
    for (const std::string& line : set.kept.leadingLines)
        appendLine(text, line);
    for (const auto& [displayName, gesture] : set.names.entries()) {
        appendLine(text, "[" + gesture + "]");
        appendLine(text, std::string(kActionTypeKey) + "=" + encodeIniValue(set.types.value(gesture)));
        const std::string* action = set.actions.find(gesture);
        const std::string kept = action ? std::string() : set.kept.unknownTypeActions.value(gesture);
        appendLine(text, std::string(kActionKey) + "=" + encodeIniValue(action ? *action : kept));
        if (const auto extra = set.kept.gestureExtraLines.find(gesture);
            extra != set.kept.gestureExtraLines.end())
            for (const std::string& line : extra->second)
                appendLine(text, line);
    }
    for (const std::string& line : set.kept.otherSections)
        appendLine(text, line);
    return text;
}

bool saveGestureSet(FileSystem& files, const TextCodePage& codePage, DiagnosticLog& log,
                    const std::string& dataFolder, const GestureSet& set) {
    const std::string path = dataFolder + set.fileName;
    if (set.fileUnreadable) {
        log.append("Not saved because it could not be read: " + path);
        return false;
    }
    if (set.names.empty() && set.kept.empty() && !files.fileExists(path))
        return true;
    return writeIniFile(files, codePage, log, path, IniDocument(gestureFileText(set)), set.encoding);
}

std::vector<std::string> listProgramFiles(FileSystem& files, const std::string& dataFolder) {
    return files.listFiles(dataFolder, "Gesture*.ini");
}

} // namespace flickmark

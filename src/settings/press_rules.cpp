#include "settings/press_rules.h"

#include "base/virtual_keys.h"

#include <charconv>
#include <optional>

namespace flickmark {
namespace {

std::string describe(const ProgramWindow& window) {
    return window.windowClass.empty() ? window.exeName : window.exeName + "|" + window.windowClass;
}

std::string listedNote(const ProgramListFile& list, const ProgramListEntry& entry,
                       const ProgramWindow& window) {
    return "left alone: " + list.fileName() + " lists " + entry.text() + " (" + describe(window) + ")";
}

} // namespace

PressRuling decidePress(const ProgramLists& lists, const PressRuleSettings& settings, bool fullScreenInFront,
                        PressScene& scene) {
    std::string fullScreenNote;
    std::optional<ProgramWindow> inFront;
    const auto front = [&]() -> const ProgramWindow& {
        if (!inFront)
            inFront = scene.windowInFront();
        return *inFront;
    };
    if (fullScreenInFront) {
        const ProgramListFile& list = lists.list(ProgramListKind::FullScreen);
        const ProgramListEntry* entry = list.empty() ? nullptr : list.match(front());
        if (!entry)
            return {PressOutcome::FullScreen, {}};
        fullScreenNote = "full screen, but " + list.fileName() + " lists " + entry->text() + " (" +
                         describe(front()) + ")";
    }
    const auto leftAlone = [&](std::string note) {
        return PressRuling{PressOutcome::LeftAlone, std::move(note)};
    };

    const ProgramListFile& disabled = lists.list(ProgramListKind::FlickmarkOff);
    const ProgramListFile& noRight = lists.list(ProgramListKind::GesturesOff);
    if (!disabled.empty()) {
        if (const ProgramListEntry* entry = disabled.match(front()))
            return leftAlone(listedNote(disabled, *entry, front()));
    }
    if (!disabled.empty() || !noRight.empty()) {
        const ProgramWindow under = scene.windowUnderCursor();
        if (const ProgramListEntry* entry = disabled.match(under))
            return leftAlone(listedNote(disabled, *entry, under));
        if (const ProgramListEntry* entry = noRight.match(under))
            return leftAlone(listedNote(noRight, *entry, under));
    }
    if (settings.bypassKey != 0 && scene.keyDown(settings.bypassKey))
        return leftAlone("left alone: " + bypassKeyName(settings.bypassKey) + " is held");
    if (settings.leaveCapturedMouse) {
        if (scene.cursorConfined())
            return leftAlone("left alone: the cursor is confined to part of the screen");
        if (scene.cursorHidden())
            return leftAlone("left alone: the cursor is hidden");
    }
    return {PressOutcome::Gesture, fullScreenNote};
}

std::string bypassKeyName(int virtualKey) {
    switch (virtualKey) {
    case vk::Shift:
        return "Shift";
    case vk::Control:
        return "Ctrl";
    case vk::Menu:
        return "Alt";
    default:
        break;
    }
    char digits[8] = {};
    const auto end = std::to_chars(std::begin(digits), std::end(digits), virtualKey, 16).ptr;
    return "key 0x" + std::string(digits, end);
}

} // namespace flickmark

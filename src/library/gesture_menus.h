// The help menu and the suggestions menu.
//
// Help: when the first direction of a gesture is held, "Help Popup" shows near the cursor until the button
// is released, then a menu lists every gesture that begins with that direction. Suggestions: a gesture that
// was not found offers its near gestures. A chosen entry runs its gesture quietly in the program in front,
// which gets the foreground back when the menu closes.
//
// Everything from the wait for the release to the end of the chosen gesture runs under one nested-loop
// guard, so the recognizer does not tick meanwhile.
#pragma once

#include "actions/foreground_handoff.h"
#include "base/diagnostic_log.h"
#include "base/direction.h"
#include "gesture_sets/gesture_library_store.h"
#include "library/configuration_pages.h"
#include "library/gesture_creation.h"
#include "library/menu_entries.h"
#include "library/menu_preview.h"
#include "library/text_popup.h"
#include "platform/clock.h"
#include "platform/desktop.h"
#include "platform/input.h"
#include "platform/menus.h"
#include "platform/nested_loop.h"
#include "platform/timer.h"
#include "recognizer/recognizer_control.h"
#include "settings/program_lists.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace flickmark {

struct GestureMenusPorts {
    PopupMenu& menu;
    TextPopup& popup;
    Input& input;
    Clock& clock;
    Timer& helpConfigTimer; // one tick after a help menu's "Configure"
    NestedLoops& loops;
    ContextMenuDismisser& contextMenus;
    Desktop& desktop;
    ForegroundHandoff& foreground;
    GestureLibraryStore& store; // its lookup set is the foreground program's when a menu is asked for
    RecognizerControl& recognizer;
    ConfigurationPages& configuration;
    ProgramLists& programLists; // "Gestures off in ..." puts the program on "noright.ini"
    GestureCreation& creation;  // "New gesture ... for ..." in the suggestions menu
    DiagnosticLog& log;
};

class GestureMenus final : private MenuHighlightListener {
public:
    // A menu that closes without a choice within this time could not take the foreground; it is opened once
    // more. A user needs longer to read it and press Escape or click elsewhere.
    static constexpr int kClosedAtOnceMs = 200;
    static constexpr int kReleasePollMs = 10;
    static constexpr int kRunDelayMs = 100;
    static constexpr int kHelpConfigDelayMs = 300;
    static constexpr Point kHelpTextOffset{15, 0};
    static constexpr Point kMenuOffset{-60, 20};

    // `runQuietly` runs a gesture of the chosen entry (the plain lookup without the name popup).
    GestureMenus(const GestureMenusPorts& ports, std::function<void(const std::string&)> runQuietly);

    // Null for none.
    void setPreview(MenuPreview* preview) { preview_ = preview; }

    // The pause trigger fired with `firstCode` held; returns once the button is up and any menu has closed.
    // `program` is the program in front, whose set was looked in; a known one gets "Gestures off in ...".
    void showHelp(Direction firstCode, const ProgramWindow& program = {});
    // A gesture that was not found, with its suggestion list in order; nothing shows when no suggested
    // gesture is in either set.
    void showSuggestions(const std::string& drawnGesture, const std::vector<std::string>& suggestions,
                         const ProgramWindow& program = {});

    // Tick of the help menu's "Configure" timer.
    void onHelpConfigTimer();

private:
    enum class MenuKind { Help, Suggestions };

    // False when the wait ended because monitoring was switched off or the program is ending.
    bool waitForRelease();
    void openMenu(MenuKind kind, const std::vector<MenuItem>& items);
    std::optional<int> trackAtCursor(const std::vector<MenuItem>& items);
    void act(MenuKind kind, std::optional<int> choice);
    // One line per menu shown, with the caption of each entry.
    void logMenu(MenuKind kind, const std::vector<MenuItem>& items);

    // MenuHighlightListener
    void highlighted(int id, Rect item) override;
    void menuClosed() override;

    GestureMenusPorts ports_;
    std::function<void(const std::string&)> runQuietly_;
    MenuPreview* preview_ = nullptr;
    std::vector<MenuEntry> entries_; // of the menu being shown
    ProgramWindow program_;          // of the menu being shown
    std::string drawnGesture_;       // of the suggestions menu being shown
};

} // namespace flickmark

// A gesture set in memory: three keyed lists of text pairs in file order, plus what its file held that
// the program does not interpret, so that saving the set loses nothing a user stored.
#pragma once

#include "settings/ini_encoding.h"

#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace flickmark {

// Text pairs in insertion order with unique keys (compared exactly). Setting a key to an empty value
// removes the pair; setting an existing key replaces its value in place.
class KeyedList {
public:
    using Entry = std::pair<std::string, std::string>;

    const std::string* find(std::string_view key) const;
    // Empty when the key is missing.
    std::string value(std::string_view key) const;
    bool contains(std::string_view key) const { return find(key) != nullptr; }
    void set(std::string_view key, std::string_view value);
    void clear() {
        entries_.clear();
        index_.clear();
    }

    const std::vector<Entry>& entries() const { return entries_; }
    std::size_t size() const { return entries_.size(); }
    bool empty() const { return entries_.empty(); }

    friend bool operator==(const KeyedList&, const KeyedList&) = default;

private:
    std::vector<Entry> entries_;
    // Position of each key in entries_, so that loading a file of many gestures stays linear-logarithmic.
    std::map<std::string, std::size_t, std::less<>> index_;
};

// Content of a gesture file that is kept as read and written back on save.
struct KeptFileContent {
    // Lines before the first section, when any of them is not blank.
    std::vector<std::string> leadingLines;
    // Sections whose names are not gesture strings: every line, header included, in file order.
    std::vector<std::string> otherSections;
    // Lines of a gesture's section other than its ActionType and Action keys (other keys, comments).
    std::map<std::string, std::vector<std::string>> gestureExtraLines;
    // The Action text of entries whose ActionType is not one of the three known types. Held apart from the
    // actions list so that lookups never run it.
    KeyedList unknownTypeActions;

    bool empty() const {
        return leadingLines.empty() && otherSections.empty() && gestureExtraLines.empty() &&
               unknownTypeActions.empty();
    }
    friend bool operator==(const KeptFileContent&, const KeptFileContent&) = default;
};

struct GestureSet {
    // The file the set was loaded from and is saved to (a name in the data folder); empty for none.
    std::string fileName;
    KeyedList names;   // display name ("UP+RIGHT") -> gesture string ("03")
    KeyedList types;   // gesture string -> ActionType text
    KeyedList actions; // gesture string -> action text; a "Keystroke" action in normalised encoding
    KeptFileContent kept;
    // How the file was stored; a save writes the set back the same way.
    FileEncoding encoding;
    // The file exists but could not be read: the set is empty and must not replace the file.
    bool fileUnreadable = false;

    // Gesture strings in list order.
    std::vector<std::string> gestureStrings() const;
    // A gesture is in the set when its display name is in the names list.
    bool hasGesture(std::string_view gesture) const;
    // Removes the gesture from all lists, with everything kept for it.
    void removeGesture(std::string_view gesture);
    // The three lists, the kept content and the encoding, as the global copy takes them.
    void copyContentFrom(const GestureSet& other);
};

} // namespace flickmark

// A gesture set in memory: three keyed lists of text pairs in file order, plus the lines of its file, so
// that saving the set keeps the file as the user laid it out.
#pragma once

#include "settings/ini_document.h"
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
    // Gives an entry another key in its place; false when `from` is missing or `to` is taken.
    bool rename(std::string_view from, std::string_view to);
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

struct GestureSet {
    // The file the set was loaded from and is saved to (a name in the data folder); empty for none.
    std::string fileName;
    KeyedList names;   // display name ("UP+RIGHT") -> gesture string ("03")
    KeyedList types;   // gesture string -> ActionType text as stored
    KeyedList actions; // gesture string -> action text that lookups run; a "Keystroke" action normalised.
                       // A gesture whose type is unknown has none, so that lookups never run it.
    // The file's lines as a save writes them: as read, with the changes made through the methods below, so
    // that a save changes only the lines of the gestures that changed. A section that appears twice stays
    // as it is; the first one is the gesture, as the platform's profile functions read it.
    IniDocument document;
    // How the file was stored; a save writes the set back the same way.
    FileEncoding encoding;
    // The file exists but could not be read: the set is empty and must not replace the file.
    bool fileUnreadable = false;

    // Gesture strings in list order.
    std::vector<std::string> gestureStrings() const;
    // A gesture is in the set when its display name is in the names list.
    bool hasGesture(std::string_view gesture) const;
    // The Action text exactly as the file holds it (empty when missing), whatever the type.
    std::string storedAction(std::string_view gesture) const;

    // Stores a gesture's ActionType and Action texts. A new gesture is appended to the lists and, with both
    // keys, to the end of the file; for one that exists only the keys whose texts differ are rewritten, in
    // their places.
    void storeGesture(std::string_view gesture, std::string_view typeText, std::string_view action);
    // Gives a gesture another gesture string, in its place in the lists. In the file only its header
    // changes. Nothing happens when `from` is missing or `to` exists.
    bool renameGesture(std::string_view from, std::string_view to);
    // Removes a gesture from the lists and its own lines from the file: the comment lines directly above
    // its header (no blank line between), the header, and the lines up to its last key. Blank lines and
    // comments after its last key lead into what follows and stay. A section of the same name that appears
    // again goes too, so that the gesture does not come back when the file is read again.
    void removeGesture(std::string_view gesture);
    // Everything but the file name, as the global copy takes it.
    void copyContentFrom(const GestureSet& other);
};

} // namespace flickmark

// The keystroke list editor's state: the ordered keystrokes of a "Multiple Keystrokes" action.
//
// Every stored piece stays as written, one that does not decode included (shown as written), and a list
// that was not changed is written back exactly as it was stored, so opening and finishing the editor never
// changes what the file held.
#pragma once

#include "actions/keystroke.h"
#include "editors/example_menu.h"

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace flickmark {

struct KeystrokeListEntry {
    std::string encoded; // the keystroke as it is stored
    std::string caption; // its display text; for a malformed piece the piece itself
    bool malformed = false;

    friend bool operator==(const KeystrokeListEntry&, const KeystrokeListEntry&) = default;
};

// The keystroke list's examples menu, in order.
std::span<const ExampleMenuItem> keystrokeListExamples();

class KeystrokeListEdit {
public:
    // Replaces the entries by the pieces of a stored list. Returns the pieces that do not decode (each kept
    // as a malformed entry), for the caller to report.
    std::vector<std::string> load(std::string_view list);
    void clear();
    // An item of keystrokeListExamples(): Clear, nothing for a separator, or the example's list replacing
    // the entries.
    void choose(const ExampleMenuItem& item);

    // Add appends; Edit replaces an entry in place; Delete removes one; move takes an entry to another
    // position. An index out of range (no selection) changes nothing and returns false.
    void add(const KeystrokeData& keystroke);
    bool replace(std::size_t index, const KeystrokeData& keystroke);
    bool remove(std::size_t index);
    bool move(std::size_t from, std::size_t to);

    const std::vector<KeystrokeListEntry>& entries() const { return entries_; }
    // The stored entries in order, and the action text they make: joined by "|", or the loaded text as it
    // was while the list is unchanged.
    std::vector<std::string> collect() const;
    std::string encoded() const;

private:
    std::vector<KeystrokeListEntry> entries_;
    std::optional<std::string> stored_; // the loaded text while the list is unchanged
};

} // namespace flickmark

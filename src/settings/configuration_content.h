// What the configuration window shows: its pages in tree order, and on each page every text, panel, check
// box and track bar, bound to the row of the settings table the control edits. Ranges and defaults come
// from that table; this adds only what the window needs besides (texts, tick marks).
//
// The window's layout lives in its dialog templates; the texts live here and are put into the controls
// by id when the window is created.
#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <string>
#include <string_view>

namespace flickmark {

// Page indices, as callers of the window name them; kKeepPage shows the window on the page it showed last.
namespace configuration_page {
inline constexpr int kKeepPage = -1;
inline constexpr int kGestures = 0;
inline constexpr int kHelpPopup = 1;
inline constexpr int kScratchpad = 2;
inline constexpr int kDiagonals = 3;
inline constexpr int kPrograms = 4;
inline constexpr int kMisc = 5;
inline constexpr int kCount = 6;
} // namespace configuration_page

// Line and page step of every track bar.
inline constexpr int kTrackBarStep = 5;
// The preview of the two minimum lengths, in pixels at 100 % scaling.
inline constexpr int kLengthPreviewWidth = 157;
inline constexpr int kLengthPreviewHeight = 101;

enum class PageItemKind {
    Text,     // a note, a label or the caption at one end of a track bar's scale
    Panel,    // a framed group with a caption
    CheckBox, // edits a boolean setting
    TrackBar, // edits a track-bar setting; its range is the row's
    ComboBox, // edits a setting by choosing one of its choices
    Preview,  // the drawing of the minimum lengths
};

// An item of a combo box and the setting's value it stands for.
struct ComboChoice {
    int value;
    std::string_view text;
};

inline constexpr std::size_t kNoSettingRow = static_cast<std::size_t>(-1);

struct PageItem {
    int controlId;
    PageItemKind kind;
    std::string_view text = {};                // texts, panels and check boxes
    std::size_t row = kNoSettingRow;           // check boxes and track bars: the settings row they edit
    int tickFrequency = 0;                     // track bars: a tick mark every so many positions
    std::span<const ComboChoice> choices = {}; // combo boxes: the items in order
    // The boolean settings row whose check box (on the same page) switches on what this item adjusts: the
    // item is greyed while that box is empty. kNoSettingRow: always enabled.
    std::size_t enabledBy = kNoSettingRow;
};

struct ConfigurationPage {
    std::string_view nodeText;
    int nodeImage; // index in the shared picture list of the menus and the tree
    int templateId;
    std::span<const PageItem> items;
};

const std::array<ConfigurationPage, configuration_page::kCount>& configurationPages();

// Whether an item takes input while the check boxes show what `checked` says (by settings row).
template <typename Checked> bool itemEnabled(const PageItem& item, Checked checked) {
    return item.enabledBy == kNoSettingRow || checked(item.enabledBy);
}

// The caption of a combo box's item for a value none of its choices stands for (a hand-edited file).
std::string otherChoiceText(std::size_t row, int value);

} // namespace flickmark

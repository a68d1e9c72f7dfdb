// The text of a text popup: an optional header (hint line and hotkey) above a body, and the breaking of
// text into lines that fit a maximum width.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace flickmark {

inline constexpr std::u16string_view kPopupHintLine = u"shift+click to preview  |  right-click for item menu";
// Longest body shown, in UTF-16 code units; the rest is cut.
inline constexpr std::size_t kPopupTextMaxUnits = 500;

struct PopupText {
    std::u16string header; // empty: no header band
    std::u16string body;
};

// The header holds the hint line when `hint` is set and, when `extra` is not empty, "[Hotkey: extra]"
// on a line of its own. The body is `text` cut to kPopupTextMaxUnits, never inside a surrogate pair.
PopupText composePopupText(std::u16string_view text, std::u16string_view extra, bool hint);

// The width of a piece of text in pixels (the popup's font).
using TextWidth = std::function<int(std::u16string_view)>;

// Breaks text into lines no wider than maxWidth: at CR LF, CR or LF, then between words, and inside a
// word that is wider than maxWidth on its own (never inside a surrogate pair; a line holds at least one
// character). Blanks at a break are dropped. Empty text gives no lines.
std::vector<std::u16string> wrapPopupLines(std::u16string_view text, int maxWidth, const TextWidth& widthOf);

} // namespace flickmark

// Captions for menus and buttons, where an '&' marks the next character as the item's access key.
#pragma once

#include <string>
#include <string_view>

namespace flickmark {

// The text with every '&' doubled, so that a menu or button shows it as written.
std::string withoutAccessKeys(std::string_view text);

// The text shown as written, its byte at `accessKey` underlined as the access key; with none when
// `accessKey` is -1 or past the text.
std::string withAccessKey(std::string_view text, int accessKey);

} // namespace flickmark

// Code-page port: conversion between UTF-16 and the system's 8-bit code page (the ANSI code page), the
// encoding of data files saved without a byte-order mark. The program's own text is UTF-8
// (base/unicode_text.h); the helpers below convert it from and to the code page.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace flickmark {

class TextCodePage {
public:
    virtual ~TextCodePage() = default;
    // A character the code page cannot hold becomes its best-fit look-alike where the system has one, else
    // its default character ('?'), each half of a surrogate pair separately.
    virtual std::string narrow(std::u16string_view text) const = 0;
    virtual std::u16string widen(std::string_view text) const = 0;
};

// UTF-8 text of 8-bit text in the code page.
std::string utf8FromCodePage(std::string_view bytes, const TextCodePage& codePage);
// UTF-8 text in the code page when every character has its own form there; nothing when one would become
// '?' or a look-alike.
std::optional<std::string> codePageFromUtf8Exactly(std::string_view text, const TextCodePage& codePage);

} // namespace flickmark

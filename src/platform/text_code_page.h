// Code-page port: conversion between UTF-16 and the system's 8-bit code page (the ANSI code page), the text
// the program works in and that the platform's 8-bit profile functions return.
#pragma once

#include <string>
#include <string_view>

namespace flickmark {

class TextCodePage {
public:
    virtual ~TextCodePage() = default;
    // A character the code page cannot hold becomes its default character ('?'), each half of a surrogate
    // pair separately, as the 8-bit profile functions return it.
    virtual std::string narrow(std::u16string_view text) const = 0;
    virtual std::u16string widen(std::string_view text) const = 0;
};

} // namespace flickmark

// A diagnostic message built in a fixed buffer, so that a tick formats its log lines without allocating.
// Text beyond the buffer is cut off.
#pragma once

#include "base/geometry.h"

#include <array>
#include <charconv>
#include <cstddef>
#include <string_view>

namespace flickmark {

class LogText {
public:
    LogText& operator<<(std::string_view text) {
        const std::size_t n = text.size() < room() ? text.size() : room();
        text.copy(buffer_.data() + size_, n);
        size_ += n;
        return *this;
    }
    LogText& operator<<(long long value) {
        const auto result = std::to_chars(buffer_.data() + size_, buffer_.data() + buffer_.size(), value);
        if (result.ec == std::errc{})
            size_ = static_cast<std::size_t>(result.ptr - buffer_.data());
        return *this;
    }
    LogText& operator<<(int value) { return *this << static_cast<long long>(value); }
    // "x,y"
    LogText& operator<<(Point p) { return *this << p.x << "," << p.y; }

    std::string_view view() const { return {buffer_.data(), size_}; }

private:
    std::size_t room() const { return buffer_.size() - size_; }

    std::array<char, 112> buffer_{};
    std::size_t size_ = 0;
};

} // namespace flickmark

#include "base/path_lines.h"

#include <gtest/gtest.h>

namespace flickmark {
namespace {

TEST(PathLines, ALongPathBreaksAfterItsDelimitersAndLosesNothing) {
    const struct {
        const char* path;
        std::size_t width;
        const char* lines;
    } table[] = {
        {"C:\\Flickmark\\Gestures.ini", 60, "C:\\Flickmark\\Gestures.ini"},
        {"C:\\Users\\someone\\Flickmark\\Gestures.ini", 20,
         "C:\\Users\\someone\\\nFlickmark\\\nGestures.ini"},
        {"C:\\abcdefghijklmnopqrstuvwxyz\\b.ini", 10, "C:\\\nabcdefghij\nklmnopqrst\nuvwxyz\\\nb.ini"},
        {"\\\\server\\share\\x", 9, "\\\\server\\\nshare\\x"},
        // A character of several bytes is never split.
        {"C:\\\xCE\x95\xCE\xBB\xCE\xAD\xCE\xBD\xCE\xB7", 6,
         "C:\\\n\xCE\x95\xCE\xBB\xCE\xAD\n\xCE\xBD\xCE\xB7"},
    };
    for (const auto& row : table) {
        const std::string lines = pathInLines(row.path, row.width);
        EXPECT_EQ(lines, row.lines) << row.path;
        std::string joined;
        for (const char c : lines)
            if (c != '\n')
                joined += c;
        EXPECT_EQ(joined, row.path);
    }
}

} // namespace
} // namespace flickmark

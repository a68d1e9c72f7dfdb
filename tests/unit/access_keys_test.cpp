#include "base/access_keys.h"

#include <gtest/gtest.h>

namespace flickmark {
namespace {

// A program's name may hold '&': it is shown as written, and only the chosen byte becomes an access key.
TEST(AccessKeys, OnlyTheChosenByteIsMarked) {
    const struct {
        const char* text;
        int accessKey;
        const char* shown;
    } table[] = {
        {"Close", -1, "Close"},
        {"Close", 0, "&Close"},
        {"Gestures off in my&tool.exe", 0, "&Gestures off in my&&tool.exe"},
        {"New gesture UP for all programs...", 19, "New gesture UP for &all programs..."},
        {"a&b", 2, "a&&&b"},
        {"Close", 5, "Close"}, // past the text: none
    };
    for (const auto& row : table)
        EXPECT_EQ(withAccessKey(row.text, row.accessKey), row.shown) << row.text << " at " << row.accessKey;
    EXPECT_EQ(withoutAccessKeys("R&D && more"), "R&&D &&&& more");
}

} // namespace
} // namespace flickmark

#include "app/command_line.h"

#include <gtest/gtest.h>

namespace flickmark {
namespace {

TEST(CommandLine, DataFolderOptionAndIgnoredArguments) {
    using Args = std::vector<std::string>;
    const struct {
        Args args;
        std::optional<std::string> expected;
    } table[] = {
        {{}, std::nullopt},
        {{"-data", "C:\\My Data"}, "C:\\My Data"},
        {{"-DATA", "D:\\x"}, "D:\\x"},
        {{"/unknown", "-data", "D:\\x", "extra"}, "D:\\x"},
        {{"-data"}, std::nullopt},
        {{"-data", "A", "-data", "B"}, "B"},
        {{"data", "A"}, std::nullopt},
        {{"-database", "A"}, std::nullopt},
    };
    for (const auto& row : table)
        EXPECT_EQ(parseCommandLine(row.args).dataFolder, row.expected) << ::testing::PrintToString(row.args);
}

} // namespace
} // namespace flickmark

// Decimal text without the C library: compared with what the host's C library (correctly rounded both
// ways) gives for the same numbers, on chosen edge cases and on many random ones.
#include "settings/decimal_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <random>
#include <string>

namespace flickmark {
namespace {

// The shortest "%g" text that the C library reads back as the value: what the program wrote before.
std::string libraryShortest(double value) {
    char buffer[64] = "0";
    for (int precision = 1; precision <= 17; ++precision) {
        std::snprintf(buffer, sizeof buffer, "%.*g", precision, value);
        if (std::strtod(buffer, nullptr) == value)
            break;
    }
    return buffer;
}

TEST(DecimalTextTest, WritesTheShortestTextOfPrintfThatReadsBack) {
    const struct {
        double value;
        const char* text;
    } table[] = {
        {0.8, "0.8"},
        {0.1234567, "0.1234567"},
        {1e-7, "1e-07"},
        {0.1 + 0.2, "0.30000000000000004"},
        {1.0 / 3, "0.3333333333333333"},
        {100, "1e+02"}, // as "%.1g" writes it, the shortest that reads back
        {123456.789, "123456.789"},
        {1e16, "1e+16"},
        {1e21, "1e+21"},
        {0.0001, "0.0001"},
        {0.00001, "1e-05"},
        {-2.5, "-2.5"},
        {0.0, "0"},
        {-0.0, "-0"},
        {2.5e-300, "2.5e-300"},
        {std::numeric_limits<double>::max(), "1.7976931348623157e+308"},
        {std::numeric_limits<double>::min(), "2.2250738585072014e-308"},
        {1e23, "1e+23"}, // the double nearest to 1e23 is 9.999999999999999e22
    };
    for (const auto& row : table) {
        EXPECT_EQ(writeDecimal(row.value), row.text) << row.text;
        EXPECT_EQ(writeDecimal(row.value), libraryShortest(row.value)) << row.text;
    }
}

TEST(DecimalTextTest, ReadsThePlainDecimalFormOnlyAsStrtodDoes) {
    const std::optional<double> none;
    const struct {
        const char* text;
        std::optional<double> value;
    } table[] = {
        {"0.8", 0.8},
        {".5", 0.5},
        {"5.", 5.0},
        {"-0.25", -0.25},
        {"2E2", 200.0},
        {"1e-07", 1e-7},
        {"000123.4500", 123.45},
        {"0.30000000000000004", 0.30000000000000004},
        {"12345678901234567890123", 12345678901234567890123.0},
        {"0.000000000000000000000000000001", 1e-30},
        {"1.7976931348623157e308", std::numeric_limits<double>::max()},
        {"0", 0.0},
        {"0e999", 0.0},
        {"1e309", none},
        {"1e-320", none}, // below the normal range: a range error for strtod
        {"1e999", none},
        {"0x1p-1", none},
        {"inf", none},
        {"nan", none},
        {"1e", none},
        {".", none},
        {"-", none},
        {"1.5x", none},
        {"1 5", none},
        {"+1", none}, // the settings' reader takes the '+' off first
    };
    for (const auto& row : table)
        EXPECT_EQ(readDecimal(row.text), row.value) << row.text;
}

TEST(DecimalTextTest, AgreesWithTheCLibraryOnRandomNumbers) {
    std::mt19937_64 random(20261210);
    int written = 0, read = 0;
    for (int i = 0; i < 20000; ++i) {
        // Doubles from their bits, of every magnitude that is finite and normal.
        double value = 0;
        do {
            const std::uint64_t bits = random();
            std::memcpy(&value, &bits, sizeof value);
        } while (!std::isnormal(value));
        const std::string expected = libraryShortest(value);
        written += writeDecimal(value) == expected;
        EXPECT_EQ(readDecimal(expected), value) << expected;
        // Short decimals, as people write them: up to 9 digits and a small exponent.
        const std::string typed = std::to_string(random() % 1000000000) + "e" +
                                  std::to_string(static_cast<int>(random() % 60) - 30);
        read += readDecimal(typed) == std::strtod(typed.c_str(), nullptr);
    }
    EXPECT_EQ(written, 20000);
    EXPECT_EQ(read, 20000);
}

} // namespace
} // namespace flickmark

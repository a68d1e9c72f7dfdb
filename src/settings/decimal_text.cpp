#include "settings/decimal_text.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <vector>

namespace flickmark {
namespace {

constexpr int kMaxDigits = 17; // enough for any double to read back as itself
constexpr std::uint64_t kHiddenBit = std::uint64_t{1} << 52;

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// A non-negative integer of any size, for the exact comparisons that make reading and writing correctly
// rounded: little-endian 32-bit limbs, no leading zero limb.
class BigNumber {
public:
    explicit BigNumber(std::uint64_t value = 0) {
        for (; value != 0; value >>= 32)
            limbs_.push_back(static_cast<std::uint32_t>(value));
    }

    BigNumber& multiplyAdd(std::uint32_t factor, std::uint32_t addend) {
        std::uint64_t carry = addend;
        for (std::uint32_t& limb : limbs_) {
            const std::uint64_t product = std::uint64_t{limb} * factor + carry;
            limb = static_cast<std::uint32_t>(product);
            carry = product >> 32;
        }
        if (carry != 0)
            limbs_.push_back(static_cast<std::uint32_t>(carry));
        return *this;
    }
    BigNumber& multiplyByPowerOfTen(int exponent) {
        for (; exponent >= 9; exponent -= 9)
            multiplyAdd(1000000000u, 0);
        for (; exponent > 0; --exponent)
            multiplyAdd(10u, 0);
        return *this;
    }
    BigNumber& multiplyByPowerOfTwo(int exponent) {
        if (limbs_.empty())
            return *this;
        limbs_.insert(limbs_.begin(), static_cast<std::size_t>(exponent / 32), 0u);
        if (exponent % 32 != 0)
            multiplyAdd(std::uint32_t{1} << (exponent % 32), 0);
        return *this;
    }
    BigNumber times(const BigNumber& other) const {
        BigNumber product;
        product.limbs_.assign(limbs_.size() + other.limbs_.size(), 0u);
        for (std::size_t i = 0; i < limbs_.size(); ++i) {
            std::uint64_t carry = 0;
            for (std::size_t j = 0; j < other.limbs_.size(); ++j) {
                const std::uint64_t sum =
                    std::uint64_t{limbs_[i]} * other.limbs_[j] + product.limbs_[i + j] + carry;
                product.limbs_[i + j] = static_cast<std::uint32_t>(sum);
                carry = sum >> 32;
            }
            product.limbs_[i + other.limbs_.size()] = static_cast<std::uint32_t>(carry);
        }
        product.trim();
        return product;
    }
    // this - other, for other <= this.
    BigNumber minus(const BigNumber& other) const {
        BigNumber difference = *this;
        std::uint64_t borrow = 0;
        for (std::size_t i = 0; i < difference.limbs_.size(); ++i) {
            const std::uint64_t subtrahend = (i < other.limbs_.size() ? other.limbs_[i] : 0u) + borrow;
            borrow = difference.limbs_[i] < subtrahend ? 1 : 0;
            difference.limbs_[i] = static_cast<std::uint32_t>((std::uint64_t{1} << 32) * borrow +
                                                              difference.limbs_[i] - subtrahend);
        }
        difference.trim();
        return difference;
    }
    friend int compare(const BigNumber& a, const BigNumber& b) {
        if (a.limbs_.size() != b.limbs_.size())
            return a.limbs_.size() < b.limbs_.size() ? -1 : 1;
        for (std::size_t i = a.limbs_.size(); i-- > 0;)
            if (a.limbs_[i] != b.limbs_[i])
                return a.limbs_[i] < b.limbs_[i] ? -1 : 1;
        return 0;
    }

private:
    void trim() {
        while (!limbs_.empty() && limbs_.back() == 0)
            limbs_.pop_back();
    }

    std::vector<std::uint32_t> limbs_;
};

// A positive finite double exactly: significand * 2^exponent.
struct BinaryValue {
    std::uint64_t significand;
    int exponent;
    bool powerOfTwoAboveSubnormals; // the doubles below it are twice as close as those above
};

BinaryValue binaryOf(double value) {
    std::uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    const auto biased = static_cast<int>((bits >> 52) & 0x7FF);
    const std::uint64_t fraction = bits & (kHiddenBit - 1);
    if (biased == 0)
        return {fraction, -1074, false};
    return {fraction | kHiddenBit, biased - 1075, fraction == 0 && biased > 1};
}

// Compares digits * 10^decimalExponent with significand * 2^binaryExponent exactly.
int compareWithBinary(BigNumber digits, int decimalExponent, std::uint64_t significand, int binaryExponent) {
    BigNumber binary(significand);
    if (decimalExponent >= 0)
        digits.multiplyByPowerOfTen(decimalExponent);
    else
        binary.multiplyByPowerOfTen(-decimalExponent);
    if (binaryExponent >= 0)
        binary.multiplyByPowerOfTwo(binaryExponent);
    else
        digits.multiplyByPowerOfTwo(-binaryExponent);
    return compare(digits, binary);
}

// The double nearest to digits * 10^exponent, ties to the even significand, from an estimate a few units in
// the last place off at most: the exact value is compared with the midpoints to the estimate's neighbours.
double nearestDouble(const BigNumber& digits, int exponent, double estimate) {
    double value = std::min(estimate, std::numeric_limits<double>::max());
    for (int step = 0; step < 100 && value > 0; ++step) {
        const BinaryValue at = binaryOf(value);
        const bool odd = (at.significand & 1u) != 0;
        // Halfway to the next double up, then down.
        const int above = compareWithBinary(digits, exponent, 2 * at.significand + 1, at.exponent - 1);
        if (above > 0 || (above == 0 && odd)) {
            value = std::nextafter(value, std::numeric_limits<double>::infinity());
            if (!std::isfinite(value))
                return value;
            continue;
        }
        const int below = at.powerOfTwoAboveSubnormals
                              ? compareWithBinary(digits, exponent, 4 * at.significand - 1, at.exponent - 2)
                              : compareWithBinary(digits, exponent, 2 * at.significand - 1, at.exponent - 1);
        if (below < 0 || (below == 0 && odd)) {
            value = std::nextafter(value, 0.0);
            continue;
        }
        return value;
    }
    return value;
}

long double powerOfTen(int exponent) {
    long double power = 1;
    long double factor = 10;
    for (int rest = exponent < 0 ? -exponent : exponent; rest != 0; rest >>= 1, factor *= factor)
        if ((rest & 1) != 0)
            power *= factor;
    return exponent < 0 ? 1 / power : power;
}

// The digits of a positive double rounded to `precision` significant digits (ties to even, from its exact
// value), and the decimal exponent of the first digit.
struct Digits {
    std::uint64_t significand = 0; // `precision` digits
    int exponent = 0;
};

Digits digitsOf(double value, int precision) {
    const BinaryValue binary = binaryOf(value);
    // The decimal exponent: 10^exponent <= value < 10^(exponent + 1), estimated, then made exact.
    int exponent = static_cast<int>(std::floor(std::log10(value)));
    while (compareWithBinary(BigNumber(1), exponent, binary.significand, binary.exponent) > 0)
        --exponent;
    while (compareWithBinary(BigNumber(1), exponent + 1, binary.significand, binary.exponent) <= 0)
        ++exponent;
    // value * 10^shift as numerator / denominator.
    const int shift = precision - 1 - exponent;
    BigNumber numerator(binary.significand);
    BigNumber denominator(1);
    if (binary.exponent >= 0)
        numerator.multiplyByPowerOfTwo(binary.exponent);
    else
        denominator.multiplyByPowerOfTwo(-binary.exponent);
    if (shift >= 0)
        numerator.multiplyByPowerOfTen(shift);
    else
        denominator.multiplyByPowerOfTen(-shift);
    // The quotient, from an estimate, made exact.
    auto quotient =
        static_cast<std::uint64_t>(std::nearbyint(static_cast<long double>(value) * powerOfTen(shift)));
    while (quotient > 0 && compare(denominator.times(BigNumber(quotient)), numerator) > 0)
        --quotient;
    while (compare(denominator.times(BigNumber(quotient + 1)), numerator) <= 0)
        ++quotient;
    // Round: compare twice the remainder with the denominator.
    BigNumber twiceRemainder = numerator.minus(denominator.times(BigNumber(quotient)));
    twiceRemainder.multiplyAdd(2u, 0);
    const int half = compare(twiceRemainder, denominator);
    if (half > 0 || (half == 0 && (quotient & 1u) != 0))
        ++quotient;
    std::uint64_t limit = 1;
    for (int i = 0; i < precision; ++i)
        limit *= 10;
    if (quotient == limit) { // rounded up into another digit
        quotient /= 10;
        ++exponent;
    }
    return {quotient, exponent};
}

// As printf's "%.<precision>g" writes it.
std::string gText(bool negative, const Digits& digits, int precision) {
    std::string figures = std::to_string(digits.significand);
    while (figures.size() > 1 && figures.back() == '0')
        figures.pop_back();
    std::string text = negative ? "-" : "";
    const int exponent = digits.exponent;
    if (exponent < -4 || exponent >= precision) {
        text += figures[0];
        if (figures.size() > 1)
            text += "." + figures.substr(1);
        text += exponent < 0 ? "e-" : "e+";
        const int magnitude = exponent < 0 ? -exponent : exponent;
        if (magnitude < 10)
            text += '0';
        text += std::to_string(magnitude);
    } else if (exponent < 0) {
        text += "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + figures;
    } else {
        const auto integerDigits = static_cast<std::size_t>(exponent) + 1;
        if (figures.size() <= integerDigits)
            text += figures + std::string(integerDigits - figures.size(), '0');
        else
            text += figures.substr(0, integerDigits) + "." + figures.substr(integerDigits);
    }
    return text;
}

} // namespace

bool isPlainDecimal(std::string_view text) {
    std::size_t i = 0;
    const auto digitsFrom = [&](std::size_t from) {
        std::size_t end = from;
        while (end < text.size() && isDigit(text[end]))
            ++end;
        return end - from;
    };
    if (i < text.size() && text[i] == '-')
        ++i;
    std::size_t mantissaDigits = digitsFrom(i);
    i += mantissaDigits;
    if (i < text.size() && text[i] == '.') {
        const std::size_t fraction = digitsFrom(i + 1);
        i += 1 + fraction;
        mantissaDigits += fraction;
    }
    if (mantissaDigits == 0)
        return false;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-'))
            ++i;
        const std::size_t exponentDigits = digitsFrom(i);
        if (exponentDigits == 0)
            return false;
        i += exponentDigits;
    }
    return i == text.size();
}

std::optional<double> readDecimal(std::string_view text) {
    if (!isPlainDecimal(text))
        return std::nullopt;
    const bool negative = text.front() == '-';
    std::size_t i = negative ? 1 : 0;
    // Every significant digit, and the power of ten of the last one.
    BigNumber digits;
    long double estimate = 0;
    int significant = 0;
    long long exponent = 0;
    bool seenPoint = false;
    for (; i < text.size() && (isDigit(text[i]) || text[i] == '.'); ++i) {
        if (text[i] == '.') {
            seenPoint = true;
            continue;
        }
        const auto digit = static_cast<std::uint32_t>(text[i] - '0');
        if (significant > 0 || digit != 0) {
            digits.multiplyAdd(10u, digit);
            estimate = estimate * 10 + digit;
            ++significant;
        }
        if (seenPoint)
            --exponent;
    }
    if (i < text.size()) { // the exponent part
        ++i;
        const bool exponentNegative = text[i] == '-';
        if (text[i] == '+' || text[i] == '-')
            ++i;
        long long written = 0;
        for (; i < text.size(); ++i)
            written = std::min(written * 10 + (text[i] - '0'), 1000000LL);
        exponent += exponentNegative ? -written : written;
    }
    if (significant == 0)
        return negative ? -0.0 : 0.0;
    // Far beyond what a double holds either way (a range error for strtod): no need to compute.
    const long long magnitude = exponent + significant; // 10^(magnitude - 1) <= value < 10^magnitude
    if (magnitude > std::numeric_limits<double>::max_exponent10 + 1 ||
        magnitude < std::numeric_limits<double>::min_exponent10 - 1)
        return std::nullopt;
    const auto power = static_cast<int>(exponent);
    const double value = nearestDouble(digits, power, static_cast<double>(estimate * powerOfTen(power)));
    if (!std::isfinite(value) || value < std::numeric_limits<double>::min())
        return std::nullopt; // out of the range of normal doubles, as strtod reports it
    return negative ? -value : value;
}

std::string writeDecimal(double value) {
    if (value == 0)
        return std::signbit(value) ? "-0" : "0";
    const double magnitude = std::fabs(value);
    std::string text;
    for (int precision = 1; precision <= kMaxDigits; ++precision) {
        text = gText(value < 0, digitsOf(magnitude, precision), precision);
        if (readDecimal(text) == value)
            break;
    }
    return text;
}

} // namespace flickmark

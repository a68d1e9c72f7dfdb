// Decimal numbers as text, without the C library's floating-point reading and printing (whose engines
// would add about 35 KB to the exe): what strtod reads from the plain decimal form, and the shortest "%g"
// text that reads back as the same double.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace flickmark {

// [-]digits[.digits][e[+-]digits], with a digit before or after the point; nothing else (no blanks, no
// hexadecimal, no "inf" or "nan").
bool isPlainDecimal(std::string_view text);

// The double nearest to a plain decimal; nothing for text that is not one, for a value too large for a
// double, and for a value other than zero too small for a normal double (where strtod reports a range
// error).
std::optional<double> readDecimal(std::string_view text);

// The shortest text in the form of printf's "%g" that readDecimal reads back as `value`, a finite double:
// "0.8", "1e-07", "0.30000000000000004".
std::string writeDecimal(double value);

} // namespace flickmark

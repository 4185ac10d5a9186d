#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

// Exact decimal product: both operands are first rounded to 15 significant digits (so
// 145.0125 is the decimal 145.0125, not the nearest double), multiplied exactly, and the
// product converted back to the nearest double.
double DecimalScale(double x, double factor);

// Truncates toward zero; empty when the value is not finite or does not fit.
std::optional<int64_t> TruncateToInt64(double value);

// Reads a C-locale decimal number the way atof does: leading white space skipped, optional
// sign, reading stops at the first character that cannot continue the number. Text that does
// not start with a number gives 0. Independent of the process locale.
double LeadingDecimal(std::string_view text);

// Reads an integer the way "%d" scans: leading white space, optional sign, digits. Empty when
// there are no digits. A number that does not fit an int is reported with fits = false.
struct ScannedInt {
    int value;  // 0 when the number does not fit
    size_t end; // index just past the digits
    bool fits;
};
std::optional<ScannedInt> ScanInt(std::string_view text);

#include "image/decimal_scale.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>
#include <string>

namespace {

// A decimal m × 10^e with at most 15 significant digits in m.
struct Decimal {
    int64_t mantissa;
    int exponent;
};

Decimal ToDecimal15(double x) {
    char buf[40];
    // 15 significant digits: one before the point, fourteen after.
    auto res = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::scientific, 14);
    std::string_view text(buf, static_cast<size_t>(res.ptr - buf));
    const size_t ePos = text.find('e');
    int64_t mantissa = 0;
    bool negative = false;
    for (char c : text.substr(0, ePos)) {
        if (c == '-')
            negative = true;
        else if (c >= '0' && c <= '9')
            mantissa = mantissa * 10 + (c - '0');
    }
    int exponent = 0;
    std::from_chars(text.data() + ePos + 1 + (text[ePos + 1] == '+' ? 1 : 0),
                    text.data() + text.size(), exponent);
    return {negative ? -mantissa : mantissa, exponent - 14};
}

double FromDecimal(__int128 mantissa, int exponent) {
    const bool negative = mantissa < 0;
    unsigned __int128 m = negative ? static_cast<unsigned __int128>(-mantissa)
                                   : static_cast<unsigned __int128>(mantissa);
    char digits[64];
    int n = 0;
    do {
        digits[n++] = static_cast<char>('0' + static_cast<int>(m % 10));
        m /= 10;
    } while (m != 0);
    std::string text = negative ? "-" : "";
    while (n > 0)
        text += digits[--n];
    text += 'e' + std::to_string(exponent);
    double result = 0;
    const auto res = std::from_chars(text.data(), text.data() + text.size(), result);
    if (res.ec == std::errc::result_out_of_range) {
        // Beyond the double range: a product above 1 overflows, one below underflows to 0.
        const bool huge = n - 1 + exponent > 0;
        result = huge ? HUGE_VAL : 0.0;
        return negative ? -result : result;
    }
    return result;
}

} // namespace

double DecimalScale(double x, double factor) {
    if (!std::isfinite(x) || !std::isfinite(factor))
        return x * factor;
    if (x == 0 || factor == 0)
        return 0;
    const Decimal a = ToDecimal15(x);
    const Decimal b = ToDecimal15(factor);
    const __int128 product = static_cast<__int128>(a.mantissa) * b.mantissa;
    return FromDecimal(product, a.exponent + b.exponent);
}

std::optional<int64_t> TruncateToInt64(double value) {
    if (!std::isfinite(value))
        return std::nullopt;
    const double t = std::trunc(value);
    // 2^63 is exactly representable; anything at or beyond it does not fit.
    if (t >= 9223372036854775808.0 || t < -9223372036854775808.0)
        return std::nullopt;
    return static_cast<int64_t>(t);
}

static bool IsCSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// Skips leading C-locale white space and one sign; returns the index after them.
static size_t SkipSpaceAndSign(std::string_view text, bool& negative) {
    size_t i = 0;
    while (i < text.size() && IsCSpace(text[i]))
        ++i;
    negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    return i;
}

// The power of ten of the leading digit of a decimal number without sign ("123.4e5": 7).
// Only called for numbers outside the double range, which have a non-zero digit.
static int64_t DecimalOrder(std::string_view number) {
    const size_t ePos = number.find_first_of("eE");
    const std::string_view mantissa = number.substr(0, ePos);
    int64_t exponent = 0;
    if (ePos != number.npos) {
        const auto scanned = ScanInt(number.substr(ePos + 1));
        // An exponent beyond an int is beyond any digit count too.
        exponent = !scanned                  ? 0
                   : scanned->fits           ? scanned->value
                   : number[ePos + 1] == '-' ? INT32_MIN
                                             : INT32_MAX;
    }
    const size_t point = std::min(mantissa.find('.'), mantissa.size());
    const size_t first = mantissa.find_first_of("123456789");
    if (first == mantissa.npos)
        return INT32_MIN;
    const int64_t order =
        first < point ? int64_t(point - first) - 1 : int64_t(point) - int64_t(first);
    return order + exponent;
}

double LeadingDecimal(std::string_view text) {
    bool negative = false;
    const size_t i = SkipSpaceAndSign(text, negative);
    // Only digits, one point and an exponent continue a number; from_chars would also take
    // "inf" and "nan", which atof-style decimal input never produces from plain digits.
    if (i >= text.size() || !((text[i] >= '0' && text[i] <= '9') || text[i] == '.'))
        return 0;
    double value = 0;
    auto res = std::from_chars(text.data() + i, text.data() + text.size(), value,
                               std::chars_format::general);
    if (res.ec == std::errc::result_out_of_range) {
        // Beyond the double range: too large or too small, by the number's own digits.
        const auto length = static_cast<size_t>(res.ptr - (text.data() + i));
        value = DecimalOrder(text.substr(i, length)) > 0 ? HUGE_VAL : 0.0;
    } else if (res.ec != std::errc()) {
        return 0;
    }
    return negative ? -value : value;
}

std::optional<ScannedInt> ScanInt(std::string_view text) {
    bool negative = false;
    size_t i = SkipSpaceAndSign(text, negative);
    const size_t digitsStart = i;
    int64_t value = 0;
    bool overflow = false;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
        if (value <= std::numeric_limits<int>::max())
            value = value * 10 + (text[i] - '0');
        else
            overflow = true;
        ++i;
    }
    if (i == digitsStart)
        return std::nullopt;
    if (negative)
        value = -value;
    if (overflow || value > std::numeric_limits<int>::max() ||
        value < std::numeric_limits<int>::min())
        return ScannedInt{0, i, false};
    return ScannedInt{static_cast<int>(value), i, true};
}

#include "image/numeric_text.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace {

int DigitValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return 99;
}

bool IsBlank(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

} // namespace

int ReadNumberText(std::string_view text, int base) {
    size_t i = 0;
    while (i < text.size() && IsBlank(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+'))
        negative = text[i++] == '-';
    if (base == 16 && text.substr(i, 2) == "0x")
        i += 2;
    constexpr int64_t kLimit = int64_t(std::numeric_limits<int>::max()) + 1;
    int64_t value = 0;
    for (; i < text.size() && DigitValue(text[i]) < base; ++i)
        value = std::min(kLimit, value * base + DigitValue(text[i]));
    value = negative ? -value : value;
    return static_cast<int>(std::clamp<int64_t>(value, std::numeric_limits<int>::min(),
                                                std::numeric_limits<int>::max()));
}

std::string FormatNumberText(int value, int base) {
    if (base != 16)
        return std::to_string(value);
    // "%x" of an int shows its 32-bit pattern.
    uint32_t bits = static_cast<uint32_t>(value);
    std::string out;
    do {
        out.insert(out.begin(), "0123456789abcdef"[bits % 16]);
        bits /= 16;
    } while (bits != 0);
    return out;
}

std::string ClampNumberText(std::string_view text, int minimum, int maximum, int base) {
    return FormatNumberText(std::clamp(ReadNumberText(text, base), minimum, maximum), base);
}

std::string StepNumberText(std::string_view text, int step, int minimum, int maximum, int base) {
    const int64_t next = int64_t(ReadNumberText(text, base)) + step;
    if (next < minimum || next > maximum)
        return FormatNumberText(step > 0 ? minimum : maximum, base);
    return FormatNumberText(static_cast<int>(next), base);
}

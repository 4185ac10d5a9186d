#include "image/number_field.h"

#include "image/decimal_scale.h"

#include <algorithm>
#include <charconv>

namespace {

// Far beyond every field's range, small enough that steps and rounding cannot overflow.
constexpr int64_t kParseLimit = 1'000'000'000'000;

int64_t FloorTo(int64_t value, int64_t unit) {
    const int64_t q = value / unit;
    return (value % unit != 0 && value < 0 ? q - 1 : q) * unit;
}

int64_t CeilTo(int64_t value, int64_t unit) {
    return -FloorTo(-value, unit);
}

bool InRange(const NumberRule& rule, int64_t value) {
    return value >= rule.min && value <= rule.max;
}

} // namespace

int64_t ParseNumberText(const NumberRule& rule, std::string_view text) {
    int64_t value = 0;
    if (rule.textScale == 1 && rule.decimals == 0) {
        const auto scanned = ScanInt(text);
        value = scanned && scanned->fits ? scanned->value : 0;
    } else {
        value = TruncateToInt64(DecimalScale(LeadingDecimal(text), rule.textScale)).value_or(0);
    }
    return std::clamp(value, -kParseLimit, kParseLimit);
}

int64_t NormaliseNumber(const NumberRule& rule, int64_t value) {
    value = FloorTo(value, std::max(rule.roundTo, 1));
    if (InRange(rule, value))
        return value;
    if (rule.fallback >= 0)
        return rule.fallback;
    return std::clamp<int64_t>(value, rule.min, rule.max);
}

int64_t StepNumber(const NumberRule& rule, int64_t value, int direction) {
    const int64_t unit = std::max(rule.roundTo, 1);
    const bool up = direction > 0;
    value = up ? FloorTo(value, unit) + rule.step : CeilTo(value, unit) - rule.step;
    if (InRange(rule, value))
        return value;
    return up ? rule.min : rule.max;
}

std::string FormatNumber(const NumberRule& rule, int64_t value) {
    if (rule.textScale == 1 && rule.decimals == 0)
        return std::to_string(value);
    const double shown = DecimalScale(static_cast<double>(value), 1.0 / rule.textScale);
    char buf[64];
    const auto res =
        std::to_chars(buf, buf + sizeof buf, shown, std::chars_format::fixed, rule.decimals);
    return res.ec == std::errc() ? std::string(buf, res.ptr) : std::string();
}

int64_t NumberFromStored(const NumberRule& rule, uint8_t stored) {
    const int64_t value = int64_t{stored} * rule.storeScale;
    if (rule.loadFallback >= 0 && !InRange(rule, value))
        return rule.loadFallback;
    return value;
}

uint8_t StoredFromNumber(const NumberRule& rule, int64_t value) {
    return static_cast<uint8_t>(std::clamp<int64_t>(value / std::max(rule.storeScale, 1), 0, 255));
}

std::string NormaliseNumberText(const NumberRule& rule, std::string_view text) {
    return FormatNumber(rule, NormaliseNumber(rule, ParseNumberText(rule, text)));
}

std::string StepNumberText(const NumberRule& rule, std::string_view text, int direction) {
    return FormatNumber(rule, StepNumber(rule, ParseNumberText(rule, text), direction));
}

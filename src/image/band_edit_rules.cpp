#include "image/band_edit_rules.h"

#include "image/decimal_scale.h"

#include <limits>

namespace {

constexpr int kR1 = 1;
constexpr int kR2 = 2;

const PermittedRange& Range(int index) {
    return kPermittedRanges[index];
}

bool InUpperRanges(int index) {
    return index == kR1 || index == kR2;
}

} // namespace

int PermittedRangeOf(int32_t value) {
    for (int i = 0; i < static_cast<int>(std::size(kPermittedRanges)); ++i)
        if (Range(i).low <= value && value <= Range(i).high)
            return i;
    return -1;
}

BandPair LowEditRule(BandPair p) {
    if (const int i = PermittedRangeOf(p.low); i >= 0) {
        const PermittedRange& r = Range(i);
        if (!(r.low < p.high && p.high <= r.high))
            p.high = r.high;
        if (p.low >= p.high)
            p.low = r.low;
        return p;
    }
    if (const int j = PermittedRangeOf(p.high); InUpperRanges(j)) {
        const PermittedRange& r = Range(j);
        p.low = r.low;
        if (p.high == r.low)
            p.high = r.high;
        return p;
    }
    return kDefaultBandPair;
}

BandPair HighEditRule(BandPair p) {
    if (const int i = PermittedRangeOf(p.high); i >= 0) {
        const PermittedRange& r = Range(i);
        if (!(r.low <= p.low && p.low < r.high))
            p.low = r.low;
        if (p.low >= p.high)
            p.high = r.high;
        return p;
    }
    if (const int j = PermittedRangeOf(p.low); InUpperRanges(j)) {
        const PermittedRange& r = Range(j);
        p.high = r.high;
        if (p.low == r.high)
            p.low = r.low;
        return p;
    }
    return kDefaultBandPair;
}

int32_t LimitFromMhzText(std::string_view text) {
    const auto scanned = ScanInt(text);
    if (!scanned || !scanned->fits)
        return 0;
    const int64_t value = static_cast<int64_t>(scanned->value) * kUnitsPerMhz;
    if (value > std::numeric_limits<int32_t>::max() || value < std::numeric_limits<int32_t>::min())
        return 0;
    return static_cast<int32_t>(value);
}

std::string LimitToMhzText(int32_t value) {
    return std::to_string(value / kUnitsPerMhz);
}

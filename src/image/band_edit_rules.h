#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// One band's lower and upper limit as the model dialog edits them, in frequency units
// (10 Hz). The dialog shows and takes whole megahertz.
struct BandPair {
    int32_t low;
    int32_t high;
    bool operator==(const BandPair&) const = default;
};

constexpr int32_t kUnitsPerMhz = 100000;

// The frequency ranges a band may lie in, in this order; a value belongs to the first range
// that contains it (both ends inclusive).
struct PermittedRange {
    int32_t low;
    int32_t high;
};
constexpr PermittedRange kPermittedRanges[] = {
    {136 * kUnitsPerMhz, 174 * kUnitsPerMhz},
    {200 * kUnitsPerMhz, 260 * kUnitsPerMhz},
    {400 * kUnitsPerMhz, 520 * kUnitsPerMhz},
};
constexpr BandPair kDefaultBandPair{136 * kUnitsPerMhz, 174 * kUnitsPerMhz};

// Index into kPermittedRanges, or -1.
int PermittedRangeOf(int32_t value);

// Run when the lower (LowEditRule) or upper (HighEditRule) edit of a band loses the focus.
// Each returns a pair inside one permitted range with low < high, or 136..174 MHz.
BandPair LowEditRule(BandPair pair);
BandPair HighEditRule(BandPair pair);

// A limit edit's text as a frequency value: the leading integer in MHz × 100000; an empty,
// unparsable or unrepresentable text reads 0 (inside no range).
int32_t LimitFromMhzText(std::string_view text);
// Whole megahertz (truncating division).
std::string LimitToMhzText(int32_t value);

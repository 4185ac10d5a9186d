#pragma once

#include <cstdint>

class MemoryImage;

// The two working bands that decide which frequencies are inside band A (0) or band B (1).
// Limits are frequency values (10 Hz units), both inclusive.
struct BandLimits {
    int32_t low[2] = {13600000, 40000000};
    int32_t high[2] = {17400000, 48000000};

    int BandOf(int32_t f) const;
    bool SameBand(int32_t a, int32_t b) const { return BandOf(a) == BandOf(b); }
    int FirstConfiguredBand() const;
};

constexpr int kBandBlock = 0x2E10;

// Takes each band's pair from the image's band block unless the pair's low limit is erased
// (guard bytes 0x2E13 and 0x2E1B, the highest digit pair of each low limit).
void RefreshBandLimitsFromImage(const MemoryImage& image, BandLimits& limits);

// Writes all four limits to the band block.
void StoreBandLimitsToImage(const BandLimits& limits, MemoryImage& image);

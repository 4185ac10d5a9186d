#include "image/band_limits.h"

#include "image/memory_image.h"

int BandLimits::BandOf(int32_t f) const {
    for (int i = 0; i < 2; ++i)
        if (low[i] <= f && f <= high[i])
            return i;
    return -1;
}

int BandLimits::FirstConfiguredBand() const {
    auto configured = [](int32_t v) { return v != 0 && v != -1; };
    for (int i = 0; i < 2; ++i)
        if (configured(low[i]) && configured(high[i]))
            return i;
    return -1;
}

// Every digit of the bytes is a decimal digit.
static bool IsPackedDecimal(const MemoryImage& image, int offset, int length) {
    for (int i = offset; i < offset + length; ++i)
        if ((image.Byte(i) & 0x0F) > 9 || (image.Byte(i) >> 4) > 9)
            return false;
    return true;
}

void RefreshBandLimitsFromImage(const MemoryImage& image, BandLimits& limits) {
    for (int band = 0; band < 2; ++band) {
        const int base = kBandBlock + band * 8;
        // An erased band, or one whose limits are no decimal numbers (they could not be
        // stored back), keeps the working limits.
        if (image.Byte(base + 3) == 0xFF || !IsPackedDecimal(image, base, 8))
            continue;
        limits.low[band] = image.Frequency(base);
        limits.high[band] = image.Frequency(base + 4);
    }
}

void StoreBandLimitsToImage(const BandLimits& limits, MemoryImage& image) {
    for (int band = 0; band < 2; ++band) {
        image.SetFrequency(kBandBlock + band * 8, limits.low[band]);
        image.SetFrequency(kBandBlock + band * 8 + 4, limits.high[band]);
    }
}

#include "image/calibration.h"

#include "image/band_limits.h"
#include "image/decimal_scale.h"
#include "image/memory_image.h"

#include <algorithm>
#include <cstdlib>

int CalibrationBandOf(int32_t frequency) {
    for (int k = 0; k < static_cast<int>(kCalibrationBands.size()); ++k)
        if (kCalibrationBands[k].low <= frequency && frequency <= kCalibrationBands[k].high)
            return k;
    return -1;
}

void DeriveRampTable(MemoryImage& image) {
    // A ramp from 1.3 V down to 0.175 V, converted at 51 steps per volt.
    const double top = 1.3, bottom = 0.3;
    const double step = DecimalScale(top - bottom, 0.125);
    for (int i = 0; i < 10; ++i) {
        double volts = top - DecimalScale(i, step);
        if (i == 8)
            volts = bottom;
        else if (i == 9)
            volts = bottom - step;
        const auto steps = TruncateToInt64(DecimalScale(volts, 51));
        image.SetByte(kRampTable + i, static_cast<uint8_t>(steps.value_or(0)));
    }
}

namespace {

// Nearest whole MHz, halves upward; 64-bit so limits read from any image cannot overflow.
int64_t RoundMHz(int64_t x) {
    return (x + 50000) / 100000 * 100000;
}

struct Span {
    int64_t lo;
    int64_t hi;
};

Span CalibrationSpan(const CalibrationBand& band, const BandLimits& limits) {
    bool found = false;
    Span span{band.fallbackLow, band.fallbackHigh};
    for (int j = 0; j < 2; ++j) {
        if (limits.low[j] < band.low || limits.high[j] > band.high)
            continue;
        span.lo = found ? std::min<int64_t>(span.lo, limits.low[j]) : limits.low[j];
        span.hi = found ? std::max<int64_t>(span.hi, limits.high[j]) : limits.high[j];
        found = true;
    }
    return span;
}

void WriteSlope(MemoryImage& image, int offset, int x, int y, int64_t half) {
    uint32_t q = 0;
    if (x != y)
        q = static_cast<uint32_t>(half / std::abs(y - x)) & 0xFFFFFF;
    if (x != y && y < x)
        q |= 0x800000;
    for (int k = 0; k < 3; ++k)
        image.SetByte(offset + k, static_cast<uint8_t>(q >> (8 * k)));
}

} // namespace

void DeriveBandPoints(MemoryImage& image, const BandLimits& limits) {
    int64_t half[3];
    for (int k = 0; k < 3; ++k) {
        const Span s = CalibrationSpan(kCalibrationBands[k], limits);
        half[k] = RoundMHz((s.hi - s.lo) / 2);
        const int64_t third = (s.hi - s.lo) / 3;
        const int64_t points[5] = {s.lo, s.hi, RoundMHz((s.lo + s.hi) / 2), RoundMHz(s.lo + third),
                                   RoundMHz(s.hi - third)};
        for (int p = 0; p < 5; ++p)
            image.SetLe32(kBandPoints + 20 * k + 4 * p, static_cast<uint32_t>(points[p]));
    }
    for (int j = 0; j < 6; ++j) {
        const int p0 = image.Byte(kPowerTable + 3 * j);
        const int p1 = image.Byte(kPowerTable + 3 * j + 1);
        const int p2 = image.Byte(kPowerTable + 3 * j + 2);
        WriteSlope(image, kPowerSlopes + 6 * j, p0, p1, half[j / 2]);
        WriteSlope(image, kPowerSlopes + 6 * j + 3, p1, p2, half[j / 2]);
    }
}

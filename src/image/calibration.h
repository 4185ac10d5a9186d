#pragma once

#include <array>
#include <cstdint>

class MemoryImage;
struct BandLimits;

struct CalibrationBand {
    int32_t low;
    int32_t high;
    int32_t fallbackLow; // used when no working band lies inside the band
    int32_t fallbackHigh;
};

// The three calibration bands; the UHF band's fallback ends at 480 MHz, not 520.
constexpr std::array<CalibrationBand, 3> kCalibrationBands = {{
    {13600000, 17400000, 13600000, 17400000},
    {20000000, 26000000, 20000000, 26000000},
    {40000000, 52000000, 40000000, 48000000},
}};

constexpr int kRampTable = 0x3F15;
constexpr int kPowerTable = 0x3F39;
constexpr int kPowerSlopes = 0x3F4B;
constexpr int kBandPoints = 0x3F70;

int CalibrationBandOf(int32_t frequency);

// Writes the fixed voltage ramp 66, 59, ... 8 to 0x3F15..0x3F1E.
void DeriveRampTable(MemoryImage& image);
// Writes the band frequency points and the power slopes from the band limits and the
// transmit power table.
void DeriveBandPoints(MemoryImage& image, const BandLimits& limits);

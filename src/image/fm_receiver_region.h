#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

class MemoryImage;

// The broadcast receiver's part of the image. Frequencies are whole kHz, stored as six BCD
// digits, lowest pair first; 0xFF in all three bytes is an unset frequency.
constexpr int kFmCurrentFrequency = 0x2F80; // 3 bytes
constexpr int kFmCurrentChannel = 0x2F84;   // 1..20
constexpr int kFmChannelTable = 0x2F88;     // 20 entries of 4 bytes: 3 BCD bytes, then 0xFF
constexpr int kFmChannelCount = 20;
constexpr int kFmEntrySize = 4;

constexpr int32_t kFmBandLowKhz = 76000;
constexpr int32_t kFmBandHighKhz = 108000;
// Six BCD digits hold at most this.
constexpr int32_t kFmMaxEncodableKhz = 999999;

// Writes 0xFF × 3 for a value six BCD digits cannot hold (negative or above 999999).
void EncodeFmFrequency(int32_t khz, std::span<uint8_t, 3> out);
// No check of the nibbles: 0xFF × 3 decodes to 1666665.
int32_t DecodeFmFrequency(std::span<const uint8_t, 3> bytes);

bool InFmBand(int32_t khz);
// "%3.3f" of kHz × 0.001 (87500 → 87.500).
std::string FormatFmFrequency(int32_t khz);
// The text a field shows for a stored value: empty outside 76000..108000.
std::string FmDisplayText(int32_t khz);
// The value of a non-empty field text: its leading decimal × 1000, truncated. Text that does
// not start with a number gives 0; a number that does not fit an int32 gives -1 (stored as
// unset).
int32_t ParseFmText(std::string_view text);
// Empty stays empty; anything else becomes the display text of its value, with values
// outside the band (and unparsable text) going to 76.000.
std::string NormaliseFmText(std::string_view text);

// The receiver's fields as the dialog shows them (0x2F83 and 0x2F85..0x2F87 are not part).
struct FmReceiverTexts {
    std::string current;                               // current frequency, may be empty
    int channel = 0;                                   // the byte at 0x2F84 as stored
    std::array<std::string, kFmChannelCount> channels; // channel n at index n - 1
};

FmReceiverTexts LoadFmReceiver(const MemoryImage& image);
// Empty texts are written as unset; the fourth byte of every entry is 0xFF. Only
// 0x2F80..0x2F82, 0x2F84 and 0x2F88..0x2FD7 change.
void StoreFmReceiver(const FmReceiverTexts& texts, MemoryImage& image);

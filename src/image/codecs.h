#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

struct BandLimits;

uint8_t ToBcd(int n);
int FromBcd(uint8_t b);

// Frequency field: 8 packed-BCD digits, lowest pair first. Only 8 digits fit and there is no
// sign: a negative value is stored as FF FF FF FF (no frequency).
void EncodeFrequencyField(int32_t value, std::span<uint8_t, 4> out);
int32_t DecodeFrequencyField(std::span<const uint8_t, 4> field);

// The largest frequency value the 8-digit field holds.
constexpr int32_t kMaxFieldValue = 99999999;
// What ParseFrequencyText gives for a number that does not fit the field: below every band.
constexpr int32_t kUnfitFrequency = INT32_MIN;

int32_t ParseFrequencyText(std::string_view text);
std::string FormatFrequencyText(int32_t value);
int32_t SnapToStep(int32_t value);
// The nearest multiple of 2.5 or 6.25 kHz; on equal distances 2.5 kHz before 6.25 kHz and
// down before up.
int32_t SnapToNearestStep(int32_t value);

// The dialog falls back to band 0's low limit; the grid empties a zero value and falls back
// to the low limit of the first configured band.
enum class FrequencyFallback { Dialog, Grid };
std::string NormaliseFrequencyText(std::string_view text, const BandLimits& limits,
                                   FrequencyFallback fallback);

constexpr const char* kNoTone = "无";
const std::vector<std::string>& ToneList();
std::string DecodeToneCode(uint8_t low, uint8_t high);
std::pair<uint8_t, uint8_t> EncodeToneCode(std::string_view text); // (low, high)
std::string NormaliseToneText(std::string_view text);

std::string FormatChannelLabel(int record);
int ParseChannelLabel(std::string_view text);

uint8_t DtmfCharToValue(char c);
// '\0' for a code of 16 or more, which ends a DTMF text.
char DtmfCodeToChar(uint8_t code);

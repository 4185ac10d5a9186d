#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

// The radio's 32-byte answer to the identify request.
struct IdentBlock {
    std::array<uint8_t, 32> bytes{};
};

constexpr int kIdentLimitOffset = 16; // band A low, band A high, band B low, band B high

// The limit's four bytes as a little-endian number printed in hexadecimal and read back as
// decimal (10 Hz units); a text that starts with no decimal digit keeps the raw number.
int32_t DecodeIdentLimit(const IdentBlock& ident, int index);

// True when all eight digits of the limit are decimal, i.e. it is a programmed frequency.
bool IdentLimitIsBcd(const IdentBlock& ident, int index);

// The identification as the radio information shows it. A version the block does not give
// stays empty, so the caller keeps what it showed before.
struct RadioInfo {
    std::string model;
    std::optional<std::string> mcuVersion;
    std::optional<std::string> pcVersion;
    int bandMhz[4] = {0, 0, 0, 0}; // A low, A high, B low, B high, whole MHz
};

RadioInfo DecodeRadioInfo(const IdentBlock& ident);

#pragma once

#include <array>
#include <cstdint>
#include <string_view>

class MemoryImage;

constexpr int kDecoderRegion = 0x3E00;
constexpr int kDecoderRegionEnd = 0x3E30;
constexpr int kDecoderValueCount = 11;

// One DTMF decoder setting: a 4-byte record of two fixed tag bytes and the value, high byte
// first, at kDecoderRegion + 4 × index.
struct DecoderValueSpec {
    int id; // the edit's control id; its spin is id + 1
    std::string_view label;
    std::array<uint8_t, 2> tag;
};

const std::array<DecoderValueSpec, kDecoderValueCount>& DecoderValues();

uint16_t LoadDecoderValue(const MemoryImage& image, int index);
// Writes the record's tag bytes, then the value.
void StoreDecoderValue(MemoryImage& image, int index, uint16_t value);

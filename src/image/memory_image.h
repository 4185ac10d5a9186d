#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

constexpr int kImageSize = 0x4000;

// A bit field of `width` bits from bit `shift` of one byte. A field that does not fit the byte
// has no bits: it reads 0 and writing it changes nothing.
constexpr uint8_t BitMask(int shift, int width) {
    if (shift < 0 || width < 1 || shift + width > 8)
        return 0;
    return static_cast<uint8_t>(((1u << width) - 1u) << shift);
}
constexpr uint8_t GetBits(uint8_t byte, int shift, int width) {
    const uint8_t mask = BitMask(shift, width);
    return mask == 0 ? 0 : static_cast<uint8_t>((byte & mask) >> shift);
}
// The byte with the field's bits cleared and the value or-ed in; its other bits survive.
constexpr uint8_t PutBits(uint8_t byte, int shift, int width, unsigned value) {
    const uint8_t mask = BitMask(shift, width);
    if (mask == 0)
        return byte;
    return static_cast<uint8_t>((byte & ~mask) | ((value << shift) & mask));
}

// The radio's whole memory, addressed with the radio's own offsets. Every access is
// bounds-checked: reads outside the image give 0xFF (erased flash), writes outside it are
// dropped and range operations report false.
class MemoryImage {
  public:
    MemoryImage() { m_bytes.fill(0x00); }

    static bool Contains(int offset, int length = 1) {
        return offset >= 0 && length >= 0 && offset <= kImageSize - length;
    }

    uint8_t Byte(int offset) const { return Contains(offset) ? m_bytes[offset] : 0xFF; }
    void SetByte(int offset, uint8_t value) {
        if (Contains(offset))
            m_bytes[offset] = value;
    }

    bool Read(int offset, std::span<uint8_t> out) const;
    bool Write(int offset, std::span<const uint8_t> data);
    bool Fill(int offset, int length, uint8_t value);
    void FillAll(uint8_t value) { m_bytes.fill(value); }

    uint8_t Bits(int offset, int shift, int width) const {
        return GetBits(Byte(offset), shift, width);
    }
    void SetBits(int offset, int shift, int width, unsigned value) {
        SetByte(offset, PutBits(Byte(offset), shift, width, value));
    }
    bool Bit(int offset, int bit) const { return Bits(offset, bit, 1) != 0; }
    void SetBit(int offset, int bit, bool on) { SetBits(offset, bit, 1, on ? 1 : 0); }

    uint32_t Le32(int offset) const;
    void SetLe32(int offset, uint32_t value);

    // 4-byte packed-BCD frequency field, lowest digit pair first.
    int32_t Frequency(int offset) const;
    void SetFrequency(int offset, int32_t value);

    std::span<const uint8_t> Bytes() const { return m_bytes; }
    std::span<uint8_t> Bytes() { return m_bytes; }

    bool operator==(const MemoryImage&) const = default;

  private:
    std::array<uint8_t, kImageSize> m_bytes;
};

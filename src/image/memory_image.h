#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

constexpr int kImageSize = 0x4000;

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

    // Bit field of `width` bits starting at bit `shift` of one byte.
    uint8_t Bits(int offset, int shift, int width) const;
    // Clears the field's bits and ors in the value; the byte's other bits survive.
    void SetBits(int offset, int shift, int width, unsigned value);
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

#include "image/memory_image.h"

#include "image/codecs.h"

#include <algorithm>

bool MemoryImage::Read(int offset, std::span<uint8_t> out) const {
    if (out.size() > static_cast<size_t>(kImageSize) ||
        !Contains(offset, static_cast<int>(out.size())))
        return false;
    std::copy_n(m_bytes.begin() + offset, out.size(), out.begin());
    return true;
}

bool MemoryImage::Write(int offset, std::span<const uint8_t> data) {
    if (data.size() > static_cast<size_t>(kImageSize) ||
        !Contains(offset, static_cast<int>(data.size())))
        return false;
    std::copy(data.begin(), data.end(), m_bytes.begin() + offset);
    return true;
}

bool MemoryImage::Fill(int offset, int length, uint8_t value) {
    if (!Contains(offset, length))
        return false;
    std::fill_n(m_bytes.begin() + offset, length, value);
    return true;
}

uint32_t MemoryImage::Le32(int offset) const {
    uint32_t value = 0;
    for (int k = 3; k >= 0; --k)
        value = (value << 8) | Byte(offset + k);
    return value;
}

void MemoryImage::SetLe32(int offset, uint32_t value) {
    if (!Contains(offset, 4))
        return;
    for (int k = 0; k < 4; ++k)
        m_bytes[offset + k] = static_cast<uint8_t>(value >> (8 * k));
}

int32_t MemoryImage::Frequency(int offset) const {
    std::array<uint8_t, 4> field{Byte(offset), Byte(offset + 1), Byte(offset + 2),
                                 Byte(offset + 3)};
    return DecodeFrequencyField(field);
}

void MemoryImage::SetFrequency(int offset, int32_t value) {
    std::array<uint8_t, 4> field{};
    EncodeFrequencyField(value, field);
    Write(offset, field);
}

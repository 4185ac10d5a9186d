#include "image/decoder_values.h"

#include "image/memory_image.h"

const std::array<DecoderValueSpec, kDecoderValueCount>& DecoderValues() {
    static const std::array<DecoderValueSpec, kDecoderValueCount> values = {{
        {1239, "L_group high threshold", {0x01, 0xC4}},
        {1241, "L_group low threshold", {0x00, 0xD5}},
        {1243, "H_group high threshold", {0x03, 0xAB}},
        {1245, "H_group low threshold", {0x03, 0xAC}},
        {1247, "Power clipper level", {0x01, 0xB2}},
        {1249, "Power clipper time", {0x01, 0xB3}},
        {1259, "Total_P diff DTMF_P threshold", {0x01, 0xB4}},
        {1251, "Non-power clipper", {0x01, 0xCB}},
        {1253, "Non-power hold time 1", {0x01, 0xBB}},
        {1255, "Non-power hold time 2", {0x01, 0xBC}},
        {1257, "Twist", {0x01, 0xC3}},
    }};
    return values;
}

namespace {

int RecordOffset(int index) {
    return kDecoderRegion + 4 * index;
}

} // namespace

uint16_t LoadDecoderValue(const MemoryImage& image, int index) {
    const int offset = RecordOffset(index) + 2;
    return static_cast<uint16_t>(image.Byte(offset) << 8 | image.Byte(offset + 1));
}

void StoreDecoderValue(MemoryImage& image, int index, uint16_t value) {
    if (index < 0 || index >= kDecoderValueCount)
        return;
    const int offset = RecordOffset(index);
    const DecoderValueSpec& decoder = DecoderValues()[index];
    image.SetByte(offset, decoder.tag[0]);
    image.SetByte(offset + 1, decoder.tag[1]);
    image.SetByte(offset + 2, static_cast<uint8_t>(value >> 8));
    image.SetByte(offset + 3, static_cast<uint8_t>(value & 0xFF));
}

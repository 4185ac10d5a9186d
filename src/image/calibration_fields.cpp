#include "image/calibration_fields.h"

#include "image/memory_image.h"
#include "image/ui_text.h"

#include <array>

namespace {

using E = CalibrationEncoding;
using F = KeyFilter;

CalibrationField Bits(int id, std::string_view label, int offset, int shift, int width, int maximum,
                      int chars, bool clamp) {
    return {id,    label, offset, shift, width, E::Bits, 0, maximum, 10, {F::Digits, chars},
            clamp, false};
}

CalibrationField Word(int id, std::string_view label, int offset, E encoding, int maximum,
                      int base) {
    const F filter = base == 16 ? F::HexDigits : F::Digits;
    return {id, label, offset, 0, 16, encoding, 0, maximum, base, {filter, 4}, base == 10, false};
}

// The squelch thresholds take any character (letters upper-cased) and are shown and stored as
// they are.
CalibrationField Threshold(int id, std::string_view label, int offset, bool hidden) {
    return {id, label, offset, 0, 8, E::Bits, 0, 127, 10, {F::AnyUpper, 3}, false, hidden};
}

const std::array<CalibrationField, 25> kFields = {
    Bits(1213, UI_TEXT("Radio", "V段发射功率驱动"), 0x3F20, 0, 4, 15, 2, false),
    Bits(1203, UI_TEXT("Radio", "U段发射功率驱动"), 0x3F20, 4, 4, 15, 2, true),
    Bits(1112, UI_TEXT("Radio", "发射音频信号"), 0x3F21, 0, 8, 63, 2, true),
    Bits(1114, UI_TEXT("Radio", "发射增益"), 0x3F22, 0, 8, 15, 2, true),
    Word(1116, UI_TEXT("Radio", "窄带话音+亚音频偏"), 0x3F23, E::Deviation, 1023, 10),
    Word(1151, UI_TEXT("Radio", "宽带话音+亚音频偏"), 0x3F25, E::Deviation, 1023, 10),
    Bits(1118, UI_TEXT("Radio", "窄带模拟 亚音频偏"), 0x3F27, 0, 8, 63, 2, true),
    Bits(1145, UI_TEXT("Radio", "窄带数字 亚音频偏"), 0x3F28, 0, 8, 63, 2, true),
    Bits(1147, UI_TEXT("Radio", "宽带模拟 亚音频偏"), 0x3F29, 0, 8, 63, 2, true),
    Bits(1149, UI_TEXT("Radio", "宽带数字 亚音频偏"), 0x3F2A, 0, 8, 63, 2, true),
    Bits(1120, UI_TEXT("Radio", "接收输入"), 0x3F2B, 0, 8, 31, 2, true),
    Bits(1124, UI_TEXT("Radio", "音量控制"), 0x3F2C, 0, 4, 15, 2, true),
    Bits(1122, UI_TEXT("Radio", "接收输出"), 0x3F2C, 4, 4, 15, 2, true),
    Bits(1163, UI_TEXT("Radio", "正常音频输出"), 0x3F2D, 0, 8, 255, 3, false),
    Bits(1126, UI_TEXT("Radio", "扰频音频输出"), 0x3F2E, 0, 8, 255, 3, true),
    Bits(1133, UI_TEXT("Radio", "信令幅度"), 0x3F30, 0, 8, 255, 3, true),
    Bits(1135, UI_TEXT("Radio", "MIC 增益"), 0x3F31, 0, 8, 31, 2, true),
    Word(1137, UI_TEXT("Radio", "MOD 增益"), 0x3F32, E::Word, 1023, 10),
    Bits(1139, UI_TEXT("Radio", "音频输入"), 0x3F34, 0, 8, 31, 2, true),
    Word(1128, UI_TEXT("Radio", "压扩压阈值"), 0x3F35, E::Word, 65535, 16),
    Word(1161, UI_TEXT("Radio", "压扩扩阈值"), 0x3F37, E::Word, 65535, 16),
    Bits(1131, UI_TEXT("Radio", "压扩音频输出"), 0x3F6F, 2, 6, 63, 2, false),
    Threshold(1154, UI_TEXT("Radio", "V段静噪低阈值"), 0x3F12, false),
    Threshold(1158, "", 0x3F13, true),
    Threshold(1156, UI_TEXT("Radio", "U段静噪低阈值"), 0x3F14, false),
};

const std::array<CalibrationSwitch, 10> kSwitches = {{
    {1238, UI_TEXT("Radio", "测试模式"), 0x3F2F, 7, true},
    {1239, "MCU LPF", 0x3F2F, 6, false},
    {1240, "MCU HPF", 0x3F2F, 5, false},
    {1241, "RDA1846S LPF", 0x3F2F, 3, false},
    {1242, "RDA1846S HPF", 0x3F2F, 2, false},
    {1243, "RDA1846S RSSI", 0x3F2F, 4, false},
    {1244, UI_TEXT("Radio", "预加重"), 0x3F2F, 0, false},
    {1245, UI_TEXT("Radio", "去加重"), 0x3F2F, 1, false},
    {1246, UI_TEXT("Radio", "MCU 预加重"), 0x3F6F, 0, false},
    {1247, UI_TEXT("Radio", "MCU 去加重"), 0x3F6F, 1, false},
}};

int Le16(const MemoryImage& image, int offset) {
    return image.Byte(offset) | image.Byte(offset + 1) << 8;
}

} // namespace

std::span<const CalibrationField> CalibrationFields() {
    return kFields;
}

const CalibrationField* FindCalibrationField(int id) {
    for (const CalibrationField& field : kFields)
        if (field.id == id)
            return &field;
    return nullptr;
}

int LoadCalibrationField(const MemoryImage& image, const CalibrationField& field) {
    switch (field.encoding) {
    case E::Bits:
        return image.Bits(field.offset, field.shift, field.width);
    case E::Word:
        return Le16(image, field.offset);
    case E::Deviation:
        return Le16(image, field.offset) >> 6;
    }
    return 0;
}

void StoreCalibrationField(MemoryImage& image, const CalibrationField& field, int value) {
    const auto bits = static_cast<unsigned>(value);
    if (field.encoding == E::Bits) {
        image.SetBits(field.offset, field.shift, field.width, bits);
        return;
    }
    const unsigned word = (field.encoding == E::Deviation ? bits << 6 : bits) & 0xFFFFu;
    image.SetByte(field.offset, static_cast<uint8_t>(word & 0xFF));
    image.SetByte(field.offset + 1, static_cast<uint8_t>(word >> 8));
}

std::span<const CalibrationSwitch> CalibrationSwitches() {
    return kSwitches;
}

bool LoadCalibrationSwitch(const MemoryImage& image, const CalibrationSwitch& sw) {
    return image.Bit(sw.offset, sw.bit) != sw.inverted;
}

void StoreCalibrationSwitch(MemoryImage& image, const CalibrationSwitch& sw, bool checked) {
    image.SetBit(sw.offset, sw.bit, checked != sw.inverted);
}

#include "link/ident_block.h"

#include <cstdio>

namespace {

uint32_t LimitBits(const IdentBlock& ident, int index) {
    const int at = kIdentLimitOffset + 4 * (index & 3);
    return static_cast<uint32_t>(ident.bytes[at]) |
           static_cast<uint32_t>(ident.bytes[at + 1]) << 8 |
           static_cast<uint32_t>(ident.bytes[at + 2]) << 16 |
           static_cast<uint32_t>(ident.bytes[at + 3]) << 24;
}

std::string ModelText(const IdentBlock& ident) {
    std::string model;
    for (int i = 0; i < 8 && ident.bytes[i] >= 0x20 && ident.bytes[i] <= 0x7E; ++i)
        model += static_cast<char>(ident.bytes[i]);
    if (ident.bytes[15] == 1)
        model += "-Q472";
    return model;
}

std::string FirmwareText(const IdentBlock& ident) {
    std::string text = "v";
    for (int i = 8; i < 15 && ident.bytes[i] != 0xFF; ++i)
        text += std::to_string(ident.bytes[i]) + ".";
    while (text.size() > 1 && text.back() == '.')
        text.pop_back();
    return text;
}

std::optional<std::string> PcVersionFor(const std::string& firmware) {
    const size_t dot = firmware.rfind('.');
    if (dot == std::string::npos)
        return std::nullopt;
    if (firmware.substr(0, dot) == "v1.2")
        return "v2.5.1";
    return std::nullopt;
}

} // namespace

int32_t DecodeIdentLimit(const IdentBlock& ident, int index) {
    const uint32_t bits = LimitBits(ident, index);
    char hex[9];
    std::snprintf(hex, sizeof hex, "%x", bits);
    // At most eight decimal digits: always fits, no overflow.
    int32_t value = 0;
    int digits = 0;
    for (const char* p = hex; *p >= '0' && *p <= '9'; ++p, ++digits)
        value = value * 10 + (*p - '0');
    return digits > 0 ? value : static_cast<int32_t>(bits);
}

bool IdentLimitIsBcd(const IdentBlock& ident, int index) {
    const uint32_t bits = LimitBits(ident, index);
    for (int shift = 0; shift < 32; shift += 4)
        if (((bits >> shift) & 0xF) > 9)
            return false;
    return true;
}

RadioInfo DecodeRadioInfo(const IdentBlock& ident) {
    RadioInfo info;
    info.model = ModelText(ident);
    const std::string firmware = FirmwareText(ident);
    if (firmware != "v")
        info.mcuVersion = firmware;
    info.pcVersion = PcVersionFor(firmware);
    for (int i = 0; i < 4; ++i)
        info.bandMhz[i] = DecodeIdentLimit(ident, i) / 100000;
    return info;
}

#include "image/fm_receiver_region.h"

#include "image/codecs.h"
#include "image/decimal_scale.h"
#include "image/memory_image.h"

#include <charconv>
#include <limits>

void EncodeFmFrequency(int32_t khz, std::span<uint8_t, 3> out) {
    if (khz < 0 || khz > kFmMaxEncodableKhz) {
        out[0] = out[1] = out[2] = 0xFF;
        return;
    }
    out[0] = ToBcd(khz % 100);
    out[1] = ToBcd(khz / 100 % 100);
    out[2] = ToBcd(khz / 10000);
}

int32_t DecodeFmFrequency(std::span<const uint8_t, 3> bytes) {
    return FromBcd(bytes[2]) * 10000 + FromBcd(bytes[1]) * 100 + FromBcd(bytes[0]);
}

bool InFmBand(int32_t khz) {
    return kFmBandLowKhz <= khz && khz <= kFmBandHighKhz;
}

std::string FormatFmFrequency(int32_t khz) {
    char buf[64];
    const auto res =
        std::to_chars(buf, buf + sizeof buf, DecimalScale(khz, 0.001), std::chars_format::fixed, 3);
    return std::string(buf, res.ptr);
}

std::string FmDisplayText(int32_t khz) {
    return InFmBand(khz) ? FormatFmFrequency(khz) : std::string();
}

int32_t ParseFmText(std::string_view text) {
    const auto scaled = TruncateToInt64(DecimalScale(LeadingDecimal(text), 1000));
    if (!scaled || *scaled > std::numeric_limits<int32_t>::max() ||
        *scaled < std::numeric_limits<int32_t>::min())
        return -1;
    return static_cast<int32_t>(*scaled);
}

std::string NormaliseFmText(std::string_view text) {
    if (text.empty())
        return {};
    const int32_t khz = ParseFmText(text);
    return FormatFmFrequency(InFmBand(khz) ? khz : kFmBandLowKhz);
}

namespace {

std::string LoadField(const MemoryImage& image, int offset) {
    const std::array<uint8_t, 3> bytes{image.Byte(offset), image.Byte(offset + 1),
                                       image.Byte(offset + 2)};
    return FmDisplayText(DecodeFmFrequency(bytes));
}

void StoreField(const std::string& text, MemoryImage& image, int offset) {
    std::array<uint8_t, 3> bytes{0xFF, 0xFF, 0xFF};
    if (!text.empty())
        EncodeFmFrequency(ParseFmText(text), bytes);
    image.Write(offset, bytes);
}

int EntryOffset(int n) {
    return kFmChannelTable + kFmEntrySize * (n - 1);
}

} // namespace

FmReceiverTexts LoadFmReceiver(const MemoryImage& image) {
    FmReceiverTexts texts;
    texts.channel = image.Byte(kFmCurrentChannel);
    texts.current = LoadField(image, kFmCurrentFrequency);
    for (int n = 1; n <= kFmChannelCount; ++n)
        texts.channels[n - 1] = LoadField(image, EntryOffset(n));
    return texts;
}

void StoreFmReceiver(const FmReceiverTexts& texts, MemoryImage& image) {
    const bool valid = texts.channel >= 1 && texts.channel <= kFmChannelCount;
    image.SetByte(kFmCurrentChannel, static_cast<uint8_t>(valid ? texts.channel : 1));
    StoreField(texts.current, image, kFmCurrentFrequency);
    image.Fill(kFmChannelTable, kFmChannelCount * kFmEntrySize, 0xFF);
    for (int n = 1; n <= kFmChannelCount; ++n)
        StoreField(texts.channels[n - 1], image, EntryOffset(n));
}

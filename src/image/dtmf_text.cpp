#include "image/dtmf_text.h"

#include "image/codecs.h"

#include <algorithm>

namespace {

constexpr uint8_t kKillTerminator = 0x0F;

bool IsPrintableAscii(char32_t c) {
    return c >= 0x20 && c <= 0x7E;
}

// The greeting shows digit codes as the characters they stand for.
uint8_t DigitCodeToChar(uint8_t b) {
    if (b <= 9)
        return static_cast<uint8_t>('0' + b);
    if (b == 14)
        return '*';
    if (b == 15)
        return '#';
    return b;
}

} // namespace

std::string ReadDtmfText(const MemoryImage& image, int offset, int size) {
    std::string text;
    for (int k = 0; k < size; ++k) {
        const char c = DtmfCodeToChar(image.Byte(offset + k));
        if (c == '\0')
            break;
        text += c;
    }
    return text;
}

void WriteDtmfText(MemoryImage& image, int offset, int size, std::string_view text) {
    image.Fill(offset, size, 0xFF);
    for (int k = 0; k < size && static_cast<size_t>(k) < text.size(); ++k)
        image.SetByte(offset + k, DtmfCharToValue(text[k]));
}

std::string ReadKillCode(const MemoryImage& image, int offset, int size) {
    std::string text = ReadDtmfText(image, offset, size - 1);
    if (text.ends_with('#'))
        text.pop_back();
    return text;
}

void WriteKillCode(MemoryImage& image, int offset, int size, std::string_view text) {
    const int codes = static_cast<int>(std::min<size_t>(text.size(), size - 1));
    WriteDtmfText(image, offset, size - 1, text.substr(0, codes));
    if (codes > 0)
        image.SetByte(offset + codes, kKillTerminator);
}

std::string ReadGreeting(const MemoryImage& image, int offset, int size) {
    std::string text;
    for (int k = 0; k < size; ++k) {
        const uint8_t c = DigitCodeToChar(image.Byte(offset + k));
        if (!IsPrintableAscii(c))
            break;
        text += static_cast<char>(c);
    }
    while (text.ends_with(' '))
        text.pop_back();
    return text;
}

void WriteGreeting(MemoryImage& image, int offset, int size, std::string_view text) {
    image.Fill(offset, size, ' ');
    int k = 0;
    for (char c : text)
        if (k < size && IsPrintableAscii(static_cast<unsigned char>(c)))
            image.SetByte(offset + k++, static_cast<uint8_t>(c));
}

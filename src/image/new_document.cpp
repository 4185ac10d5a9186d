#include "image/new_document.h"

#include "image/channel_record.h"
#include "image/codecs.h"
#include "image/memory_image.h"

#include <filesystem>
#include <fstream>
#include <string_view>
#include <utility>

namespace {

constexpr std::pair<int, uint8_t> kDefaultBytes[] = {
    {0x1F77, 0x0A}, {0x2040, 0x1E}, {0x2042, 0x04}, {0x2043, 0x04}, {0x2044, 0x04}, {0x2046, 0x05},
    {0x2047, 0x01}, {0x2048, 0x03}, {0x2049, 0x0E}, {0x204A, 0x90}, {0x204B, 0x28}, {0x204C, 0x8A},
    {0x204D, 0x0D}, {0x2080, 0x32}, {0x2081, 0x04}, {0x2082, 0x02}, {0x2083, 0x02}, {0x20A8, 0x0E},
    {0x20D8, 0x0A}, {0x20D9, 0x45}, {0x20DA, 0xFA}, {0x20DB, 0x0A}, {0x20DD, 0x0E},
};

// The default self identity and auto-dial code.
constexpr std::string_view kDefaultDtmfCode = "100";

int WriteDtmfDigits(MemoryImage& image, int offset, std::string_view text) {
    for (char c : text)
        image.SetByte(offset++, DtmfCharToValue(c));
    return offset;
}

} // namespace

void ApplyBuiltInDefaults(MemoryImage& image) {
    for (int record = 1; record <= kRecordCount; ++record)
        ClearRecord(image, record);
    for (auto [offset, value] : kDefaultBytes)
        image.SetByte(offset, value);
    WriteDtmfDigits(image, 0x20B0, kDefaultDtmfCode);
    int offset = WriteDtmfDigits(image, 0x20E0, kDefaultDtmfCode);
    image.SetByte(offset++, 0x0E);
    WriteDtmfDigits(image, offset, kDefaultDtmfCode);
}

bool BuildNewDocumentImage(MemoryImage& image, const std::filesystem::path& defaultFile) {
    image.FillAll(0xFF);
    // A directory opens as a stream on this platform but reads nothing: it is no file.
    std::error_code ec;
    std::ifstream in;
    if (!std::filesystem::is_directory(defaultFile, ec))
        in.open(defaultFile, std::ios::binary);
    auto bytes = image.Bytes();
    if (in)
        in.read(reinterpret_cast<char*>(bytes.data()), kImageSize);
    if (!in.is_open() || in.bad()) {
        image.FillAll(0xFF);
        ApplyBuiltInDefaults(image);
        return false;
    }
    return true;
}

#include "image/image_diff.h"

#include "image/band_limits.h"
#include "image/calibration_fields.h"
#include "image/calibration_grids.h"
#include "image/channel_grid_rules.h"
#include "image/channel_record.h"
#include "image/codecs.h"
#include "image/decoder_values.h"
#include "image/dtmf_table.h"
#include "image/field_codec.h"
#include "image/fm_receiver_region.h"
#include "image/memory_image.h"
#include "image/optional_features_table.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdio>
#include <functional>
#include <utility>

namespace {

using TextOf = std::function<std::string(const MemoryImage&)>;

// A value an editor shows: where its bits are, its name and the text the editor shows for it.
struct NamedField {
    int offset;
    int size;
    uint8_t mask; // the field's bits in each of its bytes
    std::string name;
    TextOf text;
};

// Runs of undescribed bytes up to this length show their bytes, longer ones only the range.
constexpr int kShownRangeBytes = 8;

std::string Printf(const char* format, unsigned value) {
    char buf[16];
    std::snprintf(buf, sizeof buf, format, value);
    return buf;
}

std::string Address(int offset) {
    return Printf("0x%04X", static_cast<unsigned>(offset));
}

std::string HexBytes(const MemoryImage& image, int offset, int length) {
    std::string out;
    for (int k = 0; k < length; ++k)
        out += (k > 0 ? " " : "") + Printf("%02X", image.Byte(offset + k));
    return out;
}

// The stored bits: whole bytes in hex, a bit field as its value.
std::string StoredText(const MemoryImage& image, int offset, int size, uint8_t mask) {
    if (mask == 0xFF)
        return HexBytes(image, offset, size);
    return Printf("%X", (image.Byte(offset) & mask) >> std::countr_zero(mask));
}

std::string ListText(const MemoryImage& image, const FieldSpec& f) {
    const int index = LoadField(image, f).index;
    if (index >= 0)
        return std::string(f.options[static_cast<size_t>(index)]);
    // No item stands for the stored value: show the value itself.
    return "(" + StoredText(image, f.offset, f.size, FieldMask(f, 0)) + ")";
}

// A field of a declarative table (absolute offset) as its editor shows it.
std::string FieldText(const MemoryImage& image, const FieldSpec& f) {
    switch (f.encoding) {
    case FieldEncoding::Frequency: {
        const bool none = HexBytes(image, f.offset, 4) == "FF FF FF FF";
        return none ? std::string() : FormatFrequencyText(image.Frequency(f.offset));
    }
    case FieldEncoding::ToneCode:
        return DecodeToneCode(image.Byte(f.offset), image.Byte(f.offset + 1));
    case FieldEncoding::Number:
    case FieldEncoding::Greeting:
    case FieldEncoding::DtmfString:
    case FieldEncoding::KillCode:
        return LoadField(image, f).text;
    default:
        return IsListEncoding(f.encoding) ? ListText(image, f)
                                          : StoredText(image, f.offset, f.size, FieldMask(f, 0));
    }
}

NamedField FromField(const FieldSpec& f, std::string name, TextOf text) {
    return {f.offset, f.size, FieldMask(f, 0), std::move(name), std::move(text)};
}

void AddChannelRecords(std::vector<NamedField>& out) {
    for (int record = 1; record <= kRecordCount; ++record) {
        const std::string label = GridRowLabel(record) + " ";
        for (const FieldSpec& recordField : ChannelRecordFields()) {
            FieldSpec f = recordField;
            f.offset += RecordOffset(record);
            TextOf text = [f](const MemoryImage& image) { return FieldText(image, f); };
            if (f.encoding == FieldEncoding::Text)
                text = [record](const MemoryImage& image) {
                    return ChannelRecord::Load(image, record).Name();
                };
            out.push_back(FromField(f, label + std::string(f.name), std::move(text)));
        }
    }
}

void AddTable(std::vector<NamedField>& out, const std::vector<FieldSpec>& table,
              const std::string& prefix) {
    for (const FieldSpec& f : table)
        out.push_back(FromField(f, prefix + std::string(f.label),
                                [&f](const MemoryImage& image) { return FieldText(image, f); }));
}

void AddSettings(std::vector<NamedField>& out) {
    AddTable(out, OptionalFeatureFields(), "可选功能 ");
    for (const auto* table : {&DtmfEncodeFields(), &DtmfDecodeFields(), &AutoDialFields()})
        AddTable(out, *table, "DTMF ");
    const auto& codes = AutoDialCodeFields();
    for (size_t n = 0; n < codes.size(); ++n) {
        const FieldSpec& f = codes[n];
        out.push_back(FromField(f, "DTMF 自动拨号 " + std::to_string(n),
                                [&f](const MemoryImage& image) { return FieldText(image, f); }));
    }
}

// The model dialog's four edits, in whole MHz.
void AddBandLimits(std::vector<NamedField>& out) {
    static constexpr std::string_view kNames[] = {"A段下限", "A段上限", "B段下限", "B段上限"};
    for (int i = 0; i < 4; ++i) {
        const int offset = kBandBlock + 4 * i;
        out.push_back(
            {offset, 4, 0xFF, "机型 " + std::string(kNames[i]), [offset](const MemoryImage& image) {
                 return std::to_string(image.Frequency(offset) / 100000);
             }});
    }
}

std::string FmText(const MemoryImage& image, int offset) {
    const std::array<uint8_t, 3> bytes = {image.Byte(offset), image.Byte(offset + 1),
                                          image.Byte(offset + 2)};
    return FmDisplayText(DecodeFmFrequency(bytes));
}

void AddFmReceiver(std::vector<NamedField>& out) {
    const auto frequency = [&out](int offset, std::string name) {
        out.push_back({offset, 3, 0xFF, std::move(name),
                       [offset](const MemoryImage& image) { return FmText(image, offset); }});
    };
    frequency(kFmCurrentFrequency, "收音机 当前频率");
    out.push_back({kFmCurrentChannel, 1, 0xFF, "收音机 当前信道", [](const MemoryImage& image) {
                       return std::to_string(image.Byte(kFmCurrentChannel));
                   }});
    for (int n = 1; n <= kFmChannelCount; ++n)
        frequency(kFmChannelTable + kFmEntrySize * (n - 1), "收音机 信道 " + std::to_string(n));
}

void AddDecoderValues(std::vector<NamedField>& out) {
    for (int i = 0; i < kDecoderValueCount; ++i)
        out.push_back(
            {kDecoderRegion + 4 * i + 2, 2, 0xFF,
             "DTMF 初始化 " + std::string(DecoderValues()[i].label),
             [i](const MemoryImage& image) { return Printf("%x", LoadDecoderValue(image, i)); }});
}

// Calibration values go by address; a field sharing its byte also by its label.
void AddCalibrationFields(std::vector<NamedField>& out) {
    for (const CalibrationField& f : CalibrationFields()) {
        const bool bits = f.encoding == CalibrationEncoding::Bits;
        const uint8_t mask = bits ? BitMask(f.shift, f.width) : 0xFF;
        const std::string label = mask == 0xFF ? "" : " " + std::string(f.label);
        out.push_back({f.offset, bits ? 1 : 2, mask, "calibration " + Address(f.offset) + label,
                       [&f](const MemoryImage& image) {
                           int value = LoadCalibrationField(image, f);
                           if (f.clampOnLoad)
                               value = std::clamp(value, f.minimum, f.maximum);
                           return f.base == 16 ? Printf("%x", static_cast<unsigned>(value))
                                               : std::to_string(value);
                       }});
    }
    for (const CalibrationSwitch& sw : CalibrationSwitches())
        out.push_back({sw.offset, 1, static_cast<uint8_t>(1u << sw.bit),
                       "calibration " + Address(sw.offset) + " " + std::string(sw.label),
                       [&sw](const MemoryImage& image) {
                           return std::string(LoadCalibrationSwitch(image, sw) ? "开" : "关");
                       }});
}

// Every cell of the three grids in all three calibration bands.
void AddCalibrationGrids(std::vector<NamedField>& out) {
    for (const CalibrationGridSpec& grid : CalibrationGrids())
        for (const CalibrationGridRow& row : grid.rows)
            for (int address : row.address)
                for (size_t c = 0; c < grid.headers.size(); ++c) {
                    const int offset = address + static_cast<int>(c);
                    out.push_back({offset, 1, 0xFF, "calibration " + Address(offset),
                                   [&grid, offset](const MemoryImage& image) {
                                       return std::to_string(
                                           CalibrationCellValue(grid, image.Byte(offset)));
                                   }});
                }
}

const std::vector<NamedField>& NamedFields() {
    static const std::vector<NamedField> fields = [] {
        std::vector<NamedField> all;
        AddChannelRecords(all);
        AddSettings(all);
        AddBandLimits(all);
        AddFmReceiver(all);
        AddDecoderValues(all);
        AddCalibrationFields(all);
        AddCalibrationGrids(all);
        std::stable_sort(all.begin(), all.end(), [](const NamedField& a, const NamedField& b) {
            return a.offset < b.offset;
        });
        return all;
    }();
    return fields;
}

// The bits of each byte that some named field covers.
const std::array<uint8_t, kImageSize>& DescribedBits() {
    static const std::array<uint8_t, kImageSize> bits = [] {
        std::array<uint8_t, kImageSize> covered{};
        for (const NamedField& f : NamedFields())
            for (int k = 0; k < f.size; ++k)
                if (MemoryImage::Contains(f.offset + k))
                    covered[static_cast<size_t>(f.offset + k)] |= f.mask;
        return covered;
    }();
    return bits;
}

bool FieldDiffers(const NamedField& f, const MemoryImage& a, const MemoryImage& b) {
    for (int k = 0; k < f.size; ++k)
        if ((a.Byte(f.offset + k) ^ b.Byte(f.offset + k)) & f.mask)
            return true;
    return false;
}

std::string Shown(const std::string& text) {
    return text.empty() ? "\"\"" : text;
}

std::string FieldLine(const NamedField& f, const MemoryImage& a, const MemoryImage& b) {
    std::string before = Shown(f.text(a));
    std::string after = Shown(f.text(b));
    // Bytes that differ but show alike: the stored values tell them apart.
    if (before == after) {
        before += " (" + StoredText(a, f.offset, f.size, f.mask) + ")";
        after += " (" + StoredText(b, f.offset, f.size, f.mask) + ")";
    }
    return f.name + " " + before + " -> " + after;
}

bool UndescribedDiffers(const MemoryImage& a, const MemoryImage& b, int offset) {
    return (a.Byte(offset) ^ b.Byte(offset)) & ~DescribedBits()[static_cast<size_t>(offset)];
}

std::string RangeLine(const MemoryImage& a, const MemoryImage& b, int first, int last) {
    const int length = last - first + 1;
    std::string line = Address(first) + (length > 1 ? "-" + Address(last) : "");
    if (length <= kShownRangeBytes)
        line += " " + HexBytes(a, first, length) + " -> " + HexBytes(b, first, length);
    return line;
}

} // namespace

std::vector<std::string> DiffImages(const MemoryImage& before, const MemoryImage& after) {
    std::vector<std::pair<int, std::string>> lines;
    for (const NamedField& f : NamedFields())
        if (FieldDiffers(f, before, after))
            lines.emplace_back(f.offset, FieldLine(f, before, after));
    for (int first = 0; first < kImageSize; ++first) {
        if (!UndescribedDiffers(before, after, first))
            continue;
        int last = first;
        while (last + 1 < kImageSize && UndescribedDiffers(before, after, last + 1))
            ++last;
        lines.emplace_back(first, RangeLine(before, after, first, last));
        first = last;
    }
    std::stable_sort(lines.begin(), lines.end(),
                     [](const auto& x, const auto& y) { return x.first < y.first; });
    std::vector<std::string> out;
    out.reserve(lines.size());
    for (auto& line : lines)
        out.push_back(std::move(line.second));
    return out;
}

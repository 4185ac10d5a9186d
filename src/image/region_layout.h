#pragma once

#include <span>
#include <string_view>
#include <vector>

// How a field's bits are read and shown.
enum class FieldEncoding {
    Option,    // bit field holding the index of an item of `options`
    Frequency, // 4-byte packed-BCD frequency field
    ToneCode,  // 2-byte tone code, low byte first
    Byte,      // plain byte
    Text,      // ASCII padded with 0xFF
};

// One setting inside a region: `offset` is relative to the region start; `shift` and `width`
// are the bit field inside that byte (width 8 for whole bytes; `size` bytes in total).
struct FieldSpec {
    std::string_view name;
    int offset;
    int size;
    int shift;
    int width;
    FieldEncoding encoding;
    std::vector<std::string_view> options;
};

struct RegionSpec {
    std::string_view name;
    int begin; // image offset of the first byte
    int end;   // one past the last byte
};

constexpr int kRecordSize = 32;

// The fields of the 32-byte channel record, in record order; ChannelFieldId indexes the table.
enum class ChannelFieldId {
    RxFreq,
    TxFreq,
    RxTone,
    TxTone,
    SignalType,
    RepeaterMode,
    VoiceMode,
    PttId,
    Vox,
    ScanAdd,
    Power,
    Bandwidth,
    BusyLock,
    Reserved14,
    ShiftDir,
    ShiftOffset,
    Reserved20,
    Reserved21,
    Reserved22,
    Name,
    Reserved31,
    Count
};
const std::vector<FieldSpec>& ChannelRecordFields();
const FieldSpec& ChannelField(ChannelFieldId id);

// The main regions of the image, ascending and disjoint.
std::span<const RegionSpec> ImageRegions();

#include "image/channel_record.h"

#include "image/band_limits.h"
#include "image/codecs.h"
#include "image/memory_image.h"

#include <algorithm>
#include <cassert>
#include <cstdlib>

int RecordOffset(int record) {
    return record >= 1 && record <= kRecordCount ? (record - 1) * kRecordSize : -1;
}

int BandOfRecord(int record) {
    if ((record >= 1 && record <= 128) || record == kVfoA)
        return 0;
    if ((record >= 129 && record <= 256) || record == kVfoB)
        return 1;
    return -1;
}

void ClearRecord(MemoryImage& image, int record) {
    ChannelRecord::Cleared().Store(image, record);
}

ChannelRecord ChannelRecord::Load(const MemoryImage& image, int record) {
    ChannelRecord result;
    const int offset = RecordOffset(record);
    if (offset >= 0)
        image.Read(offset, result.m_bytes);
    return result;
}

void ChannelRecord::Store(MemoryImage& image, int record) const {
    const int offset = RecordOffset(record);
    if (offset >= 0)
        image.Write(offset, m_bytes);
}

ChannelRecord ChannelRecord::Cleared() {
    ChannelRecord r;
    r.m_bytes[12] = 0x00;
    r.m_bytes[13] = 0x38; // scan yes, power high, bandwidth wide
    r.m_bytes[15] = 0x00;
    r.Set(ChannelFieldId::ShiftOffset, kNoShiftOffset);
    r.m_bytes[20] = 0x00;
    r.m_bytes[21] = 0x00;
    return r;
}

uint32_t ChannelRecord::Get(ChannelFieldId id) const {
    const FieldSpec& f = ChannelField(id);
    assert(f.size <= 4 && f.encoding != FieldEncoding::Text);
    if (f.encoding == FieldEncoding::Frequency) {
        std::span<const uint8_t, 4> field(m_bytes.data() + f.offset, 4);
        return static_cast<uint32_t>(DecodeFrequencyField(field));
    }
    if (f.width < 8)
        return GetBits(m_bytes[f.offset], f.shift, f.width);
    uint32_t value = 0;
    for (int k = std::min(f.size, 4) - 1; k >= 0; --k)
        value = (value << 8) | m_bytes[f.offset + k];
    return value;
}

void ChannelRecord::Set(ChannelFieldId id, uint32_t value) {
    const FieldSpec& f = ChannelField(id);
    assert(f.size <= 4 && f.encoding != FieldEncoding::Text);
    if (f.encoding == FieldEncoding::Frequency) {
        std::span<uint8_t, 4> field(m_bytes.data() + f.offset, 4);
        EncodeFrequencyField(static_cast<int32_t>(value), field);
    } else if (f.width < 8) {
        m_bytes[f.offset] = PutBits(m_bytes[f.offset], f.shift, f.width, value);
    } else {
        for (int k = 0; k < std::min(f.size, 4); ++k)
            m_bytes[f.offset + k] = static_cast<uint8_t>(value >> (8 * k));
    }
}

void ChannelRecord::SetNoTxFreq() {
    for (int k = 4; k < 8; ++k)
        m_bytes[k] = 0xFF;
}

static bool IsPrintableAscii(uint8_t b) {
    return b >= 0x20 && b < 0x7F;
}

std::string ChannelRecord::Name() const {
    const FieldSpec& f = ChannelField(ChannelFieldId::Name);
    std::string name;
    for (int k = 0; k < f.size && IsPrintableAscii(m_bytes[f.offset + k]); ++k)
        name += static_cast<char>(m_bytes[f.offset + k]);
    return name;
}

void ChannelRecord::SetName(std::string_view name) {
    const FieldSpec& f = ChannelField(ChannelFieldId::Name);
    for (int k = 0; k < f.size; ++k) {
        const bool have = static_cast<size_t>(k) < name.size();
        const auto c = have ? static_cast<uint8_t>(name[k]) : uint8_t{0xFF};
        m_bytes[f.offset + k] = have && IsPrintableAscii(c) ? c : 0xFF;
    }
}

static void SetShift(ChannelRecord& record, int direction, int64_t offset) {
    if (offset > kMaxFieldValue)
        offset = kMaxFieldValue;
    record.Set(ChannelFieldId::ShiftDir, static_cast<uint32_t>(direction));
    record.Set(ChannelFieldId::ShiftOffset, static_cast<uint32_t>(offset));
}

static int DirectionOf(int32_t rx, int32_t tx) {
    return rx > tx ? 1 : 2;
}

void DeriveShift(ChannelRecord& record, int32_t rx, int32_t tx, bool txEmpty) {
    if (txEmpty || rx == tx)
        return SetShift(record, 0, kNoShiftOffset);
    SetShift(record, DirectionOf(rx, tx), std::llabs(int64_t{rx} - tx));
}

void DeriveShift(ChannelRecord& record, int32_t rx, int32_t tx, bool txEmpty,
                 const BandLimits& limits) {
    if (txEmpty || rx == tx)
        return SetShift(record, 0, kNoShiftOffset);
    if (limits.BandOf(tx) == -1) {
        // An erased offset decodes far above any limit; such a channel becomes simplex.
        const int32_t oldOffset = static_cast<int32_t>(record.Get(ChannelFieldId::ShiftOffset));
        if (oldOffset > 9999500) {
            record.SetTxFreq(rx);
            return SetShift(record, 0, kNoShiftOffset);
        }
        return SetShift(record, DirectionOf(rx, tx), oldOffset);
    }
    if (limits.SameBand(rx, tx))
        return SetShift(record, DirectionOf(rx, tx), std::llabs(int64_t{rx} - tx));
    SetShift(record, 0, kNoShiftOffset);
}

#pragma once

#include "image/region_layout.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

class MemoryImage;
struct BandLimits;

// Records 1..128 are band A channels, 129..256 band B channels, 257 and 258 the VFOs.
constexpr int kRecordCount = 258;
constexpr int kChannelsPerBand = 128;
constexpr int kVfoA = 257;
constexpr int kVfoB = 258;
constexpr int32_t kNoShiftOffset = 1000000;

int RecordOffset(int record); // -1 outside 1..258
int BandOfRecord(int record); // 0, 1 or -1
void ClearRecord(MemoryImage& image, int record);

// A copy of one 32-byte record with field access by the record table. Load, change, Store.
class ChannelRecord {
  public:
    ChannelRecord() { m_bytes.fill(0xFF); }
    static ChannelRecord Load(const MemoryImage& image, int record);
    void Store(MemoryImage& image, int record) const;
    static ChannelRecord Cleared();

    // The number fields of the record table: bit fields by their value, frequency fields as
    // frequency values, byte runs (tone codes) little-endian. The name has Name and SetName.
    uint32_t Get(ChannelFieldId id) const;
    void Set(ChannelFieldId id, uint32_t value);

    int32_t RxFreq() const { return static_cast<int32_t>(Get(ChannelFieldId::RxFreq)); }
    int32_t TxFreq() const { return static_cast<int32_t>(Get(ChannelFieldId::TxFreq)); }
    void SetRxFreq(int32_t f) { Set(ChannelFieldId::RxFreq, static_cast<uint32_t>(f)); }
    void SetTxFreq(int32_t f) { Set(ChannelFieldId::TxFreq, static_cast<uint32_t>(f)); }
    void SetNoTxFreq();

    // Empty markers are the highest digit pair of each frequency.
    bool IsEmptyForDisplay() const { return m_bytes[3] == 0xFF || m_bytes[3] == 0x00; }
    bool IsEmptyForDialog() const { return m_bytes[3] == 0xFF; }
    bool TxIsEmptyForDisplay() const { return m_bytes[7] == 0xFF || m_bytes[7] == 0x00; }

    uint8_t RxToneLow() const { return m_bytes[8]; }
    uint8_t RxToneHigh() const { return m_bytes[9]; }
    uint8_t TxToneLow() const { return m_bytes[10]; }
    uint8_t TxToneHigh() const { return m_bytes[11]; }
    void SetRxTone(uint8_t low, uint8_t high) { m_bytes[8] = low, m_bytes[9] = high; }
    void SetTxTone(uint8_t low, uint8_t high) { m_bytes[10] = low, m_bytes[11] = high; }

    // The printable ASCII bytes up to the first other byte; the radio shows at most 7.
    std::string Name() const;
    void SetName(std::string_view name);

    const std::array<uint8_t, kRecordSize>& Bytes() const { return m_bytes; }
    std::array<uint8_t, kRecordSize>& Bytes() { return m_bytes; }

  private:
    std::array<uint8_t, kRecordSize> m_bytes;
};

// Shift of the channel edit dialog: from the two frequencies alone.
void DeriveShift(ChannelRecord& record, int32_t rx, int32_t tx, bool txEmpty);
// Shift of the grid commit: keeps an out-of-band transmit frequency's old offset, makes the
// channel simplex when that offset is unusable, and gives cross-band channels no shift.
void DeriveShift(ChannelRecord& record, int32_t rx, int32_t tx, bool txEmpty,
                 const BandLimits& limits);

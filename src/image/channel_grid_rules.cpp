#include "image/channel_grid_rules.h"

#include "image/band_limits.h"
#include "image/channel_record.h"
#include "image/codecs.h"
#include "image/finalise.h"
#include "image/memory_image.h"
#include "image/region_layout.h"

#include <cstdio>

namespace {

ChannelFieldId OptionField(int column) {
    switch (column) {
    case kColPower:
        return ChannelFieldId::Power;
    case kColScan:
        return ChannelFieldId::ScanAdd;
    case kColBandwidth:
        return ChannelFieldId::Bandwidth;
    default:
        return ChannelFieldId::BusyLock;
    }
}

std::string OptionText(const ChannelRecord& record, int column) {
    const auto& items = GridOptionItems(column);
    const uint32_t value = record.Get(OptionField(column));
    // The undefined busy-lock value 3 shows as an empty cell.
    return value < items.size() ? items[value] : std::string();
}

int IndexOf(const std::vector<std::string>& items, const std::string& text) {
    for (size_t i = 0; i < items.size(); ++i)
        if (items[i] == text)
            return static_cast<int>(i);
    return -1;
}

} // namespace

std::string GridRowLabel(int row) {
    if (row == kVfoA)
        return "A VFO";
    if (row == kVfoB)
        return "B VFO";
    if (row < 1 || row > 256)
        return {};
    char buf[16];
    std::snprintf(buf, sizeof buf, "%c %03d", row <= 128 ? 'A' : 'B', (row - 1) % 128 + 1);
    return buf;
}

const std::vector<std::string>& GridOptionItems(int column) {
    static const auto items = [] {
        std::array<std::vector<std::string>, kGridColumns> lists;
        for (int c = kColPower; c <= kColBusy; ++c)
            for (auto option : ChannelField(OptionField(c)).options)
                lists[c].emplace_back(option);
        return lists;
    }();
    static const std::vector<std::string> none;
    return column >= 0 && column < kGridColumns ? items[column] : none;
}

const GridRow& NewRowDefaults() {
    static const GridRow defaults = {"", "", "", kNoTone, kNoTone, "高", "是", "宽", "关"};
    return defaults;
}

GridRow LoadGridRow(const MemoryImage& image, const BandLimits& limits, int row) {
    GridRow cells;
    cells[kColLabel] = GridRowLabel(row);
    const ChannelRecord record = ChannelRecord::Load(image, row);
    if (RecordOffset(row) < 0 || record.IsEmptyForDisplay() || limits.BandOf(record.RxFreq()) == -1)
        return cells;
    cells[kColRxFreq] = FormatFrequencyText(record.RxFreq());
    if (!record.TxIsEmptyForDisplay())
        cells[kColTxFreq] = FormatFrequencyText(record.TxFreq());
    cells[kColRxTone] = DecodeToneCode(record.RxToneLow(), record.RxToneHigh());
    cells[kColTxTone] = DecodeToneCode(record.TxToneLow(), record.TxToneHigh());
    for (int c = kColPower; c <= kColBusy; ++c)
        cells[c] = OptionText(record, c);
    return cells;
}

void CommitGridRow(MemoryImage& image, const BandLimits& limits, int row, const GridRow& cells) {
    if (RecordOffset(row) < 0)
        return;
    if (cells[kColRxFreq].empty())
        return ClearRecord(image, row);
    ChannelRecord record = ChannelRecord::Load(image, row);
    const int32_t rx = ParseFrequencyText(cells[kColRxFreq]);
    record.SetRxFreq(rx);
    int32_t tx = cells[kColTxFreq].empty() ? 0 : ParseFrequencyText(cells[kColTxFreq]);
    // A transmit text the field cannot hold is stored as no transmit frequency, and counts as
    // none for the shift too, so saving twice gives the same bytes.
    const bool txEmpty = cells[kColTxFreq].empty() || tx < 0 || tx > kMaxFieldValue;
    if (txEmpty) {
        tx = 0;
        record.SetNoTxFreq();
        record.Set(ChannelFieldId::BusyLock, 0);
    } else {
        record.SetTxFreq(tx);
    }
    DeriveShift(record, rx, tx, txEmpty, limits);
    const auto rxTone = EncodeToneCode(cells[kColRxTone]);
    const auto txTone = EncodeToneCode(cells[kColTxTone]);
    record.SetRxTone(rxTone.first, rxTone.second);
    record.SetTxTone(txTone.first, txTone.second);
    record.Set(ChannelFieldId::Power, cells[kColPower] == "高" ? 1 : 0);
    // Scan and bandwidth change only for one of their two texts; busy lock is always written.
    for (int c : {kColScan, kColBandwidth}) {
        const int index = IndexOf(GridOptionItems(c), cells[c]);
        if (index >= 0)
            record.Set(OptionField(c), static_cast<uint32_t>(index));
    }
    const int busy = IndexOf(GridOptionItems(kColBusy), cells[kColBusy]);
    record.Set(ChannelFieldId::BusyLock, busy > 0 ? static_cast<uint32_t>(busy) : 0);
    record.Store(image, row);
}

void CommitFrequencyEditor(GridRow& cells, int row, int column, const std::string& text,
                           const BandLimits& limits, MemoryImage& image) {
    const bool isVfo = row == kVfoA || row == kVfoB;
    const std::string oldRx = cells[kColRxFreq];
    const int32_t oldRxValue = ParseFrequencyText(oldRx);
    const int32_t oldTxValue = ParseFrequencyText(cells[kColTxFreq]);
    const std::string newText = NormaliseFrequencyText(text, limits, FrequencyFallback::Grid);
    const int32_t v = newText.empty() ? 0 : ParseFrequencyText(newText);
    if (column == kColRxFreq) {
        if (newText.empty()) {
            for (int c = kColRxFreq; c < kGridColumns; ++c)
                cells[c].clear();
        } else if (oldRx.empty()) {
            // A new channel starts from the cleared record and the new-row defaults.
            for (int c = kColRxTone; c < kGridColumns; ++c)
                cells[c] = NewRowDefaults()[c];
            cells[kColRxFreq] = cells[kColTxFreq] = newText;
            ClearRecord(image, row);
        } else {
            cells[kColRxFreq] = newText;
            if (isVfo && !limits.SameBand(oldTxValue, v))
                cells[kColTxFreq] = newText;
        }
    } else if (column == kColTxFreq) {
        if (oldRx.empty()) {
            cells[kColTxFreq].clear();
            return;
        }
        // An emptied transmit editor leaves a memory channel's transmit frequency alone.
        if (!newText.empty())
            cells[kColTxFreq] = newText;
        if (isVfo && !limits.SameBand(oldRxValue, v))
            cells[kColRxFreq] = newText;
    }
}

void CommitToneEditor(GridRow& cells, int column, const std::string& text) {
    if (column < kColRxTone || column > kColTxTone)
        return;
    cells[column] = cells[kColRxFreq].empty() ? std::string() : NormaliseToneText(text);
}

void CommitOptionEditor(GridRow& cells, int column, const std::string& text) {
    if (column < kColPower || column > kColBusy)
        return;
    cells[column] = cells[kColRxFreq].empty() ? std::string() : text;
}

std::vector<GridRow> LoadGrid(const MemoryImage& image, BandLimits& limits) {
    RefreshBandLimitsFromImage(image, limits);
    std::vector<GridRow> rows;
    rows.reserve(kRecordCount);
    for (int row = 1; row <= kRecordCount; ++row)
        rows.push_back(LoadGridRow(image, limits, row));
    return rows;
}

void CommitGrid(MemoryImage& image, const BandLimits& limits, const std::vector<GridRow>& rows,
                int receiverChip) {
    for (size_t i = 0; i < rows.size() && i < static_cast<size_t>(kRecordCount); ++i)
        CommitGridRow(image, limits, static_cast<int>(i) + 1, rows[i]);
    WriteReceiverChipBlock(image, receiverChip);
    FinaliseImage(image, limits);
}

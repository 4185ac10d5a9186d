#include "image/channel_edit_rules.h"

#include "image/band_limits.h"
#include "image/channel_record.h"
#include "image/codecs.h"
#include "image/field_codec.h"
#include "image/memory_image.h"

#include <algorithm>

namespace {

bool IsVfo(int record) {
    return record == kVfoA || record == kVfoB;
}

// A VFO keeps both frequencies in one band: a new value in the other band moves both.
void KeepVfoInOneBand(int record, const BandLimits& limits, const std::string& changed,
                      std::string& other) {
    if (IsVfo(record) && !limits.SameBand(ParseFrequencyText(other), ParseFrequencyText(changed)))
        other = changed;
}

void SelectNewChannelDefaults(ChannelEditValues& values) {
    values.rxTone = values.txTone = kNoTone;
    for (int i = 0; i < kChannelOptionCount; ++i)
        values.options[i] = ChannelOptions()[i].newChannel;
}

} // namespace

ChannelEditValues LoadChannelEdit(const MemoryImage& image, int record) {
    ChannelEditValues values;
    const ChannelRecord r = ChannelRecord::Load(image, record);
    if (RecordOffset(record) < 0 || r.IsEmptyForDialog())
        return values;
    values.empty = false;
    values.rx = FormatFrequencyText(r.RxFreq());
    if (!r.TxIsEmptyForDisplay())
        values.tx = FormatFrequencyText(r.TxFreq());
    values.rxTone = DecodeToneCode(r.RxToneLow(), r.RxToneHigh());
    values.txTone = DecodeToneCode(r.TxToneLow(), r.TxToneHigh());
    values.name = r.Name();
    for (int i = 0; i < kChannelOptionCount; ++i) {
        const ChannelFieldId field = ChannelOptions()[i].field;
        const uint32_t stored = r.Get(field);
        const bool listed = stored < ChannelField(field).options.size();
        values.options[i] = listed ? static_cast<int>(stored) : -1;
    }
    ApplyOptionFallbacks(values.options);
    return values;
}

void ApplyOptionFallbacks(ChannelOptionValues& options) {
    for (int i = 0; i < kChannelOptionCount; ++i)
        if (options[i] < 0)
            options[i] = FallbackIndex(ChannelField(ChannelOptions()[i].field));
}

void StoreChannelEdit(MemoryImage& image, int record, const std::string& committedRx,
                      const ChannelEditValues& values) {
    if (RecordOffset(record) < 0)
        return;
    if (committedRx.empty())
        return ClearRecord(image, record);
    ChannelRecord r = ChannelRecord::Load(image, record);
    const int32_t rx = ParseFrequencyText(committedRx);
    r.SetRxFreq(rx);
    const bool txEmpty = values.tx.empty();
    const int32_t tx = txEmpty ? 0 : ParseFrequencyText(values.tx);
    if (txEmpty)
        r.SetNoTxFreq();
    else
        r.SetTxFreq(tx);
    DeriveShift(r, rx, tx, txEmpty);
    const auto rxTone = EncodeToneCode(values.rxTone);
    const auto txTone = EncodeToneCode(values.txTone);
    r.SetRxTone(rxTone.first, rxTone.second);
    r.SetTxTone(txTone.first, txTone.second);
    r.SetName(values.name);
    ChannelOptionValues options = values.options;
    ApplyOptionFallbacks(options);
    for (int i = 0; i < kChannelOptionCount; ++i)
        r.Set(ChannelOptions()[i].field, static_cast<uint32_t>(options[i]));
    r.Store(image, record);
}

void CommitChannelReceive(ChannelEditValues& values, std::string& committedRx, int record,
                          const BandLimits& limits) {
    if (values.rx.empty()) {
        values = ChannelEditValues{};
        committedRx.clear();
        return;
    }
    const std::string text = NormaliseFrequencyText(values.rx, limits, FrequencyFallback::Dialog);
    const bool isNew = committedRx.empty();
    values.empty = false;
    values.rx = text;
    if (isNew) {
        values.tx = text;
        SelectNewChannelDefaults(values);
    } else {
        KeepVfoInOneBand(record, limits, text, values.tx);
    }
    committedRx = text;
}

void CommitPendingReceive(ChannelEditValues& values, std::string& committedRx, int record,
                          const BandLimits& limits) {
    if (values.rx != committedRx)
        CommitChannelReceive(values, committedRx, record, limits);
}

void CommitChannelTransmit(ChannelEditValues& values, const std::string& atFocus, int record,
                           const BandLimits& limits) {
    if (values.rx.empty())
        return;
    if (values.tx.empty()) {
        values.tx = atFocus;
        return;
    }
    values.tx = NormaliseFrequencyText(values.tx, limits, FrequencyFallback::Dialog);
    KeepVfoInOneBand(record, limits, values.tx, values.rx);
}

int ChannelFromLabel(const std::string& label) {
    return std::clamp(ParseChannelLabel(label), 1, kRecordCount);
}

int ChannelAfterSpin(const std::string& label, int d) {
    const int64_t n = int64_t{ParseChannelLabel(label)} + d;
    if (n >= 1 && n <= kRecordCount)
        return static_cast<int>(n);
    return d < 1 ? kRecordCount : 1;
}

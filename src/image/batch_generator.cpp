#include "image/batch_generator.h"

#include "image/band_limits.h"
#include "image/channel_record.h"
#include "image/codecs.h"
#include "image/decimal_scale.h"
#include "image/memory_image.h"

#include <algorithm>
#include <charconv>
#include <cstdio>

namespace {

constexpr int kToneCount = 265;

// Truncation of the text's number times `factor`, clamped to 0..maximum.
int32_t ScaledField(const std::string& text, double factor, int32_t maximum) {
    const auto v = TruncateToInt64(DecimalScale(LeadingDecimal(text), factor));
    return v ? static_cast<int32_t>(std::clamp<int64_t>(*v, 0, maximum)) : 0;
}

// A start text that never lost the focus may still lie outside both bands.
int32_t StartValue(const std::string& text, const BandLimits& limits) {
    const int32_t v = ParseFrequencyText(text);
    return limits.BandOf(v) == -1 ? NormaliseBatchStart(text, limits) : v;
}

struct Band {
    int32_t low, high;
};

Band BandAround(int32_t f, const BandLimits& limits) {
    const int band = std::max(0, limits.BandOf(f));
    return {limits.low[band], limits.high[band]};
}

bool Outside(int64_t f, Band band) {
    return f < band.low || f > band.high;
}

// Beyond either end of the band a value wraps to the end it is heading away from.
int32_t WrapEnd(Band band, int direction) {
    return direction > 0 ? band.low : band.high;
}

int32_t NextFrequency(int32_t f, int direction, int32_t step, Band band) {
    const int64_t next = int64_t{f} + int64_t{direction} * step;
    return Outside(next, band) ? WrapEnd(band, direction)
                               : SnapToNearestStep(static_cast<int32_t>(next));
}

int ToneIndex(int index) {
    return std::clamp(index, 0, kToneCount - 1);
}

int NextTone(int index, int interval, bool down) {
    const int step = std::clamp(interval, 0, kBatchMaxToneInterval) * (down ? -1 : 1);
    return (index + step + kToneCount) % kToneCount;
}

std::string ChannelName(const BatchSettings& s, int record) {
    if (!s.nameByChannel)
        return s.name;
    char number[8];
    std::snprintf(number, sizeof number, "%03d", record);
    return s.name.substr(0, 4) + number;
}

void SetTone(ChannelRecord& r, bool receive, const std::string& text) {
    const auto code = EncodeToneCode(text);
    if (receive)
        r.SetRxTone(code.first, code.second);
    else
        r.SetTxTone(code.first, code.second);
}

void NextTones(const BatchSettings& s, int& vi, int& ti) {
    if (!s.rxToneRandom)
        vi = NextTone(vi, s.rxToneInterval, s.rxToneDown);
    if (s.txToneOwn && !s.txToneRandom)
        ti = NextTone(ti, s.txToneInterval, s.txToneDown);
}

} // namespace

void GenerateChannels(MemoryImage& image, const BandLimits& limits, const BatchSettings& s,
                      const std::function<uint32_t()>& random) {
    using Mode = BatchSettings::TxMode;
    int32_t rx = StartValue(s.rxStart, limits);
    const Band rxBand = BandAround(rx, limits);
    const int dr = s.rxDown ? -1 : 1;
    const int32_t sr = ScaledField(s.rxStep, 100, kBatchMaxStepKhz * 100);
    const int sign = s.offsetMinus ? -1 : 1;
    const int32_t offset = ScaledField(s.offset, 100000, kMaxFieldValue);
    int32_t tx = StartValue(s.txStart, limits);
    const Band txBand = BandAround(tx, limits);
    const int dt = s.txDown ? -1 : 1;
    const int32_t st = ScaledField(s.txStep, 100, kBatchMaxStepKhz * 100);
    int vi = ToneIndex(s.rxTone);
    int ti = ToneIndex(s.txTone);
    const auto& tones = ToneList();
    for (int c = std::max(s.first, 1); c <= std::min(s.last, 256); ++c) {
        ChannelRecord r = ChannelRecord::Load(image, c);
        r.SetRxFreq(rx);
        if (s.txMode == Mode::Offset) {
            // An offset channel stays in the band of its own receive frequency.
            const int64_t shifted = int64_t{rx} + int64_t{sign} * offset;
            r.SetTxFreq(Outside(shifted, rxBand) ? WrapEnd(rxBand, sign)
                                                 : static_cast<int32_t>(shifted));
        } else {
            r.SetTxFreq(s.txMode == Mode::OwnStart ? tx : rx);
        }
        if (s.rxToneRandom)
            vi = static_cast<int>(random() % kToneCount);
        SetTone(r, true, tones[vi]);
        if (s.txToneOwn && s.txToneRandom)
            ti = static_cast<int>(random() % kToneCount);
        SetTone(r, false, tones[s.txToneOwn ? ti : vi]);
        for (int i = 0; i < kChannelOptionCount; ++i)
            r.Set(ChannelOptions()[i].field, static_cast<uint32_t>(std::max(0, s.options[i])));
        r.SetName(ChannelName(s, c));
        r.Store(image, c);
        rx = NextFrequency(rx, dr, sr, rxBand);
        if (s.txMode == Mode::OwnStart)
            tx = NextFrequency(tx, dt, st, txBand);
        NextTones(s, vi, ti);
    }
}

int32_t NormaliseBatchStart(const std::string& text, const BandLimits& limits) {
    int32_t v = ParseFrequencyText(text);
    if (limits.BandOf(v) == -1)
        v = limits.low[0];
    return SnapToNearestStep(v);
}

std::string NormaliseBatchStepText(const std::string& text) {
    const int32_t s = SnapToNearestStep(ScaledField(text, 100, kBatchMaxStepKhz * 100));
    char buf[32];
    const auto res =
        std::to_chars(buf, buf + sizeof buf, DecimalScale(s, 0.01), std::chars_format::general, 6);
    return std::string(buf, res.ptr);
}

std::string LimitWhileTyping(const std::string& text, int maximum) {
    const auto scanned = ScanInt(text);
    const int n = scanned ? scanned->value : 0;
    if ((scanned && !scanned->fits) || n > maximum || n < 0)
        return std::to_string(maximum);
    if (n == 0 && text != "0")
        return "0";
    return {};
}

int NormaliseRangeFrom(int from, int to) {
    if (from <= 0 || from > to)
        return 1;
    return std::min(from, 256);
}

int NormaliseRangeTo(int from, int to) {
    return to <= 0 || to < from || to > 256 ? 256 : to;
}

#pragma once

#include "image/channel_options.h"

#include <cstdint>
#include <functional>
#include <string>

class MemoryImage;
struct BandLimits;

// The batch generation form's values, texts as typed.
struct BatchSettings {
    enum class TxMode { SameAsRx, Offset, OwnStart };

    int first = 1, last = 256;   // records, ascending
    std::string rxStart, rxStep; // MHz, kHz
    bool rxDown = false;

    TxMode txMode = TxMode::SameAsRx;
    std::string offset; // MHz
    bool offsetMinus = false;
    std::string txStart, txStep;
    bool txDown = false;

    int rxTone = 0; // index into ToneList()
    bool rxToneRandom = false;
    int rxToneInterval = 0;
    bool rxToneDown = false;

    bool txToneOwn = false; // false: the transmit tone is the receive tone
    int txTone = 0;
    bool txToneRandom = false;
    int txToneInterval = 0;
    bool txToneDown = false;

    ChannelOptionValues options{}; // item indexes in ChannelOptions() order; -1 counts as 0
    std::string name;
    bool nameByChannel = false;
};

constexpr int kBatchMaxStepKhz = 1000;
constexpr int kBatchMaxToneInterval = 20;

// Writes records first..last (within 1..256). `random` gives the pseudo-random numbers of the
// random tones. Bytes +14..+23 and +31 of the records are left alone.
void GenerateChannels(MemoryImage& image, const BandLimits& limits, const BatchSettings& settings,
                      const std::function<uint32_t()>& random);

// Start frequency on focus loss (and before generating): outside both bands it becomes band
// 0's low limit; then it is snapped to the nearest step. Frequency value.
int32_t NormaliseBatchStart(const std::string& text, const BandLimits& limits);
// Step in kHz as the form shows it after focus loss: snapped to the nearest step, "%G".
std::string NormaliseBatchStepText(const std::string& text);
// The text a step or tone-interval field gets while it is typed into; empty = unchanged.
std::string LimitWhileTyping(const std::string& text, int maximum);
// From and to channel on focus loss.
int NormaliseRangeFrom(int from, int to);
int NormaliseRangeTo(int from, int to);

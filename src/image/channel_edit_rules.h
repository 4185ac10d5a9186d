#pragma once

#include "image/channel_options.h"

#include <string>

class MemoryImage;
struct BandLimits;

// What the channel edit dialog shows for one record. An empty channel shows nothing and only
// its receive edit and the channel selectors are usable.
struct ChannelEditValues {
    bool empty = true;
    std::string rx, tx, rxTone, txTone, name;
    ChannelOptionValues options{-1, -1, -1, -1, -1, -1, -1, -1, -1};
};

// Record -> values; stored option values outside their lists give the fallback items.
ChannelEditValues LoadChannelEdit(const MemoryImage& image, int record);
// Values -> record. The receive frequency written is the committed receive text; an empty one
// clears the record.
void StoreChannelEdit(MemoryImage& image, int record, const std::string& committedRx,
                      const ChannelEditValues& values);

// Options without a selection get their fallback items.
void ApplyOptionFallbacks(ChannelOptionValues& options);

// The receive edit's commit (focus loss or Enter); `committedRx` is the receive text last
// loaded or committed and becomes the new one.
void CommitChannelReceive(ChannelEditValues& values, std::string& committedRx, int record,
                          const BandLimits& limits);
// Commits a receive text that was changed but not committed (typed without focus loss or
// Enter, or moved by the transmit edit of a VFO), so storing writes what the dialog shows.
void CommitPendingReceive(ChannelEditValues& values, std::string& committedRx, int record,
                          const BandLimits& limits);
// The transmit edit's focus loss; `atFocus` is its text when it received the focus.
void CommitChannelTransmit(ChannelEditValues& values, const std::string& atFocus, int record,
                           const BandLimits& limits);

// The record the channel-number edit selects on focus loss: its label clamped to 1..258.
int ChannelFromLabel(const std::string& label);
// The record a spin step by d leads to from the edit's label; wraps 258 <-> 1.
int ChannelAfterSpin(const std::string& label, int d);

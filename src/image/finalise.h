#pragma once

class MemoryImage;
struct BandLimits;

constexpr int kReceiverChipBlock = 0x2F00;
constexpr int kFixedBlock = 0x2F70;
constexpr int kSelectedChannelA = 0x204F;
constexpr int kSelectedChannelB = 0x2050;
constexpr int kFirstValidA = 0x2E20;
constexpr int kFirstValidB = 0x2E21;
constexpr int kPresenceA = 0x2E40;
constexpr int kScanA = 0x2E50;
constexpr int kPresenceB = 0x2E60;
constexpr int kScanB = 0x2E70;

// The receiver-chip variants of the grid's "收音机" list, in list order.
enum ReceiverChip { kChip5802HE = 0, kChip5802N = 1, kChip5802E = 2 };

// Writes the register data of the variant (anything outside the list counts as the first)
// and the fixed 8-byte block at 0x2F70.
void WriteReceiverChipBlock(MemoryImage& image, int variant);

// Rebuilds everything derived from the channels and the band limits: calibration tables,
// model name, band block, channel bitmaps, first valid channels and the selected channels.
void FinaliseImage(MemoryImage& image, const BandLimits& limits);

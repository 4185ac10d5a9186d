#pragma once

#include <cstdint>
#include <vector>

// Image offsets [start, end); start == end transfers nothing.
struct TransferRange {
    uint16_t start = 0;
    uint16_t end = 0;
};

struct TransferBlock {
    uint16_t address = 0;
    uint8_t length = 0;
    bool operator==(const TransferBlock&) const = default;
};

constexpr int kBlockSize = 32;

// Blocks of at most 32 bytes that never cross a 32-byte boundary, in address order. A range
// that reaches past the image or runs backwards is cut to the image / treated as empty.
std::vector<TransferBlock> SplitBlocks(TransferRange range);

// The progress bar's range for two ranges: whole 32-byte units of each, rounded up.
int ProgressSteps(TransferRange first, TransferRange second);

// The ranges of the three clone transfers and of the two service regions.
constexpr TransferRange kCloneFirstRange{0x0000, 0x3000};
constexpr TransferRange kCloneSecondRange{0x3F70, 0x4000};
constexpr TransferRange kInitialiseFirstRange{0x0000, 0x4000};
constexpr TransferRange kInitialiseSecondRange{0x2000, 0x2000};
constexpr TransferRange kCalibrationRegion{0x3ED0, 0x3F70};
constexpr TransferRange kDtmfDecoderRegion{0x3E00, 0x3E30};

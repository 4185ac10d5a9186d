#include "link/transfer_range.h"

#include "image/memory_image.h"

#include <algorithm>

std::vector<TransferBlock> SplitBlocks(TransferRange range) {
    std::vector<TransferBlock> blocks;
    const int end = std::min<int>(range.end, kImageSize);
    for (int a = range.start; a < end;) {
        const int length = std::min(kBlockSize - a % kBlockSize, end - a);
        blocks.push_back({static_cast<uint16_t>(a), static_cast<uint8_t>(length)});
        a += length;
    }
    return blocks;
}

// Cut to the image as the blocks are, so the count is what the transfer steps through.
static int Units(TransferRange range) {
    const int end = std::min<int>(range.end, kImageSize);
    return end > range.start ? (end - range.start + kBlockSize - 1) / kBlockSize : 0;
}

int ProgressSteps(TransferRange first, TransferRange second) {
    return Units(first) + Units(second);
}

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

static int Units(TransferRange range) {
    return range.end > range.start ? (range.end - range.start + kBlockSize - 1) / kBlockSize : 0;
}

int ProgressSteps(TransferRange first, TransferRange second) {
    return Units(first) + Units(second);
}

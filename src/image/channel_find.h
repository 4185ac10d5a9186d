#pragma once

#include <string_view>

class MemoryImage;
struct BandLimits;

struct ChannelMatch {
    int row = 0; // 0: no channel matches
    int column = 0;
};

// The next channel after `afterRow` (wrapping past the last row to the first, `afterRow`
// itself last) that the query finds, ignoring case: a receive or transmit frequency text or a
// tone text it begins, or a name it is part of. The column is the cell that matched (the
// receive column for a name). Rows the grid shows empty never match.
ChannelMatch FindChannel(const MemoryImage& image, const BandLimits& limits, std::string_view query,
                         int afterRow);

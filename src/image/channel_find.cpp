#include "image/channel_find.h"

#include "image/ascii_case.h"
#include "image/channel_grid_rules.h"
#include "image/channel_record.h"

#include <algorithm>
#include <string>

namespace {

// The column the query finds in the row, 0 when none.
int MatchColumn(const MemoryImage& image, const BandLimits& limits, const std::string& query,
                int row) {
    const GridRow cells = LoadGridRow(image, limits, row);
    if (cells[kColRxFreq].empty())
        return 0;
    for (int c : {kColRxFreq, kColTxFreq, kColRxTone, kColTxTone})
        if (AsciiLower(cells[c]).starts_with(query))
            return c;
    const std::string name = AsciiLower(ChannelRecord::Load(image, row).Name());
    return name.find(query) != std::string::npos ? kColRxFreq : 0;
}

} // namespace

ChannelMatch FindChannel(const MemoryImage& image, const BandLimits& limits, std::string_view query,
                         int afterRow) {
    const std::string wanted = AsciiLower(query);
    if (wanted.empty())
        return {};
    afterRow = std::clamp(afterRow, 0, kRecordCount);
    for (int k = 1; k <= kRecordCount; ++k) {
        const int row = (afterRow + k - 1 + kRecordCount) % kRecordCount + 1;
        if (const int column = MatchColumn(image, limits, wanted, row))
            return {row, column};
    }
    return {};
}

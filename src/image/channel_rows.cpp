#include "image/channel_rows.h"

#include "image/channel_grid_rules.h"
#include "image/channel_record.h"
#include "image/memory_image.h"

#include <algorithm>
#include <optional>

namespace {

// A band's rows in their new order: the old row each position takes, or none for a cleared
// record.
using Order = std::vector<std::optional<int>>;

struct Band {
    int first;
    int last;
};
constexpr Band kBands[] = {{1, kChannelsPerBand}, {kChannelsPerBand + 1, 2 * kChannelsPerBand}};

bool Contains(const std::vector<int>& sorted, int row) {
    return std::binary_search(sorted.begin(), sorted.end(), row);
}

bool ShowsChannel(const MemoryImage& image, const BandLimits& limits, std::optional<int> row) {
    return row && !LoadGridRow(image, limits, *row)[kColRxFreq].empty();
}

// The new order of one band and where the selection ends up; refusal when it cannot be done.
RowRefusal Reorder(const MemoryImage& image, const BandLimits& limits, RowOperation operation,
                   Band band, const std::vector<int>& selected, Order& order,
                   std::vector<int>& rows) {
    const auto size = static_cast<size_t>(band.last - band.first + 1);
    for (int r = band.first; r <= band.last; ++r) {
        const bool isSelected = Contains(selected, r);
        if (operation == RowOperation::InsertEmpty && isSelected && !Contains(selected, r - 1))
            for (int k = r; k <= band.last && Contains(selected, k); ++k) {
                rows.push_back(band.first + int(order.size()));
                order.emplace_back();
            }
        if (operation != RowOperation::DeleteShiftUp || !isSelected)
            order.emplace_back(r);
    }
    for (size_t k = size; k < order.size(); ++k)
        if (ShowsChannel(image, limits, order[k]))
            return RowRefusal::LastNotEmpty;
    order.resize(size);
    if (operation == RowOperation::DeleteShiftUp)
        rows.insert(rows.end(), selected.begin(), selected.end());
    const bool up = operation == RowOperation::MoveUp;
    if (!up && operation != RowOperation::MoveDown)
        return RowRefusal::None;
    if (up ? selected.front() == band.first : selected.back() == band.last)
        return RowRefusal::BandEdge;
    const auto step = [&](int r) {
        std::swap(order[size_t(r - band.first)], order[size_t(r - band.first + (up ? -1 : 1))]);
        rows.push_back(up ? r - 1 : r + 1);
    };
    if (up)
        std::for_each(selected.begin(), selected.end(), step);
    else
        std::for_each(selected.rbegin(), selected.rend(), step);
    return RowRefusal::None;
}

} // namespace

RowOperationResult ApplyRowOperation(MemoryImage& image, const BandLimits& limits,
                                     RowOperation operation, std::vector<int> rows) {
    std::erase_if(rows, [](int r) { return r < 1 || r > 2 * kChannelsPerBand; });
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    RowOperationResult result;
    if (rows.empty()) {
        result.refusal = RowRefusal::NoChannel;
        return result;
    }
    if (operation == RowOperation::Clear) {
        for (int r : rows)
            ClearRecord(image, r);
        result.rows = rows;
        return result;
    }
    MemoryImage changed = image;
    for (const Band& band : kBands) {
        std::vector<int> selected;
        std::copy_if(rows.begin(), rows.end(), std::back_inserter(selected),
                     [band](int r) { return r >= band.first && r <= band.last; });
        if (selected.empty())
            continue;
        Order order;
        result.refusal = Reorder(image, limits, operation, band, selected, order, result.rows);
        if (result.refusal != RowRefusal::None) {
            result.rows.clear();
            return result;
        }
        std::sort(result.rows.begin(), result.rows.end());
        for (size_t k = 0; k < order.size(); ++k) {
            const int target = band.first + int(k);
            if (order[k])
                ChannelRecord::Load(image, *order[k]).Store(changed, target);
            else
                ClearRecord(changed, target);
        }
    }
    image = changed;
    return result;
}

#pragma once

#include <vector>

class MemoryImage;
struct BandLimits;

// Row operations of the channel grid on whole records. They act on memory channels within
// their band (1..128, 129..256); the VFO rows take none.
enum class RowOperation { Clear, InsertEmpty, DeleteShiftUp, MoveUp, MoveDown };

enum class RowRefusal {
    None,
    NoChannel,    // no memory channel among the rows (only VFO rows, or none)
    BandEdge,     // a row would move past the first or last channel of its band
    LastNotEmpty, // an inserted row would push a channel with a frequency off its band's end
};

struct RowOperationResult {
    RowRefusal refusal = RowRefusal::None;
    std::vector<int> rows; // where the operated rows are afterwards, for the selection
};

// Applies the operation to the selected rows (any order; VFO rows are left out). A refused
// operation changes nothing. Insert puts as many empty rows as are selected in a band before
// each run of selected rows; delete removes the selected rows, the following channels moving
// up and the band ending in cleared records; moves swap each run with its neighbour. A
// channel is empty when the grid would show no receive frequency for it.
RowOperationResult ApplyRowOperation(MemoryImage& image, const BandLimits& limits,
                                     RowOperation operation, std::vector<int> rows);

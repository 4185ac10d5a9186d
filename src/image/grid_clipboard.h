#pragma once

#include "image/channel_grid_rules.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class MemoryImage;
struct BandLimits;

// Cells as spreadsheets exchange them: one line per row, cells separated by tabs, every line
// ending in a line break. Columns firstColumn..lastColumn of each row.
std::string GridCellsToText(const std::vector<GridRow>& rows, int firstColumn, int lastColumn);

// Tab-separated text back into rows of cells. Cells may be quoted as spreadsheets quote them
// ("a ""b""", with tabs or line breaks inside); lines end in LF, CRLF or CR; the line break
// after the last line starts no further row.
std::vector<std::vector<std::string>> ParseGridText(std::string_view text);

// What a paste wrote: its rows, the last of them, and the rows left out at the band's end.
struct PasteResult {
    int rows = 0;
    int lastRow = 0;
    int dropped = 0;
};

// The last row a paste starting at `row` may reach: the last channel of its band; a VFO row
// stands alone. 0 outside 1..258.
int LastRowOfBand(int row);

// Pastes the text's cells into the image's channels from (row, column) on. Each cell goes
// through the commit rule of its column's in-cell editor, as if it had been typed there (the
// frequency edit's key filter first), then the row is committed into its record. Cells
// beyond the last column are left out.
PasteResult PasteGridText(MemoryImage& image, const BandLimits& limits, int row, int column,
                          std::string_view text);

// The whole records of `rows`, 32 bytes each, in order.
std::vector<uint8_t> CopyRecords(const MemoryImage& image, const std::vector<int>& rows);
// Stores whole records from `row` on, as far as the band goes. Nothing when `records` is not
// a whole number of records.
PasteResult PasteRecords(MemoryImage& image, int row, const std::vector<uint8_t>& records);

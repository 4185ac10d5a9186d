#pragma once

#include <array>
#include <string>
#include <vector>

class MemoryImage;
struct BandLimits;

// Grid rows are record numbers 1..258; column 0 is the row label, columns 1..8 the cells.
constexpr int kGridColumns = 9;
enum GridColumn {
    kColLabel,
    kColRxFreq,
    kColTxFreq,
    kColRxTone,
    kColTxTone,
    kColPower,
    kColScan,
    kColBandwidth,
    kColBusy,
};
using GridRow = std::array<std::string, kGridColumns>;

std::string GridRowLabel(int row); // "A 001", "B 128", "A VFO"
// The drop-down items of an option column (power, scan, bandwidth, busy); empty otherwise.
const std::vector<std::string>& GridOptionItems(int column);
// What a receive frequency typed into an empty row puts into columns 3..8.
const GridRow& NewRowDefaults();

// The row as the grid shows it: empty cells for an empty record or one whose receive
// frequency lies outside both bands.
GridRow LoadGridRow(const MemoryImage& image, const BandLimits& limits, int row);
// Writes the row's cells into its record (an empty receive cell clears the record).
void CommitGridRow(MemoryImage& image, const BandLimits& limits, int row, const GridRow& cells);

// What the in-cell editors do to a row when they commit their text. The frequency editor
// may also clear the row's record (a receive frequency typed into an empty row).
void CommitFrequencyEditor(GridRow& cells, int row, int column, const std::string& text,
                           const BandLimits& limits, MemoryImage& image);
void CommitToneEditor(GridRow& cells, int column, const std::string& text);
void CommitOptionEditor(GridRow& cells, int column, const std::string& text);

// Every row of the grid, after refreshing the band limits from the image's band block.
std::vector<GridRow> LoadGrid(const MemoryImage& image, BandLimits& limits);
// Commits every row, then rebuilds the receiver-chip block and finalises the image.
void CommitGrid(MemoryImage& image, const BandLimits& limits, const std::vector<GridRow>& rows,
                int receiverChip);

#pragma once

#include "image/input_rule.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

struct BandLimits;

// One row kind of a calibration grid: its label suffix (shown after the band label) and the
// image address of the row in each of the three calibration bands.
struct CalibrationGridRow {
    std::string_view suffix;
    std::array<int, 3> address;
};

// The fixed description of one of the three grids of the parameter adjustment dialog. Each
// data row is a run of consecutive image bytes, one byte per data column.
struct CalibrationGridSpec {
    std::vector<std::string_view> headers; // data columns
    int labelWidthTwips;
    int dataWidthTwips;
    std::vector<CalibrationGridRow> rows; // per calibration band, in display order
    int minimum;                          // display and editor range
    int maximum;
    int replacement; // shown for a stored byte outside the range
    TextRule editor; // what the in-cell editor takes
};

enum CalibrationGridId { kSquelchGrid, kPowerGrid, kDetectionGrid, kCalibrationGridCount };

const std::array<CalibrationGridSpec, kCalibrationGridCount>& CalibrationGrids();

struct CalibrationGridLine {
    int address;
    std::string bandLabel; // "136-174"
    std::string_view suffix;
};

// Rows of one grid for the current band limits; rowCount counts the header row.
struct CalibrationGridLayout {
    int rowCount = 0;
    std::vector<CalibrationGridLine> lines;
};

struct CalibrationLayout {
    bool dualBand = false;
    std::array<CalibrationGridLayout, kCalibrationGridCount> grids;
};

// Dual band when band A and band B start in two different calibration bands; otherwise one
// band whose label spans both working bands. The single band is band A's calibration band,
// band B's when band A starts in none, calibration band 0 when neither does.
CalibrationLayout SetupGrids(const BandLimits& limits);

// The byte a grid cell shows: the stored byte, or the grid's replacement when outside its range.
int CalibrationCellValue(const CalibrationGridSpec& grid, int stored);

#include "image/calibration_grids.h"

#include "image/band_limits.h"
#include "image/calibration.h"
#include "image/ui_text.h"

#include <algorithm>

const std::array<CalibrationGridSpec, kCalibrationGridCount>& CalibrationGrids() {
    static const std::array<CalibrationGridSpec, kCalibrationGridCount> grids = {{
        {{UI_TEXT("Radio", "低端"), UI_TEXT("Radio", "中端"), UI_TEXT("Radio", "高端")},
         1500,
         1000,
         {{" sql 1", {0x3F00, 0x3F06, 0x3F0C}}, {" sql 9", {0x3F03, 0x3F09, 0x3F0F}}},
         0,
         127,
         0,
         {KeyFilter::SignedDigits, 3}},
        {{UI_TEXT("Radio", "低端"), UI_TEXT("Radio", "中端"), UI_TEXT("Radio", "高端")},
         1500,
         1000,
         {{UI_TEXT("Radio", " 低功率"), {0x3F39, 0x3F3F, 0x3F45}},
          {UI_TEXT("Radio", " 高功率"), {0x3F3C, 0x3F42, 0x3F48}}},
         1,
         255,
         1,
         {KeyFilter::Any, 3}},
        {{UI_TEXT("Radio", "宽带 高"), UI_TEXT("Radio", "宽带 低"), UI_TEXT("Radio", "窄带 高"),
          UI_TEXT("Radio", "窄带 低")},
         1650,
         800,
         {{UI_TEXT("Radio", " 静噪检测1"), {0x3ED0, 0x3EDC, 0x3EE8}},
          {UI_TEXT("Radio", " 静噪检测2"), {0x3ED4, 0x3EE0, 0x3EEC}},
          {UI_TEXT("Radio", " 静噪检测3"), {0x3ED8, 0x3EE4, 0x3EF0}}},
         0,
         137,
         0,
         {KeyFilter::Any, 3}},
    }};
    return grids;
}

namespace {

// Whole MHz of both limits, "136-174".
std::string BandLabel(int low, int high) {
    return std::to_string(low / 100000) + "-" + std::to_string(high / 100000);
}

void AddBandRows(const CalibrationGridSpec& grid, int band, const std::string& label,
                 CalibrationGridLayout& layout) {
    for (const CalibrationGridRow& row : grid.rows)
        layout.lines.push_back({row.address[band], label, row.suffix});
}

} // namespace

CalibrationLayout SetupGrids(const BandLimits& limits) {
    const int a = CalibrationBandOf(limits.low[0]);
    const int b = CalibrationBandOf(limits.low[1]);
    CalibrationLayout layout;
    layout.dualBand = a != b && a >= 0 && b >= 0;
    const std::string single =
        BandLabel(std::min(limits.low[0], limits.low[1]), std::max(limits.high[0], limits.high[1]));
    const int singleBand = a >= 0 ? a : std::max(b, 0);
    for (int g = 0; g < kCalibrationGridCount; ++g) {
        const CalibrationGridSpec& grid = CalibrationGrids()[g];
        CalibrationGridLayout& out = layout.grids[g];
        if (layout.dualBand) {
            AddBandRows(grid, a, BandLabel(limits.low[0], limits.high[0]), out);
            AddBandRows(grid, b, BandLabel(limits.low[1], limits.high[1]), out);
        } else {
            AddBandRows(grid, singleBand, single, out);
        }
        out.rowCount = static_cast<int>(out.lines.size()) + 1;
    }
    return layout;
}

int CalibrationCellValue(const CalibrationGridSpec& grid, int stored) {
    return stored < grid.minimum || stored > grid.maximum ? grid.replacement : stored;
}

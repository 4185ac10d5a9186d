#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

class MemoryImage;
struct BandLimits;

// Channel lists in the CSV layout radio programming tools share: the common columns, then the
// record fields that layout has no column for, which other readers ignore and our import
// restores.
const std::vector<std::string>& ChannelCsvColumns();

// Channel lists are a few tens of kilobytes; a file far larger is not one.
constexpr size_t kMaxChannelCsvBytes = 4 * 1024 * 1024;

// Every valid channel of both bands, one row each, in record order.
std::string ExportChannelsCsv(const MemoryImage& image, const BandLimits& limits);

enum class CsvRowOutcome { Imported, Adapted, Skipped };

struct CsvRowReport {
    int line = 0;   // where the row starts in the file
    int record = 0; // 1..256 where it went, 0 when skipped
    CsvRowOutcome outcome = CsvRowOutcome::Imported;
    std::vector<std::string> reasons; // what was adapted, or why it was skipped
};

struct CsvImportResult {
    std::string error; // set when the text is not a channel list; nothing was imported then
    std::vector<CsvRowReport> rows;
    int Count(CsvRowOutcome outcome) const;
};

// Reads the whole text before touching the image. Rows with a Location 1..256 go to that
// record, the others to the first empty record of the band their frequency lies in. The image
// is finalised afterwards, so its channel bitmaps match the new channels.
CsvImportResult ImportChannelsCsv(std::string_view text, MemoryImage& image,
                                  const BandLimits& limits);

// "导入 3 行，调整 1 行，跳过 2 行" and one line per adapted or skipped row.
std::string DescribeImport(const CsvImportResult& result);

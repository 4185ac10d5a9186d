#include "image/grid_clipboard.h"

#include "image/ascii_case.h"
#include "image/channel_record.h"
#include "image/input_rule.h"
#include "image/memory_image.h"

#include <algorithm>

namespace {

// What the frequency edit's key filter lets through of the text.
std::string FrequencyKeys(std::string_view text) {
    std::string kept;
    for (unsigned char c : text)
        if (FilterKeyChar(KeyFilter::Frequency, c) != 0)
            kept += static_cast<char>(c);
    return kept;
}

// The item an option list ends on when the text is typed into it: the item it names, else the
// first item it begins (the list's keyboard search), else the item it showed before.
std::string ChooseOption(int column, std::string_view text, const std::string& current) {
    const std::vector<std::string>& items = GridOptionItems(column);
    if (std::find(items.begin(), items.end(), text) != items.end())
        return std::string(text);
    const std::string typed = AsciiLower(text);
    for (const std::string& item : items)
        if (!typed.empty() && AsciiLower(item).starts_with(typed))
            return item;
    return current;
}

void CommitPastedCell(GridRow& cells, int row, int column, const std::string& text,
                      const BandLimits& limits, MemoryImage& image) {
    if (column <= kColTxFreq)
        CommitFrequencyEditor(cells, row, column, FrequencyKeys(text), limits, image);
    else if (column <= kColTxTone)
        CommitToneEditor(cells, column, text);
    else
        CommitOptionEditor(cells, column, ChooseOption(column, text, cells[column]));
}

// Rows from `row` to the band's end take `count` pasted rows; the rest are dropped.
PasteResult Fit(int row, int count) {
    PasteResult result;
    result.rows = std::clamp(LastRowOfBand(row) - row + 1, 0, count);
    result.dropped = count - result.rows;
    result.lastRow = result.rows > 0 ? row + result.rows - 1 : 0;
    return result;
}

} // namespace

std::string GridCellsToText(const std::vector<GridRow>& rows, int firstColumn, int lastColumn) {
    firstColumn = std::max(firstColumn, int(kColRxFreq));
    lastColumn = std::min(lastColumn, kGridColumns - 1);
    std::string text;
    for (const GridRow& cells : rows) {
        for (int c = firstColumn; c <= lastColumn; ++c) {
            if (c > firstColumn)
                text += '\t';
            text += cells[c];
        }
        text += '\n';
    }
    return text;
}

std::vector<std::vector<std::string>> ParseGridText(std::string_view text) {
    std::vector<std::vector<std::string>> rows;
    std::vector<std::string> row(1);
    bool quoted = false;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted) {
            if (c != '"')
                row.back() += c;
            else if (i + 1 < text.size() && text[i + 1] == '"')
                row.back() += text[++i];
            else
                quoted = false;
        } else if (c == '"' && row.back().empty()) {
            quoted = true;
        } else if (c == '\t') {
            row.emplace_back();
        } else if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
            rows.push_back(std::move(row));
            row.assign(1, std::string());
        } else {
            row.back() += c;
        }
    }
    if (row.size() > 1 || !row.front().empty())
        rows.push_back(std::move(row));
    return rows;
}

int LastRowOfBand(int row) {
    if (row >= 1 && row <= kChannelsPerBand)
        return kChannelsPerBand;
    if (row > kChannelsPerBand && row <= 2 * kChannelsPerBand)
        return 2 * kChannelsPerBand;
    return row == kVfoA || row == kVfoB ? row : 0;
}

PasteResult PasteGridText(MemoryImage& image, const BandLimits& limits, int row, int column,
                          std::string_view text) {
    if (column < kColRxFreq || column >= kGridColumns)
        return {};
    const auto pasted = ParseGridText(text);
    const PasteResult result = Fit(row, static_cast<int>(pasted.size()));
    for (int k = 0; k < result.rows; ++k) {
        GridRow cells = LoadGridRow(image, limits, row + k);
        const auto& line = pasted[static_cast<size_t>(k)];
        for (size_t i = 0; i < line.size() && column + int(i) < kGridColumns; ++i)
            CommitPastedCell(cells, row + k, column + int(i), line[i], limits, image);
        CommitGridRow(image, limits, row + k, cells);
    }
    return result;
}

std::vector<uint8_t> CopyRecords(const MemoryImage& image, const std::vector<int>& rows) {
    std::vector<uint8_t> bytes;
    for (int row : rows) {
        const ChannelRecord record = ChannelRecord::Load(image, row);
        bytes.insert(bytes.end(), record.Bytes().begin(), record.Bytes().end());
    }
    return bytes;
}

PasteResult PasteRecords(MemoryImage& image, int row, const std::vector<uint8_t>& records) {
    if (records.empty() || records.size() % kRecordSize != 0)
        return {};
    const PasteResult result = Fit(row, static_cast<int>(records.size() / kRecordSize));
    for (int k = 0; k < result.rows; ++k) {
        ChannelRecord record;
        std::copy_n(records.begin() + k * kRecordSize, kRecordSize, record.Bytes().begin());
        record.Store(image, row + k);
    }
    return result;
}

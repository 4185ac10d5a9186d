#include "image/channel_csv.h"

#include "image/ascii_case.h"
#include "image/band_limits.h"
#include "image/channel_grid_rules.h"
#include "image/channel_record.h"
#include "image/codecs.h"
#include "image/csv_text.h"
#include "image/csv_tone_columns.h"
#include "image/finalise.h"
#include "image/memory_image.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <map>
#include <optional>

namespace {

// The record fields the common columns cannot carry, restored by our import.
constexpr std::array kExtraFields = {
    ChannelFieldId::SignalType, ChannelFieldId::PttId,       ChannelFieldId::VoiceMode,
    ChannelFieldId::BusyLock,   ChannelFieldId::Vox,         ChannelFieldId::RepeaterMode,
    ChannelFieldId::ShiftDir,   ChannelFieldId::ShiftOffset,
};

// Frequency values are 10 Hz units; the file has MHz with six decimals.
std::string Mhz(int32_t value) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%d.%06d", value / 100000, value % 100000 * 10);
    return buf;
}

std::string StepText(int32_t frequency) {
    return frequency % 500 == 0 ? "5.00" : frequency % 625 == 0 ? "6.25" : "2.50";
}

bool IsValidChannel(const ChannelRecord& r, const BandLimits& limits) {
    return !r.IsEmptyForDisplay() && limits.BandOf(r.RxFreq()) != -1;
}

std::vector<std::string> ExportRow(const ChannelRecord& r, int record, const BandLimits& limits) {
    const int32_t rx = r.RxFreq();
    const int32_t tx = r.TxFreq();
    std::string duplex;
    int32_t offset = 0;
    if (r.TxIsEmptyForDisplay()) {
        duplex = "off";
    } else if (tx != rx && limits.BandOf(tx) != -1 && limits.SameBand(rx, tx)) {
        duplex = tx > rx ? "+" : "-";
        offset = tx > rx ? tx - rx : rx - tx;
    } else if (tx != rx) {
        duplex = "split";
        offset = tx;
    }
    const ToneColumns t = ToneColumnsFor(DecodeToneCode(r.TxToneLow(), r.TxToneHigh()),
                                         DecodeToneCode(r.RxToneLow(), r.RxToneHigh()));
    std::vector<std::string> row = {std::to_string(record),
                                    r.Name(),
                                    Mhz(rx),
                                    duplex,
                                    Mhz(offset),
                                    t.tone,
                                    t.rToneFreq,
                                    t.cToneFreq,
                                    t.dtcsCode,
                                    t.dtcsPolarity,
                                    t.rxDtcsCode,
                                    t.crossMode,
                                    r.Get(ChannelFieldId::Bandwidth) ? "FM" : "NFM",
                                    StepText(rx),
                                    r.Get(ChannelFieldId::ScanAdd) ? "" : "S",
                                    r.Get(ChannelFieldId::Power) ? "High" : "Low",
                                    GridRowLabel(record),
                                    "",
                                    "",
                                    "",
                                    ""};
    for (ChannelFieldId id : kExtraFields)
        row.push_back(std::to_string(r.Get(id)));
    return row;
}

} // namespace

const std::vector<std::string>& ChannelCsvColumns() {
    static const std::vector<std::string> columns = [] {
        std::vector<std::string> c = {
            "Location",  "Name",      "Frequency", "Duplex",       "Offset",     "Tone",
            "rToneFreq", "cToneFreq", "DtcsCode",  "DtcsPolarity", "RxDtcsCode", "CrossMode",
            "Mode",      "TStep",     "Skip",      "Power",        "Comment",    "URCALL",
            "RPT1CALL",  "RPT2CALL",  "DVCODE"};
        for (ChannelFieldId id : kExtraFields)
            c.emplace_back(ChannelField(id).name);
        return c;
    }();
    return columns;
}

std::string ExportChannelsCsv(const MemoryImage& image, const BandLimits& limits) {
    auto line = [](const std::vector<std::string>& fields) {
        std::string text;
        for (size_t i = 0; i < fields.size(); ++i)
            text += (i ? "," : "") + CsvField(fields[i]);
        return text + "\r\n";
    };
    std::string csv = line(ChannelCsvColumns());
    for (int record = 1; record <= 2 * kChannelsPerBand; ++record) {
        const ChannelRecord r = ChannelRecord::Load(image, record);
        if (IsValidChannel(r, limits))
            csv += line(ExportRow(r, record, limits));
    }
    return csv;
}

namespace {

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

// One data row, read through the header's column positions (any order, any case).
class CsvRow {
  public:
    CsvRow(const std::map<std::string, size_t>& columns, const std::vector<std::string>& fields)
        : m_columns(columns), m_fields(fields) {}

    bool Has(std::string_view name) const { return m_columns.contains(AsciiLower(name)); }
    std::string Get(std::string_view name) const { return std::string(Trimmed(Raw(name))); }
    std::string_view Raw(std::string_view name) const {
        const auto it = m_columns.find(AsciiLower(name));
        return it == m_columns.end() || it->second >= m_fields.size()
                   ? std::string_view()
                   : std::string_view(m_fields[it->second]);
    }

  private:
    const std::map<std::string, size_t>& m_columns;
    const std::vector<std::string>& m_fields;
};

// A plain decimal ("145.5", "145.500000"): digits, at most one point, nothing else.
std::optional<int64_t> MicroUnits(std::string_view text) {
    const size_t point = text.find('.');
    const std::string_view whole = text.substr(0, point);
    const std::string_view fraction = point == text.npos ? "" : text.substr(point + 1);
    auto digits = [](std::string_view s) {
        return std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
    };
    if (whole.empty() || whole.size() > 6 || !digits(whole) || !digits(fraction))
        return std::nullopt;
    int64_t value = 0;
    for (char c : whole)
        value = value * 10 + (c - '0');
    for (size_t i = 0; i < 6; ++i)
        value = value * 10 + (i < fraction.size() ? fraction[i] - '0' : 0);
    return value;
}

// A whole number of at most nine digits, nothing else.
std::optional<int64_t> WholeNumber(std::string_view text) {
    if (text.empty() || text.size() > 9 || text.find_first_not_of("0123456789") != text.npos)
        return std::nullopt;
    int64_t value = 0;
    for (char c : text)
        value = value * 10 + (c - '0');
    return value;
}

// MHz text as a frequency value on the radio's channel steps. Empty when it is no number or
// does not fit the field; `adapted` says why the value differs from the text.
std::optional<int32_t> FrequencyFromMhz(std::string_view text, std::string& adapted) {
    const auto micro = MicroUnits(text);
    const size_t point = text.find('.');
    const bool beyondMicro = point != text.npos && text.size() - point - 1 > 6 &&
                             text.find_first_not_of('0', point + 7) != text.npos;
    if (!micro || *micro / 10 > kMaxFieldValue)
        return std::nullopt;
    const auto exact = static_cast<int32_t>(*micro / 10);
    const int32_t snapped = SnapToStep(exact);
    if (snapped != exact || *micro % 10 != 0 || beyondMicro)
        adapted = Mhz(snapped) + " MHz（按信道步进调整 " + std::string(text) + "）";
    return snapped;
}

struct ParsedRow {
    int line = 0;
    int location = 0; // 0: the first empty record of its band
    ChannelRecord record;
    std::vector<std::string> adapted;
    std::string problem;
};

std::string ToneOfColumns(const CsvRow& row, std::string& problem, std::string& adapted,
                          TonePair& pair) {
    ToneColumns c;
    auto take = [&](std::string& field, std::string_view name) {
        if (row.Has(name))
            field = row.Get(name);
    };
    take(c.tone, "Tone");
    take(c.rToneFreq, "rToneFreq");
    take(c.cToneFreq, "cToneFreq");
    take(c.dtcsCode, "DtcsCode");
    take(c.dtcsPolarity, "DtcsPolarity");
    take(c.rxDtcsCode, "RxDtcsCode");
    take(c.crossMode, "CrossMode");
    pair = TonesFromColumns(c, problem, adapted);
    return problem;
}

// The transmit frequency of the Duplex and Offset columns; `off` when transmit is off.
bool TransmitOf(const CsvRow& row, int32_t rx, int32_t& tx, bool& off, ParsedRow& parsed) {
    const std::string duplex = AsciiLower(row.Get("Duplex"));
    off = duplex == "off";
    if (duplex.empty() || off) {
        tx = rx;
        return true;
    }
    if (duplex != "+" && duplex != "-" && duplex != "split") {
        parsed.problem = "不支持 Duplex \"" + row.Get("Duplex") + "\"";
        return false;
    }
    std::string adapted;
    const auto offset = FrequencyFromMhz(row.Get("Offset"), adapted);
    const int64_t value = !offset             ? -1
                          : duplex == "split" ? int64_t{*offset}
                          : duplex == "+"     ? int64_t{rx} + *offset
                                              : int64_t{rx} - *offset;
    if (value <= 0 || value > kMaxFieldValue) {
        parsed.problem = "发射频率无效（Offset \"" + row.Get("Offset") + "\"）";
        return false;
    }
    if (!adapted.empty())
        parsed.adapted.push_back("发射 " + adapted);
    tx = static_cast<int32_t>(value);
    return true;
}

void SetOptions(const CsvRow& row, ParsedRow& parsed) {
    ChannelRecord& r = parsed.record;
    const std::string mode = AsciiLower(row.Get("Mode"));
    if (!mode.empty() && mode != "fm" && mode != "nfm")
        parsed.problem = "不支持模式 \"" + row.Get("Mode") + "\"";
    r.Set(ChannelFieldId::Bandwidth, mode == "nfm" ? 0 : 1);
    r.Set(ChannelFieldId::ScanAdd, AsciiLower(row.Get("Skip")) == "s" ? 0 : 1);
    const std::string power = AsciiLower(row.Get("Power"));
    if (!power.empty() && power != "high" && power != "low")
        parsed.adapted.push_back("功率 \"" + row.Get("Power") + "\" 改为 High");
    r.Set(ChannelFieldId::Power, power == "low" ? 0 : 1);
}

void SetExtraFields(const CsvRow& row, ParsedRow& parsed) {
    for (ChannelFieldId id : kExtraFields) {
        const FieldSpec& field = ChannelField(id);
        if (!row.Has(field.name))
            continue;
        const std::string text = row.Get(field.name);
        const auto value = WholeNumber(text);
        const int64_t limit = field.encoding == FieldEncoding::Frequency
                                  ? kMaxFieldValue
                                  : (int64_t{1} << field.width) - 1;
        if (value && *value <= limit)
            parsed.record.Set(id, static_cast<uint32_t>(*value));
        else if (!text.empty())
            parsed.adapted.push_back(std::string(field.name) + " \"" + text + "\" 无效，未采用");
    }
}

void SetName(const CsvRow& row, ParsedRow& parsed) {
    const std::string name(row.Raw("Name"));
    std::string kept;
    for (char c : name)
        if (c >= 0x20 && c < 0x7F && kept.size() < 7)
            kept += c;
    if (kept != name)
        parsed.adapted.push_back("名字 \"" + name + "\" 改为 \"" + kept + "\"");
    parsed.record.SetName(kept);
}

ParsedRow ParseRow(const CsvRow& row, int line, const BandLimits& limits) {
    ParsedRow parsed;
    parsed.line = line;
    parsed.record = ChannelRecord::Cleared();
    const auto location = WholeNumber(row.Get("Location"));
    if (location && *location >= 1 && *location <= 2 * kChannelsPerBand)
        parsed.location = static_cast<int>(*location);
    std::string adapted;
    const auto rx = FrequencyFromMhz(row.Get("Frequency"), adapted);
    if (!rx || limits.BandOf(*rx) == -1) {
        parsed.problem = "频率 \"" + row.Get("Frequency") + "\" 不在工作频段内";
        return parsed;
    }
    if (!adapted.empty())
        parsed.adapted.push_back("接收 " + adapted);
    int32_t tx = *rx;
    bool txOff = false;
    if (!TransmitOf(row, *rx, tx, txOff, parsed))
        return parsed;
    ChannelRecord& r = parsed.record;
    r.SetRxFreq(*rx);
    if (txOff)
        r.SetNoTxFreq();
    else
        r.SetTxFreq(tx);
    DeriveShift(r, *rx, tx, txOff, limits);
    if (txOff)
        r.Set(ChannelFieldId::BusyLock, 0);
    TonePair tones;
    std::string toneAdapted;
    if (!ToneOfColumns(row, parsed.problem, toneAdapted, tones).empty())
        return parsed;
    if (!toneAdapted.empty())
        parsed.adapted.push_back(toneAdapted);
    const auto [txLow, txHigh] = EncodeToneCode(tones.tx);
    const auto [rxLow, rxHigh] = EncodeToneCode(tones.rx);
    r.SetTxTone(txLow, txHigh);
    r.SetRxTone(rxLow, rxHigh);
    SetOptions(row, parsed);
    SetName(row, parsed);
    SetExtraFields(row, parsed);
    return parsed;
}

// Copies the reserved bytes of the record it replaces, which no editor writes.
void StoreKeepingReserved(ChannelRecord record, MemoryImage& image, int target) {
    const ChannelRecord old = ChannelRecord::Load(image, target);
    for (ChannelFieldId id :
         {ChannelFieldId::Reserved14, ChannelFieldId::Reserved20, ChannelFieldId::Reserved21,
          ChannelFieldId::Reserved22, ChannelFieldId::Reserved31}) {
        const FieldSpec& f = ChannelField(id);
        for (int k = 0; k < f.size; ++k)
            record.Bytes()[f.offset + k] = old.Bytes()[f.offset + k];
    }
    record.Store(image, target);
}

int FirstEmptyRecord(const MemoryImage& image, const BandLimits& limits, int band,
                     const std::vector<bool>& taken) {
    for (int n = 1; n <= kChannelsPerBand; ++n) {
        const int record = band * kChannelsPerBand + n;
        if (!taken[record] && !IsValidChannel(ChannelRecord::Load(image, record), limits))
            return record;
    }
    return 0;
}

void Place(std::vector<ParsedRow>& parsed, CsvImportResult& result, MemoryImage& image,
           const BandLimits& limits) {
    std::vector<bool> taken(2 * kChannelsPerBand + 1, false);
    std::vector<CsvRowReport> reports(parsed.size());
    // Rows with a location first, so the rows without one fill what is left.
    for (bool located : {true, false}) {
        for (size_t i = 0; i < parsed.size(); ++i) {
            ParsedRow& row = parsed[i];
            CsvRowReport& report = reports[i];
            if (!row.problem.empty() || (row.location != 0) != located)
                continue;
            const int band = limits.BandOf(row.record.RxFreq());
            const int target =
                located ? row.location : FirstEmptyRecord(image, limits, band, taken);
            if (target == 0)
                row.problem = std::string("频段 ") + (band ? "B" : "A") + " 已没有空信道";
            else if (taken[target])
                row.problem = "位置 " + std::to_string(target) + " 在前面的行中已用过";
            if (!row.problem.empty())
                continue;
            taken[target] = true;
            StoreKeepingReserved(row.record, image, target);
            report.record = target;
        }
    }
    for (size_t i = 0; i < parsed.size(); ++i) {
        CsvRowReport& report = reports[i];
        report.line = parsed[i].line;
        if (!parsed[i].problem.empty()) {
            report.outcome = CsvRowOutcome::Skipped;
            report.reasons = {parsed[i].problem};
        } else {
            report.outcome =
                parsed[i].adapted.empty() ? CsvRowOutcome::Imported : CsvRowOutcome::Adapted;
            report.reasons = parsed[i].adapted;
        }
    }
    result.rows = std::move(reports);
}

} // namespace

int CsvImportResult::Count(CsvRowOutcome outcome) const {
    return static_cast<int>(std::count_if(
        rows.begin(), rows.end(), [&](const CsvRowReport& r) { return r.outcome == outcome; }));
}

CsvImportResult ImportChannelsCsv(std::string_view text, MemoryImage& image,
                                  const BandLimits& limits) {
    CsvImportResult result;
    CsvParseError error;
    const auto table = ParseCsv(text, error);
    if (!table) {
        result.error = "第 " + std::to_string(error.line) + " 行不是正确的 CSV：" + error.what;
        return result;
    }
    std::map<std::string, size_t> columns;
    if (!table->rows.empty())
        for (size_t i = 0; i < table->rows[0].size(); ++i)
            columns.emplace(AsciiLower(Trimmed(table->rows[0][i])), i);
    if (!columns.contains("frequency")) {
        result.error = "不是信道列表：第一行没有 Frequency 列";
        return result;
    }
    std::vector<ParsedRow> parsed;
    for (size_t i = 1; i < table->rows.size(); ++i)
        parsed.push_back(ParseRow(CsvRow(columns, table->rows[i]), table->lines[i], limits));
    MemoryImage updated = image;
    Place(parsed, result, updated, limits);
    FinaliseImage(updated, limits);
    image = updated;
    return result;
}

std::string DescribeImport(const CsvImportResult& result) {
    if (!result.error.empty())
        return result.error + "\n";
    std::string text = "导入 " + std::to_string(result.Count(CsvRowOutcome::Imported)) +
                       " 行，调整 " + std::to_string(result.Count(CsvRowOutcome::Adapted)) +
                       " 行，跳过 " + std::to_string(result.Count(CsvRowOutcome::Skipped)) +
                       " 行\n";
    for (const CsvRowReport& row : result.rows) {
        if (row.outcome == CsvRowOutcome::Imported)
            continue;
        text += "第 " + std::to_string(row.line) + " 行";
        text += row.outcome == CsvRowOutcome::Skipped
                    ? "跳过："
                    : "（" + GridRowLabel(row.record) + "）调整：";
        for (size_t i = 0; i < row.reasons.size(); ++i)
            text += (i ? "；" : "") + row.reasons[i];
        text += "\n";
    }
    return text;
}

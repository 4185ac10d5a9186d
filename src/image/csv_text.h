#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Comma-separated text as spreadsheets write it: fields may be quoted ("a ""b"", c"), quoted
// fields may hold commas and line breaks, lines end in LF or CRLF, a UTF-8 byte-order mark at
// the start is ignored.
struct CsvTable {
    std::vector<std::vector<std::string>> rows;
    std::vector<int> lines; // the line each row starts on, from 1
};

struct CsvParseError {
    int line = 0;
    std::string what;
};

// The whole text, or where it stops being CSV (an unclosed quote, text after a closing quote).
// Lines whose fields are all empty are left out.
std::optional<CsvTable> ParseCsv(std::string_view text, CsvParseError& error);

// The field as CSV: quoted when it holds a comma, a quote, or a line break.
std::string CsvField(std::string_view text);

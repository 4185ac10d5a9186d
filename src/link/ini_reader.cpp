#include "link/ini_reader.h"

#include <algorithm>
#include <fstream>

namespace {

std::string_view Trim(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

bool SameIgnoringCase(std::string_view a, std::string_view b) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [&](char x, char y) { return lower(x) == lower(y); });
}

std::string Unquote(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front())
        value = value.substr(1, value.size() - 2);
    return std::string(value);
}

} // namespace

std::optional<std::string> ReadIniValue(const std::filesystem::path& file, std::string_view section,
                                        std::string_view key) {
    std::ifstream in(file);
    bool inSection = false;
    for (std::string raw; std::getline(in, raw);) {
        const std::string_view line = Trim(raw);
        if (line.starts_with('[')) {
            const size_t close = line.find(']');
            inSection = close != std::string_view::npos &&
                        SameIgnoringCase(Trim(line.substr(1, close - 1)), section);
            continue;
        }
        const size_t equals = line.find('=');
        if (!inSection || line.starts_with(';') || equals == std::string_view::npos)
            continue;
        if (SameIgnoringCase(Trim(line.substr(0, equals)), key))
            return Unquote(Trim(line.substr(equals + 1)));
    }
    return std::nullopt;
}

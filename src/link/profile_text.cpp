#include "link/profile_text.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <vector>

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\v' || c == '\f' || c == '\r' || c == '\n';
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

bool SameIgnoringCase(std::string_view a, std::string_view b) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [&](char x, char y) { return lower(x) == lower(y); });
}

struct ProfileLine {
    enum Kind { Other, Section, Key } kind = Other;
    std::string_view name;
    std::string_view value;
};

ProfileLine Classify(std::string_view raw) {
    const std::string_view line = Trim(raw);
    if (line.starts_with('[')) {
        const size_t close = line.find(']');
        return {
            ProfileLine::Section, Trim(line.substr(1, close == line.npos ? close : close - 1)), {}};
    }
    const size_t equals = line.find('=');
    if (line.starts_with(';') || equals == line.npos)
        return {};
    return {ProfileLine::Key, Trim(line.substr(0, equals)), Trim(line.substr(equals + 1))};
}

// Where a key stands in the text: its section's header line, the key's own line and the
// section's last non-empty line (-1 where there is none).
struct KeyPlace {
    int section = -1;
    int key = -1;
    int lastInSection = -1;
};

KeyPlace FindKey(const std::vector<std::string_view>& lines, std::string_view section,
                 std::string_view key) {
    KeyPlace place;
    for (int i = 0; i < static_cast<int>(lines.size()); ++i) {
        const ProfileLine line = Classify(lines[i]);
        if (line.kind == ProfileLine::Section) {
            if (place.section >= 0)
                break;
            if (SameIgnoringCase(line.name, section))
                place.section = place.lastInSection = i;
        } else if (place.section >= 0) {
            if (line.kind == ProfileLine::Key && SameIgnoringCase(line.name, key)) {
                place.key = i;
                break;
            }
            if (!Trim(lines[i]).empty())
                place.lastInSection = i;
        }
    }
    return place;
}

// The lines without their line ends; a last line end adds no empty line.
struct Lines {
    std::vector<std::string_view> text;
    std::vector<std::string_view> ends; // "\r\n", "\n" or, for a last line without one, ""
};

Lines SplitLines(std::string_view text) {
    Lines lines;
    while (!text.empty()) {
        const size_t newline = text.find('\n');
        size_t end = newline == text.npos ? text.size() : newline;
        // Only a carriage return before a line feed belongs to the line end.
        if (newline != text.npos && end > 0 && text[end - 1] == '\r')
            --end;
        const size_t next = newline == text.npos ? text.size() : newline + 1;
        lines.text.push_back(text.substr(0, end));
        lines.ends.push_back(text.substr(end, next - end));
        text.remove_prefix(next);
    }
    return lines;
}

std::string Unquote(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front())
        value = value.substr(1, value.size() - 2);
    return std::string(value);
}

} // namespace

std::optional<std::string> ProfileValue(std::string_view text, std::string_view section,
                                        std::string_view key) {
    const std::vector<std::string_view> lines = SplitLines(text).text;
    const KeyPlace place = FindKey(lines, section, key);
    if (place.key < 0)
        return std::nullopt;
    return Unquote(Classify(lines[place.key]).value);
}

std::string WithProfileValue(std::string_view text, std::string_view section, std::string_view key,
                             std::string_view value) {
    Lines lines = SplitLines(text);
    const KeyPlace place = FindKey(lines.text, section, key);
    const std::string entry = std::string(key) + '=' + std::string(value);
    const std::string header = '[' + std::string(section) + ']';
    // New lines end like the text's first line; every other line keeps its own end.
    const std::string_view eol =
        lines.ends.empty() || lines.ends[0].empty() ? "\r\n" : lines.ends[0];
    if (place.key >= 0) {
        lines.text[place.key] = entry;
    } else if (place.section >= 0) {
        lines.text.insert(lines.text.begin() + place.lastInSection + 1, entry);
        lines.ends.insert(lines.ends.begin() + place.lastInSection + 1, eol);
    } else {
        lines.text.insert(lines.text.end(), {header, entry});
        lines.ends.insert(lines.ends.end(), {eol, eol});
    }
    std::string out;
    for (size_t i = 0; i < lines.text.size(); ++i) {
        // A last line without an end gets one when a line now follows it.
        const bool needsEnd = lines.ends[i].empty() && i + 1 < lines.text.size();
        out.append(lines.text[i]).append(needsEnd ? eol : lines.ends[i]);
    }
    return out;
}

std::optional<std::string> ReadIniValue(const std::filesystem::path& file, std::string_view section,
                                        std::string_view key) {
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return std::nullopt;
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    return ProfileValue(text, section, key);
}

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
std::vector<std::string_view> SplitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const size_t end = std::min(text.find('\n'), text.size());
        std::string_view line = text.substr(0, end);
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        lines.push_back(line);
        text.remove_prefix(std::min(end + 1, text.size()));
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
    const std::vector<std::string_view> lines = SplitLines(text);
    const KeyPlace place = FindKey(lines, section, key);
    if (place.key < 0)
        return std::nullopt;
    return Unquote(Classify(lines[place.key]).value);
}

std::string WithProfileValue(std::string_view text, std::string_view section, std::string_view key,
                             std::string_view value) {
    std::vector<std::string_view> lines = SplitLines(text);
    const KeyPlace place = FindKey(lines, section, key);
    const std::string entry = std::string(key) + '=' + std::string(value);
    const std::string header = '[' + std::string(section) + ']';
    if (place.key >= 0)
        lines[place.key] = entry;
    else if (place.section >= 0)
        lines.insert(lines.begin() + place.lastInSection + 1, entry);
    else
        lines.insert(lines.end(), {header, entry});
    const std::string_view eol = text.empty() || text.find("\r\n") != text.npos ? "\r\n" : "\n";
    std::string out;
    for (std::string_view line : lines)
        out.append(line).append(eol);
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

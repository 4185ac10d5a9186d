// The settings file: any text, one key written into it. The key reads back as written and no
// other line changes.
#include "fuzz_support.h"

#include "link/profile_text.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace {

// The lines with their line ends.
std::vector<std::string_view> Lines(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const size_t next = std::min(text.find('\n'), text.size() - 1) + 1;
        lines.push_back(text.substr(0, next));
        text.remove_prefix(next);
    }
    return lines;
}

// The kept line, or the old last line that got a line end because a line now follows it.
bool Kept(std::string_view before, std::string_view after) {
    return after == before ||
           (!before.ends_with('\n') && after.starts_with(before) &&
            (after.substr(before.size()) == "\n" || after.substr(before.size()) == "\r\n"));
}

// Names and values the program writes: no line breaks, no blanks at the ends, no '=' or ']'
// in names, no quotes around a value.
bool Writable(std::string_view s, bool name) {
    for (char c : s)
        if (c == '\r' || c == '\n' || c == '\0' || (name && (c == '=' || c == ']' || c == ';')))
            return false;
    auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\v' || c == '\f'; };
    if (!s.empty() && (blank(s.front()) || blank(s.back())))
        return false;
    if (name && (s.empty() || s.front() == '['))
        return false;
    return s.size() < 2 || !((s.front() == '"' || s.front() == '\'') && s.back() == s.front());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // Layout: section, key and value, each ended by a 0 byte, then the file's text.
    const std::string_view all(reinterpret_cast<const char*>(data), size);
    std::string_view parts[3];
    size_t at = 0;
    for (std::string_view& part : parts) {
        const size_t end = all.find('\0', at);
        if (end == std::string_view::npos)
            return 0;
        part = all.substr(at, end - at);
        at = end + 1;
    }
    const std::string_view text = all.substr(at);
    const auto [section, key, value] = parts;
    ProfileValue(text, section, key);
    if (!Writable(section, true) || !Writable(key, true) || !Writable(value, false))
        return 0;

    const std::string written = WithProfileValue(text, section, key, value);
    FUZZ_CHECK(ProfileValue(written, section, key) == std::string(value));
    // Either one line was replaced, or one or two were added around the kept ones.
    const auto before = Lines(text);
    const auto after = Lines(written);
    if (after.size() == before.size()) {
        size_t differing = 0;
        for (size_t i = 0; i < before.size(); ++i)
            differing += !Kept(before[i], after[i]);
        FUZZ_CHECK(differing <= 1);
    } else {
        size_t kept = 0;
        for (size_t j = 0; j < after.size() && kept < before.size(); ++j)
            if (Kept(before[kept], after[j]))
                ++kept;
        FUZZ_CHECK(kept == before.size() && after.size() <= before.size() + 2);
    }
    return 0;
}

#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

// Private-profile text such as Program.ini, with one reading of what a line is for reading
// and writing alike. A line whose first non-blank character is '[' opens a section named by
// the text up to ']' (or up to the line's end); a line holding '=' that is not a ';' comment
// is a key. Sections and keys match without regard to ASCII case; the first section of a name
// and the first key of a name in it count. Blanks around names and values are dropped, and so
// is one pair of quotes around a value.
std::optional<std::string> ProfileValue(std::string_view text, std::string_view section,
                                        std::string_view key);
// The text with the key's line replaced, or the key added after the last non-empty line of its
// section, or the section added at the end; every other line keeps its bytes, line end included.
// New lines end like the text's first line (CRLF when it has no line end).
std::string WithProfileValue(std::string_view text, std::string_view section, std::string_view key,
                             std::string_view value);

// ProfileValue of a file; empty when the file cannot be read.
std::optional<std::string> ReadIniValue(const std::filesystem::path& file, std::string_view section,
                                        std::string_view key);

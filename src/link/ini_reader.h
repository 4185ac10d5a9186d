#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

// One value of an INI file with private-profile rules: sections and keys match without
// regard to ASCII case, the first match wins, blanks around the value are dropped and so
// is one pair of surrounding quotes. Empty when the file, section or key is missing.
std::optional<std::string> ReadIniValue(const std::filesystem::path& file, std::string_view section,
                                        std::string_view key);

#pragma once

#include <string>
#include <string_view>

// Case folding of ASCII letters only; other bytes (UTF-8 included) stay as they are.
inline std::string AsciiLower(std::string_view text) {
    std::string lower(text);
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return lower;
}

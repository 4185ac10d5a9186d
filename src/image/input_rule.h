#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Which characters an edit takes from the user; some filters also upper-case letters.
enum class KeyFilter {
    Any,          // every character
    AnyUpper,     // every character, letters upper-cased
    Printable,    // printable ASCII
    Digits,       // 0-9
    SignedDigits, // 0-9 and '-'
    HexDigits,    // 0-9, a-f, A-F, letters upper-cased
    Frequency,    // 0-9 and '.'
    ChannelLabel, // 0-9, A, B, a, b
    Dtmf,         // 0-9, A-D, * and #, typed in either case, upper-cased
};

// What the user may put into one edit: its characters and the length the user may bring the
// text to (0: no limit). Texts the program sets are not bound by it.
struct TextRule {
    KeyFilter keys = KeyFilter::Any;
    int maxLength = 0;
};

// The character as the edit takes it (upper-cased where the filter does that), 0 when the
// filter drops it.
char32_t FilterKeyChar(KeyFilter filter, char32_t c);
std::u32string FilterText(KeyFilter filter, std::u32string_view text);

struct UserEdit {
    std::u32string text;
    size_t cursor; // in characters
};

// The user changed the text `before` into `after` (by typing, pasting, dropping or an input
// method) and left the cursor at `cursor`. The characters the change brought in pass the
// filter, and only as many as the length leaves room for beside the characters kept; what was
// removed stays removed. Returns the text the edit shows and where its cursor goes.
UserEdit FilterUserEdit(const TextRule& rule, std::u32string_view before, std::u32string_view after,
                        size_t cursor);

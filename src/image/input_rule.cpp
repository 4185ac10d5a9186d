#include "image/input_rule.h"

#include <algorithm>

namespace {

bool InRange(char32_t c, char32_t low, char32_t high) {
    return c >= low && c <= high;
}

char32_t Upper(char32_t c) {
    return InRange(c, U'a', U'z') ? c - U'a' + U'A' : c;
}

bool IsDigit(char32_t c) {
    return InRange(c, U'0', U'9');
}

bool Accepts(KeyFilter filter, char32_t c) {
    switch (filter) {
    case KeyFilter::Any:
    case KeyFilter::AnyUpper:
        return true;
    case KeyFilter::Printable:
        return InRange(c, 0x20, 0x7E);
    case KeyFilter::Digits:
        return IsDigit(c);
    case KeyFilter::SignedDigits:
        return IsDigit(c) || c == U'-';
    case KeyFilter::HexDigits:
        return IsDigit(c) || InRange(Upper(c), U'A', U'F');
    case KeyFilter::Frequency:
        return IsDigit(c) || c == U'.';
    case KeyFilter::ChannelLabel:
        return IsDigit(c) || InRange(Upper(c), U'A', U'B');
    case KeyFilter::Dtmf:
        return IsDigit(c) || InRange(Upper(c), U'A', U'D') || c == U'*' || c == U'#';
    }
    return false;
}

bool UpperCases(KeyFilter filter) {
    return filter == KeyFilter::AnyUpper || filter == KeyFilter::HexDigits ||
           filter == KeyFilter::Dtmf;
}

size_t CommonPrefix(std::u32string_view a, std::u32string_view b) {
    const auto [ia, ib] = std::mismatch(a.begin(), a.end(), b.begin(), b.end());
    return static_cast<size_t>(ia - a.begin());
}

size_t CommonSuffix(std::u32string_view a, std::u32string_view b) {
    const auto [ia, ib] = std::mismatch(a.rbegin(), a.rend(), b.rbegin(), b.rend());
    return static_cast<size_t>(ia - a.rbegin());
}

} // namespace

char32_t FilterKeyChar(KeyFilter filter, char32_t c) {
    if (!Accepts(filter, c))
        return 0;
    return UpperCases(filter) ? Upper(c) : c;
}

std::u32string FilterText(KeyFilter filter, std::u32string_view text) {
    std::u32string out;
    for (char32_t c : text)
        if (const char32_t kept = FilterKeyChar(filter, c))
            out += kept;
    return out;
}

UserEdit FilterUserEdit(const TextRule& rule, std::u32string_view before, std::u32string_view after,
                        size_t cursor) {
    cursor = std::min(cursor, after.size());
    // The text behind the cursor normally is what stayed behind the change; when it is not
    // (an input method placed the cursor elsewhere), the common tail decides.
    size_t suffix = after.size() - cursor;
    if (suffix > before.size() || !before.ends_with(after.substr(cursor)))
        suffix = CommonSuffix(before, after);
    suffix = std::min({suffix, before.size(), after.size()});
    const size_t prefix =
        std::min(CommonPrefix(before, after), std::min(before.size(), after.size()) - suffix);
    const size_t insertedLength = after.size() - prefix - suffix;
    std::u32string inserted = FilterText(rule.keys, after.substr(prefix, insertedLength));
    if (rule.maxLength > 0) {
        const size_t limit = static_cast<size_t>(rule.maxLength), kept = prefix + suffix;
        inserted.resize(std::min(inserted.size(), kept < limit ? limit - kept : 0));
    }
    std::u32string text(after.substr(0, prefix));
    text += inserted;
    text += after.substr(after.size() - suffix);
    const size_t newCursor = text == after ? cursor : prefix + inserted.size();
    return {std::move(text), newCursor};
}

#pragma once

#include <string>
#include <string_view>

// Reads the leading number of an edit's text in base 10 or 16: leading blanks and a sign are
// skipped and reading stops at the first character that cannot continue the number. Text
// without digits reads as 0; a number too large for an int saturates.
int ReadNumberText(std::string_view text, int base);
// "%d" or "%x" (lower case, no prefix).
std::string FormatNumberText(int value, int base);

// The edit's number clamped into [minimum, maximum], written back in the same base.
std::string ClampNumberText(std::string_view text, int minimum, int maximum, int base);
// One spin step (+1 or -1) from the edit's number: a result outside the range wraps to the
// minimum going up and to the maximum going down.
std::string StepNumberText(std::string_view text, int step, int minimum, int maximum, int base);

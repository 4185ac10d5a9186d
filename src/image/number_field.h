#pragma once

#include "image/region_layout.h"

#include <cstdint>
#include <string>
#include <string_view>

// The rules of a number shown in an edit with a spin (see NumberRule). Values are kept in
// int64_t and parsed values are bounded, so no text can overflow the arithmetic.

// The edit's text as a value; text that is not a number, or does not fit, reads as 0.
int64_t ParseNumberText(const NumberRule& rule, std::string_view text);
// Rounded down to a multiple of roundTo, then the fallback (or clamp) when out of range.
int64_t NormaliseNumber(const NumberRule& rule, int64_t value);
// One spin step up (direction > 0) or down; past either end the value wraps to the other.
int64_t StepNumber(const NumberRule& rule, int64_t value, int direction);
std::string FormatNumber(const NumberRule& rule, int64_t value);

int64_t NumberFromStored(const NumberRule& rule, uint8_t stored);
uint8_t StoredFromNumber(const NumberRule& rule, int64_t value);

std::string NormaliseNumberText(const NumberRule& rule, std::string_view text);
std::string StepNumberText(const NumberRule& rule, std::string_view text, int direction);

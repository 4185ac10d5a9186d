#pragma once

#include "image/region_layout.h"

#include <vector>

// The optional-features editor's fields, absolute image offsets, in image order.
const std::vector<FieldSpec>& OptionalFeatureFields();

// Bytes the settings editors address (the optional features, DTMF and auto-dial tables).
constexpr int kSettingsBegin = 0x2040;
constexpr int kSettingsEnd = 0x2180;

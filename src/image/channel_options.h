#pragma once

#include "image/region_layout.h"

#include <array>
#include <span>

// The option lists of the channel dialogs: the record's option fields, whose items and
// fallback items come from the record table.
struct ChannelOption {
    ChannelFieldId field;
    int newChannel; // selected when a receive frequency is typed into an empty channel
};

constexpr int kChannelOptionCount = 9;
using ChannelOptionValues = std::array<int, kChannelOptionCount>; // -1 = nothing selected

std::span<const ChannelOption, kChannelOptionCount> ChannelOptions();
// Position of a field in ChannelOptions(), -1 when it is not an option of the dialogs.
int ChannelOptionIndex(ChannelFieldId field);

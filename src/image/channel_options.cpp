#include "image/channel_options.h"

std::span<const ChannelOption, kChannelOptionCount> ChannelOptions() {
    using F = ChannelFieldId;
    static constexpr ChannelOption options[kChannelOptionCount] = {
        {F::Power, 1},     {F::Bandwidth, 1}, {F::BusyLock, 0}, {F::SignalType, 0},   {F::Vox, 0},
        {F::VoiceMode, 0}, {F::PttId, 0},     {F::ScanAdd, 0},  {F::RepeaterMode, 0},
    };
    return std::span<const ChannelOption, kChannelOptionCount>(options);
}

int ChannelOptionIndex(ChannelFieldId field) {
    for (int i = 0; i < kChannelOptionCount; ++i)
        if (ChannelOptions()[i].field == field)
            return i;
    return -1;
}

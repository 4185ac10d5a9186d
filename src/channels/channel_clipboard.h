#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The channel grid on the clipboard: its cells as tab-separated text for spreadsheets and,
// when whole rows were copied, their records for pastes inside the program.
inline constexpr char kChannelsMimeType[] = "application/x-kestra-channels";

struct ClipboardChannels {
    std::string text;             // UTF-8
    std::vector<uint8_t> records; // whole 32-byte records, or empty
};

void PutChannelsOnClipboard(const ClipboardChannels& channels);
ClipboardChannels ChannelsOnClipboard();

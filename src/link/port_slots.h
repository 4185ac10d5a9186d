#pragma once

#include <filesystem>
#include <string>
#include <vector>

constexpr int kPortSlotCount = 16;

// One of the COM1..COM16 slots and the device behind it (empty when none is assigned).
struct PortSlot {
    int number = 0;
    std::string device;
};

// COM1..COM16 in order, resolved through `iniFile`'s [Ports] and the default devices.
std::vector<PortSlot> PortSlots(const std::filesystem::path& iniFile);

// The slots whose device path exists, each device once (under its first slot: two names
// for one device cannot be opened at the same time).
std::vector<PortSlot> ExistingPortSlots(const std::filesystem::path& iniFile);

bool DeviceExists(const std::string& device);

#include "link/port_slots.h"

#include "link/port_name.h"

#include <set>
#include <system_error>

std::vector<PortSlot> PortSlots(const std::filesystem::path& iniFile) {
    std::vector<PortSlot> ports;
    for (int number = 1; number <= kPortSlotCount; ++number)
        ports.push_back({number, ResolvePortDevice(PortNameForNumber(number), iniFile)});
    return ports;
}

std::vector<PortSlot> ExistingPortSlots(const std::filesystem::path& iniFile) {
    std::vector<PortSlot> existing;
    std::set<std::filesystem::path> seen;
    for (PortSlot& slot : PortSlots(iniFile)) {
        std::error_code ec;
        const auto target = std::filesystem::canonical(slot.device, ec);
        if (!slot.device.empty() && !ec && seen.insert(target).second)
            existing.push_back(std::move(slot));
    }
    return existing;
}

bool DeviceExists(const std::string& device) {
    std::error_code ec;
    return !device.empty() && std::filesystem::exists(device, ec);
}

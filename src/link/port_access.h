#pragma once

#include <optional>
#include <string>

// Why the process may not read and write a device, as far as the groups tell.
struct PortAccess {
    std::string device;
    std::string group;          // the device's group (its number when it has no name)
    std::string permissions;    // "rw-rw----"
    bool groupMayUse = false;   // the group has read and write permission
    bool inSession = false;     // the process holds the group now
    bool listedInGroup = false; // the group database lists the user (effective at next login)
};

// The facts when the device exists but reading and writing it is not permitted; nothing
// when it is permitted or fails for another reason.
std::optional<PortAccess> CheckPortAccess(const std::string& device);

// The details of "无法打开串口" for a refused device: why, and how to fix it.
std::string PermissionAdvice(const PortAccess& access);

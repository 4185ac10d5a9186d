#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>

// What the system reports about a serial device.
struct SerialDeviceInfo {
    std::optional<uint16_t> vendorId, productId;
    std::string manufacturer, description, serialNumber;
};

// The system's serial ports by device path. Pseudo-terminals are not listed.
using SerialDeviceTable = std::map<std::string, SerialDeviceInfo>;
SerialDeviceTable ListSerialDevices();

// The device's entry in the table, symbolic links followed.
std::optional<SerialDeviceInfo> LookUpSerialDevice(const SerialDeviceTable& table,
                                                   const std::string& device);

// "USB 1a86:7523 QinHeng USB Serial，序列号 A1B2": vendor and product, what it is, its serial
// number; the parts the system does not know are left out.
std::string DescribeSerialDevice(const SerialDeviceInfo& info);

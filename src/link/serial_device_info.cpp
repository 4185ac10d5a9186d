#include "link/serial_device_info.h"

#include <QSerialPortInfo>

#include <cstdio>
#include <filesystem>
#include <system_error>

SerialDeviceTable ListSerialDevices() {
    SerialDeviceTable table;
    for (const QSerialPortInfo& port : QSerialPortInfo::availablePorts()) {
        SerialDeviceInfo& info = table[port.systemLocation().toStdString()];
        if (port.hasVendorIdentifier())
            info.vendorId = port.vendorIdentifier();
        if (port.hasProductIdentifier())
            info.productId = port.productIdentifier();
        info.manufacturer = port.manufacturer().toStdString();
        info.description = port.description().toStdString();
        info.serialNumber = port.serialNumber().toStdString();
    }
    return table;
}

std::optional<SerialDeviceInfo> LookUpSerialDevice(const SerialDeviceTable& table,
                                                   const std::string& device) {
    std::error_code ec;
    const std::filesystem::path target = std::filesystem::canonical(device, ec);
    if (ec)
        return std::nullopt;
    const auto found = table.find(target.string());
    if (found == table.end())
        return std::nullopt;
    return found->second;
}

std::string DescribeSerialDevice(const SerialDeviceInfo& info) {
    std::string text;
    const auto append = [&text](const std::string& part, const char* separator) {
        if (part.empty())
            return;
        if (!text.empty())
            text += separator;
        text += part;
    };
    if (info.vendorId) {
        char ids[16];
        std::snprintf(ids, sizeof ids, "USB %04x:%04x", unsigned(*info.vendorId),
                      unsigned(info.productId.value_or(0)));
        text = ids;
    }
    append(info.manufacturer, " ");
    if (info.description != info.manufacturer)
        append(info.description, " ");
    append(info.serialNumber.empty() ? "" : "序列号 " + info.serialNumber, "，");
    return text;
}

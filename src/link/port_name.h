#pragma once

#include <filesystem>
#include <string>

// The port name of port number n: "COM1".."COM9", "\\.\COM10" and up.
std::string PortNameForNumber(int number);

// The port number a name like "COM3" or "\\.\COM12" stands for (the letters in any case),
// or 0 when it names no numbered port.
int PortNumberOf(const std::string& portName);

// The device to open for a port name. A device path is used as it is. On Linux a "COMn" key
// under [Ports] in `iniFile` wins; otherwise COM1-8 are /dev/ttyUSB0-7, COM9-12
// /dev/ttyACM0-3 and COM13-16 /dev/ttyS0-3. Empty when nothing stands behind the name.
std::string ResolvePortDevice(const std::string& portName, const std::filesystem::path& iniFile);

#include "link/port_name.h"

#include "link/profile_text.h"

#include <cctype>

std::string PortNameForNumber(int number) {
    const std::string name = "COM" + std::to_string(number);
    return number >= 10 ? "\\\\.\\" + name : name;
}

int PortNumberOf(const std::string& portName) {
    std::string_view name = portName;
    if (name.starts_with("\\\\.\\"))
        name.remove_prefix(4);
    if (name.size() < 4 || name.size() > 6 || std::toupper(name[0]) != 'C' ||
        std::toupper(name[1]) != 'O' || std::toupper(name[2]) != 'M')
        return 0;
    int number = 0;
    for (const char c : name.substr(3)) {
        if (c < '0' || c > '9')
            return 0;
        number = number * 10 + (c - '0'); // at most three digits: no overflow
    }
    return number;
}

static std::string DefaultDevice(int number) {
    if (number >= 1 && number <= 8)
        return "/dev/ttyUSB" + std::to_string(number - 1);
    if (number >= 9 && number <= 12)
        return "/dev/ttyACM" + std::to_string(number - 9);
    if (number >= 13 && number <= 16)
        return "/dev/ttyS" + std::to_string(number - 13);
    return {};
}

std::string ResolvePortDevice(const std::string& portName, const std::filesystem::path& iniFile) {
#ifdef _WIN32
    (void)iniFile;
    return portName;
#else
    if (portName.find('/') != std::string::npos)
        return portName;
    const int number = PortNumberOf(portName);
    if (number <= 0)
        return {};
    if (auto mapped = ReadIniValue(iniFile, "Ports", "COM" + std::to_string(number));
        mapped && !mapped->empty())
        return *mapped;
    return DefaultDevice(number);
#endif
}

#include "service_test_support.h"

#include "../app/app_test_support.h"

#include "app/app_globals.h"

SimulatedRadio::SimulatedRadio(const MemoryImage& memory, SimulatorFault fault)
    : simulator(memory, SimulatorOptions{false, fault}) {}

bool SimulatedRadio::Start(const TestHome& home) {
    std::string error;
    if (!simulator.Start(error))
        return false;
    g_portName = "COM1";
    return home.WriteFile(
        "Program.ini", "[Ports]\nCOM1=" + QByteArray::fromStdString(simulator.DevicePath()) + "\n");
}

QByteArray SimulatedRadio::Sent() const {
    const std::vector<uint8_t> bytes = simulator.Received();
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size()));
}

MemoryImage PatternedRadioMemory() {
    MemoryImage memory;
    for (int offset = 0x3E00; offset < 0x3F70; ++offset)
        memory.SetByte(offset, static_cast<uint8_t>(offset * 7 + 3));
    return memory;
}

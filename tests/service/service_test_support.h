#pragma once

#include "link/radio_simulator.h"

#include <QByteArray>

class TestHome;

// A simulated radio behind COM1 of the test's program directory.
struct SimulatedRadio {
    explicit SimulatedRadio(const MemoryImage& memory, SimulatorFault fault = {});
    bool Start(const TestHome& home);
    // Every byte the program sent to the radio so far.
    QByteArray Sent() const;
    RadioSimulator simulator;
};

// A radio memory whose service regions hold a recognisable pattern.
MemoryImage PatternedRadioMemory();

#pragma once

#include "link/radio_simulator.h"

class TestHome;

// A simulated radio behind COM1 of the test's program directory.
struct SimulatedRadio {
    explicit SimulatedRadio(const MemoryImage& memory, SimulatorFault fault = {});
    bool Start(const TestHome& home);
    RadioSimulator simulator;
};

// A radio memory whose service regions hold a recognisable pattern.
MemoryImage PatternedRadioMemory();

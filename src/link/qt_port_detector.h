#pragma once

#include "link/port_detector.h"

// Runs every task on a QThread of its own (QSerialPort needs one) and waits for them all.
void RunOnQThreads(const std::vector<std::function<void()>>& tasks);

// Detection over real serial ports, all probed at once.
Detection DetectRadioOnSerialPorts(const std::vector<PortSlot>& ports);

// Times port detection without a radio over 1, 4 and 16 silent pseudo-terminals, and with a
// radio among 15 silent ones: every port is probed at once, so the time should not grow
// with the number of ports and should stay under 1.5 s.
#include "image/memory_image.h"
#include "link/pty_line.h"
#include "link/qt_port_detector.h"
#include "link/radio_simulator.h"

#include <QCoreApplication>

#include <chrono>
#include <cstdio>
#include <memory>

namespace {

constexpr double kLimitMs = 1500.0;

// Detection over `silentCount` silent lines and, when given, a radio after them.
bool TimeDetection(int silentCount, const RadioSimulator* radio) {
    std::vector<std::unique_ptr<PtyLine>> lines;
    std::vector<PortSlot> ports;
    for (int i = 0; i < silentCount; ++i) {
        std::string error;
        lines.push_back(std::make_unique<PtyLine>());
        if (!lines.back()->Open(error)) {
            std::fprintf(stderr, "cannot open a pseudo-terminal: %s\n", error.c_str());
            return false;
        }
        ports.push_back({i + 1, lines.back()->DevicePath()});
    }
    if (radio)
        ports.push_back({silentCount + 1, radio->DevicePath()});
    const auto start = std::chrono::steady_clock::now();
    const Detection detection = DetectRadioOnSerialPorts(ports);
    const double ms =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    const bool found = detection.Found() != nullptr;
    std::printf("  %2d silent%s  %7.1f ms  %s  %s\n", silentCount, radio ? " + radio" : "        ",
                ms, found ? "found" : "none ", ms <= kLimitMs ? "ok" : "OVER 1.5 s");
    return found == (radio != nullptr);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    std::printf("port detection (limit %.0f ms)\n", kLimitMs);
    bool ok = TimeDetection(1, nullptr) && TimeDetection(4, nullptr) && TimeDetection(16, nullptr);
    MemoryImage memory;
    RadioSimulator radio(memory);
    std::string error;
    if (!radio.Start(error)) {
        std::fprintf(stderr, "cannot start the simulator: %s\n", error.c_str());
        return 1;
    }
    ok = TimeDetection(15, &radio) && ok;
    return ok ? 0 : 1;
}

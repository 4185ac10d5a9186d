// Times a complete clone read and write against the simulated radio, paced at 9600 baud
// and unpaced, and compares them with the time the bytes need on the line.
#include "image/memory_image.h"
#include "link/clone_transfer.h"
#include "link/qt_serial_link.h"
#include "link/radio_simulator.h"
#include "link/transfer_observer.h"

#include <QCoreApplication>

#include <chrono>
#include <cstdio>

namespace {

class SilentObserver : public TransferObserver {
  public:
    void ShowMessage(const std::string& message, const std::string&) override {
        m_message = message;
    }
    void SetButtonsEnabled(bool) override {}
    void SetProgress(int, const std::string&) override {}
    void Close() override {}
    std::string m_message;
};

constexpr double kHandshakePausesMs = 8.0; // 1 ms before each byte of the program request

bool Measure(const char* name, const TransferRequest& request, bool paced) {
    MemoryImage memory;
    for (int i = 0; i < kImageSize; ++i)
        memory.SetByte(i, static_cast<uint8_t>(i * 7));
    RadioSimulator radio(memory, SimulatorOptions{paced, {}});
    std::string error;
    if (!radio.Start(error)) {
        std::fprintf(stderr, "cannot start the simulator: %s\n", error.c_str());
        return false;
    }
    MemoryImage image = memory;
    QtSerialLink link;
    SilentObserver observer;
    const auto start = std::chrono::steady_clock::now();
    const bool ok = CloneTransfer(request, image, link, radio.DevicePath(), observer);
    const double ms =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    if (!ok) {
        std::fprintf(stderr, "%s failed: %s\n", name, observer.m_message.c_str());
        return false;
    }
    const size_t lineBytes = radio.Received().size() + radio.Sent().size();
    const double boundMs = lineBytes * 10.0 * 1000.0 / 9600.0 + kHandshakePausesMs;
    const size_t blocks = SplitBlocks(request.first).size() + SplitBlocks(request.second).size();
    std::printf("%-16s %9.1f ms  bound %9.1f ms  ratio %6.3f", name, ms, boundMs, ms / boundMs);
    if (!paced)
        std::printf("  %6.3f ms/block", (ms - kHandshakePausesMs) / blocks);
    std::printf("  (%zu bytes, %zu blocks)\n", lineBytes, blocks);
    return true;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    bool ok = true;
    ok &= Measure("paced read", ReadRequest(), true);
    ok &= Measure("paced write", WriteRequest(), true);
    ok &= Measure("unpaced read", ReadRequest(), false);
    ok &= Measure("unpaced write", WriteRequest(), false);
    return ok ? 0 : 1;
}

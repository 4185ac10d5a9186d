// Times a complete clone read and write against the simulated radio, paced at 9600 baud
// and unpaced, and compares them with the time the bytes need on the line. A verified write
// also reports its read-back pass on its own.
#include "image/memory_image.h"
#include "link/clone_transfer.h"
#include "link/qt_serial_link.h"
#include "link/radio_simulator.h"
#include "link/transfer_observer.h"

#include <QCoreApplication>

#include <chrono>
#include <cstdio>
#include <optional>

namespace {

using Clock = std::chrono::steady_clock;

// Notes when the bar starts again after the write pass: the read-back has begun, and the line
// has carried `m_lineBytesBefore` bytes by then.
class SilentObserver : public TransferObserver {
  public:
    explicit SilentObserver(const RadioSimulator& radio) : m_radio(radio) {}
    void ShowMessage(const std::string& message, const std::string&) override {
        m_message = message;
    }
    void SetButtonsEnabled(bool) override {}
    void SetProgress(int position, const std::string&) override {
        if (position == 0 && m_position > 0) {
            m_readBackStart = Clock::now();
            m_lineBytesBefore = LineBytes(m_radio);
        }
        m_position = position;
    }
    void Close() override {}
    static size_t LineBytes(const RadioSimulator& radio) {
        return radio.Received().size() + radio.Sent().size();
    }
    const RadioSimulator& m_radio;
    std::string m_message;
    int m_position = 0;
    std::optional<Clock::time_point> m_readBackStart;
    size_t m_lineBytesBefore = 0;
};

constexpr double kHandshakePausesMs = 8.0; // 1 ms before each byte of the program request

double WireMs(size_t lineBytes) {
    return lineBytes * 10.0 * 1000.0 / 9600.0 + kHandshakePausesMs;
}

void PrintReadBack(const SilentObserver& observer, Clock::time_point end, size_t lineBytes) {
    if (!observer.m_readBackStart)
        return;
    const double ms =
        std::chrono::duration<double, std::milli>(end - *observer.m_readBackStart).count();
    const size_t bytes = lineBytes - observer.m_lineBytesBefore;
    const double boundMs = WireMs(bytes);
    std::printf("  read-back      %9.1f ms  bound %9.1f ms  ratio %6.3f  (%zu bytes)\n", ms,
                boundMs, ms / boundMs, bytes);
}

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
    SilentObserver observer(radio);
    const auto start = Clock::now();
    const bool ok = CloneTransfer(request, image, link, radio.DevicePath(), observer);
    const auto end = Clock::now();
    const double ms = std::chrono::duration<double, std::milli>(end - start).count();
    if (!ok) {
        std::fprintf(stderr, "%s failed: %s\n", name, observer.m_message.c_str());
        return false;
    }
    const size_t lineBytes = SilentObserver::LineBytes(radio);
    // A verified write has a second handshake and its settling pause before it.
    const double boundMs =
        WireMs(lineBytes) + (request.verify ? kHandshakePausesMs + kReadBackSettleMs : 0);
    const size_t blocks = (SplitBlocks(request.first).size() + SplitBlocks(request.second).size()) *
                          (request.verify ? 2 : 1);
    std::printf("%-16s %9.1f ms  bound %9.1f ms  ratio %6.3f", name, ms, boundMs, ms / boundMs);
    if (!paced)
        std::printf("  %6.3f ms/block", (ms - kHandshakePausesMs) / blocks);
    std::printf("  (%zu bytes, %zu blocks)\n", lineBytes, blocks);
    PrintReadBack(observer, end, lineBytes);
    return true;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    bool ok = true;
    ok &= Measure("paced read", ReadRequest(), true);
    ok &= Measure("paced write", WriteRequest(), true);
    TransferRequest verified = WriteRequest();
    verified.verify = true;
    ok &= Measure("paced verified", verified, true);
    ok &= Measure("unpaced read", ReadRequest(), false);
    ok &= Measure("unpaced write", WriteRequest(), false);
    return ok ? 0 : 1;
}

// Soak run: 1,000 clone reads and writes in a row against the unpaced simulated radio, one in
// ten with a random fault. Fails when resident memory grows by more than 1 MiB, when the busy
// flag is left set, when a failed exchange is not reported or a failed read changed the image,
// or when a completed exchange moved the wrong bytes.
#include "image/memory_image.h"
#include "link/busy_claim.h"
#include "link/clone_transfer.h"
#include "link/link_messages.h"
#include "link/qt_serial_link.h"
#include "link/radio_simulator.h"
#include "link/transfer_observer.h"
#include "link/transfer_range.h"

#include <QCoreApplication>

#include <atomic>
#include <cstdio>
#include <fstream>
#include <random>
#include <string>

namespace {

class MessageObserver : public TransferObserver {
  public:
    void ShowMessage(const std::string& text, const std::string&) override { message = text; }
    void SetButtonsEnabled(bool) override {}
    void SetProgress(int, const std::string&) override {}
    void Close() override {}
    std::string message;
};

long ResidentKib() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.starts_with("VmRSS:"))
            return std::stol(line.substr(6));
    return -1;
}

MemoryImage Pattern(uint8_t seed) {
    MemoryImage image;
    for (int i = 0; i < kImageSize; ++i)
        image.SetByte(i, static_cast<uint8_t>(i * 7 + seed));
    return image;
}

// The ranges of the request are equal in both images.
bool SameRanges(const MemoryImage& a, const MemoryImage& b, const TransferRequest& request) {
    for (const TransferRange range : {request.first, request.second})
        for (int i = range.start; i < range.end; ++i)
            if (a.Byte(i) != b.Byte(i))
                return false;
    return true;
}

struct Counts {
    int reads = 0, writes = 0, faults = 0, failed = 0, problems = 0;
};

void Problem(Counts& counts, int run, const char* what) {
    ++counts.problems;
    std::fprintf(stderr, "run %d: %s\n", run, what);
}

void RunOne(int run, std::mt19937& random, std::atomic<bool>& busy, Counts& counts) {
    const bool reading = run % 2 == 0;
    SimulatorFault fault;
    if (random() % 10 == 0) {
        const FaultKind kinds[] = {FaultKind::Silent, FaultKind::BadAck, FaultKind::ShortReply,
                                   FaultKind::HangUp};
        fault = {kinds[random() % 4], static_cast<int>(1 + random() % 389)};
        if (fault.kind == FaultKind::Silent)
            fault.block = 0;
        ++counts.faults;
    }
    RadioSimulator radio(Pattern(static_cast<uint8_t>(run)), SimulatorOptions{false, fault});
    std::string error;
    if (!radio.Start(error))
        return Problem(counts, run, "the simulator did not start");
    const TransferRequest request = reading ? ReadRequest() : WriteRequest();
    const MemoryImage before = Pattern(static_cast<uint8_t>(run + 100));
    MemoryImage image = before;
    MessageObserver observer;
    bool ok = false;
    {
        auto claim = BusyClaim::TryClaim(busy);
        if (!claim)
            return Problem(counts, run, "the busy flag was still set");
        QtSerialLink link;
        ok = CloneTransfer(request, image, link, radio.DevicePath(), observer);
    }
    ++(reading ? counts.reads : counts.writes);
    if (busy)
        Problem(counts, run, "the busy flag was left set");
    if (!ok) {
        ++counts.failed;
        if (observer.message != kMsgCommError)
            Problem(counts, run, "a failure was not reported");
        if (!(image == before))
            Problem(counts, run, "a failed exchange changed the image");
        return;
    }
    size_t blocks = 0;
    for (const TransferRange range : {request.first, request.second})
        blocks += SplitBlocks(range).size();
    // A fault placed past the exchange's last block never happens.
    if (fault.kind != FaultKind::None && static_cast<size_t>(fault.block) <= blocks)
        Problem(counts, run, "a fault went unnoticed");
    radio.Stop();
    // A read fills an erased band block from the identification.
    MemoryImage sent = radio.Memory();
    if (reading)
        FillBandLimitsFromIdent(radio.Ident(), sent);
    if (!SameRanges(image, sent, request))
        Problem(counts, run, "the exchange moved the wrong bytes");
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 1000;
    std::mt19937 random(20261207);
    std::atomic<bool> busy = false;
    Counts counts;
    // A first exchange warms up what is allocated once, so growth means a leak.
    RunOne(-1, random, busy, counts);
    counts = {};
    const long startKib = ResidentKib();
    for (int run = 0; run < runs; ++run)
        RunOne(run, random, busy, counts);
    const long endKib = ResidentKib();
    std::printf("runs %d: reads %d, writes %d, faults injected %d, failed %d, problems %d\n", runs,
                counts.reads, counts.writes, counts.faults, counts.failed, counts.problems);
    std::printf("resident memory: %ld KiB at the start, %ld KiB at the end\n", startKib, endKib);
    const bool grew = endKib - startKib > 1024;
    if (grew)
        std::printf("FAIL: resident memory grew by more than 1 MiB\n");
    return counts.problems == 0 && !grew ? 0 : 1;
}

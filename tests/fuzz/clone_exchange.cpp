// The clone, service and identification exchanges against a radio whose answers come from the
// fuzzer. A failed exchange leaves the caller's image as it was; a successful read stores
// exactly the bytes the PC received; a successful write sent exactly the image's bytes.
#include "fuzz_support.h"
#include "hostile_radio.h"

#include "link/clone_framing.h"
#include "link/clone_transfer.h"
#include "link/ident_block.h"
#include "link/radio_info_read.h"
#include "link/service_transfer.h"
#include "link/transfer_observer.h"
#include "link/transfer_range.h"

#include <cstring>

namespace {

class QuietObserver : public TransferObserver {
  public:
    void ShowMessage(const std::string&, const std::string&) override {}
    void SetButtonsEnabled(bool) override {}
    void SetProgress(int, const std::string&) override {}
    void Close() override {}
};

MemoryImage StartImage() {
    MemoryImage image;
    for (int i = 0; i < kImageSize; ++i)
        image.SetByte(i, static_cast<uint8_t>(i * 13 + 5));
    return image;
}

// The image with every block the PC received written in.
MemoryImage WithReceived(MemoryImage image, const HostileRadio& radio) {
    for (const HostileRadio::Block& block : radio.received)
        FUZZ_CHECK(image.Write(block.address, block.bytes));
    return image;
}

void CheckWritten(const MemoryImage& image, const HostileRadio& radio) {
    for (const HostileRadio::Block& block : radio.written)
        for (size_t i = 0; i < block.bytes.size(); ++i)
            FUZZ_CHECK(block.bytes[i] == image.Byte(block.address + static_cast<int>(i)));
}

void CloneExchange(const TransferRequest& request, HostileRadio& radio) {
    const MemoryImage before = StartImage();
    MemoryImage image = before;
    QuietObserver observer;
    const bool ok = CloneTransfer(request, image, radio, "fuzz", observer);
    if (!ok || request.mode == TransferMode::Write) {
        FUZZ_CHECK(image == before);
        if (ok)
            CheckWritten(image, radio);
        return;
    }
    MemoryImage received = WithReceived(before, radio);
    IdentBlock ident;
    FUZZ_CHECK(radio.receivedIdent.size() == ident.bytes.size());
    std::memcpy(ident.bytes.data(), radio.receivedIdent.data(), ident.bytes.size());
    FillBandLimitsFromIdent(ident, received);
    MemoryImage expected = before;
    for (const TransferRange range : {request.first, request.second})
        for (const TransferBlock block : SplitBlocks(range))
            expected.Write(block.address, received.Bytes().subspan(block.address, block.length));
    FUZZ_CHECK(image == expected);
}

class NoMessages : public MessageSink {
  public:
    void ShowMessage(const std::string&, const std::string&) override {}
};

void ServiceExchange(TransferMode mode, HostileRadio& radio) {
    const MemoryImage before = StartImage();
    MemoryImage image = before;
    NoMessages messages;
    const bool ok = ServiceTransfer(mode, kCalibrationRegion, image, radio, "fuzz", messages);
    if (ok && mode == TransferMode::Read)
        FUZZ_CHECK(image == WithReceived(before, radio));
    else
        FUZZ_CHECK(image == before);
    if (ok && mode == TransferMode::Write)
        CheckWritten(image, radio);
}

void IdentExchange(HostileRadio& radio) {
    NoMessages messages;
    const auto ident = ReadRadioIdent(radio, "fuzz", messages);
    if (!ident)
        return;
    FUZZ_CHECK(radio.receivedIdent.size() == ident->bytes.size());
    FUZZ_CHECK(std::memcmp(radio.receivedIdent.data(), ident->bytes.data(), 32) == 0);
    DecodeRadioInfo(*ident);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    HostileRadio radio(data + 1, size - 1);
    switch (data[0] % 6) {
    case 0:
        return CloneExchange(ReadRequest(), radio), 0;
    case 1:
        return CloneExchange(WriteRequest(), radio), 0;
    case 2:
        return CloneExchange(InitialiseRequest(), radio), 0;
    case 3:
        return ServiceExchange(TransferMode::Read, radio), 0;
    case 4:
        return ServiceExchange(TransferMode::Write, radio), 0;
    default:
        return IdentExchange(radio), 0;
    }
}

#include "link/clone_transfer.h"

#include "image/band_limits.h"
#include "image/memory_image.h"
#include "link/clone_framing.h"
#include "link/link_messages.h"
#include "link/transfer_observer.h"

#include <cstdio>

namespace {

constexpr size_t kListedDifferences = 8;

class ProgressCounter {
  public:
    ProgressCounter(TransferObserver& observer, int maximum)
        : m_observer(observer), m_maximum(maximum) {}
    void Reset() { Report(0); }
    void Step() { Report(m_position + 1); }

  private:
    void Report(int position) {
        m_position = position;
        const int percent = m_maximum > 0 ? position * 100 / m_maximum : 100;
        m_observer.SetProgress(position, std::to_string(percent) + "%");
    }
    TransferObserver& m_observer;
    int m_maximum;
    int m_position = 0;
};

bool ReadPass(const TransferRequest& request, SerialLink& link, MemoryImage& target,
              ProgressCounter& progress) {
    for (const TransferRange range : {request.first, request.second})
        for (const TransferBlock block : SplitBlocks(range)) {
            if (!ReadBlock(link, block, target))
                return false;
            progress.Step();
        }
    return true;
}

bool WritePass(const TransferRequest& request, SerialLink& link, const MemoryImage& source,
               ProgressCounter& progress) {
    for (const TransferRange range : {request.first, request.second})
        for (const TransferBlock block : SplitBlocks(range)) {
            if (!WriteBlock(link, block, source))
                return false;
            progress.Step();
        }
    return true;
}

void CopyRanges(const TransferRequest& request, const MemoryImage& from, MemoryImage& to) {
    for (const TransferRange range : {request.first, request.second})
        for (const TransferBlock block : SplitBlocks(range))
            to.Write(block.address, from.Bytes().subspan(block.address, block.length));
}

bool Fail(SerialLink& link, TransferObserver& observer, const char* message,
          const std::string& reason = {}) {
    observer.ShowMessage(message, reason);
    observer.Close();
    link.Close();
    return false;
}

bool FinishRead(const TransferRequest& request, const IdentBlock& ident, MemoryImage& received,
                MemoryImage& image, SerialLink& link, TransferObserver& observer) {
    if (!SendEnd(link, EndCommand::Read))
        return Fail(link, observer, kMsgCommError);
    FillBandLimitsFromIdent(ident, received);
    CopyRanges(request, received, image);
    link.Close();
    observer.Close();
    return true;
}

// The radio has stored a write once it took "ENDW"; the read-back is a session of its own,
// shaped like a read, so it sees what the radio kept. The pause lets "ENDW" leave the line
// before the handshake purges the queues.
bool ReadBack(const TransferRequest& request, SerialLink& link, MemoryImage& readBack,
              ProgressCounter& progress) {
    link.Pause(kReadBackSettleMs);
    progress.Reset();
    IdentBlock ident;
    return ProgramHandshake(link, kCloneHandshakePauseMs) && ReadIdentBlock(link, ident) &&
           AcknowledgeExchange(link) && ReadPass(request, link, readBack, progress) &&
           SendEnd(link, EndCommand::Read);
}

bool VerifyWrite(const TransferRequest& request, const MemoryImage& image, SerialLink& link,
                 TransferObserver& observer, ProgressCounter& progress) {
    MemoryImage readBack = image;
    if (!ReadBack(request, link, readBack, progress))
        return Fail(link, observer, kMsgCommError, kReasonReadBackFailed);
    const std::string differences = DescribeVerifyDifferences(request, image, readBack);
    if (!differences.empty())
        return Fail(link, observer, kMsgVerifyFailed, differences);
    return true;
}

bool FinishWrite(const TransferRequest& request, SerialLink& link, TransferObserver& observer,
                 ProgressCounter& progress) {
    link.Close();
    if (!request.initialise) {
        observer.Close();
        return true;
    }
    observer.ShowMessage(kMsgInitialised, {});
    progress.Reset();
    observer.SetButtonsEnabled(true);
    return true;
}

} // namespace

TransferRequest ReadRequest() {
    return {TransferMode::Read, false, kCloneFirstRange, kCloneSecondRange};
}
TransferRequest WriteRequest() {
    return {TransferMode::Write, false, kCloneFirstRange, kCloneSecondRange};
}
TransferRequest InitialiseRequest() {
    return {TransferMode::Write, true, kInitialiseFirstRange, kInitialiseSecondRange};
}

std::string DescribeVerifyDifferences(const TransferRequest& request, const MemoryImage& written,
                                      const MemoryImage& readBack) {
    std::string text;
    size_t count = 0;
    for (const TransferRange range : {request.first, request.second})
        for (const TransferBlock block : SplitBlocks(range))
            for (int at = block.address; at < block.address + block.length; ++at) {
                if (written.Byte(at) == readBack.Byte(at) || ++count > kListedDifferences)
                    continue;
                char line[48];
                std::snprintf(line, sizeof line, "0x%04X: 写入 %02X，读回 %02X\n", at,
                              written.Byte(at), readBack.Byte(at));
                text += line;
            }
    if (count > kListedDifferences)
        text += "共 " + std::to_string(count) + " 个字节不同\n";
    if (!text.empty())
        text.pop_back();
    return text;
}

void FillBandLimitsFromIdent(const IdentBlock& ident, MemoryImage& image) {
    for (int band = 0; band < 2; ++band) {
        const int at = kBandBlock + 8 * band;
        if (image.Byte(at + 3) != 0xFF)
            continue;
        for (int limit = 0; limit < 2; ++limit) {
            const int index = 2 * band + limit;
            // A programmed limit's BCD bytes are the frequency field itself.
            if (IdentLimitIsBcd(ident, index))
                image.Write(at + 4 * limit,
                            std::span(ident.bytes).subspan(kIdentLimitOffset + 4 * index, 4));
        }
    }
}

bool CloneTransfer(const TransferRequest& request, MemoryImage& image, SerialLink& link,
                   const std::string& device, TransferObserver& observer) {
    ProgressCounter progress(observer, ProgressSteps(request.first, request.second));
    if (!OpenClonePort(link, device))
        return Fail(link, observer, kMsgCannotOpenPort, link.ErrorReason());
    observer.SetButtonsEnabled(false);
    IdentBlock ident;
    if (!ProgramHandshake(link, kCloneHandshakePauseMs) || !ReadIdentBlock(link, ident) ||
        !AcknowledgeExchange(link))
        return Fail(link, observer, kMsgCommError);
    if (request.mode == TransferMode::Read) {
        MemoryImage received = image;
        if (!ReadPass(request, link, received, progress))
            return Fail(link, observer, kMsgCommError);
        return FinishRead(request, ident, received, image, link, observer);
    }
    if (!WritePass(request, link, image, progress) || !SendEnd(link, EndCommand::Write))
        return Fail(link, observer, kMsgCommError);
    if (request.verify && !VerifyWrite(request, image, link, observer, progress))
        return false;
    return FinishWrite(request, link, observer, progress);
}

#include "link/service_transfer.h"

#include "image/memory_image.h"
#include "link/clone_framing.h"
#include "link/link_messages.h"
#include "link/transfer_observer.h"

namespace {

bool Fail(SerialLink& link, MessageSink& messages) {
    messages.ShowMessage(kMsgCommError, {});
    link.Close();
    return false;
}

bool ReadRange(TransferRange range, SerialLink& link, MemoryImage& target) {
    for (const TransferBlock block : SplitBlocks(range))
        if (!ReadBlock(link, block, target))
            return false;
    return true;
}

bool WriteRange(TransferRange range, SerialLink& link, const MemoryImage& image) {
    for (const TransferBlock block : SplitBlocks(range))
        if (!WriteBlock(link, block, image))
            return false;
    return true;
}

} // namespace

bool ServiceTransfer(TransferMode mode, TransferRange range, MemoryImage& image, SerialLink& link,
                     const std::string& device, MessageSink& messages) {
    if (!OpenClonePort(link, device)) {
        messages.ShowMessage(kMsgCannotOpenPort, link.ErrorReason());
        return false;
    }
    IdentBlock ident;
    if (!ProgramHandshake(link, kCloneHandshakePauseMs) || !ReadIdentBlock(link, ident) ||
        !AcknowledgeExchange(link))
        return Fail(link, messages);
    const bool reading = mode == TransferMode::Read;
    // The received blocks reach the image only after the end command has gone out.
    MemoryImage received = image;
    if (reading ? !ReadRange(range, link, received) : !WriteRange(range, link, image))
        return Fail(link, messages);
    if (!SendEnd(link, reading ? EndCommand::Read : EndCommand::Write))
        return Fail(link, messages);
    link.Close();
    if (reading)
        image = received;
    messages.ShowMessage(reading ? kMsgReadDone : kMsgWriteDone, {});
    return true;
}

#include "link/radio_info_read.h"

#include "link/clone_framing.h"
#include "link/link_messages.h"
#include "link/transfer_observer.h"

std::optional<IdentBlock> ReadRadioIdent(SerialLink& link, const std::string& device,
                                         MessageSink& messages) {
    if (!OpenClonePort(link, device)) {
        messages.ShowMessage(kMsgCannotOpenPort, link.ErrorReason());
        return std::nullopt;
    }
    IdentBlock ident;
    const bool ok = ProgramHandshake(link, kInfoHandshakePauseMs) && ReadIdentBlock(link, ident) &&
                    SendEnd(link, EndCommand::Read);
    link.Close();
    if (!ok) {
        messages.ShowMessage(kMsgCommError, {});
        return std::nullopt;
    }
    return ident;
}

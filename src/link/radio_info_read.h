#pragma once

#include "link/ident_block.h"

#include <optional>
#include <string>

class MessageSink;
class SerialLink;

// The identification exchange: handshake (2 ms pauses), identify request, "ENDR". Gives
// the block only when all 32 bytes arrived; failures go to `messages`, success is silent.
std::optional<IdentBlock> ReadRadioIdent(SerialLink& link, const std::string& device,
                                         MessageSink& messages);

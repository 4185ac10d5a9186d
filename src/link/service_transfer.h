#pragma once

#include "link/clone_transfer.h"

class MessageSink;

// One synchronous exchange of a single range on the calling thread, with a message for
// success as well as failure. A read changes `image` only when it completed.
bool ServiceTransfer(TransferMode mode, TransferRange range, MemoryImage& image, SerialLink& link,
                     const std::string& device, MessageSink& messages);

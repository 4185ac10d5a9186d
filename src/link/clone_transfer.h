#pragma once

#include "link/transfer_range.h"

#include <string>

class MemoryImage;
class SerialLink;
class TransferObserver;
struct IdentBlock;

enum class TransferMode { Read, Write };

struct TransferRequest {
    TransferMode mode = TransferMode::Read;
    bool initialise = false; // a write that leaves the dialog open for the next radio
    TransferRange first;
    TransferRange second;
};

TransferRequest ReadRequest();
TransferRequest WriteRequest();
TransferRequest InitialiseRequest();

// One complete clone transfer over `link` to `device`. A read changes `image` only when the
// whole exchange succeeded; a failed read leaves it exactly as it was. Returns true after a
// complete transfer. The caller owns the busy flag (see BusyClaim).
bool CloneTransfer(const TransferRequest& request, MemoryImage& image, SerialLink& link,
                   const std::string& device, TransferObserver& observer);

// After a read: a band whose low limit is erased in the image (0x2E13 / 0x2E1B is 0xFF) takes
// the identification's limits of that band; a limit that is not a programmed frequency
// leaves its four image bytes as they are.
void FillBandLimitsFromIdent(const IdentBlock& ident, MemoryImage& image);

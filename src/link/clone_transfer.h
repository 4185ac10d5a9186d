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
    // A write reads its ranges back in a second session and compares them.
    bool verify = false;
};

// The pause between a write's "ENDW" and its read-back session.
constexpr int kReadBackSettleMs = 100;

TransferRequest ReadRequest();
TransferRequest WriteRequest();
TransferRequest InitialiseRequest();

// One complete clone transfer over `link` to `device`. A read changes `image` only when the
// whole exchange succeeded; a failed read leaves it exactly as it was. Returns true after a
// complete transfer. The caller owns the busy flag (see BusyClaim).
bool CloneTransfer(const TransferRequest& request, MemoryImage& image, SerialLink& link,
                   const std::string& device, TransferObserver& observer);

// The first differing addresses (at most 8) of the request's ranges, one line each with the
// byte written and the byte read back, and the count when there are more; empty when equal.
std::string DescribeVerifyDifferences(const TransferRequest& request, const MemoryImage& written,
                                      const MemoryImage& readBack);

// After a read: a band whose low limit is erased in the image (0x2E13 / 0x2E1B is 0xFF) takes
// the identification's limits of that band; a limit that is not a programmed frequency
// leaves its four image bytes as they are.
void FillBandLimitsFromIdent(const IdentBlock& ident, MemoryImage& image);

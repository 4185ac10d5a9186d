#pragma once

#include "link/ident_block.h"
#include "link/serial_link.h"
#include "link/transfer_range.h"

#include <string>

class MemoryImage;

// The framing every exchange with the radio shares.

// Interval 100 ms; reads 50 ms per byte + 100 ms; writes 50 ms per byte + 50 ms.
constexpr CommTimeouts kCloneTimeouts{100, 50, 100, 50, 50};

constexpr int kCloneHandshakePauseMs = 1;
constexpr int kInfoHandshakePauseMs = 2;

// Opens the device and applies the timeouts and the line settings.
bool OpenClonePort(SerialLink& link, const std::string& device);

// Purges, then up to 4 program requests, each waiting 100 ms for "PG".
bool ProgramHandshake(SerialLink& link, int pauseMs);

// Sends the identify request and reads the 32-byte answer; false when fewer arrive.
bool ReadIdentBlock(SerialLink& link, IdentBlock& ident);

// Sends "A" and expects "A" back.
bool AcknowledgeExchange(SerialLink& link);

// One "R" block into `target` at the block's address. False on a short reply (nothing is
// copied then) or when the acknowledge exchange after the data fails.
bool ReadBlock(SerialLink& link, TransferBlock block, MemoryImage& target);

// One "W" block from `source`; false unless the radio acknowledges.
bool WriteBlock(SerialLink& link, TransferBlock block, const MemoryImage& source);

enum class EndCommand { Read, Write };
// False when the line did not take all four bytes, like every other send here.
bool SendEnd(SerialLink& link, EndCommand command);

#include "link/clone_framing.h"

#include "image/memory_image.h"
#include <array>

namespace {

constexpr std::array<uint8_t, 8> kProgramRequest = {0x02, 'P', 'R', 'O', 'G', 'R', 'A', 'M'};
constexpr uint8_t kIdentifyRequest = 0x02;
constexpr uint8_t kAck = 'A';
constexpr int kReplyWindowMs = 100;
constexpr int kHandshakeAttempts = 4;
constexpr int kReadHeaderBytes = 4;

bool SendByte(SerialLink& link, uint8_t byte) {
    return link.Write({&byte, 1}) == 1;
}

// 0 when nothing arrived, as the cleared receive buffer would hold.
uint8_t ReadByte(SerialLink& link) {
    uint8_t byte = 0;
    link.Read({&byte, 1});
    return byte;
}

bool SendProgramRequest(SerialLink& link, int pauseMs) {
    for (uint8_t byte : kProgramRequest) {
        link.Pause(pauseMs);
        if (!SendByte(link, byte))
            return false;
    }
    return true;
}

// Every byte of `data` went out.
bool SendAll(SerialLink& link, std::span<const uint8_t> data) {
    return link.Write(data) == data.size();
}

// Reads byte pairs until "PG" or until the reply window has passed.
bool AwaitProgramReply(SerialLink& link) {
    const int64_t start = link.NowMs();
    do {
        if (ReadByte(link) == 'P') {
            if (ReadByte(link) == 'G')
                return true;
        } else {
            ReadByte(link);
        }
        if (link.Broken())
            return false;
    } while (link.NowMs() - start <= kReplyWindowMs);
    return false;
}

} // namespace

bool OpenClonePort(SerialLink& link, const std::string& device) {
    if (!link.Open(device))
        return false;
    link.SetTimeouts(kCloneTimeouts);
    link.ApplyCloneLineSettings();
    return true;
}

bool ProgramHandshake(SerialLink& link, int pauseMs) {
    link.Purge();
    // A request the line did not take is a failed exchange, not a silent radio.
    for (int attempt = 0; attempt < kHandshakeAttempts && !link.Broken(); ++attempt) {
        if (!SendProgramRequest(link, pauseMs))
            return false;
        if (AwaitProgramReply(link))
            return true;
    }
    return false;
}

bool ReadIdentBlock(SerialLink& link, IdentBlock& ident) {
    ident = {};
    link.Purge();
    return SendByte(link, kIdentifyRequest) && link.Read(ident.bytes) == ident.bytes.size();
}

bool AcknowledgeExchange(SerialLink& link) {
    link.Purge();
    uint8_t reply = 0;
    return SendByte(link, kAck) && link.Read({&reply, 1}) == 1 && reply == kAck;
}

bool ReadBlock(SerialLink& link, TransferBlock block, MemoryImage& target) {
    link.Purge();
    const std::array<uint8_t, 4> command = {'R', static_cast<uint8_t>(block.address >> 8),
                                            static_cast<uint8_t>(block.address & 0xFF),
                                            block.length};
    std::array<uint8_t, kReadHeaderBytes> header{};
    if (!SendAll(link, command) || link.Read(header) != header.size())
        return false;
    std::array<uint8_t, kBlockSize> data{};
    const std::span<uint8_t> wanted(data.data(), std::min<size_t>(block.length, data.size()));
    if (link.Read(wanted) != wanted.size())
        return false;
    if (!target.Write(block.address, wanted))
        return false;
    return AcknowledgeExchange(link);
}

bool WriteBlock(SerialLink& link, TransferBlock block, const MemoryImage& source) {
    std::array<uint8_t, 4 + kBlockSize> message{};
    const size_t length = std::min<size_t>(block.length, kBlockSize);
    message[0] = 'W';
    message[1] = static_cast<uint8_t>(block.address >> 8);
    message[2] = static_cast<uint8_t>(block.address & 0xFF);
    message[3] = static_cast<uint8_t>(length);
    if (!source.Read(block.address, std::span<uint8_t>(message.data() + 4, length)))
        return false;
    link.Purge();
    uint8_t reply = 0;
    return SendAll(link, std::span<const uint8_t>(message.data(), 4 + length)) &&
           link.Read({&reply, 1}) == 1 && reply == kAck;
}

bool SendEnd(SerialLink& link, EndCommand command) {
    const std::array<uint8_t, 4> end = {'E', 'N', 'D',
                                        command == EndCommand::Read ? uint8_t('R') : uint8_t('W')};
    return SendAll(link, end);
}

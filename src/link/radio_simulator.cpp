#include "link/radio_simulator.h"

#include "image/band_limits.h"

#include <charconv>

#ifdef __linux__
#include <sys/prctl.h>
#endif

namespace {

constexpr std::array<uint8_t, 8> kProgramRequest = {0x02, 'P', 'R', 'O', 'G', 'R', 'A', 'M'};
constexpr int kByteTimeoutMs = 1000; // a command's bytes come together
constexpr int kRequestGapMs = 10;    // a byte this soon after 0x02 means a program request
constexpr uint8_t kStrayByte = 0x5A;
constexpr uint8_t kNak = 'N';

void PutFrequency(IdentBlock& ident, int at, int32_t value) {
    MemoryImage scratch;
    scratch.SetFrequency(0, value);
    for (int i = 0; i < 4; ++i)
        ident.bytes[at + i] = scratch.Byte(i);
}

// An image offset in hexadecimal digits, with or without "0x".
std::optional<int> ParseImageAddress(std::string_view text) {
    if (text.starts_with("0x") || text.starts_with("0X"))
        text.remove_prefix(2);
    int address = -1;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), address, 16);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size() ||
        !MemoryImage::Contains(address))
        return std::nullopt;
    return address;
}

} // namespace

std::optional<SimulatorFault> ParseSimulatorFault(std::string_view text) {
    if (text.starts_with("corrupt:")) {
        const auto address = ParseImageAddress(text.substr(8));
        if (!address)
            return std::nullopt;
        return SimulatorFault{FaultKind::Corrupt, 0, *address};
    }
    if (text == "silent")
        return SimulatorFault{FaultKind::Silent, 0};
    if (text == "stray")
        return SimulatorFault{FaultKind::StrayByte, 0};
    const size_t colon = text.find(':');
    if (colon == std::string_view::npos)
        return std::nullopt;
    const std::string_view name = text.substr(0, colon);
    const std::string_view number = text.substr(colon + 1);
    int block = -1;
    const auto [end, ec] = std::from_chars(number.data(), number.data() + number.size(), block);
    if (ec != std::errc() || end != number.data() + number.size() || block < 0)
        return std::nullopt;
    if (name == "bad-ack")
        return SimulatorFault{FaultKind::BadAck, block};
    if (name == "short")
        return SimulatorFault{FaultKind::ShortReply, block};
    if (block == 0)
        return std::nullopt;
    if (name == "hangup")
        return SimulatorFault{FaultKind::HangUp, block};
    return std::nullopt;
}

RadioSimulator::RadioSimulator(const MemoryImage& memory, SimulatorOptions options)
    : m_options(options), m_memory(memory) {
    m_line.SetPaced(options.paced);
}

RadioSimulator::~RadioSimulator() {
    Stop();
}

bool RadioSimulator::Start(std::string& error) {
    if (!m_line.Open(error))
        return false;
    m_thread = std::thread([this] { Serve(); });
    return true;
}

void RadioSimulator::Stop() {
    m_line.Interrupt();
    if (m_thread.joinable())
        m_thread.join();
}

MemoryImage RadioSimulator::Memory() const {
    const std::lock_guard lock(m_memoryMutex);
    return m_memory;
}

void RadioSimulator::SetWriteCompleteHandler(std::function<void(const MemoryImage&)> handler) {
    const std::lock_guard lock(m_memoryMutex);
    m_onWriteComplete = std::move(handler);
}

IdentBlock RadioSimulator::Ident() const {
    IdentBlock ident;
    std::copy(m_options.identity.begin(), m_options.identity.end(), ident.bytes.begin());
    const MemoryImage memory = Memory();
    const int32_t fallback[2][2] = {{13600000, 17400000}, {40000000, 48000000}};
    for (int band = 0; band < 2; ++band) {
        const int at = kBandBlock + 8 * band;
        const int to = kIdentLimitOffset + 8 * band;
        if (memory.Byte(at + 3) != 0xFF) {
            for (int i = 0; i < 8; ++i)
                ident.bytes[to + i] = memory.Byte(at + i);
        } else {
            PutFrequency(ident, to, fallback[band][0]);
            PutFrequency(ident, to + 4, fallback[band][1]);
        }
    }
    return ident;
}

bool RadioSimulator::FaultAt(FaultKind kind, int block) const {
    return m_options.fault.kind == kind && m_options.fault.block == block;
}

void RadioSimulator::Acknowledge(int block) {
    const uint8_t reply = FaultAt(FaultKind::BadAck, block) ? kNak : uint8_t('A');
    m_line.Send(std::span(&reply, 1));
}

void RadioSimulator::Serve() {
#ifdef __linux__
    // Paced bytes leave at 1/960 s deadlines; the default 50 us timer slack would make every
    // message late by that much.
    prctl(PR_SET_TIMERSLACK, 1UL);
#endif
    while (AwaitProgramRequest())
        RunSession();
}

bool RadioSimulator::AwaitProgramRequest() {
    std::array<uint8_t, 8> window{};
    while (const auto byte = m_line.Next(-1)) {
        std::copy(window.begin() + 1, window.end(), window.begin());
        window.back() = *byte;
        if (window == kProgramRequest)
            return true;
    }
    return false;
}

void RadioSimulator::RunSession() {
    if (m_options.fault.kind == FaultKind::Silent)
        return;
    if (m_options.fault.kind == FaultKind::StrayByte && !m_strayDone) {
        m_strayDone = true;
        m_line.Send(std::array<uint8_t, 1>{kStrayByte});
    }
    m_line.Send(std::array<uint8_t, 2>{'P', 'G'});
    if (AnswerIdentify())
        CommandLoop();
}

bool RadioSimulator::AnswerIdentify() {
    const auto byte = m_line.Next(-1);
    if (!byte)
        return false;
    if (*byte != 0x02) {
        m_line.PushBack(*byte);
        return false;
    }
    // The PC repeats its program request when it missed "PG"; that also starts with 0x02.
    if (const auto next = m_line.Next(kRequestGapMs)) {
        m_line.PushBack(*next);
        m_line.PushBack(*byte);
        return false;
    }
    const IdentBlock ident = Ident();
    const size_t length = FaultAt(FaultKind::ShortReply, 0) ? ident.bytes.size() / 2 : 32;
    m_line.Send(std::span(ident.bytes.data(), length));
    return true;
}

void RadioSimulator::CommandLoop() {
    bool identAcked = false;
    int block = 0;
    while (const auto byte = m_line.Next(-1)) {
        if (*byte == 'A' && !identAcked) {
            identAcked = true;
            Acknowledge(0);
        } else if (*byte == 'R' && identAcked) {
            if (!ServeRead(++block))
                return;
        } else if (*byte == 'W' && identAcked) {
            if (!ServeWrite(++block))
                return;
        } else if (*byte == 'E') {
            return ServeEnd();
        } else {
            m_line.PushBack(*byte); // maybe the start of a new program request
            return;
        }
    }
}

std::optional<std::array<uint8_t, 3>> RadioSimulator::ReadAddressAndLength() {
    std::array<uint8_t, 3> fields{};
    for (uint8_t& field : fields) {
        const auto byte = m_line.Next(kByteTimeoutMs);
        if (!byte)
            return std::nullopt;
        field = *byte;
    }
    const int address = fields[0] << 8 | fields[1];
    if (fields[2] < 1 || fields[2] > 32 || !MemoryImage::Contains(address, fields[2]))
        return std::nullopt;
    return fields;
}

bool RadioSimulator::ServeRead(int block) {
    const auto fields = ReadAddressAndLength();
    if (!fields)
        return false;
    if (FaultAt(FaultKind::HangUp, block)) {
        m_line.HangUp();
        return false;
    }
    const int address = (*fields)[0] << 8 | (*fields)[1];
    const int length = (*fields)[2];
    std::vector<uint8_t> reply = {'R', (*fields)[0], (*fields)[1], (*fields)[2]};
    const MemoryImage memory = Memory();
    const auto data = memory.Bytes().subspan(address, length);
    reply.insert(reply.end(), data.begin(), data.end());
    if (FaultAt(FaultKind::ShortReply, block))
        reply.resize(4 + length / 2);
    m_line.Send(reply);
    const auto ack = m_line.Next(-1);
    if (!ack || *ack != 'A') {
        if (ack)
            m_line.PushBack(*ack);
        return false;
    }
    Acknowledge(block);
    return true;
}

bool RadioSimulator::ServeWrite(int block) {
    const auto fields = ReadAddressAndLength();
    if (!fields)
        return false;
    std::array<uint8_t, 32> data{};
    const int length = (*fields)[2];
    for (int i = 0; i < length; ++i) {
        const auto byte = m_line.Next(kByteTimeoutMs);
        if (!byte)
            return false;
        data[i] = *byte;
    }
    if (FaultAt(FaultKind::HangUp, block)) {
        m_line.HangUp();
        return false;
    }
    {
        const std::lock_guard lock(m_memoryMutex);
        m_memory.Write((*fields)[0] << 8 | (*fields)[1], std::span(data.data(), length));
    }
    if (FaultAt(FaultKind::ShortReply, block))
        return true; // no acknowledge at all
    Acknowledge(block);
    return true;
}

void RadioSimulator::ServeEnd() {
    std::array<uint8_t, 3> rest{};
    for (uint8_t& byte : rest) {
        const auto next = m_line.Next(kByteTimeoutMs);
        if (!next)
            return;
        byte = *next;
    }
    m_strayDone = false;
    if (rest != std::array<uint8_t, 3>{'N', 'D', 'W'})
        return;
    std::function<void(const MemoryImage&)> handler;
    MemoryImage memory;
    {
        const std::lock_guard lock(m_memoryMutex);
        if (m_options.fault.kind == FaultKind::Corrupt)
            m_memory.SetByte(m_options.fault.address,
                             static_cast<uint8_t>(~m_memory.Byte(m_options.fault.address)));
        handler = m_onWriteComplete;
        memory = m_memory;
    }
    if (handler)
        handler(memory);
}

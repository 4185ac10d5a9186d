#pragma once

#include "image/memory_image.h"
#include "link/ident_block.h"
#include "link/pty_line.h"

#include <array>
#include <atomic>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <thread>

enum class FaultKind { None, Silent, StrayByte, BadAck, ShortReply, HangUp, Corrupt };

// One injectable fault. `block` counts the "R"/"W" blocks of a session from 1; block 0 is
// the identification (a wrong acknowledge after it, or half of it). Corrupt inverts the byte
// at `address` of the memory whenever a write session ends.
struct SimulatorFault {
    FaultKind kind = FaultKind::None;
    int block = 0;
    int address = 0;
};

// "silent", "stray", "bad-ack:K", "short:K", "hangup:K", "corrupt:ADDR" (ADDR hexadecimal,
// 0x optional).
std::optional<SimulatorFault> ParseSimulatorFault(std::string_view text);

struct SimulatorOptions {
    bool paced = false;
    SimulatorFault fault;
    // Bytes 0..15 of the identification (model, firmware version, variant flag).
    std::array<uint8_t, 16> identity = {'S', 'I', 'M', 'R',  'A',  'D',  'I',  'O',
                                        1,   2,   3,   0xFF, 0xFF, 0xFF, 0xFF, 0};
};

// The radio's side of every exchange, on its own thread, over a pseudo-terminal.
class RadioSimulator {
  public:
    explicit RadioSimulator(const MemoryImage& memory, SimulatorOptions options = {});
    ~RadioSimulator();

    bool Start(std::string& error);
    void Stop();
    const std::string& DevicePath() const { return m_line.DevicePath(); }

    MemoryImage Memory() const;
    // Called on the simulator's thread after each "ENDW", with the memory as it is then.
    void SetWriteCompleteHandler(std::function<void(const MemoryImage&)> handler);

    // The identification this radio answers with: its identity and its band block, or
    // 136-174 / 400-480 MHz for a band whose low limit is erased.
    IdentBlock Ident() const;

    std::vector<uint8_t> Received() const { return m_line.Received(); }
    std::vector<uint8_t> Sent() const { return m_line.Sent(); }
    void ClearRecords() { m_line.ClearRecords(); }
    bool WaitForReceived(size_t count, int timeoutMs) const {
        return m_line.WaitForReceived(count, timeoutMs);
    }

  private:
    void Serve();
    bool AwaitProgramRequest();
    void RunSession();
    bool AnswerIdentify();
    void CommandLoop();
    bool ServeRead(int block);
    bool ServeWrite(int block);
    void ServeEnd();
    bool FaultAt(FaultKind kind, int block) const;
    void Acknowledge(int block);
    std::optional<std::array<uint8_t, 3>> ReadAddressAndLength();

    PtyLine m_line;
    SimulatorOptions m_options;
    mutable std::mutex m_memoryMutex;
    MemoryImage m_memory;
    std::function<void(const MemoryImage&)> m_onWriteComplete;
    std::thread m_thread;
    bool m_strayDone = false;
};

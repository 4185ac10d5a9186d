#pragma once

#include "image/memory_image.h"
#include "link/serial_link.h"

#include <cstdint>
#include <deque>
#include <span>
#include <string>
#include <vector>

// A radio on an in-memory line that answers the clone protocol, except where the fuzzer's
// bytes make it misbehave: each answer may be dropped, cut short, preceded by a stray byte or
// have its first byte replaced, and a write may be reported as failed. Time is simulated:
// pauses and timeouts advance a clock, nothing sleeps. Records what the PC received.
class HostileRadio : public SerialLink {
  public:
    HostileRadio(const uint8_t* data, size_t size);

    bool Open(const std::string&) override { return m_openOk; }
    std::string ErrorReason() const override { return "refused"; }
    void Close() override {}
    void ApplyCloneLineSettings() override {}
    void SetTimeouts(const CommTimeouts& timeouts) override { m_timeouts = timeouts; }
    void Purge() override { m_toPc.clear(); }
    size_t Write(std::span<const uint8_t> data) override;
    size_t Read(std::span<uint8_t> out) override;
    bool Broken() const override { return false; }
    void Pause(int ms) override { m_nowMs += ms; }
    int64_t NowMs() const override { return m_nowMs; }

    struct Block {
        int address;
        std::vector<uint8_t> bytes;
    };
    // The data the PC read after each block command, and the identification it read.
    std::vector<Block> received;
    std::vector<uint8_t> receivedIdent;
    // The data of each write command the PC sent.
    std::vector<Block> written;

  private:
    uint8_t Next();
    void Answer(std::vector<uint8_t> reply);
    void OnCommand(std::span<const uint8_t> data);

    const uint8_t* m_data;
    size_t m_size;
    size_t m_pos = 0;
    bool m_openOk = true;
    bool m_programmed = false;
    std::deque<uint8_t> m_toPc;
    MemoryImage m_memory;
    CommTimeouts m_timeouts;
    int64_t m_nowMs = 0;
    enum class Expect { Nothing, Ident, BlockHeader, BlockData } m_expect = Expect::Nothing;
    int m_blockAddress = 0;
};

#pragma once

#include "link/stopwatch.h"

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <thread>

// Timeouts with the semantics of a Windows COMM port: a read ends when all bytes arrived,
// when the total time (per byte × bytes requested + constant) is up, or when the gap after
// a received byte exceeds the interval. A write ends when everything is sent or its total
// time is up.
struct CommTimeouts {
    int readIntervalMs = 0;
    int readPerByteMs = 0;
    int readConstantMs = 0;
    int writePerByteMs = 0;
    int writeConstantMs = 0;
};

// One serial device, opened exclusively. Every call is synchronous.
class SerialLink {
  public:
    virtual ~SerialLink() = default;

    virtual bool Open(const std::string& device) = 0;
    // The system's reason for the last failed Open, for the message's details.
    virtual std::string ErrorReason() const = 0;
    virtual void Close() = 0;

    // 9600 baud, 8 data bits, no parity, 1 stop bit, binary; other settings stay as they are.
    virtual void ApplyCloneLineSettings() = 0;
    virtual void SetTimeouts(const CommTimeouts& timeouts) = 0;

    // Discards both queues.
    virtual void Purge() = 0;
    // Returns how many bytes were sent / arrived before the timeouts ended the call.
    virtual size_t Write(std::span<const uint8_t> data) = 0;
    virtual size_t Read(std::span<uint8_t> out) = 0;

    // True once the device has gone away (cable pulled, hang-up): every later call fails at
    // once instead of waiting out its timeout.
    virtual bool Broken() const = 0;

    // The exchange's sense of time: pauses between request bytes and the reply windows. A
    // simulated line can keep its own clock.
    virtual void Pause(int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }
    virtual int64_t NowMs() const { return m_clock.ElapsedMs(); }

  private:
    Stopwatch m_clock;
};

#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <mutex>
#include <optional>
#include <span>
#include <string>
#include <vector>

// The radio's end of a pseudo-terminal. Optionally paced: every byte in either direction
// takes 1/960 s, as on a 9600-baud 8N1 line. Records every byte in both directions.
class PtyLine {
  public:
    using Clock = std::chrono::steady_clock;

    PtyLine() = default;
    PtyLine(const PtyLine&) = delete;
    PtyLine& operator=(const PtyLine&) = delete;
    ~PtyLine();

    bool Open(std::string& error);
    const std::string& DevicePath() const { return m_devicePath; }
    void SetPaced(bool paced) { m_paced = paced; }

    // The next byte from the PC, waiting at most timeoutMs (negative: until one comes).
    // Empty on timeout, after Interrupt() and after HangUp().
    std::optional<uint8_t> Next(int timeoutMs);
    // Puts a byte back in front of the unread ones.
    void PushBack(uint8_t byte);
    void Send(std::span<const uint8_t> bytes);

    // Closes the pseudo-terminal: the PC's side sees the device disappear.
    void HangUp();
    // Makes every wait return at once, for good (thread-safe).
    void Interrupt();

    std::vector<uint8_t> Received() const;
    std::vector<uint8_t> Sent() const;
    void ClearRecords();
    bool WaitForReceived(size_t count, int timeoutMs) const;

  private:
    struct Arrival {
        uint8_t byte;
        Clock::time_point at;
    };
    enum class FillResult { Data, Nothing, Closed };
    FillResult Fill(int timeoutMs);
    void Record(std::vector<uint8_t>& log, std::span<const uint8_t> bytes);

    int m_master = -1;
    int m_slaveHolder = -1; // keeps the line up between the PC's sessions
    int m_wake[2] = {-1, -1};
    std::string m_devicePath;
    bool m_paced = false;
    std::deque<Arrival> m_pending;
    Clock::time_point m_inFreeAt{};
    Clock::time_point m_outFreeAt{};

    mutable std::mutex m_mutex;
    mutable std::condition_variable m_changed;
    std::vector<uint8_t> m_received;
    std::vector<uint8_t> m_sent;
};

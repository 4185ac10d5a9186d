#pragma once

#include <atomic>
#include <optional>

// Holds a transfer-busy flag from a successful claim until it is destroyed, so whoever
// starts a transfer claims the flag before the worker runs and every way out releases it.
class BusyClaim {
  public:
    // Claims the flag atomically; empty when it was already set.
    static std::optional<BusyClaim> TryClaim(std::atomic<bool>& flag);

    BusyClaim(BusyClaim&& other) noexcept : m_flag(other.m_flag) { other.m_flag = nullptr; }
    BusyClaim& operator=(BusyClaim&&) = delete;
    BusyClaim(const BusyClaim&) = delete;
    ~BusyClaim();

  private:
    explicit BusyClaim(std::atomic<bool>& flag) : m_flag(&flag) {}
    std::atomic<bool>* m_flag;
};

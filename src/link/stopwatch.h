#pragma once

#include <chrono>
#include <cstdint>

// Millisecond stopwatch on the monotonic clock.
class Stopwatch {
  public:
    Stopwatch() : m_start(std::chrono::steady_clock::now()) {}
    void Restart() { m_start = std::chrono::steady_clock::now(); }
    int64_t ElapsedMs() const {
        return std::chrono::duration_cast<std::chrono::milliseconds>(
                   std::chrono::steady_clock::now() - m_start)
            .count();
    }

  private:
    std::chrono::steady_clock::time_point m_start;
};

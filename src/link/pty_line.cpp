#include "link/pty_line.h"

#include <array>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <thread>
#include <unistd.h>

namespace {

constexpr auto kByteTime = std::chrono::nanoseconds(1'000'000'000 / 960);

void CloseFd(int& fd) {
    if (fd >= 0)
        ::close(fd);
    fd = -1;
}

} // namespace

PtyLine::~PtyLine() {
    HangUp();
    CloseFd(m_wake[0]);
    CloseFd(m_wake[1]);
}

bool PtyLine::Open(std::string& error) {
    if (::pipe2(m_wake, O_CLOEXEC | O_NONBLOCK) != 0) {
        error = std::strerror(errno);
        return false;
    }
    // The master's termios stay as they are: the PC's side must set raw mode itself.
    m_master = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC | O_NONBLOCK);
    if (m_master < 0 || ::grantpt(m_master) != 0 || ::unlockpt(m_master) != 0) {
        error = std::strerror(errno);
        return false;
    }
    std::array<char, 128> name{};
    if (::ptsname_r(m_master, name.data(), name.size()) != 0) {
        error = std::strerror(errno);
        return false;
    }
    m_devicePath = name.data();
    m_slaveHolder = ::open(name.data(), O_RDWR | O_NOCTTY | O_CLOEXEC | O_NONBLOCK);
    if (m_slaveHolder < 0) {
        error = std::strerror(errno);
        return false;
    }
    return true;
}

PtyLine::FillResult PtyLine::Fill(int timeoutMs) {
    if (m_master < 0)
        return FillResult::Closed;
    std::array<pollfd, 2> fds = {pollfd{m_master, POLLIN, 0}, pollfd{m_wake[0], POLLIN, 0}};
    const int ready = ::poll(fds.data(), fds.size(), timeoutMs);
    if (ready > 0 && fds[1].revents != 0)
        return FillResult::Closed;
    if (ready <= 0)
        return FillResult::Nothing;
    std::array<uint8_t, 256> chunk;
    const ssize_t n = ::read(m_master, chunk.data(), chunk.size());
    if (n <= 0) {
        // A purge on the PC's side can wake poll with nothing left to read (EAGAIN). Any
        // other failure is not expected while the slave is held open; do not spin on it.
        if (n < 0 && errno != EAGAIN && errno != EINTR)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        return FillResult::Nothing;
    }
    const auto bytes = std::span<const uint8_t>(chunk.data(), static_cast<size_t>(n));
    const auto now = Clock::now();
    for (const uint8_t byte : bytes) {
        if (m_paced)
            m_inFreeAt = std::max(m_inFreeAt, now) + kByteTime;
        m_pending.push_back({byte, m_paced ? m_inFreeAt : now});
    }
    Record(m_received, bytes);
    return FillResult::Data;
}

std::optional<uint8_t> PtyLine::Next(int timeoutMs) {
    const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    while (m_pending.empty()) {
        int wait = -1;
        if (timeoutMs >= 0) {
            const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now());
            if (left.count() <= 0)
                return std::nullopt;
            wait = static_cast<int>(left.count());
        }
        if (Fill(wait) == FillResult::Closed)
            return std::nullopt;
    }
    const Arrival next = m_pending.front();
    m_pending.pop_front();
    std::this_thread::sleep_until(next.at);
    return next.byte;
}

void PtyLine::PushBack(uint8_t byte) {
    m_pending.push_front({byte, Clock::now()});
}

void PtyLine::Send(std::span<const uint8_t> bytes) {
    if (m_master < 0)
        return;
    // Deadlines are anchored once per message: sleeping per byte would drift.
    const auto start = std::max(Clock::now(), m_outFreeAt);
    for (size_t i = 0; i < bytes.size(); ++i) {
        if (m_paced)
            std::this_thread::sleep_until(start + kByteTime * static_cast<int>(i + 1));
        const size_t count = m_paced ? 1 : bytes.size();
        if (::write(m_master, bytes.data() + i, count) < 0)
            break; // the PC is not reading: the bytes are lost, as on a real line
        Record(m_sent, bytes.subspan(i, count));
        i += count - 1;
    }
    if (m_paced)
        m_outFreeAt = start + kByteTime * static_cast<int>(bytes.size());
}

void PtyLine::HangUp() {
    CloseFd(m_slaveHolder);
    CloseFd(m_master);
    m_pending.clear();
}

void PtyLine::Interrupt() {
    const char byte = 1;
    if (m_wake[1] >= 0 && ::write(m_wake[1], &byte, 1) < 0) {
        // The pipe is full: a wake-up is already pending.
    }
}

void PtyLine::Record(std::vector<uint8_t>& log, std::span<const uint8_t> bytes) {
    const std::lock_guard lock(m_mutex);
    log.insert(log.end(), bytes.begin(), bytes.end());
    m_changed.notify_all();
}

std::vector<uint8_t> PtyLine::Received() const {
    const std::lock_guard lock(m_mutex);
    return m_received;
}

std::vector<uint8_t> PtyLine::Sent() const {
    const std::lock_guard lock(m_mutex);
    return m_sent;
}

void PtyLine::ClearRecords() {
    const std::lock_guard lock(m_mutex);
    m_received.clear();
    m_sent.clear();
}

bool PtyLine::WaitForReceived(size_t count, int timeoutMs) const {
    std::unique_lock lock(m_mutex);
    return m_changed.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                              [&] { return m_received.size() >= count; });
}

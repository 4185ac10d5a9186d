#include "link/qt_serial_link.h"

#include "link/port_access.h"
#include "link/stopwatch.h"

#include <algorithm>

bool QtSerialLink::Open(const std::string& device) {
    Close();
    m_broken = false;
    m_reason.clear();
    if (device.empty()) {
        m_reason = "no device is assigned to this port";
        return false;
    }
    m_port.setPortName(QString::fromStdString(device));
    if (!m_port.open(QIODevice::ReadWrite)) {
        // A refused device gets its group and the fix; Qt's text says only "Permission denied".
        const auto refused = CheckPortAccess(device);
        m_reason = refused ? PermissionAdvice(*refused) : m_port.errorString().toStdString();
        return false;
    }
    return true;
}

void QtSerialLink::Close() {
    if (m_port.isOpen())
        m_port.close();
    m_port.clearError();
}

void QtSerialLink::ApplyCloneLineSettings() {
    m_port.setBaudRate(QSerialPort::Baud9600);
    m_port.setDataBits(QSerialPort::Data8);
    m_port.setParity(QSerialPort::NoParity);
    m_port.setStopBits(QSerialPort::OneStop);
}

void QtSerialLink::Purge() {
    if (m_port.isOpen())
        m_port.clear(QSerialPort::AllDirections);
}

size_t QtSerialLink::Write(std::span<const uint8_t> data) {
    if (m_broken || !m_port.isOpen() || data.empty())
        return 0;
    const int totalMs =
        m_timeouts.writePerByteMs * static_cast<int>(data.size()) + m_timeouts.writeConstantMs;
    const qint64 queued =
        m_port.write(reinterpret_cast<const char*>(data.data()), static_cast<qint64>(data.size()));
    if (queued < 0) {
        m_broken = true;
        return 0;
    }
    // write() only buffers; the bytes leave while we wait for them.
    const Stopwatch watch;
    while (m_port.bytesToWrite() > 0) {
        const int left = totalMs - static_cast<int>(watch.ElapsedMs());
        if (left <= 0 || !m_port.waitForBytesWritten(left))
            break;
    }
    if (m_port.error() != QSerialPort::NoError && m_port.error() != QSerialPort::TimeoutError)
        m_broken = true;
    m_port.clearError();
    return static_cast<size_t>(std::max<qint64>(0, queued - m_port.bytesToWrite()));
}

size_t QtSerialLink::Read(std::span<uint8_t> out) {
    if (m_broken || !m_port.isOpen())
        return 0;
    const int totalMs =
        m_timeouts.readPerByteMs * static_cast<int>(out.size()) + m_timeouts.readConstantMs;
    const Stopwatch watch;
    size_t got = 0;
    while (got < out.size()) {
        if (m_port.bytesAvailable() > 0) {
            const qint64 n = m_port.read(reinterpret_cast<char*>(out.data() + got),
                                         static_cast<qint64>(out.size() - got));
            got += static_cast<size_t>(std::max<qint64>(0, n));
            continue;
        }
        int wait = totalMs - static_cast<int>(watch.ElapsedMs());
        if (got > 0 && m_timeouts.readIntervalMs > 0)
            wait = std::min(wait, m_timeouts.readIntervalMs);
        if (wait <= 0 || !WaitForData(wait))
            break;
    }
    return got;
}

bool QtSerialLink::WaitForData(int timeoutMs) {
    if (m_port.waitForReadyRead(timeoutMs))
        return true;
    // Anything but a timeout means the device has gone; its error text (a stale errno after
    // a hang-up) is not worth showing.
    if (m_port.error() != QSerialPort::TimeoutError && m_port.error() != QSerialPort::NoError)
        m_broken = true;
    m_port.clearError();
    return false;
}

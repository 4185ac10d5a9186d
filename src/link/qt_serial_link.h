#pragma once

#include "link/serial_link.h"

#include <QSerialPort>

// SerialLink on QSerialPort. Use it from the main thread or a QThread (QSerialPort's socket
// notifiers need one).
class QtSerialLink : public SerialLink {
  public:
    bool Open(const std::string& device) override;
    std::string ErrorReason() const override { return m_reason; }
    void Close() override;

    void ApplyCloneLineSettings() override;
    void SetTimeouts(const CommTimeouts& timeouts) override { m_timeouts = timeouts; }

    void Purge() override;
    size_t Write(std::span<const uint8_t> data) override;
    size_t Read(std::span<uint8_t> out) override;
    bool Broken() const override { return m_broken; }

  private:
    bool WaitForData(int timeoutMs);

    QSerialPort m_port;
    CommTimeouts m_timeouts;
    std::string m_reason;
    bool m_broken = false;
};

#pragma once

#include "link/port_detector.h"
#include "link/serial_device_info.h"

#include <QDialog>

#include <functional>
#include <string>

class QButtonGroup;
class QLabel;
class QPushButton;

// "端口设置": sixteen ports with the device behind each, the ones that cannot be opened
// disabled, the current one checked; "自动检测" finds the port the radio answers on.
class CPortDlg : public QDialog {
    Q_OBJECT
  public:
    // `canOpen` probes a device (opens and closes it); the program passes a serial probe.
    using Probe = std::function<bool(const std::string& device)>;
    CPortDlg(QWidget* parent, Probe canOpen);

    void accept() override;
    QButtonGroup* Buttons() const { return m_buttons; }
    QPushButton* DetectButton() const { return m_detectButton; }
    // The device text beside COMn.
    QLabel* DeviceLabel(int port) const;
    QLabel* ResultLabel() const { return m_result; }

  private:
    void OnDetect();
    void ShowDetection(const Detection& detection);

    QButtonGroup* m_buttons;
    std::vector<QLabel*> m_deviceLabels;
    QPushButton* m_detectButton;
    QLabel* m_result;
};

// Opens the device exclusively as a serial port and closes it again.
bool ProbeSerialDevice(const std::string& device);

// What stands beside a COM button: the device and what `ports` knows of it, or "不存在".
QString DeviceDescription(const SerialDeviceTable& ports, const std::string& device);

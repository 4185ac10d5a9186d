#pragma once

#include <QDialog>

#include <functional>
#include <string>

class QButtonGroup;

// "端口设置": sixteen ports, the ones that cannot be opened disabled, the current one checked.
class CPortDlg : public QDialog {
    Q_OBJECT
  public:
    // `canOpen` probes a device (opens and closes it); the program passes a serial probe.
    using Probe = std::function<bool(const std::string& device)>;
    CPortDlg(QWidget* parent, Probe canOpen);

    void accept() override;
    QButtonGroup* Buttons() const { return m_buttons; }

  private:
    QButtonGroup* m_buttons;
};

// Opens the device exclusively as a serial port and closes it again.
bool ProbeSerialDevice(const std::string& device);

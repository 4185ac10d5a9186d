#include "app/port_dlg.h"

#include "app/app_globals.h"
#include "app/ini_file.h"
#include "link/port_name.h"
#include "link/qt_port_detector.h"
#include "link/qt_serial_link.h"

#include <QApplication>
#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

constexpr int kFirstButtonId = 1007;
constexpr int kRowsPerColumn = 8;

bool ProbeSerialDevice(const std::string& device) {
    QtSerialLink link;
    if (device.empty() || !link.Open(device))
        return false;
    link.Close();
    return true;
}

QString DeviceDescription(const SerialDeviceTable& ports, const std::string& device) {
    if (!DeviceExists(device))
        return QString::fromStdString(device.empty() ? "" : device + "  ") + QObject::tr("不存在");
    const auto info = LookUpSerialDevice(ports, device);
    const std::string what = info ? DescribeSerialDevice(*info) : "";
    return QString::fromStdString(what.empty() ? device : device + "  " + what);
}

CPortDlg::CPortDlg(QWidget* parent, Probe canOpen)
    : QDialog(parent), m_buttons(new QButtonGroup(this)),
      m_detectButton(new QPushButton(tr("自动检测"), this)), m_result(new QLabel(this)) {
    setWindowTitle(tr("端口设置"));
    auto* group = new QGroupBox(tr("端口"), this);
    auto* grid = new QGridLayout(group);
    const std::string ini = ProgramIniPath().toStdString();
    const SerialDeviceTable ports = ListSerialDevices();
    for (const PortSlot& slot : PortSlots(ini)) {
        auto* button = new QRadioButton(QStringLiteral("COM%1").arg(slot.number), group);
        button->setEnabled(canOpen(slot.device));
        m_buttons->addButton(button, kFirstButtonId - 1 + slot.number);
        auto* label = new QLabel(DeviceDescription(ports, slot.device), group);
        label->setBuddy(button);
        m_deviceLabels.push_back(label);
        const int row = (slot.number - 1) % kRowsPerColumn;
        const int column = 2 * ((slot.number - 1) / kRowsPerColumn);
        grid->addWidget(button, row, column);
        grid->addWidget(label, row, column + 1);
    }
    m_buttons->setExclusive(true);
    const std::string current = ResolvePortDevice(g_portName, ini);
    const int number = PortNumberOf(g_portName);
    if (number >= 1 && number <= kPortSlotCount && canOpen(current))
        m_buttons->button(kFirstButtonId - 1 + number)->setChecked(true);
    m_result->setWordWrap(true);
    connect(m_detectButton, &QPushButton::clicked, this, &CPortDlg::OnDetect);
    auto* box = new QDialogButtonBox(this);
    box->addButton(tr("确定"), QDialogButtonBox::AcceptRole);
    box->addButton(tr("取消"), QDialogButtonBox::RejectRole);
    connect(box, &QDialogButtonBox::accepted, this, &CPortDlg::accept);
    connect(box, &QDialogButtonBox::rejected, this, &CPortDlg::reject);
    auto* detectRow = new QHBoxLayout;
    detectRow->addWidget(m_detectButton);
    detectRow->addWidget(m_result, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addLayout(detectRow);
    layout->addWidget(box);
}

QLabel* CPortDlg::DeviceLabel(int port) const {
    return port >= 1 && port <= int(m_deviceLabels.size()) ? m_deviceLabels[port - 1] : nullptr;
}

// Blocks for at most the four handshake attempts (about 1.3 s without a radio), under a busy
// cursor.
void CPortDlg::OnDetect() {
    m_detectButton->setEnabled(false);
    m_result->setText(tr("正在检测…"));
    m_result->repaint();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const Detection detection =
        DetectRadioOnSerialPorts(ExistingPortSlots(ProgramIniPath().toStdString()));
    QApplication::restoreOverrideCursor();
    m_detectButton->setEnabled(true);
    ShowDetection(detection);
}

void CPortDlg::ShowDetection(const Detection& detection) {
    if (const PortProbe* found = detection.Found()) {
        QAbstractButton* button = m_buttons->button(kFirstButtonId - 1 + found->slot.number);
        if (button) {
            button->setEnabled(true);
            button->setChecked(true);
        }
        m_result->setText(tr("在 COM%1 (%2) 找到对讲机")
                              .arg(found->slot.number)
                              .arg(QString::fromStdString(found->slot.device)));
        return;
    }
    // Why a port could not be tried, e.g. the group a device needs.
    QString text = tr("未找到对讲机");
    for (const PortProbe& probe : detection.probes) {
        if (probe.outcome != ProbeOutcome::CannotOpen)
            continue;
        text += '\n' + tr("COM%1 (%2)：无法打开串口")
                           .arg(probe.slot.number)
                           .arg(QString::fromStdString(probe.slot.device));
        if (!probe.reason.empty())
            text += '\n' + QString::fromStdString(probe.reason);
    }
    m_result->setText(text);
}

void CPortDlg::accept() {
    const int id = m_buttons->checkedId();
    if (id >= kFirstButtonId && id < kFirstButtonId + kPortSlotCount) {
        const int p = id - (kFirstButtonId - 1);
        g_portName = PortNameForNumber(p);
        CIniFile(ProgramIniPath()).SetInt("Setup", "COM", p);
    }
    QDialog::accept();
}

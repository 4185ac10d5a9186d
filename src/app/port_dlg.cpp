#include "app/port_dlg.h"

#include "app/app_globals.h"
#include "app/ini_file.h"
#include "link/port_name.h"
#include "link/qt_serial_link.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

constexpr int kFirstButtonId = 1007;
constexpr int kPortCount = 16;

bool ProbeSerialDevice(const std::string& device) {
    QtSerialLink link;
    if (device.empty() || !link.Open(device))
        return false;
    link.Close();
    return true;
}

CPortDlg::CPortDlg(QWidget* parent, Probe canOpen)
    : QDialog(parent), m_buttons(new QButtonGroup(this)) {
    setWindowTitle(tr("端口设置"));
    auto* group = new QGroupBox(tr("端口"), this);
    auto* grid = new QGridLayout(group);
    const std::string ini = ProgramIniPath().toStdString();
    for (int p = 1; p <= kPortCount; ++p) {
        const std::string device = ResolvePortDevice(PortNameForNumber(p), ini);
        auto* button = new QRadioButton(QStringLiteral("COM%1").arg(p), group);
        button->setToolTip(QString::fromStdString(device));
        if (!device.empty())
            button->setText(button->text() +
                            QStringLiteral("  (%1)").arg(QString::fromStdString(device)));
        button->setEnabled(canOpen(device));
        m_buttons->addButton(button, kFirstButtonId - 1 + p);
        grid->addWidget(button, (p - 1) % 8, (p - 1) / 8);
    }
    m_buttons->setExclusive(true);
    const std::string current = ResolvePortDevice(g_portName, ini);
    const int number = PortNumberOf(g_portName);
    if (number >= 1 && number <= kPortCount && canOpen(current))
        m_buttons->button(kFirstButtonId - 1 + number)->setChecked(true);
    auto* box = new QDialogButtonBox(this);
    box->addButton(tr("确定"), QDialogButtonBox::AcceptRole);
    box->addButton(tr("取消"), QDialogButtonBox::RejectRole);
    connect(box, &QDialogButtonBox::accepted, this, &CPortDlg::accept);
    connect(box, &QDialogButtonBox::rejected, this, &CPortDlg::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(box);
}

void CPortDlg::accept() {
    const int id = m_buttons->checkedId();
    if (id >= kFirstButtonId && id < kFirstButtonId + kPortCount) {
        const int p = id - (kFirstButtonId - 1);
        g_portName = PortNameForNumber(p);
        CIniFile(ProgramIniPath()).SetInt("Setup", "COM", p);
    }
    QDialog::accept();
}

#include "app/radio_info_dlg.h"

#include "app/app_globals.h"
#include "app/message_box.h"
#include "app/table_text.h"
#include "link/port_name.h"
#include "link/qt_serial_link.h"
#include "link/radio_info_read.h"
#include "link/transfer_observer.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

class DialogMessages : public MessageSink {
  public:
    explicit DialogMessages(QWidget* parent) : m_parent(parent) {}
    void ShowMessage(const std::string& message, const std::string& reason) override {
        Ui::ShowMessage(m_parent, TableText(message), TableText(reason));
    }

  private:
    QWidget* m_parent;
};

} // namespace

CRadioInfoDlg::CRadioInfoDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("对讲机信息"));
    for (QLineEdit*& field : m_fields) {
        field = new QLineEdit(this);
        field->setReadOnly(true);
        field->setAlignment(Qt::AlignCenter);
    }
    auto* grid = new QGridLayout(this);
    // The model edit and its label stay hidden.
    m_fields[kModel]->hide();
    grid->addWidget(new QLabel(tr("MCU版本"), this), 0, 0);
    grid->addWidget(m_fields[kMcuVersion], 0, 1, 1, 3);
    grid->addWidget(new QLabel(tr("PC版本"), this), 1, 0);
    grid->addWidget(m_fields[kPcVersion], 1, 1, 1, 3);
    grid->addWidget(new QLabel(tr("A段"), this), 2, 0);
    grid->addWidget(m_fields[kBandALow], 2, 1);
    grid->addWidget(new QLabel("---", this), 2, 2);
    grid->addWidget(m_fields[kBandAHigh], 2, 3);
    grid->addWidget(new QLabel(tr("B段"), this), 3, 0);
    grid->addWidget(m_fields[kBandBLow], 3, 1);
    grid->addWidget(new QLabel("---", this), 3, 2);
    grid->addWidget(m_fields[kBandBHigh], 3, 3);
    auto* read = new QPushButton(tr("读取"), this);
    // Enter closes the dialog as Esc does; it never starts a read.
    read->setAutoDefault(false);
    connect(read, &QPushButton::clicked, this, &CRadioInfoDlg::OnRead);
    grid->addWidget(read, 4, 1, 1, 3);
}

void CRadioInfoDlg::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        return accept();
    QDialog::keyPressEvent(event);
}

QString CRadioInfoDlg::FieldText(Field field) const {
    return m_fields[field]->text();
}

void CRadioInfoDlg::OnRead() {
    QtSerialLink link;
    DialogMessages messages(this);
    const std::string device = ResolvePortDevice(g_portName, ProgramIniPath().toStdString());
    const auto ident = ReadRadioIdent(link, device, messages);
    if (!ident)
        return;
    const RadioInfo info = DecodeRadioInfo(*ident);
    m_fields[kModel]->setText(QString::fromStdString(info.model));
    if (info.mcuVersion)
        m_fields[kMcuVersion]->setText(QString::fromStdString(*info.mcuVersion));
    if (info.pcVersion)
        m_fields[kPcVersion]->setText(QString::fromStdString(*info.pcVersion));
    for (int i = 0; i < 4; ++i)
        m_fields[kBandALow + i]->setText(QString::number(info.bandMhz[i]));
}

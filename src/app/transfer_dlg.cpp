#include "app/transfer_dlg.h"

#include "app/app_globals.h"
#include "app/ini_file.h"
#include "app/message_box.h"
#include "app/table_text.h"
#include "link/busy_claim.h"
#include "link/port_name.h"
#include "link/qt_serial_link.h"
#include "link/transfer_observer.h"
#include "link/transfer_range.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QThread>
#include <QVBoxLayout>

// Forwards the worker's calls to the dialog's thread, in order. A message waits until the
// user has answered it, as the transfer does not go on behind an open message box.
class CTransferDlgObserver : public TransferObserver {
  public:
    explicit CTransferDlgObserver(CTransferDlg* dialog) : m_dialog(dialog) {}
    void ShowMessage(const std::string& message, const std::string& reason) override {
        const QString text = TableText(message);
        const QString details = TableText(reason);
        QMetaObject::invokeMethod(
            m_dialog, [=, this] { m_dialog->ShowMessage(text, details); },
            Qt::BlockingQueuedConnection);
    }
    void SetButtonsEnabled(bool enabled) override {
        QMetaObject::invokeMethod(
            m_dialog, [=, this] { m_dialog->SetButtonsEnabled(enabled); }, Qt::QueuedConnection);
    }
    void SetProgress(int position, const std::string& percentText) override {
        const QString text = QString::fromStdString(percentText);
        QMetaObject::invokeMethod(
            m_dialog, [=, this] { m_dialog->SetProgress(position, text); }, Qt::QueuedConnection);
    }
    void Close() override {
        QMetaObject::invokeMethod(
            m_dialog, [this] { m_dialog->CloseFromWorker(); }, Qt::QueuedConnection);
    }

  private:
    CTransferDlg* m_dialog;
};

namespace {

TransferRequest RequestFor(CTransferDlg::Kind kind) {
    switch (kind) {
    case CTransferDlg::Kind::Read:
        return ReadRequest();
    case CTransferDlg::Kind::Write:
        return WriteRequest();
    default:
        return InitialiseRequest();
    }
}

QString TitleFor(CTransferDlg::Kind kind) {
    switch (kind) {
    case CTransferDlg::Kind::Read:
        return QObject::tr("读数据");
    case CTransferDlg::Kind::Write:
        return QObject::tr("写数据");
    default:
        return QObject::tr("初始化数据");
    }
}

// Program.ini [Setup] Verify: 1 / 0, missing = on.
constexpr const char* kVerifySection = "Setup";
constexpr const char* kVerifyKey = "Verify";

} // namespace

CTransferDlg::CTransferDlg(QWidget* parent, Kind kind)
    : QDialog(parent), m_request(RequestFor(kind)), m_percent(new QLabel("0%", this)),
      m_progress(new QProgressBar(this)), m_start(new QPushButton(tr("开始"), this)),
      m_exit(new QPushButton(tr("退出"), this)),
      m_observer(std::make_unique<CTransferDlgObserver>(this)) {
    setWindowTitle(TitleFor(kind));
    // The same count the transfer reports its steps against.
    m_progress->setRange(0, ProgressSteps(m_request.first, m_request.second));
    m_progress->setValue(0);
    m_progress->setTextVisible(false);
    m_percent->setAlignment(Qt::AlignCenter);
    m_start->setDefault(true);
    connect(m_start, &QPushButton::clicked, this, &CTransferDlg::OnStart);
    connect(m_exit, &QPushButton::clicked, this, &CTransferDlg::reject);
    auto* buttons = new QHBoxLayout;
    if (kind != Kind::Read) {
        m_verify = new QCheckBox(tr("写后校验"), this);
        m_verify->setChecked(CIniFile(ProgramIniPath()).GetInt(kVerifySection, kVerifyKey, 1) != 0);
        connect(m_verify, &QCheckBox::toggled, this, &CTransferDlg::OnVerifyToggled);
        buttons->addWidget(m_verify);
    }
    buttons->addStretch(1);
    buttons->addWidget(m_start);
    buttons->addWidget(m_exit);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_progress);
    layout->addWidget(m_percent);
    layout->addLayout(buttons);
    resize(320, 110);
}

CTransferDlg::~CTransferDlg() {
    if (m_worker) {
        m_worker->wait();
        delete m_worker;
    }
}

QString CTransferDlg::PercentText() const {
    return m_percent->text();
}
int CTransferDlg::ProgressValue() const {
    return m_progress->value();
}
int CTransferDlg::ProgressMaximum() const {
    return m_progress->maximum();
}

void CTransferDlg::OnStart() {
    // The flag is claimed here, before the worker exists, so a second press cannot start
    // a second transfer.
    auto claim = BusyClaim::TryClaim(g_transferBusy);
    if (!claim)
        return;
    if (m_worker) {
        m_worker->wait();
        delete m_worker;
    }
    m_running = true;
    m_success = false;
    TransferRequest request = m_request;
    request.verify = m_verify && m_verify->isChecked();
    if (m_verify)
        m_verify->setEnabled(false);
    const std::string device = ResolvePortDevice(g_portName, ProgramIniPath().toStdString());
    auto held = std::make_shared<BusyClaim>(std::move(*claim));
    m_worker = QThread::create([this, device, held, request] {
        QtSerialLink link;
        m_success = CloneTransfer(request, g_image, link, device, *m_observer);
        QMetaObject::invokeMethod(
            this, [this] { OnWorkerDone(); }, Qt::QueuedConnection);
    });
    m_worker->start();
}

void CTransferDlg::SetButtonsEnabled(bool enabled) {
    m_start->setEnabled(enabled);
    m_exit->setEnabled(enabled);
}

void CTransferDlg::SetProgress(int position, const QString& text) {
    m_progress->setValue(position);
    m_percent->setText(text);
}

void CTransferDlg::ShowMessage(const QString& text, const QString& details) {
    Ui::ShowMessage(this, text, details);
}

void CTransferDlg::CloseFromWorker() {
    // The worker has not stored its result yet; the dialog ends once it has.
    m_closePending = true;
}

void CTransferDlg::OnWorkerDone() {
    m_running = false;
    if (m_verify)
        m_verify->setEnabled(true);
    if (m_closePending) {
        m_closePending = false;
        QDialog::reject();
    }
}

void CTransferDlg::OnVerifyToggled(bool on) {
    CIniFile(ProgramIniPath()).SetInt(kVerifySection, kVerifyKey, on ? 1 : 0);
}

void CTransferDlg::reject() {
    // While a transfer runs only the worker ends the dialog.
    if (m_running)
        return;
    QDialog::reject();
}

void CTransferDlg::closeEvent(QCloseEvent* event) {
    if (m_running)
        return event->ignore();
    QDialog::closeEvent(event);
}

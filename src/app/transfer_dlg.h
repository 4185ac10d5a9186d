#pragma once

#include "link/clone_transfer.h"

#include <QDialog>

#include <atomic>
#include <memory>

class QCheckBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QThread;
class TransferObserver;

// The progress dialog of a read, write or initialise. "开始" runs CloneTransfer on a worker
// thread; the worker drives the dialog only through queued calls.
class CTransferDlg : public QDialog {
    Q_OBJECT
  public:
    enum class Kind { Read, Write, Initialise };
    CTransferDlg(QWidget* parent, Kind kind);
    ~CTransferDlg() override;

    bool Succeeded() const { return m_success.load(); }
    QPushButton* StartButton() const { return m_start; }
    QPushButton* ExitButton() const { return m_exit; }
    // "写后校验", for a write or an initialise only (nullptr for a read).
    QCheckBox* VerifyBox() const { return m_verify; }
    QString PercentText() const;
    int ProgressValue() const;
    int ProgressMaximum() const;

    // "开始": ignored while a transfer holds the busy flag.
    void OnStart();
    void reject() override;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    friend class CTransferDlgObserver;
    void SetButtonsEnabled(bool enabled);
    void SetProgress(int position, const QString& text);
    void ShowMessage(const QString& text, const QString& details);
    void CloseFromWorker();
    void OnWorkerDone();
    void OnVerifyToggled(bool on);

    TransferRequest m_request;
    std::atomic<bool> m_success{false};
    bool m_running = false;
    bool m_closePending = false;
    QLabel* m_percent;
    QProgressBar* m_progress;
    QPushButton* m_start;
    QPushButton* m_exit;
    QCheckBox* m_verify = nullptr;
    QThread* m_worker = nullptr;
    std::unique_ptr<TransferObserver> m_observer;
};

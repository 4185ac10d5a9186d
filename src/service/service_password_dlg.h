#pragma once

#include <QDialog>

class QLineEdit;

// The service password prompt. OK accepts only a matching entry; anything else ends the
// dialog as cancelled, silently, without another try.
class CServicePasswordDlg : public QDialog {
    Q_OBJECT
  public:
    explicit CServicePasswordDlg(QWidget* parent);

    QLineEdit* PasswordEdit() const { return m_edit; }
    void OnOk();

  private:
    QLineEdit* m_edit;
};

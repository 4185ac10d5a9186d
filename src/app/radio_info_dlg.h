#pragma once

#include <QDialog>

class QLineEdit;

// "对讲机信息": "读取" asks the radio for its identification and shows what it reports.
class CRadioInfoDlg : public QDialog {
    Q_OBJECT
  public:
    explicit CRadioInfoDlg(QWidget* parent);
    void OnRead();

    enum Field { kModel, kMcuVersion, kPcVersion, kBandALow, kBandAHigh, kBandBLow, kBandBHigh };
    QString FieldText(Field field) const;

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    QLineEdit* m_fields[7];
};

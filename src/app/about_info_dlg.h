#pragma once

#include <QDialog>

class QLabel;

// "关于": three lines from the [About] section of Program.ini.
class CAboutInfoDlg : public QDialog {
    Q_OBJECT
  public:
    explicit CAboutInfoDlg(QWidget* parent);
    QString LineText(int line) const;

  private:
    QLabel* m_lines[3];
};

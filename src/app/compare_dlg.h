#pragma once

#include <QDialog>

class QListWidget;

// "比较": the differences between the open document and another image file, one per line.
class CCompareDlg : public QDialog {
    Q_OBJECT
  public:
    CCompareDlg(QWidget* parent, const QString& fileName, const QStringList& lines);
    QListWidget* List() const { return m_list; }

  private:
    QListWidget* m_list;
};

#pragma once

#include <QWidget>

class QLineEdit;

// The grid's find bar (Ctrl+F): a query edit, "下一个" and "关闭". Typing looks from the current
// channel on; Enter and "下一个" look past it; Esc and "关闭" hide the bar.
class CFindBar : public QWidget {
    Q_OBJECT
  public:
    explicit CFindBar(QWidget* parent);
    // Shows the bar with its query selected, ready for typing.
    void Open();
    QLineEdit* Edit() const { return m_edit; }

  signals:
    void Search(const QString& query, bool next);
    void Closed();

  protected:
    bool eventFilter(QObject* object, QEvent* event) override;

  private:
    void Close();

    QLineEdit* m_edit;
};

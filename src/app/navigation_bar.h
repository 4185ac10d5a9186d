#pragma once

#include <QDockWidget>

class QTreeWidget;
class QTreeWidgetItem;

// The left bar with the tree of the radio's editable areas. Each item below the root names a
// command; clicking the item or pressing Enter on it runs the command once, and the selection
// returns to the root.
class CNavigationBar : public QDockWidget {
    Q_OBJECT
  public:
    CNavigationBar(QWidget* parent, const QString& rootText);
    QTreeWidget* Tree() const { return m_tree; }

  signals:
    void ItemChosen(int commandId);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void OnItemChosen(QTreeWidgetItem* item);
    QTreeWidget* m_tree;
    QTreeWidgetItem* m_root;
};

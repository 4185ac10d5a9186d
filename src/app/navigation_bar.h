#pragma once

#include <QDockWidget>

class QTreeWidget;
class QTreeWidgetItem;

// The left bar with the tree of the radio's editable areas. An item acts when the user
// clicks it or activates it with the keyboard; the selection then returns to the root.
class CNavigationBar : public QDockWidget {
    Q_OBJECT
  public:
    CNavigationBar(QWidget* parent, const QString& rootText);
    QTreeWidget* Tree() const { return m_tree; }

  signals:
    void ItemChosen(const QString& text);

  private:
    void OnItemChosen(QTreeWidgetItem* item);
    QTreeWidget* m_tree;
    QTreeWidgetItem* m_root;
};

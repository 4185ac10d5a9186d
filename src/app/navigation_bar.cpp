#include "app/navigation_bar.h"

#include <QTreeWidget>

CNavigationBar::CNavigationBar(QWidget* parent, const QString& rootText)
    : QDockWidget(parent), m_tree(new QTreeWidget(this)) {
    setObjectName("IE Control Bar");
    setWindowTitle(QString());
    setAllowedAreas(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea);
    setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable);
    setMinimumWidth(11);
    m_tree->setHeaderHidden(true);
    m_tree->setRootIsDecorated(true);
    m_root = new QTreeWidgetItem(m_tree, {rootText});
    for (const char* text : {"信道信息", "可选功能", "DTMF"})
        new QTreeWidgetItem(m_root, {tr(text)});
    m_root->setExpanded(true);
    m_tree->setCurrentItem(m_root);
    connect(m_tree, &QTreeWidget::itemClicked, this, &CNavigationBar::OnItemChosen);
    connect(m_tree, &QTreeWidget::itemActivated, this, &CNavigationBar::OnItemChosen);
    setWidget(m_tree);
}

void CNavigationBar::OnItemChosen(QTreeWidgetItem* item) {
    const QString text = item && item != m_root ? item->text(0) : QString();
    // Back to the root first, so choosing the same item twice acts twice.
    m_tree->setCurrentItem(m_root);
    if (!text.isEmpty())
        emit ItemChosen(text);
}

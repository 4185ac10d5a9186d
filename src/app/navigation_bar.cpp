#include "app/navigation_bar.h"

#include "app/command_ids.h"

#include <QKeyEvent>
#include <QStyle>
#include <QToolButton>
#include <QTreeWidget>

namespace {

struct Entry {
    int commandId;
    const char* text;
};

constexpr Entry kEntries[] = {
    {kIdChannelInfo, QT_TRANSLATE_NOOP("CNavigationBar", "信道信息")},
    {kIdOptions, QT_TRANSLATE_NOOP("CNavigationBar", "可选功能")},
    {kIdDtmf, QT_TRANSLATE_NOOP("CNavigationBar", "DTMF")},
};

constexpr int kCommandRole = Qt::UserRole;
constexpr int kCaptionHeight = 22;

// The bar's empty caption with its close button at the right. It asks for no width, so the
// bar can be narrowed below the button's size (the button is then cut off).
class CCaption : public QWidget {
  public:
    explicit CCaption(QDockWidget* bar) : QWidget(bar), m_close(new QToolButton(this)) {
        m_close->setObjectName("closeButton");
        m_close->setAutoRaise(true);
        m_close->setIcon(style()->standardIcon(QStyle::SP_TitleBarCloseButton));
        m_close->setIconSize(QSize(16, 16));
        m_close->setToolTip("Close");
        m_close->setFocusPolicy(Qt::NoFocus);
        connect(m_close, &QToolButton::clicked, bar, &QWidget::close);
    }
    QSize sizeHint() const override { return QSize(0, kCaptionHeight); }
    QSize minimumSizeHint() const override { return sizeHint(); }

  protected:
    void resizeEvent(QResizeEvent*) override {
        const int side = kCaptionHeight - 2;
        m_close->setGeometry(width() - side - 4, 1, side, side);
    }

  private:
    QToolButton* m_close;
};

} // namespace

CNavigationBar::CNavigationBar(QWidget* parent, const QString& rootText)
    : QDockWidget(parent), m_tree(new QTreeWidget(this)) {
    setObjectName("IE Control Bar");
    setWindowTitle(QString());
    setAllowedAreas(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea);
    setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable);
    setTitleBarWidget(new CCaption(this));
    // The bar may be narrowed down to 11 pixels; the tree gives way.
    setMinimumWidth(11);
    m_tree->setMinimumWidth(1);
    m_tree->setHeaderHidden(true);
    m_tree->setRootIsDecorated(true);
    m_root = new QTreeWidgetItem(m_tree, {rootText});
    for (const Entry& entry : kEntries) {
        auto* item = new QTreeWidgetItem(m_root, {tr(entry.text)});
        item->setData(0, kCommandRole, entry.commandId);
    }
    m_root->setExpanded(true);
    m_tree->setCurrentItem(m_root);
    // A click acts once, whatever the style's activation rule; Enter acts on the current item.
    connect(m_tree, &QTreeWidget::itemClicked, this, &CNavigationBar::OnItemChosen);
    m_tree->installEventFilter(this);
    setWidget(m_tree);
}

bool CNavigationBar::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_tree && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            OnItemChosen(m_tree->currentItem());
            return true;
        }
    }
    return QDockWidget::eventFilter(watched, event);
}

void CNavigationBar::OnItemChosen(QTreeWidgetItem* item) {
    const int id = item ? item->data(0, kCommandRole).toInt() : 0;
    // Back to the root first, so choosing the same item twice acts twice.
    m_tree->setCurrentItem(m_root);
    if (id != 0)
        emit ItemChosen(id);
}

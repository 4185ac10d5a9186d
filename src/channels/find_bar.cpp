#include "channels/find_bar.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

CFindBar::CFindBar(QWidget* parent) : QWidget(parent), m_edit(new QLineEdit(this)) {
    m_edit->setObjectName("query");
    m_edit->setPlaceholderText(tr("频率、名称或信令"));
    auto* next = new QPushButton(tr("下一个"), this);
    auto* close = new QPushButton(tr("关闭"), this);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel(tr("查找"), this));
    layout->addWidget(m_edit, 1);
    layout->addWidget(next);
    layout->addWidget(close);
    connect(m_edit, &QLineEdit::textEdited, this,
            [this](const QString& text) { emit Search(text, false); });
    connect(m_edit, &QLineEdit::returnPressed, this, [this] { emit Search(m_edit->text(), true); });
    connect(next, &QPushButton::clicked, this, [this] { emit Search(m_edit->text(), true); });
    connect(close, &QPushButton::clicked, this, &CFindBar::Close);
    m_edit->installEventFilter(this);
    hide();
}

void CFindBar::Open() {
    show();
    m_edit->setFocus();
    m_edit->selectAll();
}

void CFindBar::Close() {
    hide();
    emit Closed();
}

bool CFindBar::eventFilter(QObject* object, QEvent* event) {
    if (object == m_edit && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        Close();
        return true;
    }
    return QWidget::eventFilter(object, event);
}

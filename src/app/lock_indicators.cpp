#include "app/lock_indicators.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QStatusBar>
#include <QWindow>

namespace {

const char* const kTexts[] = {
    QT_TRANSLATE_NOOP("CLockIndicators", "大写"),
    QT_TRANSLATE_NOOP("CLockIndicators", "数字"),
    QT_TRANSLATE_NOOP("CLockIndicators", "滚动"),
};

} // namespace

CLockIndicators::CLockIndicators(QStatusBar* bar) : QObject(bar) {
    for (size_t i = 0; i < m_labels.size(); ++i) {
        auto* label = new QLabel(bar);
        label->setAlignment(Qt::AlignCenter);
        // The pane keeps its width while its lock is off.
        label->setMinimumWidth(label->fontMetrics().horizontalAdvance(tr(kTexts[i])) + 8);
        bar->addPermanentWidget(label);
        m_labels[i] = label;
    }
    qApp->installEventFilter(this);
    Refresh();
}

QStringList CLockIndicators::Texts() const {
    QStringList texts;
    for (const QLabel* label : m_labels)
        texts << label->text();
    return texts;
}

bool CLockIndicators::eventFilter(QObject* watched, QEvent* event) {
    // Only a lock key or coming back to the program can change what the panes show; every
    // other event passes untouched, so typing costs nothing here.
    const QEvent::Type type = event->type();
    if (type == QEvent::ApplicationActivate)
        Refresh();
    if (type != QEvent::KeyPress && type != QEvent::KeyRelease)
        return QObject::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    const bool caps = key->key() == Qt::Key_CapsLock;
    const bool num = key->key() == Qt::Key_NumLock;
    const bool scroll = key->key() == Qt::Key_ScrollLock;
    if (!caps && !num && !scroll)
        return QObject::eventFilter(watched, event);
    // A key event reaches the window once and then the widgets in turn; it toggles once.
    if (type == QEvent::KeyPress && !key->isAutoRepeat() && qobject_cast<QWindow*>(watched)) {
        m_pressed.caps ^= caps;
        m_pressed.num ^= num;
        m_pressed.scroll ^= scroll;
    }
    Refresh();
    return QObject::eventFilter(watched, event);
}

void CLockIndicators::Refresh() {
    const LockKeys keys = SystemLockKeys().value_or(m_pressed);
    const bool on[] = {keys.caps, keys.num, keys.scroll};
    for (size_t i = 0; i < m_labels.size(); ++i) {
        const QString text = on[i] ? tr(kTexts[i]) : QString();
        if (m_labels[i]->text() != text)
            m_labels[i]->setText(text);
    }
}

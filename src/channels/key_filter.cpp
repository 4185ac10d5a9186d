#include "channels/key_filter.h"

#include <QKeyEvent>
#include <QLineEdit>

#include <algorithm>

CKeyFilter::CKeyFilter(QLineEdit* edit, const QString& allowed, int typedLimit)
    : QObject(edit), m_edit(edit), m_allowed(allowed), m_limit(typedLimit) {
    edit->installEventFilter(this);
}

bool CKeyFilter::eventFilter(QObject* object, QEvent* event) {
    if (object != m_edit || event->type() != QEvent::KeyPress)
        return false;
    const QString typed = static_cast<QKeyEvent*>(event)->text();
    // Keys without a printable text (backspace, arrows, Enter) are not characters.
    if (typed.isEmpty() || !typed.front().isPrint())
        return false;
    if (!m_allowed.isEmpty() &&
        std::any_of(typed.begin(), typed.end(), [this](QChar c) { return !m_allowed.contains(c); }))
        return true;
    const int kept = m_edit->text().size() - m_edit->selectedText().size();
    return m_limit > 0 && kept + typed.size() > m_limit;
}

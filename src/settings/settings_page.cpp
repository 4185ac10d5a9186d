#include "settings/settings_page.h"

#include <QKeyEvent>

bool IsEnterOrEsc(const QKeyEvent* event) {
    const int key = event->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape;
}

void CSettingsPage::keyPressEvent(QKeyEvent* event) {
    if (IsEnterOrEsc(event))
        return event->accept();
    QWidget::keyPressEvent(event);
}

#include "app/focus_loss.h"

#include <QCoreApplication>
#include <QFocusEvent>
#include <QWidget>

void CommitFocusedControl(QWidget* window) {
    QWidget* focus = window->focusWidget();
    if (!focus)
        return;
    if (focus->hasFocus()) {
        focus->clearFocus();
        return;
    }
    // The window is not active, so the control keeps no real focus to lose: tell it directly.
    QFocusEvent leaving(QEvent::FocusOut, Qt::OtherFocusReason);
    QCoreApplication::sendEvent(focus, &leaving);
}

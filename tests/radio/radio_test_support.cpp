#include "radio_test_support.h"

#include <QApplication>
#include <QDialog>
#include <QTest>
#include <QTimer>

bool WithModalDialog(const std::function<void()>& open, const std::function<void(QDialog*)>& act) {
    bool seen = false;
    // A local timer: it cannot fire after this function returns.
    QTimer timer;
    timer.setSingleShot(true);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        seen = true;
        act(dialog);
        dialog->close();
    });
    timer.start(0);
    open();
    return seen;
}

bool ShowActive(QWidget* window) {
    window->show();
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
}

bool MoveFocus(QWidget* from, QWidget* to) {
    to->setFocus();
    return !from->hasFocus() && to->hasFocus();
}

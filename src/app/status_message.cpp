#include "app/status_message.h"

#include <QApplication>
#include <QMainWindow>
#include <QStatusBar>

void ShowStatusMessage(QWidget* from, const QString& text) {
    QMainWindow* main = nullptr;
    for (QWidget* w = from; w && !main; w = w->parentWidget())
        main = qobject_cast<QMainWindow*>(w);
    for (QWidget* w : QApplication::topLevelWidgets())
        if (!main)
            main = qobject_cast<QMainWindow*>(w);
    if (main)
        main->statusBar()->showMessage(text);
}

#include "app/startup_splash_wnd.h"

#include <QApplication>
#include <QEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>

CStartupSplashWnd* CStartupSplashWnd::ShowSplash(const QString& path) {
    QPixmap picture;
    if (!picture.load(path))
        return nullptr;
    auto* splash = new CStartupSplashWnd(picture);
    splash->show();
    return splash;
}

CStartupSplashWnd::CStartupSplashWnd(const QPixmap& picture)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint), m_picture(picture) {
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(picture.size());
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
    setCursor(Qt::ArrowCursor);
    qApp->installEventFilter(this);
    QTimer::singleShot(1000, this, &CStartupSplashWnd::HideSplash);
}

void CStartupSplashWnd::HideSplash() {
    qApp->removeEventFilter(this);
    close();
}

void CStartupSplashWnd::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_picture);
}

bool CStartupSplashWnd::eventFilter(QObject*, QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::NonClientAreaMouseButtonPress:
        HideSplash();
        return true;
    default:
        return false;
    }
}

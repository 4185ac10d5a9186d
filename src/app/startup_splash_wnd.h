#pragma once

#include <QPixmap>
#include <QWidget>

// The start-up picture: shown until the first timer tick after start-up, or until a key or
// mouse button is pressed anywhere in the program.
class CStartupSplashWnd : public QWidget {
    Q_OBJECT
  public:
    // Shows startup.bmp from `path`; returns nullptr when it cannot be loaded.
    static CStartupSplashWnd* ShowSplash(const QString& path);
    void HideSplash();

  protected:
    void paintEvent(QPaintEvent*) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    explicit CStartupSplashWnd(const QPixmap& picture);
    QPixmap m_picture;
};

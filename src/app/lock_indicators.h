#pragma once

#include <QObject>

#include <array>
#include <optional>

class QLabel;
class QStatusBar;

struct LockKeys {
    bool caps = false;
    bool num = false;
    bool scroll = false;
};

// The lock states as the windowing system reports them, when it can be asked (X11).
std::optional<LockKeys> SystemLockKeys();

// The Caps Lock, Num Lock and Scroll Lock indicators after the status bar's message pane.
// Each shows its text while its lock is on. Where the system cannot be asked, the states
// follow the lock keys pressed in this program, all off at start.
class CLockIndicators : public QObject {
    Q_OBJECT
  public:
    explicit CLockIndicators(QStatusBar* bar);

    // The text each indicator shows now, in the order caps, num, scroll.
    QStringList Texts() const;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Refresh();

    std::array<QLabel*, 3> m_labels{};
    LockKeys m_pressed;
};

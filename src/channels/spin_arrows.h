#pragma once

#include <QWidget>

// The up and down arrows beside the channel-number edit; they step, the dialog wraps.
class CSpinArrows : public QWidget {
    Q_OBJECT
  public:
    explicit CSpinArrows(QWidget* parent = nullptr);

  signals:
    void stepped(int delta); // +1 for the upper arrow

  protected:
    void wheelEvent(QWheelEvent* event) override;
};

#include "channels/spin_arrows.h"

#include <QToolButton>
#include <QVBoxLayout>
#include <QWheelEvent>

CSpinArrows::CSpinArrows(QWidget* parent) : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    for (int delta : {+1, -1}) {
        auto* button = new QToolButton(this);
        button->setObjectName(delta > 0 ? "up" : "down");
        button->setArrowType(delta > 0 ? Qt::UpArrow : Qt::DownArrow);
        button->setAutoRepeat(true);
        button->setFocusPolicy(Qt::NoFocus);
        button->setFixedHeight(12);
        connect(button, &QToolButton::clicked, this, [this, delta] { emit stepped(delta); });
        layout->addWidget(button);
    }
}

void CSpinArrows::wheelEvent(QWheelEvent* event) {
    if (event->angleDelta().y() != 0)
        emit stepped(event->angleDelta().y() > 0 ? 1 : -1);
    event->accept();
}

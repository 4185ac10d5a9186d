#include "settings/spin_edit.h"

#include <QLineEdit>

CSpinEdit::CSpinEdit(QWidget* parent) : QAbstractSpinBox(parent) {
    setWrapping(true);
}

void CSpinEdit::stepBy(int steps) {
    if (!onStep)
        return;
    for (int k = 0; k < std::abs(steps); ++k)
        onStep(steps > 0 ? 1 : -1);
}

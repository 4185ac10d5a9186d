#include "app/step_spin_edit.h"

#include <QLineEdit>

CStepSpinEdit::CStepSpinEdit(QWidget* parent) : QAbstractSpinBox(parent) {
    setWrapping(true);
}

void CStepSpinEdit::stepBy(int steps) {
    if (!onStep)
        return;
    for (int k = 0; k < std::abs(steps); ++k)
        onStep(steps > 0 ? 1 : -1);
}

#pragma once

#include <QAbstractSpinBox>

#include <functional>

class QLineEdit;

// An edit with spin arrows whose steps are left to the owner: the text is the owner's, each
// arrow press (or Up/Down key) calls onStep with +1 or -1.
class CStepSpinEdit : public QAbstractSpinBox {
    Q_OBJECT
  public:
    explicit CStepSpinEdit(QWidget* parent);
    std::function<void(int direction)> onStep;

    void stepBy(int steps) override;
    QLineEdit* Edit() const { return lineEdit(); }

  protected:
    StepEnabled stepEnabled() const override { return StepUpEnabled | StepDownEnabled; }
};

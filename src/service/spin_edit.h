#pragma once

#include "app/step_spin_edit.h"
#include "image/input_rule.h"

// An edit with its spin arrows. The text is the value: the arrows step the number read from
// the text and wrap at the range ends, what the user types or pastes passes the edit's text
// rule, and losing the focus clamps the number into range.
class CSpinEdit : public CStepSpinEdit {
    Q_OBJECT
  public:
    CSpinEdit(QWidget* parent, int minimum, int maximum, int base, const TextRule& rule);

    QString Text() const;
    void SetText(const QString& text);
    int Number() const;
    void SetNumber(int value);
    // The range clamp: the text's number forced into range, written back in the same base.
    void Clamp();
    void SelectAllText();
    int Minimum() const { return m_minimum; }
    int Maximum() const { return m_maximum; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

  protected:
    void focusOutEvent(QFocusEvent* event) override;

  private:
    int m_minimum;
    int m_maximum;
    int m_base;
    int m_maxChars;
};

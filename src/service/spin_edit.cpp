#include "service/spin_edit.h"

#include "app/text_filter.h"
#include "image/numeric_text.h"

#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionSpinBox>

CSpinEdit::CSpinEdit(QWidget* parent, int minimum, int maximum, int base, const TextRule& rule)
    : CStepSpinEdit(parent), m_minimum(minimum), m_maximum(maximum), m_base(base),
      m_maxChars(rule.maxLength) {
    // The program's own texts (a stored 255 in a two-character edit) are shown whole, so the
    // clamp sees them; the rule binds only what the user enters.
    CTextFilter::Install(lineEdit(), rule);
    onStep = [this](int step) {
        SetText(QString::fromStdString(
            StepNumberText(Text().toStdString(), step, m_minimum, m_maximum, m_base)));
    };
    setButtonSymbols(QAbstractSpinBox::UpDownArrows);
    setAccelerated(false);
}

QString CSpinEdit::Text() const {
    return lineEdit()->text();
}

void CSpinEdit::SetText(const QString& text) {
    lineEdit()->setText(text);
}

int CSpinEdit::Number() const {
    return ReadNumberText(Text().toStdString(), m_base);
}

void CSpinEdit::SetNumber(int value) {
    SetText(QString::fromStdString(FormatNumberText(value, m_base)));
}

void CSpinEdit::Clamp() {
    SetText(QString::fromStdString(
        ClampNumberText(Text().toStdString(), m_minimum, m_maximum, m_base)));
}

void CSpinEdit::SelectAllText() {
    lineEdit()->selectAll();
}

// Wide enough for the longest text the edit takes.
QSize CSpinEdit::sizeHint() const {
    ensurePolished();
    const QFontMetrics metrics = fontMetrics();
    const QSize text(metrics.horizontalAdvance(QString(m_maxChars + 1, QLatin1Char('W'))),
                     lineEdit()->sizeHint().height());
    QStyleOptionSpinBox option;
    initStyleOption(&option);
    return style()->sizeFromContents(QStyle::CT_SpinBox, &option, text, this);
}

void CSpinEdit::focusOutEvent(QFocusEvent* event) {
    QAbstractSpinBox::focusOutEvent(event);
    Clamp();
}

#include "service/spin_edit.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionSpinBox>

CSpinEdit::CSpinEdit(QWidget* parent, int minimum, int maximum, int base, TextFilter filter,
                     int maxChars)
    : QAbstractSpinBox(parent), m_minimum(minimum), m_maximum(maximum), m_base(base),
      m_filter(filter), m_maxChars(maxChars) {
    // The limit applies to what the user types or pastes; the program's own texts (a stored
    // 255 in a two-character edit) are shown whole, so the clamp sees them.
    connect(lineEdit(), &QLineEdit::textEdited, this, [this](const QString& text) {
        if (text.size() > m_maxChars)
            SetText(text.left(m_maxChars));
    });
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

void CSpinEdit::stepBy(int steps) {
    const int step = steps > 0 ? 1 : -1;
    for (int i = 0; i < std::abs(steps); ++i)
        SetText(QString::fromStdString(
            StepNumberText(Text().toStdString(), step, m_minimum, m_maximum, m_base)));
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

QAbstractSpinBox::StepEnabled CSpinEdit::stepEnabled() const {
    return StepUpEnabled | StepDownEnabled;
}

void CSpinEdit::keyPressEvent(QKeyEvent* event) {
    const QString typed = event->text();
    // Control characters (backspace, Ctrl+A, ...) are not typed text.
    if (typed.isEmpty() || typed[0].unicode() < 0x20 || typed[0].unicode() == 0x7F)
        return QAbstractSpinBox::keyPressEvent(event);
    for (char32_t c : typed.toUcs4())
        if (!FilterAccepts(m_filter, c))
            return event->accept();
    const qsizetype kept = Text().size() - lineEdit()->selectedText().size();
    if (kept + typed.size() > m_maxChars)
        return event->accept();
    if (m_filter == TextFilter::Digits || m_filter == TextFilter::SignedDigits)
        return QAbstractSpinBox::keyPressEvent(event);
    QKeyEvent upper(event->type(), event->key(), event->modifiers(), typed.toUpper(),
                    event->isAutoRepeat(), event->count());
    QAbstractSpinBox::keyPressEvent(&upper);
    event->setAccepted(upper.isAccepted());
}

void CSpinEdit::focusOutEvent(QFocusEvent* event) {
    QAbstractSpinBox::focusOutEvent(event);
    Clamp();
}

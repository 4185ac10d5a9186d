#include "settings/field_key_filter.h"

#include "image/dtmf_text.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace {

bool IsControlText(const QString& text) {
    return text.size() == 1 && (text[0].unicode() < 0x20 || text[0].unicode() == 0x7F);
}

} // namespace

CFieldKeyFilter::CFieldKeyFilter(KeyFilter filter, QObject* parent)
    : QObject(parent), m_filter(filter) {}

bool CFieldKeyFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    const QString text = key->text();
    if (text.isEmpty() || IsControlText(text) ||
        (key->modifiers() & (Qt::ControlModifier | Qt::MetaModifier)))
        return false;
    for (char32_t c : text.toUcs4())
        if (FilterKeyChar(m_filter, c) == 0)
            return true;
    return false;
}

QString FilterText(KeyFilter filter, const QString& text) {
    QString out;
    for (char32_t c : text.toUcs4())
        if (const char32_t kept = FilterKeyChar(filter, c))
            out += QString::fromUcs4(&kept, 1);
    return out;
}

void InstallKeyFilter(QLineEdit* edit, KeyFilter filter, QWidget* host) {
    if (filter == KeyFilter::Any)
        return;
    auto* keys = new CFieldKeyFilter(filter, edit);
    edit->installEventFilter(keys);
    if (host)
        host->installEventFilter(keys);
    QObject::connect(edit, &QLineEdit::textEdited, edit, [edit, filter](const QString& text) {
        const QString clean = FilterText(filter, text);
        if (clean == text)
            return;
        const int cursor = edit->cursorPosition() - (text.size() - clean.size());
        edit->setText(clean);
        edit->setCursorPosition(std::max(0, cursor));
    });
}

std::string ToImageText(const QString& text) {
    std::string out;
    for (QChar c : text)
        out += c.unicode() < 0x80 ? static_cast<char>(c.unicode()) : '\xFF';
    return out;
}

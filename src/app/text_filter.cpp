#include "app/text_filter.h"

#include <QLineEdit>

namespace {

// Characters (code points) in the first `units` UTF-16 units of the text.
size_t CharsBefore(const QString& text, int units) {
    return static_cast<size_t>(text.left(units).toStdU32String().size());
}

int UnitsBefore(const std::u32string& text, size_t chars) {
    return static_cast<int>(QString::fromStdU32String(text.substr(0, chars)).size());
}

} // namespace

CTextFilter* CTextFilter::Install(QLineEdit* edit, const TextRule& rule) {
    return new CTextFilter(edit, rule);
}

CTextFilter::CTextFilter(QLineEdit* edit, const TextRule& rule)
    : QObject(edit), m_edit(edit), m_rule(rule), m_before(edit->text()) {
    connect(edit, &QLineEdit::textEdited, this, &CTextFilter::OnEdited);
    // Every change, the program's own included, is the starting point of the next one.
    connect(edit, &QLineEdit::textChanged, this, [this] { m_before = m_edit->text(); });
}

void CTextFilter::OnEdited() {
    const QString after = m_edit->text();
    const UserEdit kept = FilterUserEdit(m_rule, m_before.toStdU32String(), after.toStdU32String(),
                                         CharsBefore(after, m_edit->cursorPosition()));
    const QString text = QString::fromStdU32String(kept.text);
    if (text != after) {
        m_edit->setText(text);
        m_edit->setCursorPosition(UnitsBefore(kept.text, kept.cursor));
    }
    m_before = m_edit->text();
}

std::string ToImageText(const QString& text) {
    std::string out;
    for (QChar c : text)
        out += c.unicode() < 0x80 ? static_cast<char>(c.unicode()) : '\xFF';
    return out;
}

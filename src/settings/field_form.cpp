#include "settings/field_form.h"

#include "app/step_spin_edit.h"
#include "app/table_text.h"
#include "app/text_filter.h"
#include "image/number_field.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

namespace {

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

CFieldForm::CFieldForm(const std::vector<FieldSpec>& table, QWidget* parent, QGridLayout* layout,
                       int columns)
    : QObject(parent), m_table(table) {
    int visible = 0;
    for (const FieldSpec& f : m_table) {
        auto* label = new QLabel(TableText(f.label), parent);
        QWidget* control = MakeControl(f, parent);
        control->setObjectName(QString::number(f.id));
        label->setBuddy(control);
        m_controls.push_back(control);
        if (f.hidden) {
            label->hide();
            control->hide();
            continue;
        }
        const int row = visible / columns, column = (visible % columns) * 2;
        layout->addWidget(label, row, column);
        layout->addWidget(control, row, column + 1);
        ++visible;
    }
}

QWidget* CFieldForm::MakeControl(const FieldSpec& f, QWidget* parent) {
    if (IsListEncoding(f.encoding))
        return new QComboBox(parent);
    if (f.encoding != FieldEncoding::Number) {
        auto* edit = new QLineEdit(parent);
        CTextFilter::Install(edit, {f.keys, f.maxLength});
        return edit;
    }
    auto* spin = new CStepSpinEdit(parent);
    CTextFilter::Install(spin->Edit(), {f.keys, f.maxLength});
    const size_t i = m_controls.size();
    spin->onStep = [this, i](int direction) { StepNumber(i, direction); };
    connect(spin, &CStepSpinEdit::editingFinished, this, [this, i] { NormaliseNumber(i); });
    return spin;
}

void CFieldForm::InitLists() {
    for (size_t i = 0; i < m_table.size(); ++i) {
        const FieldSpec& f = m_table[i];
        if (auto* list = qobject_cast<QComboBox*>(m_controls[i])) {
            list->clear();
            for (std::string_view item : f.options)
                list->addItem(TableText(item));
        }
    }
}

std::vector<FieldState> CFieldForm::States() const {
    std::vector<FieldState> states(m_table.size());
    for (size_t i = 0; i < m_table.size(); ++i) {
        if (auto* list = qobject_cast<QComboBox*>(m_controls[i]))
            states[i].index = list->currentIndex();
        else
            states[i].text = ToImageText(Edit(m_table[i].id)->text());
    }
    return states;
}

void CFieldForm::SetStates(const std::vector<FieldState>& states) {
    for (size_t i = 0; i < m_table.size() && i < states.size(); ++i) {
        if (auto* list = qobject_cast<QComboBox*>(m_controls[i]))
            list->setCurrentIndex(states[i].index < list->count() ? states[i].index : -1);
        else
            Edit(m_table[i].id)->setText(QString::fromLatin1(states[i].text));
    }
}

void CFieldForm::LoadFromImage(const MemoryImage& image) {
    SetStates(LoadFields(image, m_table));
    ApplyFallbacks();
}

void CFieldForm::ApplyFallbacks() {
    std::vector<FieldState> states = States();
    ::ApplyFallbacks(m_table, states);
    SetStates(states);
}

void CFieldForm::StoreToImage(MemoryImage& image) {
    ApplyFallbacks();
    std::vector<FieldState> states = States();
    StoreFields(image, m_table, states);
}

void CFieldForm::NormaliseNumber(size_t i) {
    QLineEdit* edit = Edit(m_table[i].id);
    edit->setText(FromUtf8(NormaliseNumberText(m_table[i].number, ToImageText(edit->text()))));
}

void CFieldForm::StepNumber(size_t i, int direction) {
    QLineEdit* edit = Edit(m_table[i].id);
    edit->setText(
        FromUtf8(StepNumberText(m_table[i].number, ToImageText(edit->text()), direction)));
}

QWidget* CFieldForm::Control(int id) const {
    for (size_t i = 0; i < m_table.size(); ++i)
        if (m_table[i].id == id)
            return m_controls[i];
    return nullptr;
}

QComboBox* CFieldForm::List(int id) const {
    return qobject_cast<QComboBox*>(Control(id));
}

QLineEdit* CFieldForm::Edit(int id) const {
    if (auto* spin = qobject_cast<CStepSpinEdit*>(Control(id)))
        return spin->Edit();
    return qobject_cast<QLineEdit*>(Control(id));
}

CStepSpinEdit* CFieldForm::Spin(int id) const {
    return qobject_cast<CStepSpinEdit*>(Control(id));
}

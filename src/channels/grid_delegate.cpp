#include "channels/grid_delegate.h"

#include "app/table_text.h"
#include "app/text_filter.h"
#include "channels/option_lists.h"
#include "channels/program_view.h"
#include "image/channel_grid_rules.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>

namespace {

int GridColumnOf(const QModelIndex& index) {
    return index.column() + 1;
}

QString EditorText(QWidget* editor) {
    if (auto* edit = qobject_cast<QLineEdit*>(editor))
        return edit->text();
    if (auto* combo = qobject_cast<QComboBox*>(editor))
        return combo->isEditable() ? combo->currentText() : combo->currentData().toString();
    return {};
}

} // namespace

CGridDelegate::CGridDelegate(CProgramView* view) : QStyledItemDelegate(view), m_view(view) {}

QWidget* CGridDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                     const QModelIndex& index) const {
    const int column = GridColumnOf(index);
    QWidget* editor = nullptr;
    if (column <= kColTxFreq) {
        auto* edit = new QLineEdit(parent);
        CTextFilter::Install(edit, {KeyFilter::Frequency});
        editor = edit;
    } else if (column <= kColTxTone) {
        editor = MakeToneList(parent, "tone", true);
    } else {
        auto* combo = new QComboBox(parent);
        // Each item shows its translation and keeps the text the grid stores.
        for (const std::string& item : GridOptionItems(column))
            combo->addItem(TableText(item), QString::fromStdString(item));
        editor = combo;
    }
    m_openEditor = editor;
    return editor;
}

void CGridDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    const QString text = index.data().toString();
    if (auto* edit = qobject_cast<QLineEdit*>(editor)) {
        edit->setText(text);
        edit->selectAll();
    } else if (auto* combo = qobject_cast<QComboBox*>(editor)) {
        if (combo->isEditable())
            combo->setEditText(text);
        else
            combo->setCurrentIndex(combo->findData(text));
    }
}

void CGridDelegate::initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const {
    QStyledItemDelegate::initStyleOption(option, index);
    // The option columns hold the stored texts; the user sees their translations.
    if (GridColumnOf(index) > kColTxTone)
        option->text = TableText(option->text.toStdString());
}

void CGridDelegate::setModelData(QWidget* editor, QAbstractItemModel*,
                                 const QModelIndex& index) const {
    m_view->CommitEditorText(index.row() + 1, GridColumnOf(index), EditorText(editor));
}

void CGridDelegate::destroyEditor(QWidget* editor, const QModelIndex& index) const {
    if (m_openEditor == editor)
        m_openEditor = nullptr;
    QStyledItemDelegate::destroyEditor(editor, index);
}

void CGridDelegate::CommitOpenEditor() {
    if (QWidget* editor = m_openEditor) {
        emit commitData(editor);
        emit closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
}

bool CGridDelegate::eventFilter(QObject* object, QEvent* event) {
    auto* editor = qobject_cast<QWidget*>(object);
    if (editor && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            // Enter in the frequency edit moves down when it was emptied, right otherwise.
            const bool down = qobject_cast<QLineEdit*>(editor) && EditorText(editor).isEmpty();
            CommitOpenEditor();
            m_view->MoveAfterEditor(down);
            return true;
        }
    }
    return QStyledItemDelegate::eventFilter(object, event);
}

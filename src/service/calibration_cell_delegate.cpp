#include "service/calibration_cell_delegate.h"

#include "image/calibration_grids.h"
#include "service/spin_edit.h"

#include <QKeyEvent>

CCalibrationCellDelegate::CCalibrationCellDelegate(QObject* parent, const CalibrationGridSpec& grid)
    : QStyledItemDelegate(parent), m_grid(grid) {}

QWidget* CCalibrationCellDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                                const QModelIndex&) const {
    return new CSpinEdit(parent, m_grid.minimum, m_grid.maximum, 10, m_grid.editor);
}

void CCalibrationCellDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    auto* edit = static_cast<CSpinEdit*>(editor);
    edit->SetText(index.data(Qt::DisplayRole).toString());
    edit->SelectAllText();
}

void CCalibrationCellDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                            const QModelIndex& index) const {
    auto* edit = static_cast<CSpinEdit*>(editor);
    edit->Clamp();
    model->setData(index, edit->Text(), Qt::DisplayRole);
}

bool CCalibrationCellDelegate::eventFilter(QObject* object, QEvent* event) {
    auto* editor = qobject_cast<CSpinEdit*>(object);
    if (editor && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        // The dialog closes on Enter and Esc; the number typed so far is kept, not dropped.
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape) {
            emit commitData(editor);
            emit closeEditor(editor, QAbstractItemDelegate::NoHint);
            emit closeRequested();
            return true;
        }
    }
    return QStyledItemDelegate::eventFilter(object, event);
}

#include "service/calibration_cell_delegate.h"

#include "service/spin_edit.h"

CCalibrationCellDelegate::CCalibrationCellDelegate(QObject* parent, int minimum, int maximum,
                                                   TextFilter filter)
    : QStyledItemDelegate(parent), m_minimum(minimum), m_maximum(maximum), m_filter(filter) {}

QWidget* CCalibrationCellDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                                const QModelIndex&) const {
    return new CSpinEdit(parent, m_minimum, m_maximum, 10, m_filter, 3);
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

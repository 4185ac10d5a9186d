#pragma once

#include "image/numeric_text.h"

#include <QStyledItemDelegate>

// The in-cell editor of a calibration grid: a spin edit over the cell whose number is
// clamped into the grid's range and written back as a decimal when it loses the focus.
class CCalibrationCellDelegate : public QStyledItemDelegate {
    Q_OBJECT
  public:
    CCalibrationCellDelegate(QObject* parent, int minimum, int maximum, TextFilter filter);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;

  private:
    int m_minimum;
    int m_maximum;
    TextFilter m_filter;
};

#pragma once

#include <QStyledItemDelegate>

struct CalibrationGridSpec;

// The in-cell editor of a calibration grid: a spin edit over the cell whose number is
// clamped into the grid's range and written back as a decimal when it loses the focus. Enter
// or Esc in it commits the typed number and asks the dialog to close.
class CCalibrationCellDelegate : public QStyledItemDelegate {
    Q_OBJECT
  public:
    CCalibrationCellDelegate(QObject* parent, const CalibrationGridSpec& grid);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;

  signals:
    void closeRequested();

  protected:
    bool eventFilter(QObject* object, QEvent* event) override;

  private:
    const CalibrationGridSpec& m_grid;
};

#pragma once

#include "image/calibration_grids.h"

#include <QDialog>
#include <QHash>

#include <array>

class CSpinEdit;
class QCheckBox;
class QGridLayout;
class QPushButton;
class QTableWidget;

// The calibration editor: three grids of calibration bytes laid out for the working bands,
// the labelled edits and switches, and its own read and write of the calibration region.
// Closing the dialog in any way stores the controls.
class CParameterAdjustDlg : public QDialog {
    Q_OBJECT
  public:
    explicit CParameterAdjustDlg(QWidget* parent);

    CSpinEdit* Edit(int id) const { return m_edits.value(id); }
    QCheckBox* CheckBox(int id) const { return m_switches.value(id); }
    QTableWidget* Grid(int grid) const { return m_grids[grid]; }
    // Data rows and columns count from 1.
    QString CellText(int grid, int row, int column) const;
    void SetCellText(int grid, int row, int column, const QString& text);
    QString RowLabel(int grid, int row) const;
    const CalibrationLayout& Layout() const { return m_layout; }
    QPushButton* ReadButton() const { return m_read; }
    QPushButton* WriteButton() const { return m_write; }

    void SetupGrids();
    void LoadFromImage();
    void StoreToImage();
    void OnReadData();
    void OnWriteData();
    void done(int result) override;

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void BuildGrid(int grid);
    void ShapeGrid(int grid);
    void FitGrid(int grid);
    void CommitOpenEditor(int grid);
    void LoadGrid(int grid);
    void StoreGrid(int grid);
    void AddEdit(QGridLayout* layout, int id, int row, int column);
    QGridLayout* BuildEdits();
    QGridLayout* BuildSwitches();

    std::array<QTableWidget*, kCalibrationGridCount> m_grids{};
    QHash<int, CSpinEdit*> m_edits;
    QHash<int, QCheckBox*> m_switches;
    CalibrationLayout m_layout;
    QPushButton* m_read;
    QPushButton* m_write;
};

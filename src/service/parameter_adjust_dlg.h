#pragma once

#include "image/calibration_grids.h"
#include "service/service_dlg.h"

#include <QHash>

#include <array>

class CSpinEdit;
class QCheckBox;
class QGridLayout;
class QTableWidget;

// The calibration editor: three grids of calibration bytes laid out for the working bands,
// the labelled edits and switches, and its own read and write of the calibration region.
// The grids follow the working band limits, which a read from the radio refreshes.
class CParameterAdjustDlg : public CServiceDlg {
    Q_OBJECT
  public:
    CParameterAdjustDlg(QWidget* parent, MemoryImage& image, BandLimits& limits);

    CSpinEdit* Edit(int id) const { return m_edits.value(id); }
    QCheckBox* CheckBox(int id) const { return m_switches.value(id); }
    QTableWidget* Grid(int grid) const { return m_grids[grid]; }
    // Data rows and columns count from 1.
    QString CellText(int grid, int row, int column) const;
    void SetCellText(int grid, int row, int column, const QString& text);
    QString RowLabel(int grid, int row) const;
    const CalibrationLayout& Layout() const { return m_layout; }

    void SetupGrids();
    void LoadFromImage() override;
    void StoreToImage() override;

  protected:
    void AfterRead() override;
    void BeforeWrite() override;

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
    BandLimits& m_limits;
    CalibrationLayout m_layout;
};

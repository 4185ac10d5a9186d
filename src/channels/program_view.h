#pragma once

#include "image/channel_grid_rules.h"

#include <QWidget>

#include <vector>

class CGridDelegate;
class QComboBox;
class QKeyEvent;
class QPrinter;
class QPushButton;
class QTableWidget;

// The document's view: the channel grid with its in-cell editors, the receiver-chip list
// and the buttons beside it. The grid holds pending edits as cell texts until CommitGrid.
class CProgramView : public QWidget {
    Q_OBJECT
  public:
    explicit CProgramView(QWidget* parent = nullptr);
    ~CProgramView() override;

    void LoadGrid();
    void CommitGrid();
    void CommitOpenEditors();
    // Opens the editor of the current cell (an empty row starts in the receive column).
    void ShowCellEditor();

    // Grid rows are 1..258, grid columns 1..8 (0 is the label).
    QString CellText(int row, int column) const;
    void SetCurrentCell(int row, int column);
    GridRow RowCells(int row) const;
    std::vector<GridRow> AllRows() const;
    QTableWidget* Grid() const { return m_grid; }
    QComboBox* ReceiverChipList() const { return m_chip; }

    // Called by the editors.
    void CommitEditorText(int row, int column, const QString& text);
    void MoveAfterEditor(bool down);

    // Commands handled by the view.
    void OnReadFromRadio();
    void OnWriteToRadio();
    void OnInitialise();
    void OnPortSettings();
    void OnRadioInfo();
    void OnChannelEdit();
    void OnBatchGenerate();
    void OnImportCsv();
    void OnExportCsv();
    // The grid's pending edits go into the image first.
    void OnCompare();
    void OnModelInfo();
    void OnFmReceiver();
    void OnParameterAdjust();
    // Ctrl+F11: the service password prompt; a correct entry turns on the service mode.
    void OnServicePassword();
    void ShowServiceButton();
    QPushButton* InitialiseButton() const { return m_initialise; }
    // Both use the main window's printer, so what print setup chose applies.
    void OnPrint(QPrinter& printer);
    void OnPrintPreview(QPrinter& printer);
    // The channel list as printed: header row and every row with a receive frequency.
    void PrintChannelList(QPrinter* printer) const;

  protected:
    bool eventFilter(QObject* object, QEvent* event) override;

  private:
    void BuildGrid();
    void SetRowCells(int row, const GridRow& cells);
    bool HandleGridKey(int key);
    bool FilterGridKey(const QKeyEvent* event);
    void PageByWheel(int delta);
    void RunTransfer(int kind);

    QTableWidget* m_grid;
    CGridDelegate* m_delegate;
    QComboBox* m_chip;
    QPushButton* m_channelEdit;
    QPushButton* m_initialise;
    QPushButton* m_batch;
    int m_wheelRemainder = 0; // high-resolution wheel deltas not yet a whole notch
};

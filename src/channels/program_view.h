#pragma once

#include "image/channel_grid_rules.h"
#include "image/channel_rows.h"

#include <QWidget>

#include <vector>

class CFindBar;
class CGridDelegate;
class QComboBox;
class QMenu;
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

    // Called by the editors: the cell's commit rule, then the grid into the image as one step.
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
    // Spreadsheet-like editing. Copy and cut take the selected cells (the current cell when
    // none is selected); paste starts at the current cell. Row operations act on the rows of
    // the selection, from the row labels' context menu.
    void OnCopy();
    void OnCut();
    void OnPaste();
    void RunRowOperation(RowOperation operation, const QString& name);
    // The rows with a selected cell, in order; the current row when nothing is selected.
    std::vector<int> SelectedRows() const;
    // Ctrl+F: the find bar; a query moves the current cell to the next channel it finds.
    void ShowFindBar();
    void OnFind(const QString& query, bool next);
    CFindBar* FindBar() const { return m_findBar; }

    // Both use the main window's printer, so what print setup chose applies.
    void OnPrint(QPrinter& printer);
    void OnPrintPreview(QPrinter& printer);
    // The channel list as printed: header row and every row with a receive frequency.
    void PrintChannelList(QPrinter* printer) const;

  protected:
    bool eventFilter(QObject* object, QEvent* event) override;

  private:
    void BuildGrid();
    void BuildRowMenu();
    void ShowRowMenu(const QPoint& position);
    void SelectRows(const std::vector<int>& rows);
    // Writes the grid's texts into the image (no editor commit) and finalises it.
    void CommitGridTexts();
    // After an operation on the image: the grid shows it and the image is finalised again.
    void ReloadAfterImageChange();
    bool HandleClipboardKey(const QKeyEvent* event);
    void SetRowCells(int row, const GridRow& cells);
    bool HandleGridKey(int key);
    bool FilterGridKey(const QKeyEvent* event);
    void PageByWheel(int delta);
    bool RunTransfer(int kind);

    QTableWidget* m_grid;
    CGridDelegate* m_delegate;
    QComboBox* m_chip;
    QPushButton* m_channelEdit;
    QPushButton* m_initialise;
    QPushButton* m_batch;
    CFindBar* m_findBar;
    QMenu* m_rowMenu;
    int m_wheelRemainder = 0; // high-resolution wheel deltas not yet a whole notch
};

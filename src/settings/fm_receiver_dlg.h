#pragma once

#include <QDialog>

class CCellEditor;
class MemoryImage;
class QComboBox;
class QLineEdit;
class QTableWidget;

// "收音机配置": the broadcast receiver's current channel, current frequency and its 20
// channels. Written back to the image when the dialog closes, however it closes; Enter and
// Esc do nothing (in the cell editor they hand the focus back to the grid).
class CFmReceiverDlg : public QDialog {
    Q_OBJECT
  public:
    CFmReceiverDlg(QWidget* parent, MemoryImage& image);
    ~CFmReceiverDlg() override;

    void done(int result) override;

    // Opens the cell editor over the frequency cell of grid row 0..19.
    void ShowCellEditor(int row);

    QComboBox* ChannelList() const { return m_channel; }
    QLineEdit* CurrentFrequencyEdit() const { return m_current; }
    QTableWidget* Grid() const { return m_grid; }
    CCellEditor* CellEditor() const { return m_cellEditor; }

  protected:
    bool eventFilter(QObject* object, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void SetUpGrid();
    void InitLists();
    void LoadFromImage();
    void ApplyFallbacks();
    void StoreToImage();
    void NormaliseCurrentFrequency();
    void MarkCurrentCell(int row, int column, int previousRow, int previousColumn);

    MemoryImage& m_image;
    QComboBox* m_channel;
    QLineEdit* m_current;
    QTableWidget* m_grid;
    CCellEditor* m_cellEditor;
    bool m_stored = false;
};

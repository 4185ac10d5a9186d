#pragma once

#include "image/input_rule.h"

#include <QLineEdit>

#include <functional>

class QTableWidget;

// An edit laid over one cell of a grid. A left press on a cell asks the owner which cell to
// edit (`cellFor`, -1 for none); the editor opens there with the cell's text selected. Its
// text is committed into the cell it was opened on, through `normalise`, when it loses the
// focus, when the grid scrolls, and on Enter or Esc, which hand the focus back to the grid.
class CCellEditor : public QLineEdit {
    Q_OBJECT
  public:
    CCellEditor(QTableWidget* grid, const TextRule& rule);

    // The column to edit for a press on (row, column); -1 opens nothing.
    std::function<int(int row, int column)> cellFor = [](int, int column) { return column; };
    std::function<QString(const QString&)> normalise = [](const QString& text) { return text; };

    void Open(int row, int column);
    void Commit();
    bool IsOpen() const { return m_row >= 0; }

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    void CommitToGrid();
    // The grid, or null once it is being destroyed and has no cells left to write into.
    QTableWidget* Grid() const;

    QObject* m_grid;
    int m_row = -1;
    int m_column = -1;
};

// Twips (1/1440 inch) at the widget's screen resolution, the unit grid sizes are given in.
int TwipsToPixels(const QWidget* widget, int twips);

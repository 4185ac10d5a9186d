#include "app/cell_editor.h"

#include "app/text_filter.h"

#include <QApplication>
#include <QKeyEvent>
#include <QScrollBar>
#include <QTableWidget>

#include <utility>

CCellEditor::CCellEditor(QTableWidget* grid, const TextRule& rule)
    : QLineEdit(grid->viewport()), m_grid(grid) {
    CTextFilter::Install(this, rule);
    setAlignment(Qt::AlignCenter);
    hide();
    connect(grid, &QTableWidget::cellPressed, this, [this](int row, int column) {
        if (!(QApplication::mouseButtons() & Qt::LeftButton))
            return;
        const int target = cellFor(row, column);
        if (target >= 0)
            Open(row, target);
    });
    // An editor left over a scrolled grid would sit over another cell.
    for (QScrollBar* bar : {grid->verticalScrollBar(), grid->horizontalScrollBar()})
        connect(bar, &QScrollBar::valueChanged, this, &CCellEditor::CommitToGrid);
}

QTableWidget* CCellEditor::Grid() const {
    return qobject_cast<QTableWidget*>(m_grid);
}

void CCellEditor::Open(int row, int column) {
    QTableWidget* grid = Grid();
    QTableWidgetItem* item = grid ? grid->item(row, column) : nullptr;
    if (!item)
        return;
    Commit();
    grid->setCurrentCell(row, column);
    m_row = row;
    m_column = column;
    setGeometry(grid->visualItemRect(item));
    setText(item->text());
    selectAll();
    show();
    setFocus();
}

void CCellEditor::Commit() {
    if (!IsOpen())
        return;
    const int row = std::exchange(m_row, -1);
    hide();
    QTableWidget* grid = Grid();
    if (QTableWidgetItem* item = grid ? grid->item(row, m_column) : nullptr)
        item->setText(normalise(text()));
}

void CCellEditor::CommitToGrid() {
    if (!IsOpen())
        return;
    // The grid takes the focus before the editor hides: a focused editor that hides passes the
    // focus on through the grid's tab navigation, which would move the current cell.
    if (QTableWidget* grid = Grid())
        grid->setFocus();
    Commit();
}

void CCellEditor::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape) {
        CommitToGrid();
        return event->accept();
    }
    QLineEdit::keyPressEvent(event);
}

void CCellEditor::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    if (event->reason() != Qt::PopupFocusReason)
        Commit();
}

int TwipsToPixels(const QWidget* widget, int twips) {
    return twips * widget->logicalDpiX() / 1440;
}

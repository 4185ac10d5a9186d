#include "../image/test_registry.h"

#include "app/cell_editor.h"

#include <QScrollBar>
#include <QTableWidget>
#include <QTest>

namespace {

// A grid of 30 rows, short enough to scroll, with an editor on its second column.
struct Grid {
    Grid() : table(30, 2), editor(new CCellEditor(&table, {KeyFilter::Dtmf, 4})) {
        for (int r = 0; r < table.rowCount(); ++r)
            for (int c = 0; c < 2; ++c)
                table.setItem(r, c, new QTableWidgetItem(c == 0 ? QString::number(r) : ""));
        editor->cellFor = [](int, int column) { return column == 1 ? 1 : -1; };
        editor->normalise = [](const QString& text) { return "<" + text + ">"; };
        table.resize(200, 150);
        table.show();
    }
    void Press(int row, int column, Qt::MouseButton button = Qt::LeftButton) {
        const QRect cell = table.visualItemRect(table.item(row, column));
        QTest::mouseClick(table.viewport(), button, {}, cell.center());
    }
    QString Cell(int row) const { return table.item(row, 1)->text(); }
    QTableWidget table;
    CCellEditor* editor;
};

} // namespace

class TestCellEditor : public QObject {
    Q_OBJECT
  private slots:
    void opensOnLeftPressOnly_data();
    void opensOnLeftPressOnly();
    void commitsIntoTheCellItOpenedOn_data();
    void commitsIntoTheCellItOpenedOn();
};

void TestCellEditor::opensOnLeftPressOnly_data() {
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("target"); // the column the owner edits for the press
    QTest::addColumn<bool>("opens");
    QTest::newRow("left press") << int(Qt::LeftButton) << 1 << true;
    QTest::newRow("left press editing the first column") << int(Qt::LeftButton) << 0 << true;
    QTest::newRow("right press") << int(Qt::RightButton) << 1 << false;
    QTest::newRow("middle press") << int(Qt::MiddleButton) << 1 << false;
    QTest::newRow("left press where nothing is edited") << int(Qt::LeftButton) << -1 << false;
}

void TestCellEditor::opensOnLeftPressOnly() {
    QFETCH(int, button);
    QFETCH(int, target);
    QFETCH(bool, opens);
    Grid grid;
    QVERIFY(QTest::qWaitForWindowActive(&grid.table));
    grid.editor->cellFor = [target](int, int) { return target; };
    grid.table.item(2, std::max(target, 0))->setText("12");
    grid.Press(2, 1, Qt::MouseButton(button));
    QCOMPARE(grid.editor->isVisible(), opens);
    if (opens) {
        QCOMPARE(grid.editor->selectedText(), QString("12"));
        QCOMPARE(grid.editor->geometry(), grid.table.visualItemRect(grid.table.item(2, target)));
    }
}

void TestCellEditor::commitsIntoTheCellItOpenedOn_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("the grid scrolls") << "scroll";
    QTest::newRow("another cell pressed") << "press";
    QTest::newRow("the focus moves away") << "focus";
    QTest::newRow("Enter") << "enter";
    QTest::newRow("Esc") << "esc";
}

void TestCellEditor::commitsIntoTheCellItOpenedOn() {
    QFETCH(QString, how);
    Grid grid;
    QVERIFY(QTest::qWaitForWindowActive(&grid.table));
    grid.Press(1, 1);
    QTest::keyClicks(grid.editor, "1a#x5");
    if (how == "scroll") {
        grid.table.verticalScrollBar()->setValue(5);
    } else if (how == "press") {
        grid.Press(3, 1);
    } else if (how == "focus") {
        grid.table.setFocus();
    } else {
        QTest::keyClick(grid.editor, how == "enter" ? Qt::Key_Return : Qt::Key_Escape);
        QVERIFY(grid.table.hasFocus());
    }
    QCOMPARE(grid.Cell(1), QString("<1A#5>"));
    QCOMPARE(grid.editor->isVisible(), how == "press");
    if (how == "press")
        QCOMPARE(grid.Cell(3), QString());
}

KESTRA_REGISTER_TEST(TestCellEditor);
#include "test_cell_editor.moc"

#include "../image/test_helpers.h"
#include "../image/test_registry.h"
#include "app_test_support.h"

#include "app/app_globals.h"
#include "channels/program_view.h"
#include "image/channel_record.h"
#include "image/new_document.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTableWidget>
#include <QTest>

namespace {

QString RowText(const CProgramView& view, int row) {
    QStringList cells;
    for (int c = 1; c < kGridColumns; ++c)
        cells << view.CellText(row, c);
    return cells.join('|');
}

void NewImage() {
    BuildNewDocumentImage(g_image, "/nonexistent/Default.dat");
}

// The editor the view opened over the current cell.
QWidget* OpenEditor(CProgramView& view) {
    for (QWidget* w : view.Grid()->viewport()->findChildren<QWidget*>())
        if (w->isVisible() && (qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w)))
            return qobject_cast<QComboBox*>(w->parentWidget()) ? w->parentWidget() : w;
    return nullptr;
}

} // namespace

class TestProgramView : public QObject {
    Q_OBJECT
  private slots:
    void typing_data();
    void typing();
    void loadGridHidesInvalidRecords();
    void arrowKeysWrap();
};

void TestProgramView::typing_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("typed"); // for option lists: the item chosen
    QTest::addColumn<QString>("cells");
    QTest::addColumn<int>("nextRow");
    QTest::addColumn<int>("nextColumn");
    QTest::newRow("new channel") << 3 << 1 << "150"
                                 << "150.00000|150.00000|无|无|高|是|宽|关" << 3 << 2;
    QTest::newRow("letters and minus discarded")
        << 3 << 1 << "3a0-0"
        << "136.00000|136.00000|无|无|高|是|宽|关" << 3 << 2;
    QTest::newRow("empty row starts in the receive column")
        << 3 << 4 << "435.1"
        << "435.10000|435.10000|无|无|高|是|宽|关" << 3 << 2;
    QTest::newRow("emptied receive: Enter moves down") << 1 << 1 << ""
                                                       << "|||||||" << 2 << 1;
    QTest::newRow("tone normalised") << 1 << 3 << "d23"
                                     << "145.00000|145.00000|D023N|无|高|是|宽|关" << 1 << 4;
    QTest::newRow("option chosen") << 1 << 8 << "QT/DQT"
                                   << "145.00000|145.00000|无|无|高|是|宽|QT/DQT" << 2 << 1;
}

void TestProgramView::typing() {
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(QString, typed);
    QFETCH(QString, cells);
    QFETCH(int, nextRow);
    QFETCH(int, nextColumn);
    TestHome home;
    NewImage();
    ChannelRecord a1 = ChannelRecord::Load(g_image, 1);
    a1.SetRxFreq(14500000);
    a1.SetTxFreq(14500000);
    a1.Store(g_image, 1);
    CProgramView view;
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    view.activateWindow();
    view.SetCurrentCell(row, column);
    view.ShowCellEditor();
    QWidget* editor = OpenEditor(view);
    QVERIFY(editor);
    if (auto* edit = qobject_cast<QLineEdit*>(editor)) {
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, typed);
    } else if (auto* combo = qobject_cast<QComboBox*>(editor)) {
        if (combo->isEditable())
            combo->setEditText(typed);
        else
            combo->setCurrentIndex(combo->findText(typed));
    }
    QTest::keyClick(editor->focusProxy() ? editor->focusProxy() : editor, Qt::Key_Return);
    QCOMPARE(RowText(view, row), cells);
    QCOMPARE(view.Grid()->currentRow() + 1, nextRow);
    QCOMPARE(view.Grid()->currentColumn() + 1, nextColumn);
    // The commit writes what the grid shows.
    view.CommitGrid();
    CProgramView reloaded;
    QCOMPARE(RowText(reloaded, row), cells);
}

void TestProgramView::loadGridHidesInvalidRecords() {
    TestHome home;
    NewImage();
    PutBytes(g_image, RecordOffset(2), Hex("00005014000050148508548000f8"));
    PutBytes(g_image, RecordOffset(4), Hex("00000030000000308508548000f8"));
    CProgramView view;
    QCOMPARE(RowText(view, 2), QString("145.00000|145.00000|88.5|D054N|高|是|宽|"));
    QCOMPARE(RowText(view, 4), QString("|||||||"));
    view.CommitGrid();
    QCOMPARE(ImageBytes(g_image, RecordOffset(4), 4), Hex("ffffffff"));
    // The undefined busy value 3 shows as an empty cell and commits as "关".
    QCOMPARE(int(g_image.Byte(RecordOffset(2) + 13)), 0x38);
}

void TestProgramView::arrowKeysWrap() {
    TestHome home;
    NewImage();
    CProgramView view;
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    view.SetCurrentCell(1, 8);
    QTest::keyClick(view.Grid(), Qt::Key_Right);
    QCOMPARE(view.Grid()->currentRow() + 1, 2);
    QCOMPARE(view.Grid()->currentColumn() + 1, 1);
    QTest::keyClick(view.Grid(), Qt::Key_Left);
    QCOMPARE(view.Grid()->currentRow() + 1, 1);
    QCOMPARE(view.Grid()->currentColumn() + 1, 8);
    view.SetCurrentCell(258, 8);
    QTest::keyClick(view.Grid(), Qt::Key_Right);
    QCOMPARE(view.Grid()->currentRow() + 1, 258);
}

KESTRA_REGISTER_TEST(TestProgramView);
#include "test_program_view.moc"

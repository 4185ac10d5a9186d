#include "../image/test_helpers.h"
#include "../image/test_registry.h"
#include "app_test_support.h"

#include "app/app_globals.h"
#include "channels/program_view.h"
#include "image/channel_record.h"
#include "image/new_document.h"

#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QScrollBar>
#include <QTableWidget>
#include <QTest>
#include <QWheelEvent>

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
    void gridKeys();
    void wheelPagesThenScrolls_data();
    void wheelPagesThenScrolls();
    void gridLayout();
};

void TestProgramView::typing_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<Input>("how");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("cells");
    QTest::addColumn<int>("nextRow");
    QTest::addColumn<int>("nextColumn");
    const Input keys = Input::Keys;
    const QString defaults = "|无|无|高|是|宽|关";
    QTest::newRow("new channel") << 3 << 1 << keys << "150"
                                 << "150.00000|150.00000" + defaults << 3 << 2;
    QTest::newRow("pasted letters and minus dropped") << 3 << 1 << Input::Paste << "3a0-0"
                                                      << "136.00000|136.00000" + defaults << 3 << 2;
    QTest::newRow("composed text filtered") << 3 << 1 << Input::InputMethod << "435.1频"
                                            << "435.10000|435.10000" + defaults << 3 << 2;
    QTest::newRow("empty row starts in the receive column")
        << 3 << 4 << keys << "435.1"
        << "435.10000|435.10000" + defaults << 3 << 2;
    QTest::newRow("emptied receive: Enter moves down") << 1 << 1 << keys << ""
                                                       << "|||||||" << 2 << 1;
    const QString a1 = "145.00000|145.00000|";
    const QString rest = "|无|高|是|宽|关";
    QTest::newRow("tone 23 is a DCS code")
        << 1 << 3 << keys << "23" << a1 + "D023N" + rest << 1 << 4;
    // These two are shown as typed and read back from the image in the codec's own form.
    QTest::newRow("tone 1 is D001N") << 1 << 3 << keys << "1" << a1 + "D001N" + rest << 1 << 4;
    QTest::newRow("tone 88.50 kept as typed")
        << 1 << 3 << Input::Paste << "88.50" << a1 + "88.50" + rest << 1 << 4;
    QTest::newRow("option chosen by its first letter")
        << 1 << 8 << keys << "Q"
        << "145.00000|145.00000|无|无|高|是|宽|QT/DQT" << 2 << 1;
}

void TestProgramView::typing() {
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(Input, how);
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
    QVERIFY(QTest::qWaitForWindowActive(&view));
    view.SetCurrentCell(row, column);
    QTest::keyClick(view.Grid(), Qt::Key_Return);
    QWidget* editor = OpenEditor(view);
    QVERIFY(editor);
    // An editable list is typed into through its line edit.
    auto* list = qobject_cast<QComboBox*>(editor);
    QWidget* target = list && list->isEditable() ? list->lineEdit() : editor;
    if (auto* edit = qobject_cast<QLineEdit*>(target)) {
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
    }
    EnterText(target, typed, how);
    QTest::keyClick(target, Qt::Key_Return);
    QCOMPARE(RowText(view, row), cells);
    QCOMPARE(view.Grid()->currentRow() + 1, nextRow);
    QCOMPARE(view.Grid()->currentColumn() + 1, nextColumn);
    // The commit writes what the grid shows.
    view.CommitGrid();
    CProgramView reloaded;
    QCOMPARE(RowText(reloaded, row),
             QString(cells).replace("D001N", "D01N").replace("88.50", "88.5"));
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

void TestProgramView::gridKeys() {
    TestHome home;
    NewImage();
    CProgramView view;
    view.show();
    QVERIFY(QTest::qWaitForWindowActive(&view));
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
    // Only a left press opens an editor.
    const QRect cell = view.Grid()->visualItemRect(view.Grid()->item(2, 0));
    QTest::mouseClick(view.Grid()->viewport(), Qt::RightButton, {}, cell.center());
    QVERIFY(!OpenEditor(view));
    QTest::mouseClick(view.Grid()->viewport(), Qt::LeftButton, {}, cell.center());
    QVERIFY(OpenEditor(view));
    QTest::keyClick(OpenEditor(view), Qt::Key_Escape);
    // A typed character does not search: Enter then edits the channel that was current.
    view.SetCurrentCell(45, 1);
    QTest::keyClicks(view.Grid(), "1a");
    QCOMPARE(view.Grid()->currentRow() + 1, 45);
    QTest::keyClick(view.Grid(), Qt::Key_Return);
    QVERIFY(OpenEditor(view));
    QCOMPARE(view.Grid()->currentRow() + 1, 45);
}

void TestProgramView::wheelPagesThenScrolls_data() {
    QTest::addColumn<QList<int>>("deltas");
    QTest::addColumn<int>("pages");
    QTest::addColumn<int>("lines"); // of the wheel's own scrolling, three a notch
    QTest::newRow("one notch down") << QList<int>{-120} << 1 << 3;
    QTest::newRow("two half notches") << QList<int>{-60, -60} << 1 << 3;
    QTest::newRow("half a notch only scrolls") << QList<int>{-60} << 0 << 1;
    QTest::newRow("three thirds") << QList<int>{-40, -40, -40} << 1 << 3;
    // Down 2 lines, up 1, down 2: no notch, since each turn starts counting afresh.
    QTest::newRow("a turn back starts afresh") << QList<int>{-90, 60, -90} << 0 << 3;
    QTest::newRow("two notches") << QList<int>{-120, -120} << 2 << 6;
}

void TestProgramView::wheelPagesThenScrolls() {
    QFETCH(QList<int>, deltas);
    QFETCH(int, pages);
    QFETCH(int, lines);
    TestHome home;
    NewImage();
    CProgramView view;
    view.resize(800, 400);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QScrollBar* bar = view.Grid()->verticalScrollBar();
    QCOMPARE(bar->value(), 0);
    QWidget* viewport = view.Grid()->viewport();
    const QPoint at = viewport->rect().center();
    for (int delta : deltas) {
        QWheelEvent wheel(at, viewport->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(viewport, &wheel);
    }
    QCOMPARE(bar->value(), pages * bar->pageStep() + lines * bar->singleStep());
}

void TestProgramView::gridLayout() {
    TestHome home;
    NewImage();
    CProgramView view;
    QCOMPARE(view.ReceiverChipList()->currentText(), QString("5802E"));
    QCOMPARE(view.Grid()->verticalHeaderItem(257)->text(), QString("B VFO"));
    const int dpi = view.logicalDpiX();
    QCOMPARE(view.Grid()->verticalHeader()->width(), 600 * dpi / 1440);
    QCOMPARE(view.Grid()->columnWidth(0), 1500 * dpi / 1440);
    QCOMPARE(view.Grid()->columnWidth(7), 1000 * dpi / 1440);
}

KESTRA_REGISTER_TEST(TestProgramView);
#include "test_program_view.moc"

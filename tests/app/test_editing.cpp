#include "../image/test_helpers.h"
#include "../image/test_registry.h"
#include "app_test_support.h"

#include "app/app_globals.h"
#include "app/cell_editor.h"
#include "app/image_step.h"
#include "app/text_filter.h"
#include "channels/program_view.h"
#include "image/channel_record.h"
#include "image/new_document.h"
#include "service/spin_edit.h"

#include <QApplication>
#include <QHeaderView>
#include <QScrollBar>
#include <QTableWidget>
#include <QTest>
#include <QWheelEvent>

namespace {

// A new document whose channel A 001 is on 145 MHz, in a program directory of its own.
struct Document {
    Document() {
        BuildNewDocumentImage(g_image, "/nonexistent/Default.dat");
        PutBytes(g_image, RecordOffset(1), Hex("0000501400005014"));
    }
    TestHome home;
};

QString RowText(const CProgramView& view, int row) {
    QStringList cells;
    for (int c = 1; c < kGridColumns; ++c)
        cells << view.CellText(row, c);
    return cells.join('|');
}

} // namespace

class TestEditing : public QObject {
    Q_OBJECT
  private slots:
    void gridKeys_data();
    void gridKeys();
    void wheelPagesThenScrolls_data();
    void wheelPagesThenScrolls();
    void widthsFromTwips();
    void filterOnEveryHostAndPath_data();
    void filterOnEveryHostAndPath();
    void cellEditor_data();
    void cellEditor();
};

void TestEditing::gridKeys_data() {
    QTest::addColumn<QPoint>("cell"); // (column, row) current at the start, then at the end
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("cells"); // the row's cells at the end
    QTest::addColumn<QPoint>("next");
    QTest::addColumn<QString>("step"); // the undo step the keys left; empty: none
    const QString a1 = "145.00000|145.00000|无|无|高|是|宽|关";
    QTest::newRow("new channel from another column, letter dropped")
        << QPoint(4, 3) << "Return 4 3 5 A . 1 Return"
        << "435.10000|435.10000|无|无|高|是|宽|关" << QPoint(2, 3) << "修改 A 003 接收频率";
    QTest::newRow("emptied receive: Enter moves down")
        << QPoint(1, 1) << "Return Ctrl+A Del Return"
        << "|||||||" << QPoint(1, 2) << "修改 A 001 接收频率";
    // The tone list completes nothing: these are DCS codes, not the tones they begin.
    QTest::newRow("tone 23") << QPoint(3, 1) << "Return Ctrl+A Del 2 3 Return"
                             << QString(a1).replace(20, 1, "D023N") << QPoint(4, 1)
                             << "修改 A 001 接收信令";
    QTest::newRow("option chosen by its first letter")
        << QPoint(8, 1) << "Return Q Return" << QString(a1).replace("关", "QT/DQT") << QPoint(1, 2)
        << "修改 A 001 繁忙";
    QTest::newRow("Right wraps to the next row")
        << QPoint(8, 1) << "Right" << a1 << QPoint(1, 2) << "";
    QTest::newRow("Left wraps to the row above") << QPoint(1, 2) << "Left"
                                                 << "|||||||" << QPoint(8, 1) << "";
    // Then Enter edits the channel that was current.
    QTest::newRow("typing does not search") << QPoint(1, 45) << "1 A Return"
                                            << "|||||||" << QPoint(1, 45) << "";
}

void TestEditing::gridKeys() {
    QFETCH(QPoint, cell);
    QFETCH(QString, keys);
    QFETCH(QString, cells);
    QFETCH(QPoint, next);
    QFETCH(QString, step);
    Document document;
    CProgramView view;
    g_history.Clear();
    QVERIFY(ShowActive(&view));
    view.SetCurrentCell(cell.y(), cell.x());
    // Each key goes where the focus is: the grid, or the editor it opened.
    for (const QString& name : keys.split(' ')) {
        const QKeyCombination key = QKeySequence(name)[0];
        QTest::keyClick(QApplication::focusWidget(), key.key(), key.keyboardModifiers());
    }
    QCOMPARE(QPoint(view.Grid()->currentColumn(), view.Grid()->currentRow()) + QPoint(1, 1), next);
    QCOMPARE(RowText(view, cell.y()), cells);
    // Each cell commit is in the image at once, as one step: a new view shows it.
    QCOMPARE(QString::fromStdString(g_history.UndoName()), step);
    QCOMPARE(RowText(CProgramView(), cell.y()), cells);
}

void TestEditing::wheelPagesThenScrolls_data() {
    QTest::addColumn<QList<int>>("deltas");
    QTest::addColumn<QPoint>("scrolled"); // pages, then lines of the wheel's own scrolling
    QTest::newRow("two half notches") << QList<int>{-60, -60} << QPoint(1, 3);
    QTest::newRow("half a notch only scrolls") << QList<int>{-60} << QPoint(0, 1);
    // Down 2 lines, up 1, down 2: no notch, since each turn starts counting afresh.
    QTest::newRow("a turn back starts afresh") << QList<int>{-90, 60, -90} << QPoint(0, 3);
    QTest::newRow("two notches") << QList<int>{-120, -120} << QPoint(2, 6);
}

void TestEditing::wheelPagesThenScrolls() {
    QFETCH(QList<int>, deltas);
    QFETCH(QPoint, scrolled);
    Document document;
    CProgramView view;
    view.resize(800, 400);
    QVERIFY(ShowActive(&view));
    QWidget* viewport = view.Grid()->viewport();
    const QPoint at = viewport->rect().center();
    for (int delta : deltas) {
        QWheelEvent wheel(at, viewport->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(viewport, &wheel);
    }
    QScrollBar* bar = view.Grid()->verticalScrollBar();
    QCOMPARE(bar->value(), scrolled.x() * bar->pageStep() + scrolled.y() * bar->singleStep());
}

void TestEditing::widthsFromTwips() {
    CProgramView view;
    QCOMPARE(view.logicalDpiX(), 96); // the offscreen screen: 15 twips a pixel
    QCOMPARE(view.Grid()->verticalHeader()->width(), 40);
    QCOMPARE(view.Grid()->columnWidth(1), 100);
    QCOMPARE(view.Grid()->columnWidth(2), 66);
}

void TestEditing::filterOnEveryHostAndPath_data() {
    QTest::addColumn<int>("host"); // an edit, a step spin, a spin edit
    QTest::addColumn<Input>("how");
    const std::pair<const char*, Input> paths[] = {
        {"keys", Input::Keys}, {"paste", Input::Paste}, {"input method", Input::InputMethod}};
    for (int host = 0; host < 3; ++host)
        for (auto [name, how] : paths)
            QTest::newRow(qPrintable(QString("host %1, %2").arg(host).arg(name))) << host << how;
}

void TestEditing::filterOnEveryHostAndPath() {
    QFETCH(int, host);
    QFETCH(Input, how);
    const TextRule rule{KeyFilter::HexDigits, 3};
    QLineEdit edit;
    CStepSpinEdit step(nullptr);
    CSpinEdit spin(nullptr, 0, 0xFFFF, 16, rule); // filters its own text
    CTextFilter::Install(&edit, rule);
    CTextFilter::Install(step.Edit(), rule);
    QWidget* widget = QList<QWidget*>{&edit, &step, &spin}[host];
    QLineEdit* text = host == 0 ? &edit : widget->findChild<QLineEdit*>();
    QVERIFY(ShowActive(widget));
    // Others dropped, hex letters upper-cased, nothing beyond the length.
    EnterText(widget, "zq-频a1b2", how);
    QCOMPARE(text->text(), QString("A1B"));
    // Typing goes on where the filtered text ended.
    QCOMPARE(text->cursorPosition(), 3);
    // After a text the program set, a paste in its middle keeps what stands behind it.
    text->setText("12");
    text->setCursorPosition(1);
    EnterText(text, "x9", Input::Paste);
    QCOMPARE(text->text(), QString("192"));
    QCOMPARE(text->cursorPosition(), 2);
}

void TestEditing::cellEditor_data() {
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("target"); // the column the owner edits for a press; -1: none
    QTest::addColumn<QString>("then");
    const int left = Qt::LeftButton;
    QTest::newRow("right press opens nothing") << int(Qt::RightButton) << 1 << QString();
    QTest::newRow("nothing to edit there") << left << -1 << QString();
    QTest::newRow("the grid scrolls") << left << 1 << "scroll";
    QTest::newRow("another cell pressed") << left << 1 << "press";
    QTest::newRow("the focus moves away") << left << 1 << "focus";
    QTest::newRow("Enter") << left << 1 << "enter";
    QTest::newRow("Esc, the first column edited") << left << 0 << "esc";
}

void TestEditing::cellEditor() {
    QFETCH(int, button);
    QFETCH(int, target);
    QFETCH(QString, then);
    // A grid short enough to scroll, with a DTMF editor.
    QTableWidget grid(30, 2);
    for (int r = 0; r < grid.rowCount(); ++r)
        for (int c = 0; c < 2; ++c)
            grid.setItem(r, c, new QTableWidgetItem(r == 1 ? "12" : ""));
    auto* editor = new CCellEditor(&grid, {KeyFilter::Dtmf, 4});
    editor->cellFor = [target](int, int) { return target; };
    editor->normalise = [](const QString& text) { return "<" + text + ">"; };
    grid.resize(200, 150);
    QVERIFY(ShowActive(&grid));
    auto press = [&grid](int row, int button) {
        const QPoint at = grid.visualItemRect(grid.item(row, 1)).center();
        QTest::mouseClick(grid.viewport(), Qt::MouseButton(button), {}, at);
    };
    const int column = std::max(target, 0);
    press(1, button);
    QCOMPARE(editor->isVisible(), !then.isEmpty());
    if (editor->isVisible()) {
        QCOMPARE(editor->selectedText(), QString("12"));
        QCOMPARE(editor->geometry(), grid.visualItemRect(grid.item(1, column)));
        QTest::keyClicks(editor, "1a#x5");
    }
    if (then == "scroll")
        grid.verticalScrollBar()->setValue(5);
    else if (then == "press")
        press(3, Qt::LeftButton);
    else if (then == "focus")
        grid.setFocus();
    else if (!then.isEmpty())
        QTest::keyClick(editor, then == "enter" ? Qt::Key_Return : Qt::Key_Escape);
    // Committed, through the owner's form, into the cell it opened on.
    QCOMPARE(grid.item(1, column)->text(), QString(then.isEmpty() ? "12" : "<1A#5>"));
    QCOMPARE(editor->isVisible(), then == "press");
    QCOMPARE(grid.hasFocus(), then != "press");
}

KESTRA_REGISTER_TEST(TestEditing);
#include "test_editing.moc"

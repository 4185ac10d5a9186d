#include "../app/app_test_support.h"
#include "../image/test_helpers.h"
#include "../image/test_registry.h"
#include "channel_test_support.h"

#include "app/app_globals.h"
#include "app/image_step.h"
#include "channels/channel_clipboard.h"
#include "channels/find_bar.h"
#include "channels/program_view.h"
#include "image/channel_record.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMimeData>
#include <QStatusBar>
#include <QTableWidget>
#include <QTest>

namespace {

// The view in a main window whose own Ctrl+C / Ctrl+V action would take the keys from the
// grid if it could.
struct Window {
    Window() {
        ClearedChannels(g_image);
        for (int row : {1, 2, 4}) {
            PutBytes(g_image, RecordOffset(row), Hex("0000501400005014"));
            PutBytes(g_image, RecordOffset(row) + 24, QByteArray("CH") + QByteArray::number(row));
        }
        view = new CProgramView;
        window.setCentralWidget(view);
        auto* shortcut = new QAction(&window);
        shortcut->setShortcuts(QKeySequence::listFromString("Ctrl+C; Ctrl+V; Ctrl+X"));
        QObject::connect(shortcut, &QAction::triggered, [this] { ++windowShortcuts; });
        window.addAction(shortcut);
        window.resize(900, 500);
        g_history.Clear();
    }
    bool Show() { return ShowActive(&window); }
    QHeaderView* Labels() const { return view->Grid()->verticalHeader(); }
    QPoint LabelAt(int row) const {
        return {Labels()->width() / 2,
                Labels()->sectionViewportPosition(row - 1) + Labels()->sectionSize(row - 1) / 2};
    }
    void ClickLabel(int row, Qt::KeyboardModifiers modifiers = {}) {
        QTest::mouseClick(Labels()->viewport(), Qt::LeftButton, modifiers, LabelAt(row));
    }
    void Key(const QString& name) {
        const QKeyCombination key = QKeySequence(name)[0];
        QTest::keyClick(QApplication::focusWidget(), key.key(), key.keyboardModifiers());
    }
    // The names of rows 1..6, "-" where the grid shows no channel.
    QString Names() const {
        QStringList names;
        for (int row = 1; row <= 6; ++row)
            names << (view->CellText(row, kColRxFreq).isEmpty()
                          ? QString("-")
                          : Q(ChannelRecord::Load(g_image, row).Name()));
        return names.join(' ');
    }
    QString Status() const { return window.statusBar()->currentMessage(); }

    TestHome home;
    QMainWindow window;
    CProgramView* view;
    int windowShortcuts = 0;
};

} // namespace

// Clipboard keys, row label selection with its context menu, and the find bar, driven through
// the keyboard and the mouse.
class TestGridEditing : public QObject {
    Q_OBJECT
  private slots:
    void copyCutAndPasteRows();
    void copyCellsPasteSpreadsheetText();
    void rowMenu_data();
    void rowMenu();
    void findBar();
};

// Rows picked by their labels go as text and whole records, so a paste keeps the names; a cut
// clears them. The window's own shortcuts never see the keys.
void TestGridEditing::copyCutAndPasteRows() {
    Window w;
    QVERIFY(w.Show());
    w.ClickLabel(1);
    w.ClickLabel(2, Qt::ShiftModifier);
    w.Key("Ctrl+Ins");
    const QString row = "145.00000\t145.00000\t无\t无\t高\t是\t宽\t关\n";
    QCOMPARE(QApplication::clipboard()->text(), row + row);
    w.ClickLabel(5);
    w.Key("Ctrl+V");
    QCOMPARE(w.Names(), QString("CH1 CH2 - CH4 CH1 CH2"));
    QCOMPARE(Q(g_history.UndoName()), QString("粘贴"));
    w.ClickLabel(1);
    w.ClickLabel(4, Qt::ControlModifier);
    w.Key("Shift+Del");
    QCOMPARE(w.Names(), QString("- CH2 - - CH1 CH2"));
    QCOMPARE(Q(g_history.UndoName()), QString("剪切"));
    w.ClickLabel(3);
    w.Key("Shift+Ins");
    QCOMPARE(w.Names(), QString("- CH2 CH1 CH4 CH1 CH2"));
    QCOMPARE(w.windowShortcuts, 0);
}

// Cells without their whole rows go as text only; spreadsheet text pastes through the cells'
// commit rules, up to the band's end.
void TestGridEditing::copyCellsPasteSpreadsheetText() {
    Window w;
    QVERIFY(w.Show());
    w.view->SetCurrentCell(1, kColTxFreq);
    w.Key("Ctrl+C");
    QCOMPARE(QApplication::clipboard()->text(), QString("145.00000\n"));
    QVERIFY(!QApplication::clipboard()->mimeData()->hasFormat(kChannelsMimeType));
    QApplication::clipboard()->setText("146x\t147\n435\n436\n");
    w.view->SetCurrentCell(127, kColRxFreq);
    w.Key("Ctrl+V");
    QCOMPARE(w.view->CellText(127, kColTxFreq) + " " + w.view->CellText(128, kColTxFreq),
             QString("147.00000 435.00000"));
    QCOMPARE(w.Status(), QString("粘贴到本频段的最后一个信道 A 128 为止，1 行没有粘贴"));
}

void TestGridEditing::rowMenu_data() {
    QTest::addColumn<QList<int>>("clicks"); // labels clicked, negative with Ctrl
    QTest::addColumn<int>("menuRow");       // the label the menu opens on
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("names");
    QTest::addColumn<QString>("status");
    QTest::newRow("clear two rows") << QList<int>{1, -4} << 4 << "清除"
                                    << "- CH2 - - - -" << QString();
    QTest::newRow("insert before a run") << QList<int>{1, -2} << 1 << "插入空行"
                                         << "- - CH1 CH2 - CH4" << QString();
    QTest::newRow("a label outside the selection selects its row")
        << QList<int>{1} << 2 << "上移"
        << "CH2 CH1 - CH4 - -" << QString();
    QTest::newRow("up from the first channel") << QList<int>{1} << 1 << "上移"
                                               << "CH1 CH2 - CH4 - -"
                                               << "已到频段边界，不能再移动";
}

void TestGridEditing::rowMenu() {
    QFETCH(QList<int>, clicks);
    QFETCH(int, menuRow);
    QFETCH(QString, item);
    QFETCH(QString, names);
    QFETCH(QString, status);
    Window w;
    QVERIFY(w.Show());
    for (int row : clicks)
        w.ClickLabel(std::abs(row), row < 0 ? Qt::ControlModifier : Qt::NoModifier);
    const QPoint at = w.LabelAt(menuRow);
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, w.Labels()->viewport()->mapToGlobal(at));
    QApplication::sendEvent(w.Labels()->viewport(), &event);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    QVERIFY(menu);
    QAction* action = nullptr;
    for (QAction* a : menu->actions())
        if (a->text() == item)
            action = a;
    QVERIFY(action);
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
    QCOMPARE(w.Names(), names);
    QCOMPARE(w.Status(), status);
    QCOMPARE(Q(g_history.UndoName()), status.isEmpty() ? item : QString());
}

// Ctrl+F opens the bar; typing finds from the current channel on, Enter looks further, Esc
// hands the keys back to the grid, and the bar opens again with its old query selected.
void TestGridEditing::findBar() {
    Window w;
    QVERIFY(w.Show());
    w.view->SetCurrentCell(2, kColRxFreq);
    w.view->Grid()->setFocus();
    w.Key("Ctrl+F");
    QLineEdit* query = w.view->FindBar()->Edit();
    QCOMPARE(QApplication::focusWidget(), query);
    const auto current = [&w] { return w.view->Grid()->currentRow() + 1; };
    QTest::keyClicks(query, "ch");
    QCOMPARE(current(), 2);
    QTest::keyClick(query, Qt::Key_Return);
    QCOMPARE(current(), 4);
    QTest::keyClick(query, Qt::Key_Return);
    QCOMPARE(current(), 1);
    QTest::keyClicks(query, "x");
    QCOMPARE(w.Status(), QString("找不到“chx”"));
    QTest::keyClick(query, Qt::Key_Escape);
    QVERIFY(!w.view->FindBar()->isVisible());
    QCOMPARE(QApplication::focusWidget(), w.view->Grid());
    w.Key("Ctrl+F");
    QTest::keyClicks(query, "ch4");
    QCOMPARE(current(), 4);
}

KESTRA_REGISTER_TEST(TestGridEditing);
#include "test_grid_editing.moc"

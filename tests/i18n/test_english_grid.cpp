#include "../app/app_test_support.h"
#include "../channels/channel_test_support.h"
#include "../image/test_helpers.h"
#include "../image/test_registry.h"

#include "app/app_globals.h"
#include "channels/program_view.h"
#include "image/channel_grid_rules.h"
#include "image/channel_record.h"

#include <QApplication>
#include <QComboBox>
#include <QMainWindow>
#include <QTableWidget>
#include <QTest>
#include <QTranslator>

// In English the grid's option lists show English items, and the item chosen is stored by its
// place in the list: the image and the grid's own text stay what they are in Chinese.
class TestEnglishGrid : public QObject {
    Q_OBJECT
  private slots:
    void optionChosenInEnglish_data();
    void optionChosenInEnglish();
};
KESTRA_REGISTER_TEST(TestEnglishGrid);

void TestEnglishGrid::optionChosenInEnglish_data() {
    QTest::addColumn<int>("column");
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<QByteArray>("flags"); // byte 13 of the record: before, after Key_Down
    QTest::addColumn<QString>("cell");
    QTest::newRow("power Low -> High")
        << int(kColPower) << QStringList{"Low", "High"} << Hex("00") + Hex("10") << "高";
    QTest::newRow("busy lock Off -> Carrier")
        << int(kColBusy) << QStringList{"Off", "Carrier", "QT/DQT"} << Hex("00") + Hex("40")
        << "载波";
}

void TestEnglishGrid::optionChosenInEnglish() {
    QFETCH(int, column);
    QFETCH(QStringList, items);
    QFETCH(QByteArray, flags);
    QFETCH(QString, cell);
    QTranslator english;
    QVERIFY(english.load(":/i18n/kestra_en.qm") && QCoreApplication::installTranslator(&english));
    TestHome home;
    ClearedChannels(g_image);
    PutBytes(g_image, RecordOffset(1), Hex("0000501400005014"));
    PutBytes(g_image, RecordOffset(1) + 13, flags.left(1));
    QMainWindow window;
    auto* view = new CProgramView;
    window.setCentralWidget(view);
    window.resize(900, 500);
    QVERIFY(ShowActive(&window));
    QTableWidget* grid = view->Grid();
    const QRect rect = grid->visualItemRect(grid->item(0, column - 1));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, rect.center());
    auto* list = qobject_cast<QComboBox*>(QApplication::focusWidget());
    QVERIFY(list);
    QStringList shown;
    for (int i = 0; i < list->count(); ++i)
        shown << list->itemText(i);
    QCOMPARE(shown, items);
    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Return);
    QCOMPARE(ImageBytes(g_image, RecordOffset(1) + 13, 1), flags.mid(1));
    QCOMPARE(view->CellText(1, column), cell);
    QCoreApplication::removeTranslator(&english);
}

#include "test_english_grid.moc"

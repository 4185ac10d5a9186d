#include "../image/test_helpers.h"
#include "../image/test_registry.h"
#include "app_test_support.h"

#include "app/app_globals.h"
#include "app/command_ids.h"
#include "app/doc_manager.h"
#include "app/main_frame.h"
#include "channels/program_view.h"

#include <QAction>
#include <QDialog>
#include <QListWidget>
#include <QPushButton>

class TestCompare : public QObject {
    Q_OBJECT
  private slots:
    void compareWithFile_data();
    void compareWithFile();
};

// The file the user picks ("" cancels), its size (-1: it does not exist), what the list shows
// and the messages given instead.
void TestCompare::compareWithFile_data() {
    QTest::addColumn<QString>("pick");
    QTest::addColumn<QByteArray>("change"); // the file's bytes at 0x2042 and 0x3EF4
    QTest::addColumn<int>("size");
    QTest::addColumn<QStringList>("list");
    QTest::addColumn<QStringList>("messages");
    QTest::newRow("differences") << "other.dat" << Hex("0505") << 0x4000
                                 << QStringList{"可选功能 静噪电平 4 -> 5", "0x3EF4 FF -> 05"}
                                 << QStringList();
    QTest::newRow("equal") << "same.dat" << QByteArray() << 0x4000 << QStringList{"没有差异"}
                           << QStringList();
    QTest::newRow("short file") << "short.dat" << QByteArray() << 100 << QStringList()
                                << QStringList{"HOME/short.dat 不是有效的数据文件。"};
    QTest::newRow("missing file") << "none.dat" << QByteArray() << -1 << QStringList()
                                  << QStringList{"无法打开文件 HOME/none.dat。"};
    QTest::newRow("cancelled") << "" << QByteArray() << 0x4000 << QStringList() << QStringList();
}

void TestCompare::compareWithFile() {
    QFETCH(QString, pick);
    QFETCH(QByteArray, change);
    QFETCH(int, size);
    QFETCH(QStringList, list);
    QFETCH(QStringList, messages);
    TestHome home;
    AutoResponder answers;
    CMainFrame frame;
    QVERIFY(frame.DocManager().NewDocument());
    // The comparison commits the grid first; committing it again changes nothing.
    frame.ActiveView()->CommitGrid();
    g_image.SetByte(0x2042, 4);
    g_image.SetByte(0x3EF4, 0xFF);
    MemoryImage other = g_image;
    if (!change.isEmpty()) {
        other.SetByte(0x2042, uint8_t(change[0]));
        other.SetByte(0x3EF4, uint8_t(change[1]));
    }
    const QByteArray bytes = ImageBytes(other, 0, 0x4000);
    QVERIFY(size < 0 || home.WriteFile("x.dat", bytes.left(size)));
    if (!pick.isEmpty())
        QVERIFY(size < 0 || QFile::rename(home.Path("x.dat"), home.Path(pick)));
    answers.fileNames << (pick.isEmpty() ? QString() : home.Path(pick));

    QStringList shown;
    bool closed = false;
    const bool opened =
        WithModalDialog([&] { frame.Action(kIdCompare)->trigger(); },
                        [&](QDialog* dialog) {
                            QCOMPARE(dialog->windowTitle(), QString("比较"));
                            const auto* items = dialog->findChild<QListWidget*>();
                            for (int i = 0; items && i < items->count(); ++i)
                                shown << items->item(i)->text();
                            QTest::mouseClick(dialog->findChild<QPushButton*>(), Qt::LeftButton);
                            closed = dialog->isHidden();
                        });
    QCOMPARE(opened, !list.isEmpty());
    QCOMPARE(shown, list);
    QCOMPARE(closed, !list.isEmpty());
    QCOMPARE(answers.messages, messages.replaceInStrings("HOME", home.Path("x").chopped(2)));
    QVERIFY(answers.fileNames.isEmpty());
}

KESTRA_REGISTER_TEST(TestCompare);
#include "test_compare.moc"

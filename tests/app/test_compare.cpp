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
// and the messages given instead. Only other.dat differs from the open image.
void TestCompare::compareWithFile_data() {
    QTest::addColumn<QString>("pick");
    QTest::addColumn<int>("size");
    QTest::addColumn<QStringList>("list");
    QTest::addColumn<QStringList>("messages");
    QTest::newRow("differences") << "other.dat" << 0x4000
                                 << QStringList{"可选功能 静噪电平 4 -> 5", "0x3EF4 FF -> 05"}
                                 << QStringList();
    QTest::newRow("equal") << "same.dat" << 0x4000 << QStringList{"没有差异"} << QStringList();
    QTest::newRow("short file") << "short.dat" << 100 << QStringList()
                                << QStringList{"HOME/short.dat 不是有效的数据文件。"};
    QTest::newRow("missing file") << "none.dat" << -1 << QStringList()
                                  << QStringList{"无法打开文件 HOME/none.dat。"};
    QTest::newRow("cancelled") << "" << -1 << QStringList() << QStringList();
}

void TestCompare::compareWithFile() {
    QFETCH(QString, pick);
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
    for (int address : {0x2042, 0x3EF4})
        other.SetByte(address, pick == "other.dat" ? 5 : g_image.Byte(address));
    QVERIFY(size < 0 || home.WriteFile(pick, ImageBytes(other, 0, size)));
    answers.fileNames << (pick.isEmpty() ? QString() : home.Path(pick));

    // The list as shown, and whether its button closed the dialog.
    QStringList shown;
    bool closed = false;
    WithModalDialog([&] { frame.Action(kIdCompare)->trigger(); },
                    [&](QDialog* dialog) {
                        const auto* items = dialog->findChild<QListWidget*>();
                        for (int i = 0; items && i < items->count(); ++i)
                            shown << items->item(i)->text();
                        QTest::mouseClick(dialog->findChild<QPushButton*>(), Qt::LeftButton);
                        closed = dialog->isHidden();
                    });
    QCOMPARE(shown, list);
    QCOMPARE(closed, !list.isEmpty());
    QCOMPARE(answers.messages, messages.replaceInStrings("HOME", home.Path("x").chopped(2)));
    QVERIFY(answers.fileNames.isEmpty());
}

KESTRA_REGISTER_TEST(TestCompare);
#include "test_compare.moc"

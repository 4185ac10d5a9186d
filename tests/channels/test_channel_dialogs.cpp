#include "../app/app_test_support.h"
#include "../image/test_helpers.h"
#include "../image/test_registry.h"
#include "channel_test_support.h"

#include "app/app_globals.h"
#include "channels/batch_channel_dlg.h"
#include "channels/channel_edit_dlg.h"
#include "channels/program_view.h"
#include "image/channel_record.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTest>

namespace {

template <typename T = QLineEdit> T* Child(QWidget* dialog, const QString& name) {
    return dialog->findChild<T*>(name);
}

// A channel with tone 88.5 and name "OLD"; 145.00000 / 145.60000 unless given.
void PutChannel(int record, const char* rxTx = "0000501400005614") {
    PutBytes(g_image, RecordOffset(record), Hex(rxTx) + Hex("8508ffff0038"));
    PutBytes(g_image, RecordOffset(record) + 24, "OLD");
}

} // namespace

// The batch channel dialog and the channel edit dialog, on a document of cleared channels.
class TestChannelDialogs : public QObject {
    Q_OBJECT
  private slots:
    void init();
    void batchEnabling_data();
    void batchEnabling();
    void batchApplyFromTheGrid();
    void editWalkThroughRecords();
    void editFromTheGrid();

  private:
    std::unique_ptr<TestHome> m_home;
};

void TestChannelDialogs::init() {
    m_home = std::make_unique<TestHome>();
    ClearedChannels(g_image);
}

void TestChannelDialogs::batchEnabling_data() {
    QTest::addColumn<QString>("clicks");
    QTest::addColumn<QString>("enabled"); // range=from-to, then name=1 enabled, name=0 not
    const auto row = [](const char* name, const char* clicks, const char* enabled) {
        QTest::newRow(name) << QString(clicks) << QString(enabled);
    };
    // Rows combine clicks on independent groups.
    row("initially", "",
        "range=1-256 from=0 offset=0 txStart=0 rxTone=1 rxInterval=1 txRandom=0 txTone=0");
    row("band A, offset, own transmit tone", "bandA txOffset txToneOwn",
        "range=1-128 from=0 offset=1 plus=1 minus=1 txStart=0 txRandom=1 txTone=1 txInterval=1");
    row("band B, then a typed range; own transmit start; random receive tone",
        "bandB fromChannel txOwn rxRandom",
        "range=129-256 from=1 to=1 offset=0 txStart=1 txStep=1 txDown=1 rxTone=0 rxToneDown=0");
    row("own random transmit tone", "txToneOwn txRandom",
        "range=1-256 txRandom=1 txTone=0 txInterval=0");
}

void TestChannelDialogs::batchEnabling() {
    QFETCH(QString, clicks);
    QFETCH(QString, enabled);
    CProgramView view;
    CBatchChannelDlg dialog(view, nullptr);
    QVERIFY(ShowActive(&dialog));
    for (const QString& name : clicks.split(' ', Qt::SkipEmptyParts))
        QTest::mouseClick(Child<QWidget>(&dialog, name), Qt::LeftButton);
    QString shown = "range=" + Child(&dialog, "from")->text() + "-" + Child(&dialog, "to")->text();
    for (const QString& pair : enabled.split(' ').mid(1)) // name=1 or name=0
        shown += " " + pair.chopped(1) +
                 (Child<QWidget>(&dialog, pair.chopped(2))->isEnabled() ? "1" : "0");
    QCOMPARE(shown, enabled);
}

// Each edit reaches its rule, while typing or when left;
// each Apply generates its range into the image and the reloaded grid and leaves the dialog
// open; Cancel closes it.
void TestChannelDialogs::batchApplyFromTheGrid() {
    CProgramView view;
    view.CommitEditorText(200, 1, "435"); // in the image at once, kept by the generator
    QStringList shown;
    const auto fill = [&shown](QDialog* dialog) {
        QVERIFY(ShowActive(dialog));
        const auto edit = [dialog](const char* name) { return Child(dialog, name); };
        const auto click = [dialog](const char* name) {
            QTest::mouseClick(Child<QWidget>(dialog, name), Qt::LeftButton);
        };
        click("fromChannel");
        Retype(edit("from"), "300");
        Retype(edit("to"), "3");
        Retype(edit("rxStart"), "300");
        Retype(edit("rxStep"), "1500");
        shown << edit("rxStep")->text(); // limited while typing
        Retype(edit("rxInterval"), "25");
        Retype(edit("name"), "");
        EnterText(edit("name"), "CH频道12345", Input::InputMethod);
        click("byChannel");
        shown << edit("from")->text() << edit("rxStart")->text() << edit("rxInterval")->text()
              << edit("name")->text();
        click("apply");
        Retype(edit("to"), "130");
        Retype(edit("from"), "129");
        click("txOwn");
        Retype(edit("txStart"), "");
        Retype(edit("txStep"), "7");
        Retype(edit("rxStart"), "");
        EnterText(edit("rxStart"), "4a35.0-1250999", Input::Paste);
        shown << edit("txStart")->text() << edit("txStep")->text() << edit("rxStart")->text();
        click("apply");
        shown << (dialog->isVisible() ? "open" : "closed");
        click("cancel");
        shown << (dialog->isVisible() ? "open" : "closed");
    };
    QVERIFY(WithModalDialog([&view] { view.OnBatchGenerate(); }, fill));
    QCOMPARE(shown.join(' '),
             QString("1000 1 136.00000 20 CH12345 136.00000 7.5 435.01250 open closed"));
    QStringList grid;
    for (int row : {1, 3, 4, 129, 130, 200})
        grid << view.CellText(row, 1);
    QCOMPARE(grid.join(' '), QString("136.00000 138.00000  435.01250 436.01250 435.00000"));
    QCOMPARE(view.CellText(130, 2), QString("136.00750"));
    QCOMPARE(Q(ChannelRecord::Load(g_image, 130).Name()), QString("CH12130"));
}

// An arrow or a typed channel number stores the record and loads another (A001 down wraps to
// B VFO). The transmit edit's commit knows the record; an emptied transmit edit gets back the
// text the record showed. An empty record offers only its receive edit, whose Enter commits
// and gives a new channel. Destroying the dialog stores a typed receive text too.
void TestChannelDialogs::editWalkThroughRecords() {
    PutChannel(1);
    PutChannel(258, "0000504300005643"); // 435.00000 / 435.60000
    {
        CChannelEditDlg dialog(nullptr, 1, "145.00000");
        QVERIFY(ShowActive(&dialog));
        Retype(Child(&dialog, "txFreq"), "14a6-"); // letters never reach the frequency edits
        QCOMPARE(Child(&dialog, "txFreq")->text(), QString("146"));
        QTest::mouseClick(Child<QWidget>(&dialog, "down"), Qt::LeftButton);
        QCOMPARE(Child(&dialog, "channelNumber")->text(), QString("B VFO"));
        QCOMPARE(Frequencies(g_image, 1), QString("145.00000/146.00000"));
        Retype(Child(&dialog, "txFreq"), ""); // no new focus since record 1
        Child(&dialog, "name")->setFocus();
        QCOMPARE(Child(&dialog, "txFreq")->text(), QString("435.60000"));
        Retype(Child(&dialog, "txFreq"), "145");
        Retype(Child(&dialog, "channelNumber"), "A1x2345"); // label characters, at most four
        QCOMPARE(Child(&dialog, "rxFreq")->text(), QString("145.00000")); // a VFO stays in one band
        QTest::keyClick(Child(&dialog, "channelNumber"), Qt::Key_Return); // consumed, no change
        QCOMPARE(dialog.CurrentRecord(), 258);
        Child(&dialog, "rxFreq")->setFocus();
        QCOMPARE(Child(&dialog, "channelNumber")->text() + " " + Frequencies(g_image, 258),
                 QString("A123 145.00000/145.00000"));
        for (QWidget* w : dialog.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w))
                QVERIFY2(w->isEnabled() ==
                             (w->objectName() == "rxFreq" || w->objectName() == "channelNumber"),
                         qPrintable(w->objectName()));
        Retype(Child(&dialog, "rxFreq"), "438.5");
        QTest::keyClick(Child(&dialog, "rxFreq"), Qt::Key_Return); // commits, does not close
        QCOMPARE(Child(&dialog, "txFreq")->text(), QString("438.50000"));
        QVERIFY(Child(&dialog, "txFreq")->isEnabled());
        Retype(Child(&dialog, "rxFreq"), "438.6"); // stored uncommitted, when destroyed
    }
    QCOMPARE(Frequencies(g_image, 123), QString("438.60000/438.50000"));
    QCOMPARE(ImageBytes(g_image, RecordOffset(123) + 8, 6), Hex("ffffffff0030"));
}

// The view opens the dialog on its current row and reloads the grid.
void TestChannelDialogs::editFromTheGrid() {
    PutChannel(2);
    CProgramView view;
    view.SetCurrentCell(2, 1);
    view.CommitEditorText(3, 1, "150"); // a grid edit, in the image at once
    QStringList shown;
    QVERIFY(WithModalDialog(
        [&] { view.OnChannelEdit(); },
        [&](QDialog* dialog) {
            QVERIFY(ShowActive(dialog));
            shown << QString::number(qobject_cast<CChannelEditDlg*>(dialog)->CurrentRecord());
            Retype(Child(dialog, "name"), "AB");
            // Composed text: printable ASCII only, up to seven characters.
            EnterText(Child(dialog, "name"), "频道CDEFGHI", Input::InputMethod);
            QTest::keyClick(Child(dialog, "name"), Qt::Key_Escape); // consumed outside rxFreq
            shown << (dialog->isVisible() ? "open" : "closed");
            Retype(Child(dialog, "txFreq"), "146");
            Retype(Child<QComboBox>(dialog, "rxTone"), "D023N");
            Retype(Child(dialog, "rxFreq"), "146.1");
            QTest::keyClick(Child(dialog, "rxFreq"), Qt::Key_Escape); // closes and stores
            shown << (dialog->isVisible() ? "open" : "closed");
        }));
    QCOMPARE(shown.join(' '), QString("2 open closed"));
    QCOMPARE(view.CellText(2, 1) + " " + view.CellText(2, 2) + " " + view.CellText(2, 3),
             QString("146.10000 146.00000 D023N"));
    QCOMPARE(view.CellText(3, 1), QString("150.00000"));
    QCOMPARE(ImageBytes(g_image, RecordOffset(2) + 24, 7), QByteArray("ABCDEFG"));
}

KESTRA_REGISTER_TEST(TestChannelDialogs);
#include "test_channel_dialogs.moc"

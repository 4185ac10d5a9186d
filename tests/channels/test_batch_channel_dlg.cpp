#include "../app/app_test_support.h"
#include "../image/test_helpers.h"
#include "../image/test_registry.h"
#include "channel_test_support.h"

#include "app/app_globals.h"
#include "channels/batch_channel_dlg.h"
#include "channels/program_view.h"
#include "image/channel_record.h"
#include "image/image_file.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

namespace {

QWidget* Control(QWidget& dialog, const QString& name) {
    auto* w = dialog.findChild<QWidget*>(name);
    if (!w)
        qFatal("no control %s", qPrintable(name));
    return w;
}

QLineEdit* Edit(QWidget& dialog, const QString& name) {
    return qobject_cast<QLineEdit*>(Control(dialog, name));
}

void Click(QWidget& dialog, const QString& name) {
    qobject_cast<QAbstractButton*>(Control(dialog, name))->click();
}

// "name=1" when enabled, "name=0" when not, for each name of `names`.
QString Enabled(QWidget& dialog, const QStringList& names) {
    QStringList out;
    for (const QString& name : names)
        out << name + "=" + (Control(dialog, name)->isEnabled() ? "1" : "0");
    return out.join(' ');
}

const QStringList kSwitched = {"from",       "to",       "offset",   "plus",   "minus",
                               "txStart",    "txStep",   "txUp",     "txDown", "rxTone",
                               "rxInterval", "rxToneUp", "txRandom", "txTone", "txInterval"};

} // namespace

class TestBatchChannelDlg : public QObject {
    Q_OBJECT
  private slots:
    void init();
    void initialState();
    void enablingRules_data();
    void enablingRules();
    void fieldEditing_data();
    void fieldEditing();
    void applyFromTheGrid();
    void outOfBandStartNormalisedBeforeApplying();

  private:
    std::unique_ptr<TestHome> m_home;
};

void TestBatchChannelDlg::init() {
    m_home = std::make_unique<TestHome>();
    ClearedChannels(g_image);
}

void TestBatchChannelDlg::initialState() {
    CProgramView view;
    CBatchChannelDlg dialog(view, nullptr);
    QStringList texts;
    for (const char* name : {"from", "to", "rxStart", "rxStep", "offset", "txStart", "txStep",
                             "rxInterval", "txInterval", "name"})
        texts << Edit(dialog, name)->text();
    QCOMPARE(texts.join(' '), QString("1 256 136.00000 0 0.00000 136.00000 0 0 0 "));
    QStringList lists;
    for (const char* name : {"rxTone", "txTone", "power", "bandwidth", "signalType", "scanAdd",
                             "busyLock", "pttId", "repeaterMode", "vox", "voiceMode"})
        lists << qobject_cast<QComboBox*>(Control(dialog, name))->currentText();
    QCOMPARE(lists.join(' '), QString("无 无 低 窄 关 否 关 关 关 关 关"));
    QStringList checked;
    for (QAbstractButton* b : dialog.findChildren<QAbstractButton*>())
        if (b->isChecked())
            checked << b->objectName();
    checked.sort();
    QCOMPARE(checked.join(' '), QString("all plus rxToneUp rxUp txSame txToneSame txToneUp txUp"));
    QCOMPARE(Enabled(dialog, kSwitched),
             QString("from=0 to=0 offset=0 plus=0 minus=0 txStart=0 txStep=0 txUp=0 txDown=0 "
                     "rxTone=1 rxInterval=1 rxToneUp=1 txRandom=0 txTone=0 txInterval=0"));
}

void TestBatchChannelDlg::enablingRules_data() {
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<QString>("enabled");
    QTest::addColumn<QString>("range");
    QTest::newRow("band A") << QStringList{"bandA"} << "from=0 to=0"
                            << "1-128";
    QTest::newRow("band B") << QStringList{"bandB"} << "from=0 to=0"
                            << "129-256";
    QTest::newRow("typed range") << QStringList{"bandB", "fromChannel"} << "from=1 to=1"
                                 << "129-256";
    QTest::newRow("offset") << QStringList{"txOffset"}
                            << "offset=1 plus=1 minus=1 txStart=0 txStep=0 txUp=0 txDown=0"
                            << "1-256";
    QTest::newRow("own transmit start")
        << QStringList{"txOwn"} << "offset=0 plus=0 minus=0 txStart=1 txStep=1 txUp=1 txDown=1"
        << "1-256";
    QTest::newRow("random receive tone")
        << QStringList{"rxRandom"} << "rxTone=0 rxInterval=0 rxToneUp=0"
        << "1-256";
    QTest::newRow("own transmit tone")
        << QStringList{"txToneOwn"} << "txRandom=1 txTone=1 txInterval=1"
        << "1-256";
    QTest::newRow("own random transmit tone")
        << QStringList{"txToneOwn", "txRandom"} << "txRandom=1 txTone=0 txInterval=0"
        << "1-256";
    QTest::newRow("random box kept but off with the default transmit tone")
        << QStringList{"txToneOwn", "txRandom", "txToneSame"} << "txRandom=0 txTone=0"
        << "1-256";
}

void TestBatchChannelDlg::enablingRules() {
    QFETCH(QStringList, clicks);
    QFETCH(QString, enabled);
    QFETCH(QString, range);
    CProgramView view;
    CBatchChannelDlg dialog(view, nullptr);
    for (const QString& name : clicks)
        Click(dialog, name);
    QStringList names;
    for (const QString& pair : enabled.split(' '))
        names << pair.section('=', 0, 0);
    QCOMPARE(Enabled(dialog, names), enabled);
    QCOMPARE(Edit(dialog, "from")->text() + "-" + Edit(dialog, "to")->text(), range);
}

void TestBatchChannelDlg::fieldEditing_data() {
    QTest::addColumn<QString>("mode"); // radio clicked first, or empty
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("whileTyping");
    QTest::addColumn<QString>("afterFocusLoss");
    QTest::addColumn<Input>("how");
    const auto row = [](const char* name, const char* mode, const char* field, const char* typed,
                        const char* whileTyping, const char* afterFocusLoss,
                        Input how = Input::Keys) {
        QTest::newRow(name) << QString(mode) << QString(field) << QString(typed)
                            << QString(whileTyping) << QString(afterFocusLoss) << how;
    };
    row("step 7", "", "rxStep", "7", "7", "7.5");
    row("step above 1000", "", "rxStep", "1500", "1000", "1000");
    row("step letters discarded", "txOwn", "txStep", "1a2.5", "12.5", "12.5");
    row("receive start outside the bands", "", "rxStart", "300", "300", "136.00000");
    row("emptied start gets its text back", "", "rxStart", "", "", "136.00000");
    row("transmit start snapped to the nearest step", "txOwn", "txStart", "435.006", "435.006",
        "435.00625");
    row("interval above 20", "", "rxInterval", "25", "20", "20");
    row("from above to", "fromChannel", "from", "300", "300", "1");
    row("to 0", "fromChannel", "to", "0", "0", "256");
    row("offset letters discarded", "txOffset", "offset", "1x.5", "1.5", "1.5");
    row("start pasted: frequency characters, at most 9", "", "rxStart", "1a45.0-1250999",
        "145.01250", "145.01250", Input::Paste);
    row("name composed: printable ASCII, at most 7", "", "name", "CH频道12345", "CH12345",
        "CH12345", Input::InputMethod);
}

void TestBatchChannelDlg::fieldEditing() {
    QFETCH(QString, mode);
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, whileTyping);
    QFETCH(QString, afterFocusLoss);
    QFETCH(Input, how);
    CProgramView view;
    CBatchChannelDlg dialog(view, nullptr);
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    if (!mode.isEmpty())
        Click(dialog, mode);
    QLineEdit* edit = Edit(dialog, field);
    edit->setFocus();
    edit->selectAll();
    if (typed.isEmpty())
        QTest::keyClick(edit, Qt::Key_Delete);
    EnterText(edit, typed, how); // over the selected text
    if (!typed.isEmpty())
        QCOMPARE(edit->text(), whileTyping);
    Edit(dialog, field == "name" ? "from" : "name")->setFocus();
    QCOMPARE(edit->text(), afterFocusLoss);
}

void TestBatchChannelDlg::applyFromTheGrid() {
    const QByteArray vfo = ImageBytes(g_image, RecordOffset(257), 64);
    CProgramView view;
    view.CommitEditorText(200, 1, "435"); // in the grid only, not yet in the image
    bool stayedOpen = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<CBatchChannelDlg*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        Click(*dialog, "fromChannel");
        Edit(*dialog, "from")->setText("1");
        Edit(*dialog, "to")->setText("3");
        Edit(*dialog, "rxStart")->setText("145.00000");
        Edit(*dialog, "rxStep")->setText("12.5");
        Edit(*dialog, "name")->setText("CH");
        Click(*dialog, "byChannel");
        Click(*dialog, "apply");
        // The dialog stays open for the next range; the fields keep their values.
        Edit(*dialog, "from")->setText("129");
        Edit(*dialog, "to")->setText("130");
        Edit(*dialog, "rxStart")->setText("435.00000");
        Click(*dialog, "apply");
        stayedOpen = dialog->isVisible();
        Click(*dialog, "cancel");
    });
    view.OnBatchGenerate();
    QVERIFY(stayedOpen);
    QStringList shown;
    for (int row : {1, 2, 3, 4, 129, 130, 200})
        shown << view.CellText(row, 1);
    QCOMPARE(shown.join(' '),
             QString("145.00000 145.01250 145.02500  435.00000 435.01250 435.00000"));
    QCOMPARE(view.CellText(2, 5) + view.CellText(2, 6), QString("低否"));
    QCOMPARE(Q(ChannelRecord::Load(g_image, 130).Name()), QString("CH130"));
    QCOMPARE(ImageBytes(g_image, RecordOffset(257), 64), vfo);
    // The generated records survive the grid's commit, a save and a reopen.
    const auto generatedBytes = [](const MemoryImage& image) {
        QByteArray bytes;
        for (int record : {1, 2, 3, 129, 130})
            bytes += ImageBytes(image, RecordOffset(record), 14) +
                     ImageBytes(image, RecordOffset(record) + 24, 7);
        return bytes.toHex();
    };
    const QByteArray generated = generatedBytes(g_image);
    view.CommitGrid();
    const auto path = m_home->Path("batch.dat").toStdString();
    QVERIFY(SaveImageFile(path, g_image).ok());
    MemoryImage reopened;
    QVERIFY(LoadImageFile(path, reopened).ok());
    QVERIFY(reopened == g_image);
    QCOMPARE(generatedBytes(reopened), generated);
}

void TestBatchChannelDlg::outOfBandStartNormalisedBeforeApplying() {
    CProgramView view;
    CBatchChannelDlg dialog(view, nullptr);
    Click(dialog, "fromChannel");
    Edit(dialog, "to")->setText("2");
    Edit(dialog, "rxStart")->setText("300"); // never lost the focus
    Edit(dialog, "rxStep")->setText("25");
    dialog.ApplyBatch();
    QCOMPARE(Edit(dialog, "rxStart")->text(), QString("136.00000"));
    QCOMPARE(view.CellText(1, 1) + " " + view.CellText(2, 1), QString("136.00000 136.02500"));
}

KESTRA_REGISTER_TEST(TestBatchChannelDlg);
#include "test_batch_channel_dlg.moc"

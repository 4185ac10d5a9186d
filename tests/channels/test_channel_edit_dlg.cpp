#include "../app/app_test_support.h"
#include "../image/test_helpers.h"
#include "../image/test_registry.h"
#include "channel_test_support.h"

#include "app/app_globals.h"
#include "channels/channel_edit_dlg.h"
#include "channels/program_view.h"
#include "image/channel_record.h"
#include "image/codecs.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <QToolButton>

namespace {

// A band A channel 145.00000 / 145.60000 with tone 88.5 and name "OLD".
void PutChannel(int record, const char* rxTx = "0000501400005614") {
    PutBytes(g_image, RecordOffset(record), Hex(rxTx));
    PutBytes(g_image, RecordOffset(record) + 8, Hex("8508ffff0038"));
    PutBytes(g_image, RecordOffset(record) + 24, "OLD");
}

template <typename T> T* Child(QWidget& dialog, const char* name) {
    T* child = dialog.findChild<T*>(name);
    if (!child)
        qFatal("no control %s", name);
    return child;
}

QLineEdit* Edit(QWidget& dialog, const char* name) {
    return Child<QLineEdit>(dialog, name);
}

void Retype(QLineEdit* edit, const QString& text) {
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
}

bool ShowActive(QWidget& dialog) {
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    return QTest::qWaitForWindowActive(&dialog);
}

} // namespace

class TestChannelEditDlg : public QObject {
    Q_OBJECT
  private slots:
    void init();
    void emptyChannelThenNewChannel();
    void frequencyCommit_data();
    void frequencyCommit();
    void emptiedTransmitRestored();
    void spinWraps_data();
    void spinWraps();
    void channelNumberTyped_data();
    void channelNumberTyped();
    void nameLimitAndStoredName();
    void outOfRangeOptionsWrittenBack();
    void closingStoresTypedReceiveText();
    void escapeInReceiveEditCloses();
    void openedFromTheGrid();

  private:
    std::unique_ptr<TestHome> m_home;
};

void TestChannelEditDlg::init() {
    m_home = std::make_unique<TestHome>();
    ClearedChannels(g_image);
}

void TestChannelEditDlg::emptyChannelThenNewChannel() {
    CChannelEditDlg dialog(nullptr, 3, QString());
    QVERIFY(ShowActive(dialog));
    QCOMPARE(Edit(dialog, "channelNumber")->text(), QString("A003"));
    for (QWidget* w : dialog.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w)) {
            const bool usable = w->objectName() == "rxFreq" || w->objectName() == "channelNumber";
            QVERIFY2(w->isEnabled() == usable, qPrintable(w->objectName()));
        }
    }
    QCOMPARE(Child<QComboBox>(dialog, "power")->currentIndex(), -1);
    Retype(Edit(dialog, "rxFreq"), "438.5");
    QTest::keyClick(Edit(dialog, "rxFreq"), Qt::Key_Return);
    QVERIFY(dialog.isVisible()); // Enter commits, it does not close
    QCOMPARE(Edit(dialog, "rxFreq")->text(), QString("438.50000"));
    QCOMPARE(Edit(dialog, "txFreq")->text(), QString("438.50000"));
    QVERIFY(Edit(dialog, "txFreq")->isEnabled());
    QStringList shown;
    for (const char* name : {"rxTone", "txTone", "power", "bandwidth", "busyLock", "signalType",
                             "vox", "voiceMode", "pttId", "scanAdd", "repeaterMode"})
        shown << Child<QComboBox>(dialog, name)->currentText();
    QCOMPARE(shown.join(' '), QString("无 无 高 宽 关 关 关 关 关 否 关"));
    dialog.close();
    QCOMPARE(Frequencies(g_image, 3), QString("438.50000/438.50000"));
    QCOMPARE(ImageBytes(g_image, RecordOffset(3) + 8, 6), Hex("ffffffff0030"));
}

void TestChannelEditDlg::frequencyCommit_data() {
    QTest::addColumn<int>("record");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("frequencies"); // rx/tx as stored after closing
    const auto row = [](const char* name, int record, const char* field, const char* typed,
                        const char* frequencies) {
        QTest::newRow(name) << record << QString(field) << QString(typed) << QString(frequencies);
    };
    row("300 gives band 0's low limit, also in band B", 200, "rxFreq", "300",
        "136.00000/145.60000");
    row("VFO receive to band B moves transmit", 257, "rxFreq", "435", "435.00000/435.00000");
    row("memory receive to band B leaves transmit", 1, "rxFreq", "435", "435.00000/145.60000");
    row("VFO transmit to band B moves receive", 258, "txFreq", "435.0125", "435.01250/435.01250");
    row("transmit snapped", 1, "txFreq", "145.6037", "145.00000/145.60000");
}

void TestChannelEditDlg::frequencyCommit() {
    QFETCH(int, record);
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, frequencies);
    PutChannel(record);
    CChannelEditDlg dialog(nullptr, record, "145.00000");
    QVERIFY(ShowActive(dialog));
    Retype(Edit(dialog, field.toLatin1()), typed);
    Child<QComboBox>(dialog, "power")->setFocus(); // focus loss commits
    dialog.close();
    QCOMPARE(Frequencies(g_image, record), frequencies);
}

void TestChannelEditDlg::emptiedTransmitRestored() {
    PutChannel(1);
    CChannelEditDlg dialog(nullptr, 1, "145.00000");
    QVERIFY(ShowActive(dialog));
    Retype(Edit(dialog, "txFreq"), "");
    Edit(dialog, "name")->setFocus();
    QCOMPARE(Edit(dialog, "txFreq")->text(), QString("145.60000"));
    // After a step to another record, an emptied transmit edit gets that record's text back.
    PutChannel(2, "0000501400000015");
    Edit(dialog, "txFreq")->setFocus();
    QTest::mouseClick(Child<QToolButton>(dialog, "up"), Qt::LeftButton);
    QVERIFY(Edit(dialog, "txFreq")->hasFocus());
    Retype(Edit(dialog, "txFreq"), "");
    Edit(dialog, "name")->setFocus();
    QCOMPARE(Edit(dialog, "txFreq")->text(), QString("150.00000"));
    // Typed letters never reach the frequency edits.
    Retype(Edit(dialog, "txFreq"), "14a6-");
    QCOMPARE(Edit(dialog, "txFreq")->text(), QString("146"));
}

void TestChannelEditDlg::spinWraps_data() {
    QTest::addColumn<int>("record");
    QTest::addColumn<QString>("arrow");
    QTest::addColumn<QString>("label");
    QTest::addColumn<int>("next");
    QTest::newRow("down from A001") << 1 << "down"
                                    << "B VFO" << 258;
    QTest::newRow("up from A128") << 128 << "up"
                                  << "B001" << 129;
}

void TestChannelEditDlg::spinWraps() {
    QFETCH(int, record);
    QFETCH(QString, arrow);
    QFETCH(QString, label);
    QFETCH(int, next);
    PutChannel(next, "0000501400005014");
    CChannelEditDlg dialog(nullptr, record, QString());
    QVERIFY(ShowActive(dialog));
    QTest::mouseClick(Child<QToolButton>(dialog, arrow.toLatin1()), Qt::LeftButton);
    QCOMPARE(Edit(dialog, "channelNumber")->text(), label);
    QCOMPARE(dialog.CurrentRecord(), next);
    QCOMPARE(Edit(dialog, "rxFreq")->text(), QString("145.00000"));
    QVERIFY(Edit(dialog, "txFreq")->isEnabled());
}

void TestChannelEditDlg::channelNumberTyped_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("label");
    const auto row = [](const char* name, const char* a, const char* b) {
        QTest::newRow(name) << QString(a) << QString(b);
    };
    row("A128", "A128", "A128");
    row("other letters discarded", "A1x2", "A012");
    row("at most four typed", "A12345", "A123");
}

void TestChannelEditDlg::channelNumberTyped() {
    QFETCH(QString, typed);
    QFETCH(QString, label);
    PutChannel(5);
    CChannelEditDlg dialog(nullptr, 5, "145.00000");
    QVERIFY(ShowActive(dialog));
    Retype(Edit(dialog, "rxFreq"), "146"); // left by the channel change: stored first
    Retype(Edit(dialog, "channelNumber"), typed);
    QTest::keyClick(Edit(dialog, "channelNumber"), Qt::Key_Return); // consumed, no change
    QCOMPARE(dialog.CurrentRecord(), 5);
    Edit(dialog, "rxFreq")->setFocus();
    QCOMPARE(Edit(dialog, "channelNumber")->text(), label);
    QCOMPARE(dialog.CurrentRecord(), ParseChannelLabel(label.toStdString()));
    QCOMPARE(Frequencies(g_image, 5), QString("146.00000/145.60000"));
}

void TestChannelEditDlg::nameLimitAndStoredName() {
    PutChannel(2);
    PutBytes(g_image, RecordOffset(2) + 24, Hex("41428043ffffff")); // "AB", 0x80, "C"
    CChannelEditDlg dialog(nullptr, 2, "145.00000");
    QVERIFY(ShowActive(dialog));
    QCOMPARE(Edit(dialog, "name")->text(), QString("AB"));
    Retype(Edit(dialog, "name"), "AB");
    // Composed text: printable ASCII only, up to seven characters.
    EnterText(Edit(dialog, "name"), "频道CDEFGHI", Input::InputMethod);
    QCOMPARE(Edit(dialog, "name")->text(), QString("ABCDEFG"));
    dialog.close();
    QCOMPARE(ImageBytes(g_image, RecordOffset(2) + 24, 7), QByteArray("ABCDEFG"));
}

void TestChannelEditDlg::outOfRangeOptionsWrittenBack() {
    PutChannel(4);
    PutBytes(g_image, RecordOffset(4) + 12, Hex("f3f7")); // voice 15, busy 3, signal 3, ...
    CChannelEditDlg dialog(nullptr, 4, "145.00000");
    QVERIFY(ShowActive(dialog));
    QCOMPARE(Child<QComboBox>(dialog, "voiceMode")->currentText(), QString("关"));
    QCOMPARE(Child<QComboBox>(dialog, "busyLock")->currentText(), QString("关"));
    QCOMPARE(Child<QComboBox>(dialog, "repeaterMode")->currentText(), QString("关"));
    dialog.close();
    // Closing writes the record even unchanged; the fallbacks replace the stored values.
    QCOMPARE(ImageBytes(g_image, RecordOffset(4) + 12, 2), Hex("0037"));
    QCOMPARE(int(g_image.Byte(RecordOffset(4) + 15)), 2); // shift derived: transmit above
}

void TestChannelEditDlg::closingStoresTypedReceiveText() {
    PutChannel(6);
    {
        CChannelEditDlg dialog(nullptr, 6, "145.00000");
        QVERIFY(ShowActive(dialog));
        Retype(Edit(dialog, "rxFreq"), "146.1");
        QCOMPARE(Edit(dialog, "rxFreq")->text(), QString("146.1")); // not committed yet
        dialog.done(QDialog::Rejected);
        QCOMPARE(Frequencies(g_image, 6), QString("146.10000/145.60000"));
    }
    // Destroying the dialog without closing it stores as well.
    PutChannel(6);
    {
        CChannelEditDlg dialog(nullptr, 6, "145.00000");
        QVERIFY(ShowActive(dialog));
        Retype(Edit(dialog, "rxFreq"), "147");
    }
    QCOMPARE(Frequencies(g_image, 6), QString("147.00000/145.60000"));
}

void TestChannelEditDlg::escapeInReceiveEditCloses() {
    PutChannel(1);
    CChannelEditDlg dialog(nullptr, 1, "145.00000");
    QVERIFY(ShowActive(dialog));
    Edit(dialog, "name")->setFocus();
    QTest::keyClick(Edit(dialog, "name"), Qt::Key_Escape);
    QVERIFY(dialog.isVisible()); // Esc elsewhere is consumed
    Retype(Edit(dialog, "rxFreq"), "150");
    QTest::keyClick(Edit(dialog, "rxFreq"), Qt::Key_Escape);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(Frequencies(g_image, 1), QString("150.00000/145.60000"));
}

void TestChannelEditDlg::openedFromTheGrid() {
    PutChannel(2);
    CProgramView view;
    view.SetCurrentCell(2, 1);
    view.CommitEditorText(3, 1, "150"); // a grid edit the view commits before the dialog
    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<CChannelEditDlg*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        QCOMPARE(dialog->CurrentRecord(), 2);
        dialog->findChild<QLineEdit*>("txFreq")->setText("146.00000");
        dialog->findChild<QComboBox*>("rxTone")->setEditText("D023N");
        dialog->close();
    });
    view.OnChannelEdit();
    QCOMPARE(view.CellText(2, 2), QString("146.00000"));
    QCOMPARE(view.CellText(2, 3), QString("D023N"));
    QCOMPARE(view.CellText(3, 1), QString("150.00000"));
}

KESTRA_REGISTER_TEST(TestChannelEditDlg);
#include "test_channel_edit_dlg.moc"

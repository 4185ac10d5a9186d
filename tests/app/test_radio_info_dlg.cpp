#include "../image/test_registry.h"
#include "app_test_support.h"

#include "app/app_globals.h"
#include "app/radio_info_dlg.h"
#include "link/radio_simulator.h"

#include <QLineEdit>
#include <QTest>

namespace {

// A radio answering with the simulator's identification, byte 8 (the firmware) replaced.
bool ReadFrom(CRadioInfoDlg& dialog, const TestHome& home, uint8_t firmware) {
    SimulatorOptions options;
    options.identity[8] = firmware;
    MemoryImage memory;
    for (auto [offset, limit] :
         {std::pair{0x2E10, 13600000}, {0x2E14, 17400000}, {0x2E18, 40000000}, {0x2E1C, 48000000}})
        memory.SetFrequency(offset, limit);
    SimulatedRadio radio(memory, options);
    if (!radio.Start(home))
        return false;
    dialog.OnRead();
    return true;
}

} // namespace

class TestRadioInfoDlg : public QObject {
    Q_OBJECT
  private slots:
    void readKeepsTextsTheRadioDoesNotReport();
    void enterAndEscClose_data();
    void enterAndEscClose();
};

void TestRadioInfoDlg::readKeepsTextsTheRadioDoesNotReport() {
    TestHome home;
    AutoResponder answers;
    CRadioInfoDlg dialog(nullptr);
    QVERIFY(ReadFrom(dialog, home, 1));
    const QString mcu = dialog.FieldText(CRadioInfoDlg::kMcuVersion);
    QVERIFY(!mcu.isEmpty());
    QCOMPARE(dialog.FieldText(CRadioInfoDlg::kBandALow), QString("136"));
    QCOMPARE(dialog.FieldText(CRadioInfoDlg::kBandBHigh), QString("480"));
    // An erased firmware byte reports no version: the texts shown stay.
    QVERIFY(ReadFrom(dialog, home, 0xFF));
    QCOMPARE(dialog.FieldText(CRadioInfoDlg::kMcuVersion), mcu);
    QVERIFY(answers.messages.isEmpty());
    // The model edit exists but is never shown.
    const QList<QLineEdit*> edits = dialog.findChildren<QLineEdit*>();
    QCOMPARE(std::count_if(edits.begin(), edits.end(), [](QLineEdit* e) { return e->isHidden(); }),
             1);
}

void TestRadioInfoDlg::enterAndEscClose_data() {
    QTest::addColumn<int>("key");
    QTest::newRow("Enter") << int(Qt::Key_Return);
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter);
    QTest::newRow("Esc") << int(Qt::Key_Escape);
}

void TestRadioInfoDlg::enterAndEscClose() {
    QFETCH(int, key);
    TestHome home;
    AutoResponder answers;
    CRadioInfoDlg dialog(nullptr);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    QTest::keyClick(dialog.focusWidget() ? dialog.focusWidget() : &dialog, Qt::Key(key));
    QVERIFY(!dialog.isVisible());
    // Nothing was read: a read without a radio would have said so.
    QVERIFY(answers.messages.isEmpty());
}

KESTRA_REGISTER_TEST(TestRadioInfoDlg);
#include "test_radio_info_dlg.moc"

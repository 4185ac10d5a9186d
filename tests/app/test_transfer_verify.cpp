#include "../image/test_registry.h"
#include "app_test_support.h"

#include "app/app_globals.h"
#include "app/ini_file.h"
#include "app/transfer_dlg.h"

#include <QCheckBox>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>

namespace {

int VerifySetting(const TestHome& home) {
    return CIniFile(home.Path("Program.ini")).GetInt("Setup", "Verify", -1);
}

} // namespace

class TestTransferVerify : public QObject {
    Q_OBJECT
  private slots:
    void checkBoxRemembered();
    void verifiedTransfer_data();
    void verifiedTransfer();
};

// Only writing has the box. Without a setting it is on; a click stores it in Program.ini at
// once, for writing and initialising alike.
void TestTransferVerify::checkBoxRemembered() {
    TestHome home;
    QVERIFY(!CTransferDlg(nullptr, CTransferDlg::Kind::Read).VerifyBox());
    CTransferDlg write(nullptr, CTransferDlg::Kind::Write);
    QVERIFY(ShowActive(&write));
    QVERIFY(write.VerifyBox()->isChecked());
    QTest::mouseClick(write.VerifyBox(), Qt::LeftButton);
    QCOMPARE(VerifySetting(home), 0);
    CTransferDlg init(nullptr, CTransferDlg::Kind::Initialise);
    QVERIFY(ShowActive(&init));
    QVERIFY(!init.VerifyBox()->isChecked());
    QTest::mouseClick(init.VerifyBox(), Qt::LeftButton);
    QCOMPARE(VerifySetting(home), 1);
}

void TestTransferVerify::verifiedTransfer_data() {
    QTest::addColumn<bool>("init");
    QTest::addColumn<int>("verify");  // Program.ini's Verify
    QTest::addColumn<int>("corrupt"); // the address the radio changes after a write; -1: none
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<QString>("details");
    QTest::newRow("write verified") << false << 1 << -1 << QStringList() << "";
    QTest::newRow("write, byte changed")
        << false << 1 << 0x0123 << QStringList{"校验失败"} << "0x0123: 写入 5A，读回 A5";
    QTest::newRow("write unverified, byte changed") << false << 0 << 0x0123 << QStringList() << "";
    QTest::newRow("init verified") << true << 1 << -1 << QStringList{"初始化数据成功"} << "";
}

// "开始" clicked with the box as Program.ini has it: the bar runs through the write and again
// through the read-back; a difference ends the dialog with "校验失败".
void TestTransferVerify::verifiedTransfer() {
    QFETCH(bool, init);
    QFETCH(int, verify);
    QFETCH(int, corrupt);
    QFETCH(QStringList, messages);
    QFETCH(QString, details);
    TestHome home;
    AutoResponder answers;
    for (int i = 0; i < kImageSize; ++i)
        g_image.SetByte(i, static_cast<uint8_t>(i * 3));
    g_image.SetByte(0x0123, 0x5A);
    SimulatedRadio radio(MemoryImage(), corrupt < 0
                                            ? SimulatorFault{}
                                            : SimulatorFault{FaultKind::Corrupt, 0, corrupt});
    QVERIFY(radio.Start(home));
    QVERIFY(CIniFile(home.Path("Program.ini")).SetInt("Setup", "Verify", verify));

    CTransferDlg dialog(nullptr, init ? CTransferDlg::Kind::Initialise : CTransferDlg::Kind::Write);
    QVERIFY(ShowActive(&dialog));
    int fullBars = 0;
    auto* bar = dialog.findChild<QProgressBar*>();
    connect(bar, &QProgressBar::valueChanged,
            [&](int value) { fullBars += value == bar->maximum(); });
    QTest::mouseClick(dialog.StartButton(), Qt::LeftButton);
    QVERIFY(!dialog.VerifyBox()->isEnabled()); // fixed while the transfer runs
    QTRY_VERIFY_WITH_TIMEOUT(dialog.VerifyBox()->isEnabled(), 20000);

    QCOMPARE(answers.messages, messages);
    QCOMPARE(answers.details.value(0), details);
    QCOMPARE(radio.Sent().count("\x02PROGRAM"), verify + 1);
    QCOMPARE(fullBars, verify + 1);
    // Only a successful initialise leaves the dialog open for the next radio.
    QCOMPARE(dialog.isVisible(), init);
}

KESTRA_REGISTER_TEST(TestTransferVerify);
#include "test_transfer_verify.moc"

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

// The image the program writes: 0x0123 holds 5A.
void FillImage() {
    for (int i = 0; i < kImageSize; ++i)
        g_image.SetByte(i, static_cast<uint8_t>(i * 3));
    g_image.SetByte(0x0123, 0x5A);
}

} // namespace

class TestTransferVerify : public QObject {
    Q_OBJECT
  private slots:
    void checkBoxRemembered();
    void verifiedTransfer_data();
    void verifiedTransfer();
};

void TestTransferVerify::checkBoxRemembered() {
    TestHome home;
    QVERIFY(!CTransferDlg(nullptr, CTransferDlg::Kind::Read).VerifyBox());
    {
        // Without a setting the box is on; a click turns it off in Program.ini at once.
        CTransferDlg dialog(nullptr, CTransferDlg::Kind::Write);
        QVERIFY(ShowActive(&dialog));
        QVERIFY(dialog.VerifyBox()->isChecked());
        QTest::mouseClick(dialog.VerifyBox(), Qt::LeftButton);
        QVERIFY(!dialog.VerifyBox()->isChecked());
        QCOMPARE(VerifySetting(home), 0);
    }
    {
        CTransferDlg dialog(nullptr, CTransferDlg::Kind::Initialise);
        QVERIFY(ShowActive(&dialog));
        QVERIFY(!dialog.VerifyBox()->isChecked());
        dialog.VerifyBox()->setFocus();
        QTest::keyClick(dialog.VerifyBox(), Qt::Key_Space);
        QCOMPARE(VerifySetting(home), 1);
    }
    QVERIFY(CTransferDlg(nullptr, CTransferDlg::Kind::Write).VerifyBox()->isChecked());
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
    FillImage();
    SimulatorFault fault;
    if (corrupt >= 0)
        fault = {FaultKind::Corrupt, 0, corrupt};
    SimulatedRadio radio(MemoryImage(), fault);
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

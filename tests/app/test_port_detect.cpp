#include "../image/test_registry.h"
#include "app_test_support.h"

#include "app/app_globals.h"
#include "app/port_dlg.h"
#include "link/pty_line.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

class TestPortDetect : public QObject {
    Q_OBJECT
  private slots:
    void detect_data();
    void detect();
};

void TestPortDetect::detect_data() {
    QTest::addColumn<bool>("radio");
    QTest::addColumn<QString>("result"); // RADIO: the radio's device, DIR: the test's folder
    QTest::newRow("radio on COM4") << true << "在 COM4 (RADIO) 找到对讲机";
    // A folder is no serial port: it is tried and named.
    QTest::newRow("no radio") << false << "未找到对讲机\nCOM3 (DIR)：无法打开串口\n";
}

// COM2 a silent line, COM3 a folder, COM4 the radio (or nothing), the rest missing; "自动检测"
// checks the port that answered, and OK keeps it.
void TestPortDetect::detect() {
    QFETCH(bool, radio);
    QFETCH(QString, result);
    TestHome home;
    AutoResponder answers;
    std::string error;
    PtyLine silent;
    QVERIFY(silent.Open(error));
    SimulatedRadio simulated(g_image);
    QVERIFY(simulated.Start(home));
    const QString radioDevice = QString::fromStdString(simulated.simulator.DevicePath());
    const QStringList devices = {QString::fromStdString(silent.DevicePath()), home.Path(""),
                                 radio ? radioDevice : home.Path("none")};
    QByteArray ini = "[Ports]\n";
    for (int n = 1; n <= 16; ++n)
        ini += QString("COM%1=%2\n").arg(n).arg(devices.value(n - 2, home.Path("none"))).toUtf8();
    QVERIFY(home.WriteFile("Program.ini", ini));
    g_portName = "COM7";
    CPortDlg dialog(nullptr, ProbeSerialDevice);
    QCOMPARE(dialog.DeviceLabel(1)->text(), home.Path("none") + "  不存在");
    QCOMPARE(dialog.DeviceLabel(2)->text(), devices[0]);
    QTest::mouseClick(dialog.DetectButton(), Qt::LeftButton);
    result.replace("RADIO", radioDevice).replace("DIR", home.Path(""));
    QCOMPARE(dialog.ResultLabel()->text().left(result.size()), result);
    QTest::mouseClick(dialog.findChild<QDialogButtonBox*>()->buttons().first(), Qt::LeftButton);
    QCOMPARE(QString::fromStdString(g_portName), radio ? "COM4" : "COM7");
    QVERIFY(answers.messages.isEmpty());
}

KESTRA_REGISTER_TEST(TestPortDetect);
#include "test_port_detect.moc"

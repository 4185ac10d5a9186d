#include "../image/test_registry.h"
#include "app_test_support.h"

#include "app/app_globals.h"
#include "app/ini_file.h"
#include "app/port_dlg.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QFile>
#include <QTest>

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

namespace {

// A pseudo-terminal standing in for a serial port while it lives.
class FakePort {
  public:
    FakePort() : m_master(posix_openpt(O_RDWR | O_NOCTTY)) {
        if (m_master >= 0 && grantpt(m_master) == 0 && unlockpt(m_master) == 0)
            m_path = ptsname(m_master);
    }
    ~FakePort() {
        if (m_master >= 0)
            close(m_master);
    }
    QString Path() const { return QString::fromLocal8Bit(m_path.c_str()); }

  private:
    int m_master;
    std::string m_path;
};

// Every port names a missing device except those given.
QByteArray PortsSection(const QMap<int, QString>& devices) {
    QByteArray ini = "[Ports]\n";
    for (int p = 1; p <= 16; ++p)
        ini +=
            QStringLiteral("COM%1=%2\n").arg(p).arg(devices.value(p, "/nonexistent/tty")).toUtf8();
    return ini;
}

} // namespace

class TestPortDlg : public QObject {
    Q_OBJECT
  private slots:
    void probesAndChecks_data();
    void probesAndChecks();
};

void TestPortDlg::probesAndChecks_data() {
    QTest::addColumn<QString>("current");
    QTest::addColumn<int>("checked"); // 0: none
    QTest::addColumn<int>("choose");  // 0: OK without a choice
    QTest::addColumn<QString>("portAfter");
    QTest::addColumn<int>("comAfter"); // -1: no COM line
    QTest::newRow("current port checked, choose COM12")
        << "COM3" << 3 << 12 << "\\\\.\\COM12" << 12;
    QTest::newRow("current port missing: none checked, OK changes nothing")
        << "COM7" << 0 << 0 << "COM7" << -1;
    QTest::newRow("choose COM3") << "\\\\.\\COM12" << 12 << 3 << "COM3" << 3;
}

void TestPortDlg::probesAndChecks() {
    QFETCH(QString, current);
    QFETCH(int, checked);
    QFETCH(int, choose);
    QFETCH(QString, portAfter);
    QFETCH(int, comAfter);
    TestHome home;
    FakePort com3, com12;
    QVERIFY(!com3.Path().isEmpty() && !com12.Path().isEmpty());
    QVERIFY(home.WriteFile("Program.ini", PortsSection({{3, com3.Path()}, {12, com12.Path()}})));
    g_portName = current.toStdString();
    CPortDlg dialog(nullptr, ProbeSerialDevice);
    for (int p = 1; p <= 16; ++p) {
        QAbstractButton* button = dialog.Buttons()->button(1006 + p);
        QVERIFY(button->text().startsWith(QStringLiteral("COM%1").arg(p)));
        QCOMPARE(button->isEnabled(), p == 3 || p == 12);
    }
    QCOMPARE(dialog.Buttons()->checkedId(), checked ? 1006 + checked : -1);
    QVERIFY(dialog.Buttons()->button(1009)->text().contains(com3.Path()));
    if (choose)
        dialog.Buttons()->button(1006 + choose)->click();
    dialog.accept();
    QCOMPARE(QString::fromStdString(g_portName), portAfter);
    const CIniFile ini(home.Path("Program.ini"));
    QCOMPARE(ini.GetInt("Setup", "COM", -1), comAfter);
    QCOMPARE(ini.GetString("Ports", "COM3"), com3.Path());
}

KESTRA_REGISTER_TEST(TestPortDlg);
#include "test_port_dlg.moc"

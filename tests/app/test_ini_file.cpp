#include "../image/test_registry.h"
#include "app_test_support.h"

#include "app/app_globals.h"
#include "app/ini_file.h"
#include "app/program_app.h"

#include <QFile>
#include <QTest>

class TestIniFile : public QObject {
    Q_OBJECT
  private slots:
    void startUp_data();
    void startUp();
    void setIntAddsOnlyItsLine();
};

void TestIniFile::startUp_data() {
    QTest::addColumn<QByteArray>("content"); // null: no file at all
    QTest::addColumn<QString>("type");
    QTest::addColumn<int>("com");
    QTest::addColumn<QString>("portName");
    QTest::newRow("plain") << QByteArray("[Setup]\r\nCOM=9\r\nType=UV-Pro\r\n") << "UV-Pro" << 9
                           << "COM9";
    QTest::newRow("any case") << QByteArray("[setup]\ncom = 12\nTYPE = 双段\n") << "双段" << 12
                              << "\\\\.\\COM12";
    QTest::newRow("not a number") << QByteArray("[Setup]\nCOM=abc\n") << "" << 0 << "COM0";
    QTest::newRow("too large") << QByteArray("[Setup]\nCOM=99999999999\n") << "" << 0 << "COM0";
    // The type text is cut at 259 bytes, before a character that would not fit whole.
    QTest::newRow("long type") << "[Setup]\nType=" + QByteArray(258, 'a') + "双段\n"
                               << QString(258, 'a') << 0 << "COM0";
    QTest::newRow("missing file") << QByteArray() << "" << 0 << "COM0";
}

void TestIniFile::startUp() {
    QFETCH(QByteArray, content);
    QFETCH(QString, type);
    QFETCH(int, com);
    QFETCH(QString, portName);
    TestHome home;
    if (!content.isNull())
        QVERIFY(home.WriteFile("Program.ini", content));
    CProgramApp app;
    QVERIFY(app.InitInstance(QString()));
    QCOMPARE(QString::fromStdString(g_portName), portName);
    QCOMPARE(g_radioType, type);
    QVERIFY(QFile::exists(home.Path("Program.ini")));
    QCOMPARE(CIniFile(home.Path("Program.ini")).GetInt("Setup", "COM", 0), com);
}

void TestIniFile::setIntAddsOnlyItsLine() {
    TestHome home;
    QVERIFY(home.WriteFile("Program.ini", "[About]\r\nVersion=1\r\n"));
    CIniFile ini(home.Path("Program.ini"));
    QVERIFY(ini.SetInt("Setup", "COM", 12));
    QFile file(home.Path("Program.ini"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("[About]\r\nVersion=1\r\n[Setup]\r\nCOM=12\r\n"));
}

KESTRA_REGISTER_TEST(TestIniFile);
#include "test_ini_file.moc"

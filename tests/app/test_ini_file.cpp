#include "../image/test_registry.h"
#include "app_test_support.h"

#include "app/app_globals.h"
#include "app/ini_file.h"
#include "app/program_app.h"
#include "link/port_name.h"

#include <QFile>
#include <QTest>

class TestIniFile : public QObject {
    Q_OBJECT
  private slots:
    void createsMissingFile();
    void reads_data();
    void reads();
    void setIntChangesOnlyItsLine_data();
    void setIntChangesOnlyItsLine();
    void startUpPortName_data();
    void startUpPortName();
};

void TestIniFile::createsMissingFile() {
    TestHome home;
    const CIniFile ini(home.Path("Program.ini"));
    QVERIFY(QFile::exists(home.Path("Program.ini")));
    QCOMPARE(ini.GetInt("Setup", "COM", 0), 0);
    QCOMPARE(ini.GetString("Setup", "Type"), QString());
}

void TestIniFile::reads_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("type");
    QTest::addColumn<int>("com");
    QTest::newRow("plain") << QByteArray("[Setup]\r\nCOM=3\r\nType=UV-Pro\r\n") << "UV-Pro" << 3;
    QTest::newRow("any case") << QByteArray("[setup]\ncom = 12\nTYPE = 双段\n") << "双段" << 12;
    QTest::newRow("not a number") << QByteArray("[Setup]\nCOM=abc\n") << "" << 0;
    QTest::newRow("too large") << QByteArray("[Setup]\nCOM=99999999999\n") << "" << 0;
    // The type text is cut at 259 bytes, before a character that would not fit whole.
    QTest::newRow("long type") << "[Setup]\nType=" + QByteArray(258, 'a') + "双段\n"
                               << QString(258, 'a') << 0;
}

void TestIniFile::reads() {
    QFETCH(QByteArray, content);
    QFETCH(QString, type);
    QFETCH(int, com);
    TestHome home;
    QVERIFY(home.WriteFile("Program.ini", content));
    const CIniFile ini(home.Path("Program.ini"));
    QCOMPARE(ini.GetString("Setup", "Type"), type);
    QCOMPARE(ini.GetInt("Setup", "COM", 0), com);
}

void TestIniFile::setIntChangesOnlyItsLine_data() {
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("after");
    QTest::newRow("adds the section")
        << QByteArray("[About]\r\nVersion=1\r\n")
        << QByteArray("[About]\r\nVersion=1\r\n[Setup]\r\nCOM=12\r\n");
    QTest::newRow("empty file") << QByteArray() << QByteArray("[Setup]\r\nCOM=12\r\n");
}

void TestIniFile::setIntChangesOnlyItsLine() {
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, after);
    TestHome home;
    QVERIFY(home.WriteFile("Program.ini", before));
    CIniFile ini(home.Path("Program.ini"));
    QVERIFY(ini.SetInt("Setup", "COM", 12));
    QFile file(home.Path("Program.ini"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), after);
    QCOMPARE(ini.GetInt("Setup", "COM", 0), 12);
}

void TestIniFile::startUpPortName_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("portName");
    QTest::newRow("COM9") << QByteArray("[Setup]\nCOM=9\n") << "COM9";
    QTest::newRow("COM10") << QByteArray("[Setup]\nCOM=10\n") << "\\\\.\\COM10";
    QTest::newRow("missing") << QByteArray("") << "COM0";
}

void TestIniFile::startUpPortName() {
    QFETCH(QByteArray, content);
    QFETCH(QString, portName);
    TestHome home;
    QVERIFY(home.WriteFile("Program.ini", content + "Type=双段机\n"));
    CProgramApp app;
    QVERIFY(app.InitInstance(QString()));
    QCOMPARE(QString::fromStdString(g_portName), portName);
    QCOMPARE(g_radioType, content.isEmpty() ? QString() : QString("双段机"));
    QVERIFY(!app.SplashShown());
}

KESTRA_REGISTER_TEST(TestIniFile);
#include "test_ini_file.moc"

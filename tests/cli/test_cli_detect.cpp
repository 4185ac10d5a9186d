#include "cli_test_support.h"

// `kestra-cli detect` with COM2 the simulated radio, or a folder that is no serial port; the
// other ports have no device.
class TestCliDetect : public QObject {
    Q_OBJECT
  private slots:
    void detect_data();
    void detect();
};

void TestCliDetect::detect_data() {
    QTest::addColumn<bool>("radio");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("out");
    QTest::addColumn<QString>("err"); // how stderr begins; DIR: the program directory
    QTest::newRow("radio on COM2") << true << 0 << "COM2 PORT\n"
                                   << "";
    QTest::newRow("no radio") << false << 1 << ""
                              << "未找到对讲机\nCOM2 DIR: 无法打开串口：";
}

void TestCliDetect::detect() {
    QFETCH(bool, radio);
    QFETCH(int, status);
    QFETCH(QString, out);
    QFETCH(QString, err);
    QTemporaryDir dir;
    qputenv("KESTRA_HOME", dir.path().toLocal8Bit());
    QProcess simulator;
    QString device = dir.path();
    if (radio) {
        simulator.start(KESTRA_CLI_PATH, {"simulate"});
        QVERIFY(simulator.waitForReadyRead(5000));
        device = QString::fromUtf8(simulator.readLine()).trimmed().mid(8);
    }
    QFile ini(dir.filePath("Program.ini"));
    QVERIFY(ini.open(QIODevice::WriteOnly));
    ini.write("[Ports]\n");
    for (int n = 1; n <= 16; ++n)
        ini.write(
            QString("COM%1=%2\n").arg(n).arg(n == 2 ? device : dir.filePath("none")).toUtf8());
    ini.close();
    QProcess cli;
    cli.start(KESTRA_CLI_PATH, {"detect"});
    QVERIFY(cli.waitForFinished(10000));
    QCOMPARE(cli.exitCode(), status);
    QCOMPARE(QString::fromUtf8(cli.readAllStandardOutput()), out.replace("PORT", device));
    err.replace("DIR", dir.path());
    QCOMPARE(QString::fromUtf8(cli.readAllStandardError()).left(err.size()), err);
    if (radio) {
        simulator.terminate();
        QVERIFY(simulator.waitForFinished(5000));
    }
}

QTEST_GUILESS_MAIN(TestCliDetect)
#include "test_cli_detect.moc"

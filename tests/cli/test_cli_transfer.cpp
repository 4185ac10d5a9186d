#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

constexpr int kImageBytes = 0x4000;

struct Run {
    int status;
    QString out;
    QStringList errLines;
};

Run RunCli(const QStringList& args) {
    QProcess process;
    process.start(KESTRA_CLI_PATH, args);
    if (!process.waitForFinished(20000))
        return {-1, {}, {"did not finish"}};
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError()).split('\n', Qt::SkipEmptyParts)};
}

QByteArray Pattern(int seed) {
    QByteArray bytes(kImageBytes, '\0');
    for (int i = 0; i < kImageBytes; ++i)
        bytes[i] = char((i * 13 + (i >> 9) + seed) & 0xFF);
    // A programmed band block (136-174, 400-480 MHz), so a read fills nothing in.
    bytes.replace(0x2E10, 16, QByteArray::fromHex("00006013000040170000004000000048"));
    return bytes;
}

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

// `base` with [start, end) of each range taken from `from`.
QByteArray WithRanges(QByteArray base, const QByteArray& from, const QList<QPoint>& ranges) {
    for (const QPoint& range : ranges)
        base.replace(range.x(), range.y() - range.x(), from.mid(range.x(), range.y() - range.x()));
    return base;
}

// `kestra-cli simulate` as a child process, ended with SIGTERM.
class Simulator {
  public:
    bool Start(const QStringList& args) {
        m_process.start(KESTRA_CLI_PATH, QStringList{"simulate"} + args);
        if (!m_process.waitForReadyRead(5000))
            return false;
        const QString line = QString::fromUtf8(m_process.readLine()).trimmed();
        if (!line.startsWith("device: "))
            return false;
        m_device = line.mid(8);
        return true;
    }
    ~Simulator() {
        m_process.terminate();
        m_process.waitForFinished(5000);
    }
    QString Device() const { return m_device; }
    QProcess& Process() { return m_process; }

  private:
    QProcess m_process;
    QString m_device;
};

bool WaitForFile(const QString& path, const QByteArray& expected) {
    for (int i = 0; i < 200 && ReadFile(path) != expected; ++i)
        QTest::qWait(10);
    return ReadFile(path) == expected;
}

const QList<QPoint> kClone = {{0x0000, 0x3000}, {0x3F70, 0x4000}};

} // namespace

class TestCliTransfer : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
    }
    void transfers_data();
    void transfers();
    void info();
    void failures_data();
    void failures();
    void simulatorStopsOnSignal();

  private:
    QString Path(const char* name) const { return m_dir->filePath(name); }
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestCliTransfer::transfers_data() {
    QTest::addColumn<QStringList>("args"); // RADIO, IN and OUT stand for the files
    QTest::addColumn<bool>("reading");
    QTest::addColumn<QList<QPoint>>("ranges");
    QTest::addColumn<QString>("stdoutText");
    QTest::newRow("read") << QStringList{"read", "-o", "OUT", "--base", "IN"} << true << kClone
                          << "";
    QTest::newRow("write") << QStringList{"write", "IN"} << false << kClone << "";
    QTest::newRow("init") << QStringList{"init", "IN"} << false << QList<QPoint>{{0, kImageBytes}}
                          << "初始化数据成功\n";
    QTest::newRow("service-read calibration")
        << QStringList{"service-read", "--region", "calibration", "-o", "OUT", "--base", "IN"}
        << true << QList<QPoint>{{0x3ED0, 0x3F70}} << "读数据成功\n";
    QTest::newRow("service-write dtmf-decoder")
        << QStringList{"service-write", "--region", "dtmf-decoder", "IN"} << false
        << QList<QPoint>{{0x3E00, 0x3E30}} << "写数据成功\n";
}

void TestCliTransfer::transfers() {
    QFETCH(QStringList, args);
    QFETCH(bool, reading);
    QFETCH(QList<QPoint>, ranges);
    QFETCH(QString, stdoutText);
    const QByteArray radioBytes = Pattern(1);
    const QByteArray pcBytes = Pattern(2);
    WriteFile(Path("radio.dat"), radioBytes);
    WriteFile(Path("in.dat"), pcBytes);
    Simulator radio;
    QVERIFY(radio.Start({"--image", Path("radio.dat")}));

    args.replaceInStrings(QRegularExpression("^IN$"), Path("in.dat"));
    args.replaceInStrings(QRegularExpression("^OUT$"), Path("out.dat"));
    args.insert(1, "--port");
    args.insert(2, radio.Device());
    const Run run = RunCli(args);
    QCOMPARE(run.errLines, QStringList());
    QCOMPARE(run.status, 0);
    QCOMPARE(run.out, stdoutText);
    if (reading)
        QVERIFY(ReadFile(Path("out.dat")) == WithRanges(pcBytes, radioBytes, ranges));
    else
        QVERIFY(WaitForFile(Path("radio.dat"), WithRanges(radioBytes, pcBytes, ranges)));
}

void TestCliTransfer::info() {
    Simulator radio;
    QVERIFY(radio.Start({}));
    const Run run = RunCli({"info", "--port", radio.Device()});
    QCOMPARE(run.status, 0);
    QCOMPARE(run.out, QString("model: SIMRADIO\nmcu: v1.2.3\npc: v2.5.1\n"
                              "band A: 136-174\nband B: 400-480\n"));
}

void TestCliTransfer::failures_data() {
    QTest::addColumn<QStringList>("simulator"); // empty: no simulator, PORT is absent
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("firstErrorLine");
    QTest::addColumn<bool>("hasReason");
    const QStringList read = {"read", "--port", "PORT", "-o", "OUT"};
    QTest::newRow("absent port") << QStringList() << read << 1 << "无法打开串口" << true;
    QTest::newRow("silent radio") << QStringList{"--fault", "silent"} << read << 1 << "通信出错"
                                  << false;
    QTest::newRow("hang-up during a read")
        << QStringList{"--fault", "hangup:3"} << read << 1 << "通信出错" << false;
    QTest::newRow("short reply to a service read")
        << QStringList{"--fault", "short:2"}
        << QStringList{"service-read", "--port", "PORT", "--region", "dtmf-decoder", "-o", "OUT"}
        << 1 << "通信出错" << false;
    QTest::newRow("info from a silent radio")
        << QStringList{"--fault", "silent"} << QStringList{"info", "--port", "PORT"} << 1
        << "通信出错" << false;
    QTest::newRow("missing port") << QStringList() << QStringList{"read", "-o", "OUT"} << 2 << ""
                                  << false;
    QTest::newRow("unknown region")
        << QStringList()
        << QStringList{"service-read", "--port", "PORT", "--region", "tones", "-o", "OUT"} << 2
        << "" << false;
    QTest::newRow("missing input file")
        << QStringList() << QStringList{"write", "--port", "PORT", "NOFILE"} << 3 << "" << false;
}

void TestCliTransfer::failures() {
    QFETCH(QStringList, simulator);
    QFETCH(QStringList, args);
    QFETCH(int, status);
    QFETCH(QString, firstErrorLine);
    QFETCH(bool, hasReason);
    Simulator radio;
    if (!simulator.isEmpty())
        QVERIFY(radio.Start(simulator));
    const QString port = simulator.isEmpty() ? Path("no-such-port") : radio.Device();
    args.replaceInStrings(QRegularExpression("^PORT$"), port);
    args.replaceInStrings(QRegularExpression("^OUT$"), Path("out.dat"));
    args.replaceInStrings(QRegularExpression("^NOFILE$"), Path("missing.dat"));
    const Run run = RunCli(args);
    QCOMPARE(run.status, status);
    QVERIFY(!run.errLines.isEmpty());
    if (!firstErrorLine.isEmpty()) {
        QCOMPARE(run.errLines.first(), firstErrorLine);
        QCOMPARE(run.errLines.size(), hasReason ? 2 : 1);
    }
    QVERIFY(run.out.isEmpty());
    QVERIFY(!QFile::exists(Path("out.dat"))); // nothing written after a failure
}

void TestCliTransfer::simulatorStopsOnSignal() {
    auto radio = std::make_unique<Simulator>();
    QVERIFY(radio->Start({"--pace"}));
    radio->Process().terminate();
    QVERIFY(radio->Process().waitForFinished(5000));
    QCOMPARE(radio->Process().exitStatus(), QProcess::NormalExit);
    QCOMPARE(radio->Process().exitCode(), 0);
    QCOMPARE(RunCli({"simulate", "--fault", "noise"}).status, 2);
}

QTEST_GUILESS_MAIN(TestCliTransfer)
#include "test_cli_transfer.moc"

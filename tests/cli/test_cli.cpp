#include "image/band_limits.h"
#include "image/channel_record.h"
#include "image/image_file.h"
#include "image/memory_image.h"
#include "image/new_document.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Run {
    int status;
    QString out;
    QString err;
};

Run RunCli(const QStringList& args, const QString& home = QString()) {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("KESTRA_HOME");
    if (!home.isEmpty())
        env.insert("KESTRA_HOME", home);
    process.setProcessEnvironment(env);
    process.start(KESTRA_CLI_PATH, args);
    if (!process.waitForFinished(10000))
        return {-1, {}, "did not finish"};
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray Bytes(const MemoryImage& image) {
    const auto bytes = image.Bytes();
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), kImageSize);
}

void SetChannel(MemoryImage& image, int record, int32_t rx, int32_t tx, uint8_t flags) {
    ChannelRecord r = ChannelRecord::Cleared();
    r.SetRxFreq(rx);
    if (tx >= 0)
        r.SetTxFreq(tx);
    r.SetRxTone(0x85, 0x08);
    r.SetTxTone(0x23, 0xC0);
    r.Bytes()[13] = flags;
    r.Store(image, record);
}

} // namespace

class TestCli : public QObject {
    Q_OBJECT
  private slots:
    void usage_data();
    void usage();
    void newImage_data();
    void newImage();
    void newUnwritable();
    void channels();
    void channelsBandBlock();
    void channelsFileErrors_data();
    void channelsFileErrors();
};

void TestCli::usage_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("stdoutHas");
    QTest::newRow("program help") << QStringList{"--help"} << 0 << "channels";
    QTest::newRow("new help") << QStringList{"new", "--help"} << 0 << "-o OUT.dat";
    QTest::newRow("channels help") << QStringList{"channels", "--help"} << 0 << "IN.dat";
    QTest::newRow("no command") << QStringList{} << 2 << "";
    QTest::newRow("unknown command") << QStringList{"frobnicate"} << 2 << "";
    QTest::newRow("new without output") << QStringList{"new"} << 2 << "";
    QTest::newRow("new, -o without value") << QStringList{"new", "-o"} << 2 << "";
    QTest::newRow("new, stray argument") << QStringList{"new", "-o", "x.dat", "y"} << 2 << "";
    QTest::newRow("channels without file") << QStringList{"channels"} << 2 << "";
    QTest::newRow("channels, two files") << QStringList{"channels", "a", "b"} << 2 << "";
}

void TestCli::usage() {
    QFETCH(QStringList, args);
    QFETCH(int, status);
    QFETCH(QString, stdoutHas);
    const Run run = RunCli(args);
    QCOMPARE(run.status, status);
    if (status == 0) {
        QVERIFY(run.out.contains(stdoutHas));
        QVERIFY(run.err.isEmpty());
    } else {
        QVERIFY(run.out.isEmpty());
        QCOMPARE(run.err.count('\n'), 1);
        QVERIFY(run.err.startsWith("kestra-cli: "));
    }
}

void TestCli::newImage_data() {
    QTest::addColumn<QString>("source"); // "home", "option", "missing-option", "none"
    QTest::newRow("Default.dat in KESTRA_HOME") << "home";
    QTest::newRow("--default file") << "option";
    QTest::newRow("--default missing: built-in") << "missing-option";
    QTest::newRow("no Default.dat: built-in") << "none";
}

void TestCli::newImage() {
    QFETCH(QString, source);
    QTemporaryDir home;
    QByteArray custom(100, char(0x42));
    QFile file(home.filePath(source == "home" ? "Default.dat" : "custom.dat"));
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(custom) == 100);
    file.close();
    if (source == "none" || source == "missing-option")
        QVERIFY(file.remove());
    QStringList args{"new", "-o", home.filePath("out.dat")};
    if (source == "option" || source == "missing-option")
        args << "--default" << home.filePath("custom.dat");
    const Run run = RunCli(args, home.path());
    QCOMPARE(run.status, 0);
    QVERIFY(run.err.isEmpty());
    MemoryImage expected;
    expected.FillAll(0xFF);
    if (source == "home" || source == "option")
        expected.Write(0, std::span(reinterpret_cast<const uint8_t*>(custom.data()), 100));
    else
        ApplyBuiltInDefaults(expected);
    QCOMPARE(ReadAll(home.filePath("out.dat")), Bytes(expected));
}

void TestCli::newUnwritable() {
    QTemporaryDir home;
    const Run run = RunCli({"new", "-o", home.filePath("missing/dir/out.dat")}, home.path());
    QCOMPARE(run.status, 3);
    QCOMPARE(run.err.count('\n'), 1);
    QVERIFY(run.err.contains("out.dat"));
}

void TestCli::channels() {
    QTemporaryDir dir;
    MemoryImage image;
    BuildNewDocumentImage(image, "/nonexistent");
    SetChannel(image, 1, 14500000, 14560000, 0x78);   // busy 载波
    SetChannel(image, 130, 43550000, -1, 0x00);       // no transmit, low, narrow, no scan
    SetChannel(image, 5, 30000000, 30000000, 0x38);   // outside both bands: hidden
    SetChannel(image, 258, 43500000, 43500000, 0xF8); // busy value 3 shows empty
    const QString path = dir.filePath("in.dat");
    QVERIFY(SaveImageFile(path.toStdString(), image).ok());
    const Run run = RunCli({"channels", path});
    QCOMPARE(run.status, 0);
    QVERIFY(run.err.isEmpty());
    const QString expected = "A 001\t145.00000\t145.60000\t88.5\tD023I\t高\t是\t宽\t载波\n"
                             "B 002\t435.50000\t\t88.5\tD023I\t低\t否\t窄\t关\n"
                             "B VFO\t435.00000\t435.00000\t88.5\tD023I\t高\t是\t宽\t\n";
    QCOMPARE(run.out, expected);
}

void TestCli::channelsBandBlock() {
    // The band limits come from the image: with band A set to 144-146 MHz, 147 MHz is hidden.
    QTemporaryDir dir;
    MemoryImage image;
    BuildNewDocumentImage(image, "/nonexistent");
    SetChannel(image, 1, 14500000, 14500000, 0x38);
    SetChannel(image, 2, 14700000, 14700000, 0x38);
    BandLimits limits;
    limits.low[0] = 14400000;
    limits.high[0] = 14600000;
    StoreBandLimitsToImage(limits, image);
    const QString path = dir.filePath("in.dat");
    QVERIFY(SaveImageFile(path.toStdString(), image).ok());
    const Run run = RunCli({"channels", path});
    QCOMPARE(run.status, 0);
    QCOMPARE(run.out.count('\n'), 1);
    QVERIFY(run.out.startsWith("A 001\t145.00000"));
}

void TestCli::channelsFileErrors_data() {
    QTest::addColumn<int>("size"); // -1: missing
    QTest::newRow("missing") << -1;
    QTest::newRow("empty") << 0;
    QTest::newRow("short") << 16383;
}

void TestCli::channelsFileErrors() {
    QFETCH(int, size);
    QTemporaryDir dir;
    const QString path = dir.filePath("in.dat");
    if (size >= 0) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(size, char(0xFF)));
    }
    const Run run = RunCli({"channels", path});
    QCOMPARE(run.status, 3);
    QVERIFY(run.out.isEmpty());
    QCOMPARE(run.err.count('\n'), 1);
    QVERIFY(run.err.contains(path));
}

QTEST_GUILESS_MAIN(TestCli)
#include "test_cli.moc"

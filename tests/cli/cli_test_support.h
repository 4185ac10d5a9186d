#pragma once

#include "../image/test_helpers.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

// 16 KiB that differ from address to address, and an erased image.
inline QByteArray Pattern(int seed) {
    QByteArray bytes(0x4000, '\0');
    for (int i = 0; i < bytes.size(); ++i)
        bytes[i] = char((i * 13 + (i >> 9) + seed) & 0xFF);
    return bytes;
}
inline const QByteArray kErased(0x4000, char(0xFF));

// A run of kestra-cli in a new folder DIR (its program directory) with radio.dat, in.dat (Pattern
// 1, 2), Default.dat (kErased). PORT: the device of `kestra-cli simulate` with `simulator` options.
struct CliRun {
    QStringList args, simulator;
    int status;
    QString out, err; // stdout (with a final '*': how it begins), how stderr begins
    int errLines;
    QString file;     // a file to check afterwards,
    QByteArray bytes; // and what it holds (nothing: it does not exist)
};
Q_DECLARE_METATYPE(CliRun)

inline void AddRun(const char* name, const QStringList& args, const QStringList& simulator,
                   int status, const char* out, const char* err = "", int errLines = 0,
                   const char* file = "", const QByteArray& bytes = {}) {
    QTest::newRow(name) << CliRun{args, simulator, status, out, err, errLines, file, bytes};
}

inline void CheckRun() {
    QFETCH(CliRun, run);
    QTemporaryDir dir;
    qputenv("KESTRA_HOME", dir.path().toLocal8Bit());
    qputenv("LC_ALL", "zh_CN.UTF-8"); // the messages in Chinese alone; tests/i18n checks English
    const QByteArray contents[] = {Pattern(1), Pattern(2), kErased};
    for (int i = 0; i < 3; ++i) {
        QFile file(dir.filePath(QStringList{"radio.dat", "in.dat", "Default.dat"}[i]));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(contents[i]) == 0x4000);
    }
    QProcess radio;
    if (run.args.contains("PORT")) {
        radio.start(KESTRA_CLI_PATH,
                    QStringList{"simulate"} + run.simulator.replaceInStrings("DIR", dir.path()));
        QVERIFY(radio.waitForReadyRead(5000));
        const QString line = QString::fromUtf8(radio.readLine()).trimmed();
        run.args.replaceInStrings("PORT", line.mid(8));
    }
    QProcess cli;
    cli.start(KESTRA_CLI_PATH, run.args.replaceInStrings("DIR", dir.path()));
    QVERIFY(cli.waitForFinished(20000) && cli.exitStatus() == QProcess::NormalExit);
    QCOMPARE(cli.exitCode(), run.status);
    const QString out = QString::fromUtf8(cli.readAllStandardOutput());
    QCOMPARE(run.out.endsWith('*') ? out.left(run.out.size() - 1) + '*' : out, run.out);
    const QString err = QString::fromUtf8(cli.readAllStandardError());
    run.err.replace("DIR", dir.path());
    QCOMPARE(err.left(run.err.size()), run.err);
    QCOMPARE(err.count('\n'), run.errLines);
    if (!run.file.isEmpty()) // a simulated radio saves its memory after the end command
        QTRY_COMPARE(FileBytes(dir.filePath(run.file)), run.bytes);
    // A complete read leaves one backup of what it saved, named for what was read.
    const QStringList backups = QDir(dir.filePath("backups")).entryList(QDir::Files);
    const bool read = run.status == 0 && !run.args.contains("--no-backup") &&
                      !run.args.contains("--help") &&
                      (run.args[0] == "read" || run.args[0] == "service-read");
    QCOMPARE(backups.size(), read ? 1 : 0);
    if (read) {
        QVERIFY(backups[0].endsWith(run.args.contains("calibration") ? "-calibration.dat"
                                                                     : "-read.dat"));
        QCOMPARE(FileBytes(dir.filePath("backups/" + backups[0])),
                 FileBytes(dir.filePath("out.dat")));
    }
    if (radio.program().isEmpty())
        return;
    radio.terminate(); // the simulated radio, still running, ends normally on SIGTERM
    QVERIFY(radio.waitForFinished(5000) && radio.exitStatus() == QProcess::NormalExit);
    QCOMPARE(radio.exitCode(), 0);
}

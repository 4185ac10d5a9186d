#include "cli_test_support.h"

// Image commands, and the usage contract: status 2 (usage) or 3 (file), one line, no file.
class TestCli : public QObject {
    Q_OBJECT
  private slots:
    void commands_data();
    void commands() { CheckRun(); }
    void csvCommands();
};

void TestCli::commands_data() {
    QTest::addColumn<CliRun>("run");
    const auto usage = [](const char* name, const QStringList& args) {
        AddRun(name, args, {}, 2, "", "kestra-cli: ", 1, "out.dat");
    };
    AddRun("help", {"--help"}, {}, 0, "Usage: kestra-cli COMMAND [ARGS...]\n*");
    AddRun("command help", {"read", "-o", "--help"}, {}, 0, "Usage: kestra-cli read --port PORT*");
    AddRun("new", {"new", "-o", "DIR/out.dat"}, {}, 0, "", "", 0, "out.dat", kErased);
    AddRun("new from --default", {"new", "-o", "DIR/out.dat", "--default", "DIR/in.dat"}, {}, 0, "",
           "", 0, "out.dat", Pattern(2));
    usage("no command", {});
    usage("unknown command", {"frobnicate"});
    usage("new without output", {"new"});
    usage("option without value", {"new", "-o"});
    usage("stray argument", {"new", "-o", "DIR/out.dat", "x"});
    usage("read without port", {"read", "-o", "DIR/out.dat"});
    usage("unknown option", {"info", "--port", "DIR/p", "--fast"});
    usage("unknown region", {"service-read", "--port", "p", "--region", "x", "-o", "DIR/out.dat"});
    usage("unknown fault", {"simulate", "--fault", "noise"});
    AddRun("unwritable output", {"new", "-o", "DIR/no/out.dat"}, {}, 3, "",
           "kestra-cli: cannot write DIR/no/out.dat", 1);
    AddRun("missing image", {"channels", "DIR/no.dat"}, {}, 3, "",
           "kestra-cli: cannot open DIR/no.dat", 1);
    AddRun("missing image to write", {"write", "--port", "DIR/p", "DIR/no.dat"}, {}, 3, "",
           "kestra-cli: cannot open DIR/no.dat", 1);
}

// Import into an erased image and export again; the exit status says whether rows were skipped,
// and a file that is not a channel list writes nothing.
void TestCli::csvCommands() {
    QTemporaryDir dir;
    const auto write = [&](const QString& name, const QByteArray& bytes) {
        QFile file(dir.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    };
    write("erased.dat", kErased);
    write("in.csv", "Location,Frequency,Name\r\n7,145.5,CALL\r\n8,12.5,LOW\r\n");
    write("good.csv", "Frequency\n435.0\n");
    write("broken.csv", "Frequency\n\"435.0\n");
    const std::tuple<QStringList, int, QString> runs[] = {
        {{"import-csv", "erased.dat", "in.csv", "-o", "a.dat"},
         4,
         "导入 1 行，调整 0 行，跳过 1 行\n第 3 行跳过：频率 \"12.5\" 不在工作频段内\n"},
        {{"import-csv", "a.dat", "good.csv", "-o", "b.dat"},
         0,
         "导入 1 行，调整 0 行，跳过 0 行\n"},
        {{"export-csv", "b.dat", "-o", "b.csv"}, 0, ""},
        {{"import-csv", "a.dat", "broken.csv", "-o", "c.dat"},
         3,
         "kestra-cli: broken.csv: 第 2 行不是正确的 CSV：a quote is never closed\n"},
        {{"import-csv", "a.dat", "none.csv", "-o", "c.dat"}, 3, "kestra-cli: cannot open none.csv"},
        {{"import-csv", "a.dat", "-o", "c.dat"}, 2, "kestra-cli: import-csv: expected"},
        {{"export-csv", "a.dat"}, 2, "kestra-cli: export-csv: expected"},
    };
    for (const auto& [args, status, err] : runs) {
        QProcess cli;
        cli.setWorkingDirectory(dir.path());
        cli.start(KESTRA_CLI_PATH, args);
        QVERIFY(cli.waitForFinished(20000));
        QCOMPARE(cli.exitCode(), status);
        const QString got = QString::fromUtf8(cli.readAllStandardError());
        QVERIFY2(got.left(err.size()) == err, qPrintable(args.join(" ") + ": " + got));
    }
    QVERIFY(!QFile::exists(dir.filePath("c.dat")));
    QFile csv(dir.filePath("b.csv"));
    QVERIFY(csv.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = csv.readAll().split('\n');
    QCOMPARE(lines.size(), 4); // header, A007, B001, and nothing after the last CRLF
    QVERIFY(lines[1].startsWith("7,CALL,145.500000,,0.000000,"));
    QVERIFY(lines[2].startsWith("129,,435.000000,"));
}

QTEST_GUILESS_MAIN(TestCli)
#include "test_cli.moc"

#include "cli_test_support.h"

// Image commands, and the usage contract: status 2 (usage) or 3 (file), one line, no file.
class TestCli : public QObject {
    Q_OBJECT
  private slots:
    void commands_data();
    void commands() { CheckRun(); }
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

QTEST_GUILESS_MAIN(TestCli)
#include "test_cli.moc"

#include "cli_test_support.h"

// diff: the lines on stdout and the exit status (0 equal, 1 different, 2 usage, 3 file).
class TestCliDiff : public QObject {
    Q_OBJECT
  private slots:
    void diff_data();
    void diff() { CheckRun(); }
};

void TestCliDiff::diff_data() {
    QTest::addColumn<CliRun>("run");
    const auto usage = [](const char* name, const QStringList& args) {
        AddRun(name, args, {}, 2, "", "kestra-cli: diff: expected exactly two image files", 1);
    };
    AddRun("help", {"diff", "--help"}, {}, 0, "Usage: kestra-cli diff A.dat B.dat\n*");
    AddRun("equal", {"diff", "DIR/in.dat", "DIR/in.dat"}, {}, 0, "");
    AddRun("different", {"diff", "DIR/Default.dat", "DIR/in.dat"}, {}, 1, "A 001 rxFreq \"\" -> *");
    usage("no files", {"diff"});
    usage("one file", {"diff", "DIR/in.dat"});
    usage("three files", {"diff", "DIR/in.dat", "DIR/in.dat", "DIR/in.dat"});
    usage("an option", {"diff", "-q", "DIR/in.dat"});
    AddRun("first missing", {"diff", "DIR/no.dat", "DIR/in.dat"}, {}, 3, "",
           "kestra-cli: cannot open DIR/no.dat", 1);
    AddRun("second missing", {"diff", "DIR/in.dat", "DIR/no.dat"}, {}, 3, "",
           "kestra-cli: cannot open DIR/no.dat", 1);
    AddRun("not an image", {"diff", "DIR/in.dat", "DIR"}, {}, 3, "", "kestra-cli: cannot ", 1);
}

QTEST_GUILESS_MAIN(TestCliDiff)
#include "test_cli_diff.moc"

#include "cli_test_support.h"

// `base` with [start, end) of each range taken from `from`.
static QByteArray WithRanges(QByteArray base, const QByteArray& from, const QList<QPoint>& ranges) {
    for (const QPoint& range : ranges)
        base.replace(range.x(), range.y() - range.x(), from.mid(range.x(), range.y() - range.x()));
    return base;
}

// Radio commands: the ranges each file gets, the message; on failure status 1, no file written.
class TestCliTransfer : public QObject {
    Q_OBJECT
  private slots:
    void transfers_data();
    void transfers() { CheckRun(); }
};

void TestCliTransfer::transfers_data() {
    QTest::addColumn<CliRun>("run");
    const QByteArray radio = Pattern(1), in = Pattern(2);
    const QList<QPoint> clone = {{0x0000, 0x3000}, {0x3F70, 0x4000}};
    const QStringList image = {"--image", "DIR/radio.dat"};
    AddRun("read", {"read", "--port", "PORT", "-o", "DIR/out.dat", "--base", "DIR/in.dat"}, image,
           0, "", "", 0, "out.dat", WithRanges(in, radio, clone));
    AddRun("read --no-backup",
           {"read", "--no-backup", "--port", "PORT", "-o", "DIR/out.dat", "--base", "DIR/in.dat"},
           image, 0, "", "", 0, "out.dat", WithRanges(in, radio, clone));
    AddRun("write", {"write", "--port", "PORT", "DIR/in.dat"}, image, 0, "", "", 0, "radio.dat",
           WithRanges(radio, in, clone));
    AddRun("init", {"init", "--port", "PORT", "DIR/in.dat"}, image, 0, "初始化数据成功\n", "", 0,
           "radio.dat", in);
    AddRun("service-read onto Default.dat",
           {"service-read", "--port", "PORT", "--region", "calibration", "-o", "DIR/out.dat"},
           image, 0, "读数据成功\n", "", 0, "out.dat",
           WithRanges(kErased, radio, {{0x3ED0, 0x3F70}}));
    AddRun("service-write",
           {"service-write", "--port", "PORT", "--region", "dtmf-decoder", "DIR/in.dat"}, image, 0,
           "写数据成功\n", "", 0, "radio.dat", WithRanges(radio, in, {{0x3E00, 0x3E30}}));
    AddRun("info", {"info", "--port", "PORT"}, {}, 0,
           "model: SIMRADIO\nmcu: v1.2.3\npc: v2.5.1\nband A: 136-174\nband B: 400-480\n");
    AddRun("absent port", {"read", "--port", "DIR/no-port", "-o", "DIR/out.dat"}, {}, 1, "",
           "无法打开串口\n", 2, "out.dat");
    AddRun("half an identification", {"read", "--port", "PORT", "-o", "DIR/out.dat"},
           {"--fault", "short:0"}, 1, "", "通信出错\n", 1, "out.dat");
    // in.dat holds C9 at 0x0123; the radio inverts that byte once a write has ended.
    const QStringList corrupt = image + QStringList{"--fault", "corrupt:0123"};
    AddRun("write --verify, byte changed", {"write", "--port", "PORT", "--verify", "DIR/in.dat"},
           corrupt, 1, "", "校验失败\n0x0123: 写入 C9，读回 36\n", 2);
}

QTEST_GUILESS_MAIN(TestCliTransfer)
#include "test_cli_transfer.moc"

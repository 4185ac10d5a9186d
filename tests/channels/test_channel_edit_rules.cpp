#include "../image/test_helpers.h"
#include "../image/test_registry.h"

#include "image/band_limits.h"
#include "image/channel_edit_rules.h"
#include "image/channel_record.h"
#include "image/memory_image.h"

#include <QTest>

namespace {

// "rx|tx|rxTone|txTone|options" with the options as digits in ChannelOptions() order.
QString Show(const ChannelEditValues& v) {
    QString options;
    for (int o : v.options)
        options += o < 0 ? QString("-") : QString::number(o);
    return QStringList{Q(v.rx), Q(v.tx), Q(v.rxTone), Q(v.txTone), options}.join('|');
}

ChannelEditValues Channel(const char* rx, const char* tx) {
    ChannelEditValues v;
    v.empty = false;
    v.rx = rx;
    v.tx = tx;
    v.rxTone = "88.5";
    v.txTone = "无";
    v.options = {0, 0, 1, 0, 0, 0, 0, 1, 0};
    return v;
}

} // namespace

class TestChannelEditRules : public QObject {
    Q_OBJECT
  private slots:
    void receiveCommit_data();
    void receiveCommit();
    void transmitCommit_data();
    void transmitCommit();
    void channelNumber_data();
    void channelNumber();
    void loadAndStore_data();
    void loadAndStore();
    void emptyCommittedTextClears();
};

void TestChannelEditRules::receiveCommit_data() {
    QTest::addColumn<int>("record");
    QTest::addColumn<QString>("committed");
    QTest::addColumn<QString>("rx");
    QTest::addColumn<QString>("tx");
    QTest::addColumn<QString>("shown");
    const auto row = [](const char* name, int record, const char* committed, const char* rx,
                        const char* tx, const char* shown) {
        QTest::newRow(name) << record << QString(committed) << QString(rx) << QString(tx)
                            << QString(shown);
    };
    row("new channel gets the defaults, scan no", 1, "", "438.5", "",
        "438.50000|438.50000|无|无|110000000");
    row("out of band falls back to band 0 even in band B", 200, "435.00000", "300", "435.00000",
        "136.00000|435.00000|88.5|无|001000010");
    row("off-step value snapped", 1, "145.00000", "145.0063", "145.00000",
        "145.00625|145.00000|88.5|无|001000010");
    row("VFO moved to the other band moves transmit", 257, "145.00000", "435", "145.00000",
        "435.00000|435.00000|88.5|无|001000010");
    row("VFO within its band keeps transmit", 257, "145.00000", "146", "145.60000",
        "146.00000|145.60000|88.5|无|001000010");
    row("memory channel keeps transmit across bands", 1, "145.00000", "435", "145.00000",
        "435.00000|145.00000|88.5|无|001000010");
    row("emptied receive empties the channel", 1, "145.00000", "", "145.00000", "||||---------");
}

void TestChannelEditRules::receiveCommit() {
    QFETCH(int, record);
    QFETCH(QString, committed);
    QFETCH(QString, rx);
    QFETCH(QString, tx);
    QFETCH(QString, shown);
    ChannelEditValues v = committed.isEmpty() ? ChannelEditValues{} : Channel("", "");
    v.rx = rx.toStdString();
    v.tx = tx.toStdString();
    std::string committedRx = committed.toStdString();
    CommitChannelReceive(v, committedRx, record, BandLimits{});
    QCOMPARE(Show(v), shown);
    QCOMPARE(Q(committedRx), Q(v.rx));
    QCOMPARE(v.empty, rx.isEmpty());
}

void TestChannelEditRules::transmitCommit_data() {
    QTest::addColumn<int>("record");
    QTest::addColumn<QString>("rx");
    QTest::addColumn<QString>("tx");
    QTest::addColumn<QString>("atFocus");
    QTest::addColumn<QString>("frequencies");
    const auto row = [](const char* name, int record, const char* rx, const char* tx,
                        const char* atFocus, const char* frequencies) {
        QTest::newRow(name) << record << QString(rx) << QString(tx) << QString(atFocus)
                            << QString(frequencies);
    };
    row("emptied transmit gets its text back", 1, "145.00000", "", "145.60000",
        "145.00000|145.60000");
    row("nothing without a receive frequency", 1, "", "150", "", "|150");
    row("out of band falls back to band 0", 1, "145.00000", "500", "145.00000",
        "145.00000|136.00000");
    row("memory channel may transmit in the other band", 1, "145.00000", "435", "145.00000",
        "145.00000|435.00000");
    row("VFO transmit in the other band moves receive", 258, "435.00000", "145", "435.00000",
        "145.00000|145.00000");
}

void TestChannelEditRules::transmitCommit() {
    QFETCH(int, record);
    QFETCH(QString, rx);
    QFETCH(QString, tx);
    QFETCH(QString, atFocus);
    QFETCH(QString, frequencies);
    ChannelEditValues v = Channel("", "");
    v.rx = rx.toStdString();
    v.tx = tx.toStdString();
    CommitChannelTransmit(v, atFocus.toStdString(), record, BandLimits{});
    QCOMPARE(Q(v.rx) + "|" + Q(v.tx), frequencies);
}

void TestChannelEditRules::channelNumber_data() {
    QTest::addColumn<QString>("label");
    QTest::addColumn<int>("delta"); // 0: typed and left
    QTest::addColumn<int>("record");
    QTest::newRow("A128") << "A128" << 0 << 128;
    QTest::newRow("300 clamped") << "300" << 0 << 258;
    QTest::newRow("B0 is B plus 0") << "B0" << 0 << 128;
    QTest::newRow("lower case does not parse") << "a128" << 0 << 1;
    QTest::newRow("B12") << "B12" << 0 << 140;
    QTest::newRow("up from B128 to A VFO") << "B128" << 1 << 257;
    QTest::newRow("up from B VFO wraps to A001") << "B VFO" << 1 << 1;
    QTest::newRow("down from A001 wraps to B VFO") << "A001" << -1 << 258;
    QTest::newRow("down from A VFO") << "A VFO" << -1 << 256;
    QTest::newRow("up from an unparsable label") << "xyz" << 1 << 1;
    QTest::newRow("down from 999") << "999" << -1 << 258;
}

void TestChannelEditRules::channelNumber() {
    QFETCH(QString, label);
    QFETCH(int, delta);
    QFETCH(int, record);
    const std::string text = label.toStdString();
    QCOMPARE(delta == 0 ? ChannelFromLabel(text) : ChannelAfterSpin(text, delta), record);
}

void TestChannelEditRules::loadAndStore_data() {
    QTest::addColumn<QByteArray>("stored");  // bytes 0..13 of record 5
    QTest::addColumn<QString>("shown");      // after loading
    QTest::addColumn<QByteArray>("written"); // bytes 0..19 after storing it unchanged
    QTest::newRow("plain channel")
        << Hex("00005014000056148508ffff2038") << "145.00000|145.60000|88.5|无|110002010"
        << Hex("00005014000056148508ffff2038ff0200000600");
    QTest::newRow("options out of range show and store the fallbacks")
        << Hex("0000501400005014ffffffffffF3") << "145.00000|145.00000|无|无|110000300"
        << Hex("0000501400005014ffffffff0033ff0000000001");
    QTest::newRow("transmit erased by 00 shows empty and stores FF")
        << Hex("0000501400000000ffffffff0038") << "145.00000||无|无|110000010"
        << Hex("00005014ffffffffffffffff0038ff0000000001");
}

void TestChannelEditRules::loadAndStore() {
    QFETCH(QByteArray, stored);
    QFETCH(QString, shown);
    QFETCH(QByteArray, written);
    MemoryImage image;
    ClearRecord(image, 5);
    PutBytes(image, RecordOffset(5), stored);
    const ChannelEditValues v = LoadChannelEdit(image, 5);
    QCOMPARE(Show(v), shown);
    StoreChannelEdit(image, 5, v.rx, v);
    QCOMPARE(ImageBytes(image, RecordOffset(5), written.size()).toHex(), written.toHex());
}

void TestChannelEditRules::emptyCommittedTextClears() {
    MemoryImage image;
    PutBytes(image, RecordOffset(7), Hex("0000501400005014"));
    PutBytes(image, RecordOffset(7) + 24,
             "NAME\x7f"
             "AB");
    ChannelEditValues v = LoadChannelEdit(image, 7);
    QCOMPARE(Q(v.name), QString("NAME")); // a byte above 0x7E ends the name
    StoreChannelEdit(image, 7, "", v);
    MemoryImage cleared;
    ClearRecord(cleared, 7);
    QCOMPARE(ImageBytes(image, RecordOffset(7), 32), ImageBytes(cleared, RecordOffset(7), 32));
    // An empty record shows nothing and has no selections.
    ClearRecord(image, 8);
    const ChannelEditValues empty = LoadChannelEdit(image, 8);
    QVERIFY(empty.empty);
    QCOMPARE(Show(empty), QString("||||---------"));
}

KESTRA_REGISTER_TEST(TestChannelEditRules);
#include "test_channel_edit_rules.moc"

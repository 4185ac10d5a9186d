#include "test_helpers.h"
#include "test_registry.h"

#include "image/band_limits.h"
#include "image/channel_grid_rules.h"
#include "image/channel_record.h"
#include "image/codecs.h"
#include "image/memory_image.h"

#include <QTest>

class TestChannelRecord : public QObject {
    Q_OBJECT
  private slots:
    void numbering_data();
    void numbering();
    void everyFieldToItsBytes();
    void clearedRecord();
    void name_data();
    void name();
    void plainShift_data();
    void plainShift();
    void gridShift_data();
    void gridShift();
    void loadGridRow_data();
    void loadGridRow();
    void commitGridRow_data();
    void commitGridRow();
    void gridRoundTrip();
};

void TestChannelRecord::numbering_data() {
    QTest::addColumn<int>("record");
    QTest::addColumn<int>("offset");
    QTest::addColumn<int>("band");
    QTest::addColumn<QString>("label");
    QTest::newRow("no record 0") << 0 << -1 << -1 << "";
    QTest::newRow("A001") << 1 << 0x0000 << 0 << "A 001";
    QTest::newRow("A128") << 128 << 0x0FE0 << 0 << "A 128";
    QTest::newRow("B001") << 129 << 0x1000 << 1 << "B 001";
    QTest::newRow("B124") << 252 << 0x1F60 << 1 << "B 124";
    QTest::newRow("B128") << 256 << 0x1FE0 << 1 << "B 128";
    QTest::newRow("A VFO") << 257 << 0x2000 << 0 << "A VFO";
    QTest::newRow("B VFO ends at 0x203F") << 258 << 0x2020 << 1 << "B VFO";
    QTest::newRow("past the VFOs") << 259 << -1 << -1 << "";
}

void TestChannelRecord::numbering() {
    QFETCH(int, record);
    QFETCH(int, offset);
    QFETCH(int, band);
    QFETCH(QString, label);
    QCOMPARE(RecordOffset(record), offset);
    QCOMPARE(BandOfRecord(record), band);
    QCOMPARE(Q(GridRowLabel(record)), label);
}

// Every field of the record set over a record of 0xFF bytes: the record holds the bytes of
// the hand-written golden file, so each field sits at its own offset and bits.
void TestChannelRecord::everyFieldToItsBytes() {
    using F = ChannelFieldId;
    const std::pair<F, uint32_t> values[] = {
        {F::RxFreq, 14512500},    {F::TxFreq, 14572500}, {F::RxTone, 0x0885},
        {F::TxTone, 0x8023},      {F::SignalType, 1},    {F::RepeaterMode, 2},
        {F::VoiceMode, 5},        {F::PttId, 3},         {F::Vox, 0},
        {F::ScanAdd, 1},          {F::Power, 0},         {F::Bandwidth, 1},
        {F::BusyLock, 2},         {F::Reserved14, 0x14}, {F::ShiftDir, 2},
        {F::ShiftOffset, 600000}, {F::Reserved20, 0x20}, {F::Reserved21, 0x21},
        {F::Reserved22, 0x2322},  {F::Reserved31, 0x31},
    };
    ChannelRecord record;
    for (auto [id, value] : values) {
        record.Set(id, value);
        QCOMPARE(record.Get(id), value);
    }
    record.SetName("KESTRA");
    MemoryImage image;
    record.Store(image, 3);
    QCOMPARE(GoldenDifferences(image, "channel_record.hex"), QString());
}

void TestChannelRecord::clearedRecord() {
    MemoryImage image;
    image.FillAll(0x5A);
    ClearRecord(image, 258);
    QCOMPARE(ImageBytes(image, 0x2020, 32),
             Hex("ffffffffffffffffffffffff0038ff00000000010000ffffffffffffffffffff"));
    QCOMPARE(int(image.Byte(0x201F)), 0x5A);
    QCOMPARE(int(image.Byte(0x2040)), 0x5A);
    const ChannelRecord cleared = ChannelRecord::Cleared();
    QCOMPARE(cleared.Get(ChannelFieldId::ScanAdd), 1u);
    QCOMPARE(cleared.Get(ChannelFieldId::Power), 1u);
    QCOMPARE(cleared.Get(ChannelFieldId::Bandwidth), 1u);
    QCOMPARE(cleared.Get(ChannelFieldId::BusyLock), 0u);
    QVERIFY(cleared.IsEmptyForDialog());
}

void TestChannelRecord::name_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("name");
    QTest::newRow("seven characters") << QByteArray("REPEATR") << "REPEATR";
    QTest::newRow("padded") << Hex("48414dffffffff") << "HAM";
    QTest::newRow("stops at control byte") << Hex("41420143ffffff") << "AB";
    QTest::newRow("erased") << Hex("ffffffffffffff") << "";
}

void TestChannelRecord::name() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, name);
    ChannelRecord record;
    for (int k = 0; k < 7; ++k)
        record.Bytes()[24 + k] = static_cast<uint8_t>(bytes[k]);
    QCOMPARE(Q(record.Name()), name);
    ChannelRecord written;
    written.SetName(name.toStdString());
    QCOMPARE(Q(written.Name()), name);
    QCOMPARE(int(written.Bytes()[31]), 0xFF);
}

void TestChannelRecord::plainShift_data() {
    QTest::addColumn<int>("rx");
    QTest::addColumn<int>("tx");
    QTest::addColumn<bool>("txEmpty");
    QTest::addColumn<int>("dir");
    QTest::addColumn<int>("offset");
    QTest::newRow("simplex") << 14500000 << 14500000 << false << 0 << 1000000;
    QTest::newRow("no transmit") << 14500000 << 0 << true << 0 << 1000000;
    QTest::newRow("transmit above") << 14500000 << 14560000 << false << 2 << 60000;
    QTest::newRow("transmit below") << 43500000 << 42500000 << false << 1 << 1000000;
    QTest::newRow("cross band, plain rule") << 14500000 << 43500000 << false << 2 << 29000000;
}

void TestChannelRecord::plainShift() {
    QFETCH(int, rx);
    QFETCH(int, tx);
    QFETCH(bool, txEmpty);
    QFETCH(int, dir);
    QFETCH(int, offset);
    ChannelRecord record = ChannelRecord::Cleared();
    DeriveShift(record, rx, tx, txEmpty);
    QCOMPARE(int(record.Get(ChannelFieldId::ShiftDir)), dir);
    QCOMPARE(int(record.Get(ChannelFieldId::ShiftOffset)), offset);
}

void TestChannelRecord::gridShift_data() {
    QTest::addColumn<int>("rx");
    QTest::addColumn<int>("tx");
    QTest::addColumn<QByteArray>("oldOffset");
    QTest::addColumn<int>("dir");
    QTest::addColumn<QByteArray>("offset");
    QTest::addColumn<int>("storedTx");
    const QByteArray none = Hex("00000001");
    QTest::newRow("same band, above")
        << 14500000 << 14560000 << none << 2 << Hex("00000600") << 14560000;
    QTest::newRow("same band, below")
        << 43500000 << 42500000 << none << 1 << Hex("00000001") << 42500000;
    QTest::newRow("cross band") << 14500000 << 43500000 << Hex("00000600") << 0 << none << 43500000;
    QTest::newRow("tx outside, old offset kept")
        << 14500000 << 30000000 << Hex("00000600") << 2 << Hex("00000600") << 30000000;
    QTest::newRow("tx outside, erased offset: simplex")
        << 14500000 << 30000000 << Hex("ffffffff") << 0 << none << 14500000;
    QTest::newRow("tx outside, offset just too large")
        << 14500000 << 10000000 << Hex("01959909") << 0 << none << 14500000;
    QTest::newRow("tx outside, offset at the limit")
        << 14500000 << 10000000 << Hex("00959909") << 1 << Hex("00959909") << 10000000;
}

void TestChannelRecord::gridShift() {
    QFETCH(int, rx);
    QFETCH(int, tx);
    QFETCH(QByteArray, oldOffset);
    QFETCH(int, dir);
    QFETCH(QByteArray, offset);
    QFETCH(int, storedTx);
    ChannelRecord record = ChannelRecord::Cleared();
    for (int k = 0; k < 4; ++k)
        record.Bytes()[16 + k] = static_cast<uint8_t>(oldOffset[k]);
    record.SetRxFreq(rx);
    record.SetTxFreq(tx);
    DeriveShift(record, rx, tx, false, BandLimits{});
    QCOMPARE(int(record.Get(ChannelFieldId::ShiftDir)), dir);
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(record.Bytes().data() + 16), 4), offset);
    QCOMPARE(record.TxFreq(), storedTx);
}

void TestChannelRecord::loadGridRow_data() {
    QTest::addColumn<QByteArray>("head"); // record bytes +0..+13
    QTest::addColumn<QStringList>("cells");
    const QStringList empty(8, QString());
    QTest::newRow("erased") << Hex("ffffffffffffffffffffffff0038") << empty;
    QTest::newRow("zero receive is empty") << Hex("00000000ffffffffffffffff0038") << empty;
    QTest::newRow("out of band") << Hex("99999935ffffffffffffffff0038") << empty;
    QTest::newRow("simplex with tones")
        << Hex("00005014000050148508548000b8")
        << QStringList{"145.00000", "145.00000", "88.5", "D054N", "高", "是", "宽", "QT/DQT"};
    QTest::newRow("no transmit, busy 3 empty")
        << Hex("0050534300000000ffffffff00c0")
        << QStringList{"435.35000", "", "无", "无", "低", "否", "窄", ""};
}

void TestChannelRecord::loadGridRow() {
    QFETCH(QByteArray, head);
    QFETCH(QStringList, cells);
    MemoryImage image;
    ClearRecord(image, 5);
    PutBytes(image, RecordOffset(5), head);
    const GridRow row = LoadGridRow(image, BandLimits{}, 5);
    QCOMPARE(Q(row[kColLabel]), QString("A 005"));
    QStringList got;
    for (int c = 1; c < kGridColumns; ++c)
        got << Q(row[c]);
    QCOMPARE(got, cells);
}

void TestChannelRecord::commitGridRow_data() {
    QTest::addColumn<QStringList>("cells");
    QTest::addColumn<QByteArray>("expected"); // record bytes +0..+19
    QTest::newRow("repeater pair")
        << QStringList{"145.00000", "145.60000", "88.5", "D023I", "低", "否", "窄", "载波"}
        << Hex("0000501400005614850823c00040ff0200000600");
    QTest::newRow("empty transmit")
        << QStringList{"145.00000", "", "无", "无", "高", "是", "宽", "QT/DQT"}
        << Hex("00005014ffffffffffffffff00b8ff0000000001");
    QTest::newRow("unknown option texts leave scan and bandwidth")
        << QStringList{"145.00000", "145.00000", "无", "无", "?", "?", "?", "?"}
        << Hex("0000501400005014ffffffff0028ff0000000001");
    QTest::newRow("empty receive clears the record")
        << QStringList{"", "145.00000", "88.5", "88.5", "低", "否", "窄", "载波"}
        << Hex("ffffffffffffffffffffffff0038ff0000000001");
}

void TestChannelRecord::commitGridRow() {
    QFETCH(QStringList, cells);
    QFETCH(QByteArray, expected);
    MemoryImage image;
    ClearRecord(image, 3);
    GridRow row;
    for (int c = 1; c < kGridColumns; ++c)
        row[c] = cells[c - 1].toStdString();
    CommitGridRow(image, BandLimits{}, 3, row);
    QCOMPARE(ImageBytes(image, RecordOffset(3), expected.size()).toHex(), expected.toHex());
}

void TestChannelRecord::gridRoundTrip() {
    // What the grid shows, committed unchanged, shows again the same.
    MemoryImage image;
    for (int r = 1; r <= kRecordCount; ++r)
        ClearRecord(image, r);
    const BandLimits limits;
    const QList<QStringList> rows = {
        {"136.00000", "174.00000", "67.0", "D754I", "高", "否", "宽", "关"},
        {"439.12500", "430.12500", "D017N", "254.1", "低", "是", "窄", "载波"},
        {"145.01250", "", "无", "无", "高", "是", "宽", "关"},
    };
    for (int i = 0; i < rows.size(); ++i) {
        GridRow row;
        for (int c = 1; c < kGridColumns; ++c)
            row[c] = rows[i][c - 1].toStdString();
        CommitGridRow(image, limits, 10 + i, row);
        const GridRow shown = LoadGridRow(image, limits, 10 + i);
        for (int c = 1; c < kGridColumns; ++c)
            QCOMPARE(Q(shown[c]), rows[i][c - 1]);
    }
}

KESTRA_REGISTER_TEST(TestChannelRecord);
#include "test_channel_record.moc"

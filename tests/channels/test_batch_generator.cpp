#include "../image/test_helpers.h"
#include "../image/test_registry.h"
#include "channel_test_support.h"

#include "image/band_limits.h"
#include "image/channel_record.h"
#include "image/codecs.h"
#include "image/memory_image.h"

#include <QTest>

#include <random>

namespace {

uint32_t NoRandom() {
    return 0;
}

// "record=text" pairs: what each listed record holds after generating.
void CheckRecords(const MemoryImage& image, const QString& expected,
                  const std::function<QString(const MemoryImage&, int)>& show) {
    for (const QString& pair : expected.split(' ', Qt::SkipEmptyParts)) {
        const int record = pair.section('=', 0, 0).toInt();
        QCOMPARE(QString("%1=%2").arg(record).arg(show(image, record)), pair);
    }
}

QString Tones(const MemoryImage& image, int record) {
    const ChannelRecord r = ChannelRecord::Load(image, record);
    return Q(DecodeToneCode(r.RxToneLow(), r.RxToneHigh()) + "/" +
             DecodeToneCode(r.TxToneLow(), r.TxToneHigh()));
}

} // namespace

class TestBatchGenerator : public QObject {
    Q_OBJECT
  private slots:
    void snapToNearestStep_data();
    void snapToNearestStep();
    void frequencies_data();
    void frequencies();
    void tones_data();
    void tones();
    void randomTonesStayInTheList();
    void names_data();
    void names();
    void optionBytesAndUntouchedBytes_data();
    void optionBytesAndUntouchedBytes();
    void fieldRules_data();
    void fieldRules();
};

void TestBatchGenerator::snapToNearestStep_data() {
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("snapped");
    QTest::newRow("multiple of 250 kept") << 14501250 << 14501250;
    QTest::newRow("multiple of 625 kept") << 14500625 << 14500625;
    QTest::newRow("down to 250") << 14500260 << 14500250;
    QTest::newRow("up to 250") << 14500740 << 14500750;
    QTest::newRow("up to 625 is nearest") << 14500600 << 14500625;
    QTest::newRow("tie: 250 down first") << 14500125 << 14500000;
    QTest::newRow("6 kHz step becomes 6.25") << 600 << 625;
    QTest::newRow("below 1.25 kHz goes to 0") << 50 << 0;
    QTest::newRow("largest field value") << 99999999 << 100000000;
}

void TestBatchGenerator::snapToNearestStep() {
    QFETCH(int, value);
    QFETCH(int, snapped);
    QCOMPARE(SnapToNearestStep(value), snapped);
}

void TestBatchGenerator::frequencies_data() {
    QTest::addColumn<QString>("settings");
    QTest::addColumn<QString>("expected"); // record=rx/tx; "-" = record left cleared
    const auto row = [](const char* name, const char* a, const char* b) {
        QTest::newRow(name) << QString(a) << QString(b);
    };
    row("defaults fill all channels", "",
        "1=136.00000/136.00000 128=136.00000/136.00000 256=136.00000/136.00000");
    row("step 12.5 up", "first=1 last=3 rxStart=145.000 rxStep=12.5",
        "1=145.00000/145.00000 2=145.01250/145.01250 3=145.02500/145.02500");
    row("up past the band top wraps to its bottom", "first=1 last=3 rxStart=173.990 rxStep=25",
        "1=173.99000/173.99000 2=136.00000/136.00000 3=136.02500/136.02500");
    row("down past the band bottom wraps to its top",
        "first=1 last=3 rxStart=136.010 rxStep=25 rxDown=1",
        "1=136.01000/136.01000 2=174.00000/174.00000 3=173.97500/173.97500");
    row("band B wraps inside band B", "first=129 last=130 rxStart=400.010 rxStep=25 rxDown=1",
        "129=400.01000/400.01000 130=480.00000/480.00000");
    row("step 0 repeats the start", "first=1 last=3 rxStart=145.5",
        "1=145.50000/145.50000 3=145.50000/145.50000");
    row("off-step start is used, the next value snapped", "first=1 last=2 rxStart=145.001",
        "1=145.00100/145.00100 2=145.00000/145.00000");
    row("start outside both bands becomes band 0's low limit",
        "first=1 last=2 rxStart=300 rxStep=25", "1=136.00000/136.00000 2=136.02500/136.02500");
    row("offset plus", "first=1 last=1 rxStart=145 mode=offset offset=0.6",
        "1=145.00000/145.60000");
    row("offset minus below the band gives its top",
        "first=1 last=1 rxStart=138 mode=offset offset=5 minus=1", "1=138.00000/174.00000");
    row("offset plus above the band gives its bottom",
        "first=1 last=1 rxStart=172 mode=offset offset=5", "1=172.00000/136.00000");
    row("offset keeps band B channels in band B",
        "first=129 last=130 rxStart=435 rxStep=25 mode=offset offset=5 minus=1",
        "129=435.00000/430.00000 130=435.02500/430.02500");
    row("offset wraps inside band B", "first=129 last=129 rxStart=402 mode=offset offset=5 minus=1",
        "129=402.00000/480.00000");
    row("own transmit start steps down",
        "first=1 last=3 rxStart=145 mode=own txStart=150 txStep=25 txDown=1",
        "1=145.00000/150.00000 2=145.00000/149.97500 3=145.00000/149.95000");
    row("own transmit start wraps",
        "first=1 last=2 rxStart=145 mode=own txStart=136 txStep=25 txDown=1",
        "1=145.00000/136.00000 2=145.00000/174.00000");
    row("first above last writes nothing", "first=5 last=4 rxStart=145", "4=-/- 5=-/-");
    row("range ends at channel 256", "first=255 last=300 rxStart=145",
        "256=145.00000/145.00000 257=-/- 258=-/-");
}

void TestBatchGenerator::frequencies() {
    QFETCH(QString, settings);
    QFETCH(QString, expected);
    MemoryImage image;
    ClearedChannels(image);
    GenerateChannels(image, BandLimits{}, ParseBatchSettings(settings), NoRandom);
    CheckRecords(image, expected, [](const MemoryImage& img, int record) {
        return ChannelRecord::Load(img, record).IsEmptyForDialog() ? QString("-/-")
                                                                   : Frequencies(img, record);
    });
}

void TestBatchGenerator::tones_data() {
    QTest::addColumn<QString>("settings");
    QTest::addColumn<QString>("expected"); // record=rxTone/txTone
    const auto row = [](const char* name, const char* a, const char* b) {
        QTest::newRow(name) << QString(a) << QString(b);
    };
    row("defaults", "first=1 last=2", "1=无/无 2=无/无");
    row("down from 无 wraps to the last DCS code", "first=1 last=2 rxInterval=1 rxToneDown=1",
        "1=无/无 2=D754I/D754I");
    row("up from the last CTCSS tone into the DCS codes", "first=1 last=2 rxTone=50 rxInterval=1",
        "1=254.1/254.1 2=D017N/D017N");
    row("up past the end passes 无", "first=1 last=3 rxTone=260 rxInterval=5",
        "1=D731I/D731I 2=无/无 3=77.0/77.0");
    row("interval above 20 counts as 20", "first=1 last=2 rxTone=1 rxInterval=40",
        "1=67.0/67.0 2=131.8/131.8");
    row("own transmit tone steps on its own",
        "first=1 last=2 rxTone=1 txOwn=1 txTone=5 txInterval=2 txToneDown=1",
        "1=67.0/77.0 2=67.0/71.9");
    row("random receive tones", "first=1 last=3 rxRandom=1 rxInterval=3",
        "1=D754I/D754I 2=无/无 3=D025N/D025N");
    row("random transmit tones", "first=1 last=2 txOwn=1 txRandom=1 txTone=7",
        "1=无/D754I 2=无/无");
}

void TestBatchGenerator::tones() {
    QFETCH(QString, settings);
    QFETCH(QString, expected);
    MemoryImage image;
    ClearedChannels(image);
    // Entries 264, 0 (265) and 53 (9 * 265 + 53).
    const uint32_t sequence[] = {264, 265, 2438};
    size_t next = 0;
    GenerateChannels(image, BandLimits{}, ParseBatchSettings(settings),
                     [&] { return sequence[next++ % 3]; });
    CheckRecords(image, expected, Tones);
}

void TestBatchGenerator::randomTonesStayInTheList() {
    MemoryImage image;
    ClearedChannels(image);
    std::mt19937 random(7);
    GenerateChannels(image, BandLimits{}, ParseBatchSettings("rxRandom=1 txOwn=1 txRandom=1"),
                     [&] { return random(); });
    QSet<QString> seen;
    for (int record = 1; record <= 256; ++record) {
        const ChannelRecord r = ChannelRecord::Load(image, record);
        for (const std::string& tone : {DecodeToneCode(r.RxToneLow(), r.RxToneHigh()),
                                        DecodeToneCode(r.TxToneLow(), r.TxToneHigh())}) {
            QVERIFY2(std::count(ToneList().begin(), ToneList().end(), tone) == 1, tone.c_str());
            seen.insert(Q(tone));
        }
    }
    QVERIFY(seen.size() > 100);
}

void TestBatchGenerator::names_data() {
    QTest::addColumn<QString>("settings");
    QTest::addColumn<QString>("expected"); // record=name
    const auto row = [](const char* name, const char* a, const char* b) {
        QTest::newRow(name) << QString(a) << QString(b);
    };
    row("name with band B record numbers", "first=129 last=130 name=CH byChannel=1",
        "129=CH129 130=CH130");
    row("seven letters keep four before the number", "first=5 last=5 name=ABCDEFG byChannel=1",
        "5=ABCD005");
    row("plain name cut to seven bytes", "first=1 last=2 name=ABCDEFGHI", "1=ABCDEFG 2=ABCDEFG");
    row("empty name", "first=1 last=1", "1=");
}

void TestBatchGenerator::names() {
    QFETCH(QString, settings);
    QFETCH(QString, expected);
    MemoryImage image;
    ClearedChannels(image);
    PutBytes(image, RecordOffset(1) + 24, "OLDNAME");
    GenerateChannels(image, BandLimits{}, ParseBatchSettings(settings), NoRandom);
    CheckRecords(image, expected, [](const MemoryImage& img, int record) {
        return Q(ChannelRecord::Load(img, record).Name());
    });
    // The bytes after the name are erased, whatever was there.
    const std::string name = ChannelRecord::Load(image, 1).Name();
    for (int k = static_cast<int>(name.size()); k < 7; ++k)
        QCOMPARE(int(image.Byte(RecordOffset(1) + 24 + k)), 0xFF);
}

void TestBatchGenerator::optionBytesAndUntouchedBytes_data() {
    QTest::addColumn<QList<int>>("options"); // ChannelOptions() order
    QTest::addColumn<QByteArray>("bytes12and13");
    QTest::newRow("first items") << QList<int>{0, 0, 0, 0, 0, 0, 0, 0, 0} << Hex("0000");
    QTest::newRow("no selection counts as 0")
        << QList<int>{-1, -1, -1, -1, -1, -1, -1, -1, -1} << Hex("0000");
    // power, bandwidth, busy, signal, vox, voice, ptt, scan, repeater
    QTest::newRow("last items") << QList<int>{1, 1, 2, 1, 1, 9, 3, 1, 2} << Hex("99bf");
    QTest::newRow("power high, wide, scan") << QList<int>{1, 1, 0, 0, 0, 0, 0, 1, 0} << Hex("0038");
    QTest::newRow("DTMF, inverse, compander")
        << QList<int>{0, 0, 1, 1, 0, 1, 2, 0, 1} << Hex("1542");
}

void TestBatchGenerator::optionBytesAndUntouchedBytes() {
    QFETCH(QList<int>, options);
    QFETCH(QByteArray, bytes12and13);
    MemoryImage image;
    ClearedChannels(image);
    const QByteArray pattern = Hex("0102030405060708090a0b0c0d0e0f10111213141516171819");
    PutBytes(image, RecordOffset(3) + 12, pattern.left(12)); // +12..+23
    image.SetByte(RecordOffset(3) + 31, 0x5A);
    BatchSettings s = ParseBatchSettings("first=3 last=3 rxStart=145");
    std::copy(options.begin(), options.end(), s.options.begin());
    GenerateChannels(image, BandLimits{}, s, NoRandom);
    QCOMPARE(ImageBytes(image, RecordOffset(3) + 12, 2), bytes12and13);
    QCOMPARE(ImageBytes(image, RecordOffset(3) + 14, 10), pattern.mid(2, 10));
    QCOMPARE(int(image.Byte(RecordOffset(3) + 31)), 0x5A);
}

void TestBatchGenerator::fieldRules_data() {
    QTest::addColumn<QString>("row"); // rule|input|output
    QTest::newRow("step 12.5 stays") << "step|12.5|12.5";
    QTest::newRow("step 6 becomes 6.25") << "step|6|6.25";
    QTest::newRow("step 0.5 becomes 0") << "step|0.5|0";
    QTest::newRow("step above 1000 kHz") << "step|1000.5|1000";
    QTest::newRow("step text without a number") << "step|.|0";
    QTest::newRow("typing above 1000") << "typed1000|1001|1000";
    QTest::newRow("typing 0.") << "typed1000|0.|0";
    QTest::newRow("typing into an emptied field") << "typed1000||0";
    QTest::newRow("typing 12.") << "typed1000|12.|";
    QTest::newRow("typing a number too long for an int") << "typed1000|99999999999|1000";
    QTest::newRow("negative interval") << "typed20|-1|20";
    QTest::newRow("interval 0 stays") << "typed20|0|";
    QTest::newRow("start too long for the field") << "start|999999999|136.00000";
    QTest::newRow("from 0") << "from|0 256|1";
    QTest::newRow("from above 256 with to unnormalised") << "from|300 999|256";
    QTest::newRow("from kept") << "from|5 10|5";
    QTest::newRow("to below from") << "to|5 3|256";
    QTest::newRow("to above 256") << "to|1 300|256";
    QTest::newRow("to kept") << "to|1 128|128";
}

void TestBatchGenerator::fieldRules() {
    QFETCH(QString, row);
    const QString rule = row.section('|', 0, 0), input = row.section('|', 1, 1);
    const std::string in = input.toStdString();
    const int a = input.section(' ', 0, 0).toInt(), b = input.section(' ', 1, 1).toInt();
    QString result;
    if (rule == "step")
        result = Q(NormaliseBatchStepText(in));
    else if (rule == "typed1000")
        result = Q(LimitWhileTyping(in, kBatchMaxStepKhz));
    else if (rule == "typed20")
        result = Q(LimitWhileTyping(in, kBatchMaxToneInterval));
    else if (rule == "start")
        result = Q(FormatFrequencyText(NormaliseBatchStart(in, BandLimits{})));
    else if (rule == "from")
        result = QString::number(NormaliseRangeFrom(a, b));
    else if (rule == "to")
        result = QString::number(NormaliseRangeTo(a, b));
    else
        QFAIL("unknown rule");
    QCOMPARE(result, row.section('|', 2, 2));
}

KESTRA_REGISTER_TEST(TestBatchGenerator);
#include "test_batch_generator.moc"

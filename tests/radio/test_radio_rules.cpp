#include "../image/test_helpers.h"
#include "../image/test_registry.h"

#include "image/band_edit_rules.h"
#include "image/fm_receiver_region.h"
#include "image/memory_image.h"

#include <QTest>

#include <array>

// The band-limit edit rules of the model dialog and the broadcast receiver's region.
class TestRadioRules : public QObject {
    Q_OBJECT
  private slots:
    void rules_data();
    void rules();
    void fmFieldsToTheirBytesAndBack();
};

void TestRadioRules::rules_data() {
    // rule|input|output. low, high: the lower and upper limit edit rules (MHz); mhz: a limit's
    // value; bcd: a kHz value's bytes, their value, its text; fm: a field's text when left.
    QTest::addColumn<QString>("row");
    QTest::newRow("144-148 kept") << "low|144 148|144 148";
    QTest::newRow("144-148 kept by the upper rule") << "high|144 148|144 148";
    QTest::newRow("equal limits: lower to range start") << "low|174 174|136 174";
    QTest::newRow("lower in no range, upper in R0") << "low|180 170|136 174";
    QTest::newRow("lower in no range, upper in R1") << "low|180 250|200 250";
    QTest::newRow("upper beyond R2 cut to its end") << "low|450 600|450 520";
    QTest::newRow("upper in R2 pulls lower in") << "high|100 460|400 460";
    // Range ends: the lower rule keeps an upper limit in (start, end], the upper rule a
    // lower limit in [start, end).
    QTest::newRow("low: upper at R0 start") << "low|136 136|136 174";
    QTest::newRow("low: one MHz wide") << "low|136 137|136 137";
    QTest::newRow("low: lower at R0 end") << "low|174 180|136 174";
    QTest::newRow("low: upper in other range") << "low|150 450|150 174";
    QTest::newRow("low: just below R0") << "low|135 150|136 174";
    QTest::newRow("low: upper at R1 start") << "low|199 200|200 260";
    QTest::newRow("low: just above R1") << "low|261 260|200 260";
    QTest::newRow("low: lower at R2 end") << "low|520 400|400 520";
    QTest::newRow("low: just above R2") << "low|521 480|400 480";
    QTest::newRow("high: lower below R0") << "high|100 136|136 174";
    QTest::newRow("high: one MHz wide at R0 end") << "high|173 174|173 174";
    QTest::newRow("high: lower at R0 end") << "high|174 174|136 174";
    QTest::newRow("high: upper just above R0") << "high|150 175|136 174";
    QTest::newRow("high: lower at R1 end") << "high|260 300|200 260";
    QTest::newRow("high: lower inside R1") << "high|210 300|210 260";
    QTest::newRow("high: upper just above R2") << "high|450 521|450 520";
    QTest::newRow("high: lower at R2 end") << "high|520 520|400 520";
    QTest::newRow("high: lower above upper") << "high|300 200|200 260";
    QTest::newRow("mhz: letters") << "mhz|abc|0";
    QTest::newRow("mhz: largest that fits") << "mhz|21474|2147400000";
    QTest::newRow("mhz: too large for a frequency") << "mhz|21475|0";
    QTest::newRow("band start") << "bcd|76000|006007 76000 76.000";
    QTest::newRow("band end") << "bcd|108000|008010 108000 108.000";
    QTest::newRow("100 MHz") << "bcd|100000|000010 100000 100.000";
    QTest::newRow("just below the band") << "bcd|75999|995907 75999 ";
    QTest::newRow("just above the band") << "bcd|108001|018010 108001 ";
    QTest::newRow("zero") << "bcd|0|000000 0 ";
    QTest::newRow("largest six digits") << "bcd|999999|999999 999999 ";
    QTest::newRow("seven digits: unset, out of band") << "bcd|1000000|ffffff 1666665 ";
    QTest::newRow("negative: unset") << "bcd|-1|ffffff 1666665 ";
    QTest::newRow("empty stays empty") << "fm||";
    QTest::newRow("one decimal") << "fm|100.1|100.100";
    QTest::newRow("below 1 kHz truncated") << "fm|87.5009|87.500";
    QTest::newRow("too large for any field") << "fm|1e30|76.000";
    QTest::newRow("too large for an int, not wrapped") << "fm|4295067.296|76.000";
}

void TestRadioRules::rules() {
    QFETCH(QString, row);
    const QStringList f = row.split('|'), in = f[1].split(' ');
    QString result;
    if (f[0] == "low" || f[0] == "high") {
        const BandPair pair{in[0].toInt() * kUnitsPerMhz, in[1].toInt() * kUnitsPerMhz};
        const BandPair out = f[0] == "high" ? HighEditRule(pair) : LowEditRule(pair);
        result = QString("%1 %2").arg(out.low / 1e5).arg(out.high / 1e5); // MHz
    } else if (f[0] == "mhz") {
        result = QString::number(LimitFromMhzText(f[1].toStdString()));
    } else if (f[0] == "bcd") {
        std::array<uint8_t, 3> bytes{};
        EncodeFmFrequency(f[1].toInt(), bytes);
        const int32_t decoded = DecodeFmFrequency(bytes);
        result = QByteArray(reinterpret_cast<const char*>(bytes.data()), 3).toHex() + " " +
                 QString::number(decoded) + " " + Q(FmDisplayText(decoded));
    } else {
        result = Q(NormaliseFmText(f[1].toStdString()));
    }
    QCOMPARE(result, f[2]);
}

// The receiver's fields stored over bytes of 0x5A: the region holds the bytes of the
// hand-written golden file, nothing outside it changes, and loading gives the texts back.
// A current channel outside 1..20 is stored as 1.
void TestRadioRules::fmFieldsToTheirBytesAndBack() {
    MemoryImage image;
    image.FillAll(0x5A);
    FmReceiverTexts texts;
    texts.current = "100.100";
    texts.channel = 12;
    texts.channels[0] = "88.100";
    texts.channels[1] = "107.900";
    texts.channels[19] = "76.000";
    StoreFmReceiver(texts, image);
    QCOMPARE(GoldenDifferences(image, "fm_receiver.hex"), QString());
    const int regionEnd = kFmChannelTable + kFmChannelCount * kFmEntrySize;
    for (int offset = 0; offset < kImageSize; ++offset)
        if (offset < kFmCurrentFrequency || offset >= regionEnd)
            QCOMPARE(image.Byte(offset), uint8_t(0x5A));
    const FmReceiverTexts loaded = LoadFmReceiver(image);
    QCOMPARE(loaded.channel, 12);
    QCOMPARE(Q(loaded.current), Q(texts.current));
    for (int n = 0; n < kFmChannelCount; ++n)
        QCOMPARE(Q(loaded.channels[n]), Q(texts.channels[n]));
    for (int channel : {0, 20, 21}) {
        texts.channel = channel;
        StoreFmReceiver(texts, image);
        QCOMPARE(int(image.Byte(kFmCurrentChannel)), channel == 20 ? 20 : 1);
    }
}

KESTRA_REGISTER_TEST(TestRadioRules);
#include "test_radio_rules.moc"

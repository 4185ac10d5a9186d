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
    void rules();
    void fmFieldsToTheirBytes();
};

// Each row is rule|input|output, checked as a whole.
void TestRadioRules::rules() {
    const char* rows[] = {
        // The lower and upper limit edit rules (MHz) at the range ends: the lower rule keeps an
        // upper limit in (start, end], the upper rule a lower limit in [start, end).
        "low|174 174|136 174", "low|450 600|450 520", "low|136 136|136 174", "low|136 137|136 137",
        "low|135 150|136 174", "low|199 200|200 260", "low|521 480|400 480", "high|100 136|136 174",
        "high|173 174|173 174", "high|174 174|136 174", "high|150 175|136 174",
        "high|260 300|200 260", "high|450 521|450 520",
        // A limit's value from its MHz text.
        "mhz|abc|0", "mhz|21474|2147400000", "mhz|21475|0",
        // A kHz value's bytes, their value and its text (empty outside the band).
        "bcd|76000|006007 76000 76.000", "bcd|108000|008010 108000 108.000",
        "bcd|75999|995907 75999 ", "bcd|108001|018010 108001 ", "bcd|0|000000 0 ",
        "bcd|999999|999999 999999 ", "bcd|1000000|ffffff 1666665 ", "bcd|-1|ffffff 1666665 ",
        // A receiver field's text when left: truncated below 1 kHz, the band start when too
        // large, also for an int (not wrapped).
        "fm||", "fm|87.5009|87.500", "fm|1e30|76.000", "fm|4295067.296|76.000"};
    for (const QString row : rows) {
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
        QCOMPARE(f[0] + '|' + f[1] + '|' + result, row);
    }
}

// The receiver's fields stored over bytes of 0x5A: the region holds the bytes of the
// hand-written golden file and the bytes around it stay. A current channel outside 1..20 is
// stored as 1.
void TestRadioRules::fmFieldsToTheirBytes() {
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
    QCOMPARE(ImageBytes(image, 0x2F7F, 1) + ImageBytes(image, 0x2FD8, 1), Hex("5a5a"));
    for (int channel : {0, 20, 21}) {
        texts.channel = channel;
        StoreFmReceiver(texts, image);
        QCOMPARE(int(image.Byte(kFmCurrentChannel)), channel == 20 ? 20 : 1);
    }
}

KESTRA_REGISTER_TEST(TestRadioRules);
#include "test_radio_rules.moc"

#include "test_helpers.h"
#include "test_registry.h"

#include "image/band_limits.h"
#include "image/codecs.h"
#include "image/decimal_scale.h"

#include <QTest>

#include <cmath>

#include <array>

class TestCodecs : public QObject {
    Q_OBJECT
  private slots:
    void frequencyField_data();
    void frequencyField();
    void decodeErasedField();
    void decimalScale_data();
    void decimalScale();
    void truncation_data();
    void truncation();
    void parseFrequency_data();
    void parseFrequency();
    void formatFrequency_data();
    void formatFrequency();
    void snapToStep_data();
    void snapToStep();
    void normaliseFrequency_data();
    void normaliseFrequency();
    void decodeTone_data();
    void decodeTone();
    void encodeTone_data();
    void encodeTone();
    void normaliseTone_data();
    void normaliseTone();
    void toneListRoundTrips();
    void channelLabels_data();
    void channelLabels();
    void parseChannelLabel_data();
    void parseChannelLabel();
    void dtmfDigits();
};

void TestCodecs::frequencyField_data() {
    QTest::addColumn<int>("value");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("145.0125 MHz") << 14501250 << Hex("50125014");
    QTest::newRow("no-shift offset") << 1000000 << Hex("00000001");
    QTest::newRow("439.125 MHz") << 43912500 << Hex("00259143");
    QTest::newRow("zero") << 0 << Hex("00000000");
    QTest::newRow("largest 8 digits") << 99999999 << Hex("99999999");
}

void TestCodecs::frequencyField() {
    QFETCH(int, value);
    QFETCH(QByteArray, bytes);
    std::array<uint8_t, 4> field{};
    EncodeFrequencyField(value, field);
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(field.data()), 4), bytes);
    QCOMPARE(DecodeFrequencyField(field), value);
}

void TestCodecs::decodeErasedField() {
    // Nibbles above 9 decode as they stand; an erased field lies far above every band.
    const std::array<uint8_t, 4> erased{0xFF, 0xFF, 0xFF, 0xFF};
    QCOMPARE(DecodeFrequencyField(erased), 166666665);
    std::array<uint8_t, 4> field{};
    EncodeFrequencyField(-1, field);
    QCOMPARE(field, erased);
}

void TestCodecs::decimalScale_data() {
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("factor");
    QTest::addColumn<double>("expected");
    QTest::newRow("145.0125 x 1e5") << 145.0125 << 100000.0 << 14501250.0;
    QTest::newRow("136.0125 x 1e5") << 136.0125 << 100000.0 << 13601250.0;
    QTest::newRow("to MHz") << 14501250.0 << 0.00001 << 145.0125;
    QTest::newRow("0.1 x 3") << 0.1 << 3.0 << 0.3;
    QTest::newRow("third rounded to 15 digits") << 1.0 / 3 << 3.0 << 0.999999999999999;
    QTest::newRow("negative") << -2.5 << 0.125 << -0.3125;
    QTest::newRow("zero") << 0.0 << 7.0 << 0.0;
    QTest::newRow("underflow") << 1e-300 << 1e-300 << 0.0;
    QTest::newRow("overflow is out of range, not 0") << 1e305 << 100000.0 << HUGE_VAL;
    QTest::newRow("negative overflow") << -1.7e308 << 10.0 << -HUGE_VAL;
}

void TestCodecs::decimalScale() {
    QFETCH(double, x);
    QFETCH(double, factor);
    QFETCH(double, expected);
    QCOMPARE(DecimalScale(x, factor), expected);
}

void TestCodecs::truncation_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<bool>("fits");
    QTest::addColumn<qint64>("truncated");
    QTest::newRow("toward zero") << -2.5 << true << qint64(-2);
    QTest::newRow("largest below 2^63") << 9.2e18 << true << qint64(9200000000000000000);
    QTest::newRow("2^63 does not fit") << 9223372036854775808.0 << false << qint64(0);
    QTest::newRow("below -2^63") << -1e19 << false << qint64(0);
    QTest::newRow("infinite") << double(HUGE_VAL) << false << qint64(0);
    QTest::newRow("not a number") << std::nan("") << false << qint64(0);
}

void TestCodecs::truncation() {
    QFETCH(double, value);
    QFETCH(bool, fits);
    QFETCH(qint64, truncated);
    const auto result = TruncateToInt64(value);
    QCOMPARE(result.has_value(), fits);
    if (fits)
        QCOMPARE(qint64(*result), truncated);
}

void TestCodecs::parseFrequency_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("value");
    QTest::newRow("exact decimal") << "145.0125" << 14501250;
    QTest::newRow("exact decimal 136") << "136.0125" << 13601250;
    QTest::newRow("five decimals") << "145.01259" << 14501259;
    QTest::newRow("sixth decimal truncated") << "145.012599" << 14501259;
    QTest::newRow("letters") << "abc" << 0;
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("leading blanks, trailing junk") << "  150MHz" << 15000000;
    QTest::newRow("every C blank skipped") << " \t\n\v\f\r150" << 15000000;
    QTest::newRow("leading point") << ".5" << 50000;
    QTest::newRow("negative") << "-5" << -500000;
    QTest::newRow("exponent") << "1.5e2" << 15000000;
    QTest::newRow("largest field value") << "999.99999" << 99999999;
    QTest::newRow("nine digits") << "1000" << kUnfitFrequency;
    QTest::newRow("does not fit") << "99999999999" << kUnfitFrequency;
    QTest::newRow("beyond double") << "1e999" << kUnfitFrequency;
    QTest::newRow("underflow") << "1e-999" << 0;
    QTest::newRow("product beyond double") << "1e305" << kUnfitFrequency;
    QTest::newRow("exponent read, not later text") << "1e400e-" << kUnfitFrequency;
    QTest::newRow("many digits before a small exponent")
        << "1" + QString(400, '0') + "e-10" << kUnfitFrequency;
    QTest::newRow("many zeros after the point") << "0." + QString(400, '0') + "1e100" << 0;
    QTest::newRow("inf is no number") << "inf" << 0;
    QTest::newRow("nan is no number") << "nan" << 0;
}

void TestCodecs::parseFrequency() {
    QFETCH(QString, text);
    QFETCH(int, value);
    QCOMPARE(ParseFrequencyText(text.toStdString()), value);
}

void TestCodecs::formatFrequency_data() {
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("band start") << 13600000 << "136.00000";
    QTest::newRow("12.5 kHz step") << 14501250 << "145.01250";
    QTest::newRow("zero") << 0 << "0.00000";
    QTest::newRow("10 Hz") << 1 << "0.00001";
    QTest::newRow("erased field") << 166666665 << "1666.66665";
}

void TestCodecs::formatFrequency() {
    QFETCH(int, value);
    QFETCH(QString, text);
    QCOMPARE(Q(FormatFrequencyText(value)), text);
}

void TestCodecs::snapToStep_data() {
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("snapped");
    QTest::newRow("to 6.25 below") << 14501300 << 14501250;
    QTest::newRow("to 6.25 (0.7)") << 14500700 << 14500625;
    QTest::newRow("to 6.25 (0.9)") << 14500900 << 14500625;
    QTest::newRow("remainder decides, not distance") << 14501200 << 14501000;
    QTest::newRow("tie takes 5 kHz") << 14500125 << 14500000;
    QTest::newRow("6.25 multiple stays") << 14500625 << 14500625;
    QTest::newRow("2.5 multiple stays") << 14501250 << 14501250;
}

void TestCodecs::snapToStep() {
    QFETCH(int, value);
    QFETCH(int, snapped);
    QCOMPARE(SnapToStep(value), snapped);
}

void TestCodecs::normaliseFrequency_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("grid");
    QTest::addColumn<int>("band0Low");
    QTest::addColumn<int>("band0High");
    QTest::addColumn<QString>("expected");
    const int lo = 13600000, hi = 17400000;
    QTest::newRow("whole MHz") << "150" << true << lo << hi << "150.00000";
    QTest::newRow("out of band: band 0 low") << "300" << true << lo << hi << "136.00000";
    QTest::newRow("UHF stays") << "435.5" << true << lo << hi << "435.50000";
    QTest::newRow("snapped up-list") << "145.0130" << true << lo << hi << "145.01250";
    QTest::newRow("snapped to 5 kHz") << "145.0120" << true << lo << hi << "145.01000";
    QTest::newRow("grid: zero empties") << "0" << true << lo << hi << "";
    QTest::newRow("grid: letters empty") << "abc" << true << lo << hi << "";
    QTest::newRow("dialog: zero falls back") << "0" << false << lo << hi << "136.00000";
    QTest::newRow("overflow falls back") << "99999999999" << true << lo << hi << "136.00000";
    QTest::newRow("grid: beyond double falls back") << "1e305" << true << lo << hi << "136.00000";
    QTest::newRow("grid: first configured band") << "300" << true << 0 << 0 << "400.00000";
    QTest::newRow("dialog: always band 0") << "300" << false << 0 << 0 << "0.00000";
}

void TestCodecs::normaliseFrequency() {
    QFETCH(QString, text);
    QFETCH(bool, grid);
    QFETCH(int, band0Low);
    QFETCH(int, band0High);
    QFETCH(QString, expected);
    BandLimits limits;
    limits.low[0] = band0Low;
    limits.high[0] = band0High;
    const auto mode = grid ? FrequencyFallback::Grid : FrequencyFallback::Dialog;
    QCOMPARE(Q(NormaliseFrequencyText(text.toStdString(), limits, mode)), expected);
}

void TestCodecs::decodeTone_data() {
    QTest::addColumn<int>("low");
    QTest::addColumn<int>("high");
    QTest::addColumn<QString>("text");
    QTest::newRow("DCS normal") << 0x17 << 0x80 << "D017N";
    QTest::newRow("DCS inverted") << 0x54 << 0xC7 << "D754I";
    QTest::newRow("DCS first digit") << 0x23 << 0x81 << "D123N";
    QTest::newRow("CTCSS 70.0") << 0x00 << 0x07 << "70.0";
    QTest::newRow("CTCSS 254.1") << 0x41 << 0x25 << "254.1";
    QTest::newRow("none") << 0x12 << 0xFF << "无";
    QTest::newRow("bad BCD decodes digitwise") << 0xFF << 0x7F << "866.5";
}

void TestCodecs::decodeTone() {
    QFETCH(int, low);
    QFETCH(int, high);
    QFETCH(QString, text);
    QCOMPARE(Q(DecodeToneCode(static_cast<uint8_t>(low), static_cast<uint8_t>(high))), text);
}

void TestCodecs::encodeTone_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("low");
    QTest::addColumn<int>("high");
    QTest::newRow("DCS normal") << "D023N" << 0x23 << 0x80;
    QTest::newRow("DCS inverted") << "D023I" << 0x23 << 0xC0;
    QTest::newRow("DCS first digit") << "D754I" << 0x54 << 0xC7;
    QTest::newRow("CTCSS") << "254.1" << 0x41 << 0x25;
    QTest::newRow("CTCSS exact decimal") << "88.5" << 0x85 << 0x08;
    QTest::newRow("none") << "无" << 0xFF << 0xFF;
    QTest::newRow("DCS too large") << "D99999999999N" << 0xFF << 0xFF;
    QTest::newRow("negative tone") << "-67.0" << 0xFF << 0xFF;
    QTest::newRow("tone beyond double") << "1.7e308" << 0xFF << 0xFF;
}

void TestCodecs::encodeTone() {
    QFETCH(QString, text);
    QFETCH(int, low);
    QFETCH(int, high);
    const auto code = EncodeToneCode(text.toStdString());
    QCOMPARE(int(code.first), low);
    QCOMPARE(int(code.second), high);
}

void TestCodecs::normaliseTone_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("lower-case D") << "d23"
                                  << "D023N";
    QTest::newRow("suffix I") << "23i"
                              << "D023I";
    QTest::newRow("plain digits are DCS") << "88"
                                          << "D088N";
    QTest::newRow("DN prefix") << "DN23"
                               << "D023N";
    QTest::newRow("ID prefix") << "ID754"
                               << "D754I";
    QTest::newRow("D suffix") << "23D"
                              << "D023N";
    QTest::newRow("blank after D") << "D 23"
                                   << "D023N";
    QTest::newRow("above 777") << "800"
                               << "无";
    QTest::newRow("largest") << "777"
                             << "D777N";
    QTest::newRow("zero") << "D0"
                          << "无";
    QTest::newRow("negative") << "D-5"
                              << "无";
    QTest::newRow("too large for int") << "D99999999999"
                                       << "无";
    QTest::newRow("CTCSS below range") << "59.9"
                                       << "无";
    QTest::newRow("CTCSS kept as typed") << "88.50"
                                         << "88.50";
    QTest::newRow("CTCSS top of range") << "280.0"
                                        << "280.0";
    QTest::newRow("CTCSS above range") << "280.1"
                                       << "无";
    QTest::newRow("CTCSS huge") << "1e400.0"
                                << "无";
    QTest::newRow("letters") << "xyz"
                             << "无";
    QTest::newRow("empty stays empty") << ""
                                       << "";
}

void TestCodecs::normaliseTone() {
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(Q(NormaliseToneText(text.toStdString())), expected);
}

void TestCodecs::toneListRoundTrips() {
    const auto& list = ToneList();
    QCOMPARE(list.size(), size_t{265});
    QCOMPARE(Q(list[0]), QString("无"));
    QCOMPARE(Q(list[1]), QString("67.0"));
    QCOMPARE(Q(list[50]), QString("254.1"));
    QCOMPARE(Q(list[51]), QString("D017N"));
    QCOMPARE(Q(list[157]), QString("D754N"));
    QCOMPARE(Q(list[158]), QString("D017I"));
    QCOMPARE(Q(list[264]), QString("D754I"));
    // Every item survives encoding, decoding and the editors' normalisation unchanged.
    for (const std::string& item : list) {
        const auto [low, high] = EncodeToneCode(item);
        QCOMPARE(Q(DecodeToneCode(low, high)), Q(item));
        QCOMPARE(Q(NormaliseToneText(item)), Q(item));
    }
}

void TestCodecs::channelLabels_data() {
    QTest::addColumn<int>("record");
    QTest::addColumn<QString>("label");
    QTest::newRow("first A") << 1 << "A001";
    QTest::newRow("last A") << 128 << "A128";
    QTest::newRow("first B") << 129 << "B001";
    QTest::newRow("A VFO") << 257 << "A VFO";
    QTest::newRow("B VFO") << 258 << "B VFO";
    QTest::newRow("no record 0") << 0 << "";
    QTest::newRow("past the VFOs") << 259 << "";
}

void TestCodecs::channelLabels() {
    QFETCH(int, record);
    QFETCH(QString, label);
    QCOMPARE(Q(FormatChannelLabel(record)), label);
}

void TestCodecs::parseChannelLabel_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("record");
    QTest::newRow("b vfo") << "b vfo" << 258;
    QTest::newRow("A VFO") << "A VFO" << 257;
    QTest::newRow("B005") << "B005" << 133;
    QTest::newRow("A128") << "A128" << 128;
    QTest::newRow("plain number") << "7" << 7;
    QTest::newRow("garbage") << "x1" << 0;
    QTest::newRow("overflow") << "B99999999999" << 0;
}

void TestCodecs::parseChannelLabel() {
    QFETCH(QString, text);
    QFETCH(int, record);
    QCOMPARE(ParseChannelLabel(text.toStdString()), record);
}

void TestCodecs::dtmfDigits() {
    const std::string keys = "0123456789ABCD*#";
    for (size_t code = 0; code < keys.size(); ++code) {
        QCOMPARE(int(DtmfCharToValue(keys[code])), int(code));
        QCOMPARE(DtmfCodeToChar(static_cast<uint8_t>(code)), keys[code]);
    }
    QCOMPARE(int(DtmfCharToValue('e')), 14);
    QCOMPARE(int(DtmfCharToValue('F')), 15);
    QCOMPARE(int(DtmfCharToValue('G')), 0xFF);
    QCOMPARE(DtmfCodeToChar(16), '\0');
    QCOMPARE(DtmfCodeToChar(0xFF), '\0');
}

KESTRA_REGISTER_TEST(TestCodecs);
#include "test_codecs.moc"

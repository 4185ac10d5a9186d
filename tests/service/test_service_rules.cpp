#include "../image/test_helpers.h"
#include "../image/test_registry.h"

#include "image/band_limits.h"
#include "image/calibration_fields.h"
#include "image/calibration_grids.h"
#include "image/decoder_values.h"
#include "image/memory_image.h"
#include "image/numeric_text.h"
#include "image/service_password.h"

#include <QTest>

#include <set>

namespace {

QString Addresses(const CalibrationGridLayout& grid) {
    QStringList out;
    for (const CalibrationGridLine& line : grid.lines)
        out << QString::number(line.address, 16);
    return out.join(' ');
}

QString Labels(const CalibrationGridLayout& grid) {
    QStringList out;
    for (const CalibrationGridLine& line : grid.lines)
        out << Q(line.bandLabel) + QString::fromUtf8(line.suffix.data(), line.suffix.size());
    return out.join('|');
}

} // namespace

class TestServiceRules : public QObject {
    Q_OBJECT
  private slots:
    void gridLayout_data();
    void gridLayout();
    void cellDisplayRange_data();
    void cellDisplayRange();
    void readNumber_data();
    void readNumber();
    void clampAndStep_data();
    void clampAndStep();
    void fieldsFitTheirRegion();
    void fieldEncodings_data();
    void fieldEncodings();
    void switches_data();
    void switches();
    void decoderValues_data();
    void decoderValues();
    void password_data();
    void password();
};

void TestServiceRules::gridLayout_data() {
    QTest::addColumn<QList<int>>("limits"); // A low, A high, B low, B high in MHz
    QTest::addColumn<bool>("dual");
    QTest::addColumn<QString>("squelchRows");
    QTest::addColumn<QString>("squelchLabels");
    QTest::addColumn<QString>("detectionRows");
    auto row = [](const char* name, QList<int> mhz, bool dual, const char* rows, const char* labels,
                  const char* detection) {
        QTest::newRow(name) << mhz << dual << QString(rows) << QString::fromUtf8(labels)
                            << QString(detection);
    };
    row("dual band 136-174/400-480", {136, 174, 400, 480}, true, "3f00 3f03 3f0c 3f0f",
        "136-174 sql 1|136-174 sql 9|400-480 sql 1|400-480 sql 9", "3ed0 3ed4 3ed8 3ee8 3eec 3ef0");
    row("band B first in the address order", {400, 480, 136, 174}, true, "3f0c 3f0f 3f00 3f03",
        "400-480 sql 1|400-480 sql 9|136-174 sql 1|136-174 sql 9", "3ee8 3eec 3ef0 3ed0 3ed4 3ed8");
    row("both inside 136-174", {136, 150, 150, 174}, false, "3f00 3f03",
        "136-174 sql 1|136-174 sql 9", "3ed0 3ed4 3ed8");
    row("220 MHz and UHF", {220, 260, 400, 520}, true, "3f06 3f09 3f0c 3f0f",
        "220-260 sql 1|220-260 sql 9|400-520 sql 1|400-520 sql 9", "3edc 3ee0 3ee4 3ee8 3eec 3ef0");
    row("band A outside every band takes band B's rows", {100, 120, 400, 480}, false, "3f0c 3f0f",
        "100-480 sql 1|100-480 sql 9", "3ee8 3eec 3ef0");
    row("band B outside every band takes band A's rows", {200, 250, 300, 350}, false, "3f06 3f09",
        "200-350 sql 1|200-350 sql 9", "3edc 3ee0 3ee4");
    row("neither inside a band takes band 0", {100, 120, 300, 350}, false, "3f00 3f03",
        "100-350 sql 1|100-350 sql 9", "3ed0 3ed4 3ed8");
}

void TestServiceRules::gridLayout() {
    QFETCH(QList<int>, limits);
    QFETCH(bool, dual);
    BandLimits bands;
    bands.low[0] = limits[0] * 100000;
    bands.high[0] = limits[1] * 100000;
    bands.low[1] = limits[2] * 100000;
    bands.high[1] = limits[3] * 100000;
    const CalibrationLayout layout = SetupGrids(bands);
    QCOMPARE(layout.dualBand, dual);
    QFETCH(QString, squelchRows);
    QCOMPARE(Addresses(layout.grids[kSquelchGrid]), squelchRows);
    QFETCH(QString, squelchLabels);
    QCOMPARE(Labels(layout.grids[kSquelchGrid]), squelchLabels);
    QFETCH(QString, detectionRows);
    QCOMPARE(Addresses(layout.grids[kDetectionGrid]), detectionRows);
    const QList<int> counts = {layout.grids[0].rowCount, layout.grids[1].rowCount,
                               layout.grids[2].rowCount};
    QCOMPARE(counts, dual ? QList<int>({5, 5, 7}) : QList<int>({3, 3, 4}));
    // The power grid follows the same bands: its rows sit 0x39 above the squelch rows.
    for (size_t i = 0; i < layout.grids[kPowerGrid].lines.size(); ++i)
        QCOMPARE(layout.grids[kPowerGrid].lines[i].address,
                 layout.grids[kSquelchGrid].lines[i].address + 0x39);
}

void TestServiceRules::cellDisplayRange_data() {
    QTest::addColumn<int>("grid");
    QTest::addColumn<int>("stored");
    QTest::addColumn<int>("shown");
    QTest::newRow("squelch 127 stays") << int(kSquelchGrid) << 127 << 127;
    QTest::newRow("squelch 128 shows 0") << int(kSquelchGrid) << 128 << 0;
    QTest::newRow("power 0 shows 1") << int(kPowerGrid) << 0 << 1;
    QTest::newRow("power 255 stays") << int(kPowerGrid) << 255 << 255;
    QTest::newRow("detection 137 stays") << int(kDetectionGrid) << 137 << 137;
    QTest::newRow("detection 0xFF shows 0") << int(kDetectionGrid) << 255 << 0;
}

void TestServiceRules::cellDisplayRange() {
    QFETCH(int, grid);
    QFETCH(int, stored);
    QFETCH(int, shown);
    QCOMPARE(CalibrationCellValue(CalibrationGrids()[grid], stored), shown);
}

void TestServiceRules::readNumber_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("base");
    QTest::addColumn<int>("value");
    QTest::newRow("digits then letters") << "12ab" << 10 << 12;
    QTest::newRow("leading minus") << "-5" << 10 << -5;
    QTest::newRow("empty") << "" << 10 << 0;
    QTest::newRow("letters only") << "AB" << 10 << 0;
    QTest::newRow("too large saturates") << "99999999999" << 10 << INT_MAX;
    QTest::newRow("too small saturates") << "-99999999999" << 10 << INT_MIN;
    QTest::newRow("hex stops at g") << "fg1" << 16 << 0xF;
    QTest::newRow("hex without digits") << "g" << 16 << 0;
    QTest::newRow("hex too large saturates") << "fffffffff" << 16 << INT_MAX;
}

void TestServiceRules::readNumber() {
    QFETCH(QString, text);
    QFETCH(int, base);
    QFETCH(int, value);
    QCOMPARE(ReadNumberText(text.toStdString(), base), value);
}

void TestServiceRules::clampAndStep_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("step"); // 0 = clamp
    QTest::addColumn<int>("minimum");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<int>("base");
    QTest::addColumn<QString>("result");
    QTest::newRow("clamp above") << "200" << 0 << 0 << 127 << 10 << "127";
    QTest::newRow("clamp below") << "-3" << 0 << 0 << 127 << 10 << "0";
    QTest::newRow("clamp unreadable") << "x" << 0 << 1 << 255 << 10 << "1";
    QTest::newRow("clamp hex writes lower case") << "ABCD" << 0 << 0 << 0xFFFF << 16 << "abcd";
    QTest::newRow("clamp huge") << "99999999999" << 0 << 0 << 63 << 10 << "63";
    QTest::newRow("up wraps at 15") << "15" << 1 << 0 << 15 << 10 << "0";
    QTest::newRow("down wraps at 0") << "0" << -1 << 0 << 15 << 10 << "15";
    QTest::newRow("up inside") << "7" << 1 << 0 << 15 << 10 << "8";
    QTest::newRow("up from unreadable") << "" << 1 << 0 << 15 << 10 << "1";
    QTest::newRow("down from above the range") << "99" << -1 << 0 << 15 << 10 << "15";
    QTest::newRow("up from below the range") << "-5" << 1 << 0 << 15 << 10 << "0";
    QTest::newRow("up from INT_MAX") << "2147483647" << 1 << 0 << 15 << 10 << "0";
    QTest::newRow("hex 1A3 up") << "1A3" << 1 << 0 << 0xFFFF << 16 << "1a4";
    QTest::newRow("hex ffff up") << "ffff" << 1 << 0 << 0xFFFF << 16 << "0";
    QTest::newRow("hex 0 down") << "0" << -1 << 0 << 0xFFFF << 16 << "ffff";
    QTest::newRow("power grid 1 down") << "1" << -1 << 1 << 255 << 10 << "255";
}

void TestServiceRules::clampAndStep() {
    QFETCH(QString, text);
    QFETCH(int, step);
    QFETCH(int, minimum);
    QFETCH(int, maximum);
    QFETCH(int, base);
    QFETCH(QString, result);
    const std::string t = text.toStdString();
    const std::string out = step == 0 ? ClampNumberText(t, minimum, maximum, base)
                                      : StepNumberText(t, step, minimum, maximum, base);
    QCOMPARE(Q(out), result);
}

void TestServiceRules::fieldsFitTheirRegion() {
    // Every edit and switch lies in the calibration region (0x3F6F included), outside the
    // derived tables, and no two of them share a bit.
    std::set<std::pair<int, int>> bits;
    auto claim = [&bits](int offset, int bit) {
        QVERIFY2(offset >= 0x3ED0 && offset <= 0x3F6F, qPrintable(QString::number(offset, 16)));
        QVERIFY(!(offset >= 0x3F15 && offset <= 0x3F1E));
        QVERIFY(!(offset >= 0x3F4B && offset <= 0x3F6E));
        QVERIFY2(bits.insert({offset, bit}).second, qPrintable(QString::number(offset, 16)));
    };
    std::set<int> ids;
    for (const CalibrationField& f : CalibrationFields()) {
        QVERIFY(ids.insert(f.id).second);
        QVERIFY(f.minimum <= f.maximum);
        // The range's largest value must fit the stored bits.
        if (f.encoding == CalibrationEncoding::Bits) {
            QVERIFY(f.maximum < (1 << f.width));
            for (int b = f.shift; b < f.shift + f.width; ++b)
                claim(f.offset, b);
        } else {
            QVERIFY((f.encoding == CalibrationEncoding::Deviation ? f.maximum * 64 : f.maximum) <=
                    0xFFFF);
            for (int b = 0; b < 16; ++b)
                claim(f.offset + b / 8, b % 8);
        }
        QVERIFY(QString::number(f.maximum, f.base).size() <= f.text.maxLength);
    }
    for (const CalibrationSwitch& s : CalibrationSwitches()) {
        QVERIFY(ids.insert(s.id).second);
        claim(s.offset, s.bit);
    }
}

void TestServiceRules::fieldEncodings_data() {
    QTest::addColumn<int>("id");
    QTest::addColumn<QByteArray>("before"); // at the field's offset
    QTest::addColumn<int>("loaded");
    QTest::addColumn<int>("stored");
    QTest::addColumn<QByteArray>("after");
    QTest::newRow("V drive, low nibble") << 1213 << Hex("a5") << 5 << 12 << Hex("ac");
    QTest::newRow("U drive, high nibble") << 1203 << Hex("a5") << 10 << 3 << Hex("35");
    QTest::newRow("V drive keeps U drive for 99") << 1213 << Hex("a0") << 0 << 99 << Hex("a3");
    QTest::newRow("volume, low nibble") << 1124 << Hex("5a") << 10 << 15 << Hex("5f");
    QTest::newRow("receive output, high nibble") << 1122 << Hex("5a") << 5 << 0 << Hex("0a");
    QTest::newRow("transmit audio erased") << 1112 << Hex("ff") << 255 << 63 << Hex("3f");
    QTest::newRow("byte takes the low 8 bits") << 1163 << Hex("00") << 0 << 300 << Hex("2c");
    QTest::newRow("deviation x64") << 1116 << Hex("40ff") << 1021 << 1 << Hex("4000");
    QTest::newRow("deviation erased") << 1151 << Hex("ffff") << 1023 << 1023 << Hex("c0ff");
    QTest::newRow("deviation drops bits 0-5") << 1116 << Hex("3f00") << 0 << 2 << Hex("8000");
    QTest::newRow("MOD gain 16 bits") << 1137 << Hex("ff03") << 1023 << 513 << Hex("0102");
    QTest::newRow("compander threshold") << 1128 << Hex("a301") << 0x1A3 << 0xFFFF << Hex("ffff");
    QTest::newRow("compander audio output, bits 2-7") << 1131 << Hex("ff") << 63 << 0 << Hex("03");
    QTest::newRow("compander audio output keeps 0-1") << 1131 << Hex("02") << 0 << 21 << Hex("56");
    QTest::newRow("squelch threshold 200") << 1154 << Hex("c8") << 200 << 200 << Hex("c8");
    QTest::newRow("hidden threshold") << 1158 << Hex("ff") << 255 << 255 << Hex("ff");
}

void TestServiceRules::fieldEncodings() {
    QFETCH(int, id);
    QFETCH(QByteArray, before);
    QFETCH(int, loaded);
    QFETCH(int, stored);
    QFETCH(QByteArray, after);
    const CalibrationField* field = FindCalibrationField(id);
    QVERIFY(field);
    MemoryImage image;
    image.Fill(0x3E00, 0x200, 0x77);
    PutBytes(image, field->offset, before);
    QCOMPARE(LoadCalibrationField(image, *field), loaded);
    StoreCalibrationField(image, *field, stored);
    QCOMPARE(ImageBytes(image, field->offset, int(after.size())), after);
    // Nothing else moved.
    QCOMPARE(int(image.Byte(field->offset - 1)), 0x77);
    QCOMPARE(int(image.Byte(field->offset + int(after.size()))), 0x77);
}

void TestServiceRules::switches_data() {
    QTest::addColumn<int>("id");
    QTest::addColumn<int>("offset");
    QTest::addColumn<int>("bit");
    QTest::addColumn<bool>("checkedWhenSet");
    QTest::newRow("test mode, inverted") << 1238 << 0x3F2F << 7 << false;
    QTest::newRow("MCU LPF") << 1239 << 0x3F2F << 6 << true;
    QTest::newRow("RDA1846S RSSI") << 1243 << 0x3F2F << 4 << true;
    QTest::newRow("pre-emphasis") << 1244 << 0x3F2F << 0 << true;
    QTest::newRow("MCU de-emphasis") << 1247 << 0x3F6F << 1 << true;
}

void TestServiceRules::switches() {
    QFETCH(int, id);
    QFETCH(int, offset);
    QFETCH(int, bit);
    QFETCH(bool, checkedWhenSet);
    const CalibrationSwitch* sw = nullptr;
    for (const CalibrationSwitch& s : CalibrationSwitches())
        if (s.id == id)
            sw = &s;
    QVERIFY(sw);
    MemoryImage image;
    image.SetByte(offset, uint8_t(1 << bit));
    QCOMPARE(LoadCalibrationSwitch(image, *sw), checkedWhenSet);
    image.SetByte(offset, uint8_t(~(1 << bit)));
    QCOMPARE(LoadCalibrationSwitch(image, *sw), !checkedWhenSet);
    StoreCalibrationSwitch(image, *sw, checkedWhenSet);
    QCOMPARE(int(image.Byte(offset)), 0xFF);
}

void TestServiceRules::decoderValues_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<QByteArray>("record");
    QTest::addColumn<int>("loaded");
    QTest::addColumn<int>("stored");
    QTest::addColumn<QByteArray>("after");
    QTest::newRow("L_group high 0x1234")
        << 0 << Hex("01c41234") << 0x1234 << 0xABCD << Hex("01c4abcd");
    QTest::newRow("erased record gets its tags")
        << 0 << Hex("ffffffff") << 0xFFFF << 0xFFFF << Hex("01c4ffff");
    QTest::newRow("L_group low tags") << 1 << Hex("00000000") << 0 << 1 << Hex("00d50001");
    QTest::newRow("Total_P record 6") << 6 << Hex("9999beef") << 0xBEEF << 0 << Hex("01b40000");
    QTest::newRow("Twist record 10") << 10 << Hex("00000102") << 0x102 << 0x8000 << Hex("01c38000");
}

void TestServiceRules::decoderValues() {
    QFETCH(int, index);
    QFETCH(QByteArray, record);
    QFETCH(int, loaded);
    QFETCH(int, stored);
    QFETCH(QByteArray, after);
    MemoryImage image;
    image.Fill(kDecoderRegion, 0x40, 0x55);
    PutBytes(image, kDecoderRegion + 4 * index, record);
    QCOMPARE(int(LoadDecoderValue(image, index)), loaded);
    StoreDecoderValue(image, index, uint16_t(stored));
    QCOMPARE(ImageBytes(image, kDecoderRegion + 4 * index, 4), after);
    // The unused tail of the region stays as it was.
    QCOMPARE(ImageBytes(image, 0x3E2C, 4), Hex("55555555"));
}

void TestServiceRules::password_data() {
    QTest::addColumn<QString>("entry");
    QTest::addColumn<bool>("matches");
    QTest::newRow("as set") << "KZP730" << true;
    QTest::newRow("lower case") << "kzp730" << true;
    QTest::newRow("mixed case") << "kZp730" << true;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("prefix") << "KZP73" << false;
    QTest::newRow("one more") << "KZP7300" << false;
    QTest::newRow("wrong digit") << "KZP731" << false;
    QTest::newRow("leading space") << " KZP730" << false;
}

void TestServiceRules::password() {
    QFETCH(QString, entry);
    QFETCH(bool, matches);
    QCOMPARE(ServicePasswordMatches(entry.toStdString()), matches);
}

KESTRA_REGISTER_TEST(TestServiceRules);
#include "test_service_rules.moc"

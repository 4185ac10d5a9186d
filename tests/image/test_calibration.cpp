#include "test_helpers.h"
#include "test_registry.h"

#include "image/band_limits.h"
#include "image/calibration.h"
#include "image/memory_image.h"

#include <QTest>

class TestCalibration : public QObject {
    Q_OBJECT
  private slots:
    void calibrationBandOf_data();
    void calibrationBandOf();
    void rampTable();
    void bandPoints_data();
    void bandPoints();
    void powerSlopes_data();
    void powerSlopes();
};

void TestCalibration::calibrationBandOf_data() {
    QTest::addColumn<int>("f");
    QTest::addColumn<int>("band");
    QTest::newRow("VHF low end") << 13600000 << 0;
    QTest::newRow("VHF high end") << 17400000 << 0;
    QTest::newRow("between") << 18000000 << -1;
    QTest::newRow("220 band") << 22000000 << 1;
    QTest::newRow("UHF up to 520") << 52000000 << 2;
    QTest::newRow("above UHF") << 52000001 << -1;
}

void TestCalibration::calibrationBandOf() {
    QFETCH(int, f);
    QFETCH(int, band);
    QCOMPARE(CalibrationBandOf(f), band);
}

void TestCalibration::rampTable() {
    MemoryImage image;
    image.FillAll(0xFF);
    DeriveRampTable(image);
    QCOMPARE(ImageBytes(image, kRampTable, 10), Hex("423b352f28221c150f08"));
    QCOMPARE(int(image.Byte(kRampTable - 1)), 0xFF);
    QCOMPARE(int(image.Byte(kRampTable + 10)), 0xFF);
}

void TestCalibration::bandPoints_data() {
    QTest::addColumn<QList<int>>("limits");
    QTest::addColumn<QList<int>>("points");
    QTest::newRow("start-up limits")
        << QList<int>{13600000, 17400000, 40000000, 48000000}
        << QList<int>{13600000, 17400000, 15500000, 14900000, 16100000,
                      20000000, 26000000, 23000000, 22000000, 24000000,
                      40000000, 48000000, 44000000, 42700000, 45300000};
    QTest::newRow("both working bands in VHF")
        << QList<int>{13600000, 15000000, 15000000, 17400000}
        << QList<int>{13600000, 17400000, 15500000, 14900000, 16100000,
                      20000000, 26000000, 23000000, 22000000, 24000000,
                      40000000, 48000000, 44000000, 42700000, 45300000};
    QTest::newRow("straddling band falls back")
        << QList<int>{17000000, 21000000, 43000000, 44000000}
        << QList<int>{13600000, 17400000, 15500000, 14900000, 16100000,
                      20000000, 26000000, 23000000, 22000000, 24000000,
                      43000000, 44000000, 43500000, 43300000, 43700000};
    QTest::newRow("narrow UHF rounds to whole MHz")
        << QList<int>{13600000, 17400000, 43012500, 43987500}
        << QList<int>{13600000, 17400000, 15500000, 14900000, 16100000,
                      20000000, 26000000, 23000000, 22000000, 24000000,
                      43012500, 43987500, 43500000, 43300000, 43700000};
}

void TestCalibration::bandPoints() {
    QFETCH(QList<int>, limits);
    QFETCH(QList<int>, points);
    BandLimits bands;
    bands.low[0] = limits[0];
    bands.high[0] = limits[1];
    bands.low[1] = limits[2];
    bands.high[1] = limits[3];
    MemoryImage image;
    DeriveBandPoints(image, bands);
    QList<int> got;
    for (int i = 0; i < 15; ++i)
        got << static_cast<int>(image.Le32(kBandPoints + 4 * i));
    QCOMPARE(got, points);
}

void TestCalibration::powerSlopes_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<QByteArray>("power");
    QTest::addColumn<QByteArray>("slopes");
    QTest::newRow("rising then flat") << 0 << Hex("0a1414") << Hex("30e602000000");
    QTest::newRow("falling then flat") << 0 << Hex("140a0a") << Hex("30e682000000");
    QTest::newRow("peak") << 1 << Hex("00ff00") << Hex("1a1d001a1d80");
    QTest::newRow("UHF row, 400-480") << 4 << Hex("0a1400") << Hex("801a06400d83");
    QTest::newRow("220 fallback row") << 3 << Hex("000102") << Hex("c0c62dc0c62d");
}

void TestCalibration::powerSlopes() {
    QFETCH(int, row);
    QFETCH(QByteArray, power);
    QFETCH(QByteArray, slopes);
    MemoryImage image;
    PutBytes(image, kPowerTable + 3 * row, power);
    DeriveBandPoints(image, BandLimits{});
    QCOMPARE(ImageBytes(image, kPowerSlopes + 6 * row, 6).toHex(), slopes.toHex());
}

KESTRA_REGISTER_TEST(TestCalibration);
#include "test_calibration.moc"

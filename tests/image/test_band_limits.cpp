#include "test_helpers.h"
#include "test_registry.h"

#include "image/band_limits.h"
#include "image/memory_image.h"

#include <QTest>

class TestBandLimits : public QObject {
    Q_OBJECT
  private slots:
    void bandOf_data();
    void bandOf();
    void sameBand();
    void firstConfigured_data();
    void firstConfigured();
    void refreshFromImage_data();
    void refreshFromImage();
};

void TestBandLimits::bandOf_data() {
    QTest::addColumn<int>("band0High");
    QTest::addColumn<int>("f");
    QTest::addColumn<int>("band");
    const int hi = 17400000;
    QTest::newRow("low end inclusive") << hi << 13600000 << 0;
    QTest::newRow("high end inclusive") << hi << 17400000 << 0;
    QTest::newRow("below band 0") << hi << 13599999 << -1;
    QTest::newRow("above band 0") << hi << 17400001 << -1;
    QTest::newRow("band 1") << hi << 45000000 << 1;
    QTest::newRow("overlap: band 0 wins") << 48000000 << 45000000 << 0;
    QTest::newRow("erased field") << hi << 166666665 << -1;
}

void TestBandLimits::bandOf() {
    QFETCH(int, band0High);
    QFETCH(int, f);
    QFETCH(int, band);
    BandLimits limits;
    limits.high[0] = band0High;
    QCOMPARE(limits.BandOf(f), band);
}

void TestBandLimits::sameBand() {
    const BandLimits limits;
    QVERIFY(!limits.SameBand(15000000, 45000000));
    QVERIFY(limits.SameBand(10000000, 60000000));
    QVERIFY(limits.SameBand(14000000, 15000000));
}

void TestBandLimits::firstConfigured_data() {
    QTest::addColumn<int>("low0");
    QTest::addColumn<int>("high0");
    QTest::addColumn<int>("low1");
    QTest::addColumn<int>("high1");
    QTest::addColumn<int>("band");
    QTest::newRow("start-up") << 13600000 << 17400000 << 40000000 << 48000000 << 0;
    QTest::newRow("band 0 zero") << 0 << 0 << 40000000 << 48000000 << 1;
    QTest::newRow("band 0 half erased") << 13600000 << -1 << 40000000 << 48000000 << 1;
    QTest::newRow("none") << 0 << -1 << -1 << 0 << -1;
}

void TestBandLimits::firstConfigured() {
    QFETCH(int, low0);
    QFETCH(int, high0);
    QFETCH(int, low1);
    QFETCH(int, high1);
    QFETCH(int, band);
    BandLimits limits;
    limits.low[0] = low0;
    limits.high[0] = high0;
    limits.low[1] = low1;
    limits.high[1] = high1;
    QCOMPARE(limits.FirstConfiguredBand(), band);
}

void TestBandLimits::refreshFromImage_data() {
    QTest::addColumn<QByteArray>("block");
    QTest::addColumn<QList<int>>("expected");
    const QList<int> startUp{13600000, 17400000, 40000000, 48000000};
    QTest::newRow("erased block keeps start-up values")
        << Hex("ffffffffffffffffffffffffffffffff") << startUp;
    QTest::newRow("both bands from the image")
        << Hex("00004014000070140000004300009043")
        << QList<int>{14400000, 14700000, 43000000, 43900000};
    QTest::newRow("band 0 guard erased") << Hex("000040ff000070140000004300009043")
                                         << QList<int>{13600000, 17400000, 43000000, 43900000};
    QTest::newRow("band 1 high not decimal") << Hex("000040140000701400000043000000a0")
                                             << QList<int>{14400000, 14700000, 40000000, 48000000};
    QTest::newRow("band 0 low not decimal") << Hex("0f004014000070140000004300009043")
                                            << QList<int>{13600000, 17400000, 43000000, 43900000};
    QTest::newRow("band 1 guard erased") << Hex("0000401400007014000000ff00009043")
                                         << QList<int>{14400000, 14700000, 40000000, 48000000};
}

void TestBandLimits::refreshFromImage() {
    QFETCH(QByteArray, block);
    QFETCH(QList<int>, expected);
    MemoryImage image;
    PutBytes(image, kBandBlock, block);
    BandLimits limits;
    RefreshBandLimitsFromImage(image, limits);
    QCOMPARE((QList<int>{limits.low[0], limits.high[0], limits.low[1], limits.high[1]}), expected);
    MemoryImage stored;
    StoreBandLimitsToImage(limits, stored);
    BandLimits again;
    RefreshBandLimitsFromImage(stored, again);
    QCOMPARE((QList<int>{again.low[0], again.high[0], again.low[1], again.high[1]}), expected);
}

KESTRA_REGISTER_TEST(TestBandLimits);
#include "test_band_limits.moc"

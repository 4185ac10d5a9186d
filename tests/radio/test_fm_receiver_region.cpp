#include "../image/test_helpers.h"
#include "../image/test_registry.h"

#include "image/fm_receiver_region.h"
#include "image/memory_image.h"

#include <QTest>

#include <array>

class TestFmReceiverRegion : public QObject {
    Q_OBJECT
  private slots:
    void encoding_data();
    void encoding();
    void decoding_data();
    void decoding();
    void normalise_data();
    void normalise();
    void roundTrip_data();
    void roundTrip();
    void everyFieldToItsBytes();
};

void TestFmReceiverRegion::encoding_data() {
    QTest::addColumn<int>("khz");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("87.5 MHz") << 87500 << Hex("007508");
    QTest::newRow("band start") << 76000 << Hex("006007");
    QTest::newRow("band end") << 108000 << Hex("008010");
    QTest::newRow("zero") << 0 << Hex("000000");
    QTest::newRow("largest six digits") << 999999 << Hex("999999");
    QTest::newRow("seven digits: unset") << 1000000 << Hex("ffffff");
    QTest::newRow("negative: unset") << -1 << Hex("ffffff");
}

void TestFmReceiverRegion::encoding() {
    QFETCH(int, khz);
    QFETCH(QByteArray, bytes);
    std::array<uint8_t, 3> out{};
    EncodeFmFrequency(khz, out);
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(out.data()), 3), bytes);
}

void TestFmReceiverRegion::decoding_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("khz");
    QTest::addColumn<QString>("shown");
    QTest::newRow("87.5 MHz") << Hex("007508") << 87500 << "87.500";
    QTest::newRow("band start") << Hex("006007") << 76000 << "76.000";
    QTest::newRow("band end") << Hex("008010") << 108000 << "108.000";
    QTest::newRow("just below the band") << Hex("995907") << 75999 << "";
    QTest::newRow("just above the band") << Hex("018010") << 108001 << "";
    QTest::newRow("unset") << Hex("ffffff") << 1666665 << "";
}

void TestFmReceiverRegion::decoding() {
    QFETCH(QByteArray, bytes);
    QFETCH(int, khz);
    QFETCH(QString, shown);
    const std::array<uint8_t, 3> in{uint8_t(bytes[0]), uint8_t(bytes[1]), uint8_t(bytes[2])};
    QCOMPARE(DecodeFmFrequency(in), khz);
    QCOMPARE(Q(FmDisplayText(khz)), shown);
}

void TestFmReceiverRegion::normalise_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("normalised");
    QTest::newRow("empty stays empty") << ""
                                       << "";
    QTest::newRow("letters") << "abc"
                             << "76.000";
    QTest::newRow("one decimal") << "100.1"
                                 << "100.100";
    QTest::newRow("band start") << "76"
                                << "76.000";
    QTest::newRow("band end") << "108"
                              << "108.000";
    QTest::newRow("1 kHz above the band") << "108.001"
                                          << "76.000";
    QTest::newRow("1 kHz below the band") << "75.999"
                                          << "76.000";
    QTest::newRow("below 1 kHz truncated") << "87.5009"
                                           << "87.500";
    QTest::newRow("decimal that doubles miss") << "100.3"
                                               << "100.300";
    QTest::newRow("digits then letters") << "99.9x"
                                         << "99.900";
    QTest::newRow("leading space") << " 90"
                                   << "90.000";
    QTest::newRow("negative") << "-90"
                              << "76.000";
    QTest::newRow("too large for any field") << "1e30"
                                             << "76.000";
}

void TestFmReceiverRegion::normalise() {
    QFETCH(QString, text);
    QFETCH(QString, normalised);
    QCOMPARE(Q(NormaliseFmText(text.toStdString())), normalised);
}

void TestFmReceiverRegion::roundTrip_data() {
    QTest::addColumn<QByteArray>("stored"); // 0x2F80..0x2F87
    QTest::addColumn<QString>("current");
    QTest::addColumn<int>("channel");
    QTest::addColumn<QByteArray>("entry7"); // channel 7's entry
    QTest::addColumn<QString>("channel7");
    QTest::addColumn<QByteArray>("after"); // 0x2F80..0x2F87 after the store
    QTest::addColumn<QByteArray>("entry7After");
    QTest::newRow("in band") << Hex("0075085a0c123456") << "87.500" << 12 << Hex("00011000")
                             << "100.100" << Hex("0075085a0c123456") << Hex("000110ff");
    QTest::newRow("out of band becomes unset")
        << Hex("0000115a01123456") << "" << 1 << Hex("00000011") << "" << Hex("ffffff5a01123456")
        << Hex("ffffffff");
    QTest::newRow("erased") << Hex("ffffffffffffffff") << "" << 255 << Hex("ffffffff") << ""
                            << Hex("ffffffff01ffffff") << Hex("ffffffff");
}

void TestFmReceiverRegion::roundTrip() {
    QFETCH(QByteArray, stored);
    QFETCH(QString, current);
    QFETCH(int, channel);
    QFETCH(QByteArray, entry7);
    QFETCH(QString, channel7);
    QFETCH(QByteArray, after);
    QFETCH(QByteArray, entry7After);
    MemoryImage image;
    image.Fill(kFmChannelTable, kFmChannelCount * kFmEntrySize, 0xFF);
    PutBytes(image, kFmCurrentFrequency, stored);
    const int entry7Offset = kFmChannelTable + 6 * kFmEntrySize;
    PutBytes(image, entry7Offset, entry7);
    const FmReceiverTexts texts = LoadFmReceiver(image);
    QCOMPARE(Q(texts.current), current);
    QCOMPARE(texts.channel, channel);
    QCOMPARE(Q(texts.channels[6]), channel7);
    QCOMPARE(Q(texts.channels[5]), QString());
    StoreFmReceiver(texts, image);
    QCOMPARE(ImageBytes(image, kFmCurrentFrequency, 8), after);
    QCOMPARE(ImageBytes(image, entry7Offset, 4), entry7After);
}

// The receiver's fields stored over bytes of 0x5A: the region holds the bytes of the
// hand-written golden file.
void TestFmReceiverRegion::everyFieldToItsBytes() {
    MemoryImage image;
    for (int i = kFmCurrentFrequency; i < kFmChannelTable + kFmChannelCount * kFmEntrySize; ++i)
        image.SetByte(i, 0x5A);
    FmReceiverTexts texts;
    texts.current = "100.1";
    texts.channel = 12;
    texts.channels[0] = "88.1";
    texts.channels[1] = "107.9";
    texts.channels[19] = "76";
    StoreFmReceiver(texts, image);
    QCOMPARE(GoldenDifferences(image, "fm_receiver.hex"), QString());
}

KESTRA_REGISTER_TEST(TestFmReceiverRegion);
#include "test_fm_receiver_region.moc"

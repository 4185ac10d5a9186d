#include "test_helpers.h"
#include "test_registry.h"

#include "image/band_limits.h"
#include "image/channel_record.h"
#include "image/finalise.h"
#include "image/memory_image.h"
#include "image/new_document.h"

#include <QTest>

namespace {

// A built-in new-document image with the given channels set to a frequency.
MemoryImage ImageWithChannels(std::initializer_list<std::pair<int, int32_t>> channels) {
    MemoryImage image;
    image.FillAll(0xFF);
    ApplyBuiltInDefaults(image);
    for (auto [record, freq] : channels) {
        ChannelRecord r = ChannelRecord::Load(image, record);
        r.SetRxFreq(freq);
        r.SetTxFreq(freq);
        r.Store(image, record);
    }
    return image;
}

} // namespace

class TestFinalise : public QObject {
    Q_OBJECT
  private slots:
    void fixedBlocks();
    void bitmapsAndFirstValid_data();
    void bitmapsAndFirstValid();
    void scanBitmapFollowsScanAdd();
    void selectedChannelRepair_data();
    void selectedChannelRepair();
    void featureBitsCleared();
    void channelRecordAt0x1F70Survives();
    void receiverChipBlock_data();
    void receiverChipBlock();
};

void TestFinalise::fixedBlocks() {
    MemoryImage image = ImageWithChannels({});
    BandLimits limits;
    limits.low[1] = 43000000;
    limits.high[1] = 44000000;
    FinaliseImage(image, limits);
    QCOMPARE(ImageBytes(image, 0x2E00, 16), QByteArray("NQR-K20\0", 8) + Hex("ffffffffffffffff"));
    QCOMPARE(ImageBytes(image, 0x2E10, 16), Hex("00006013000040170000004300000044"));
    QCOMPARE(ImageBytes(image, 0x2E28, 16), QByteArray(16, char(0xFF)));
    QCOMPARE(ImageBytes(image, 0x3F15, 10), Hex("423b352f28221c150f08"));
}

void TestFinalise::bitmapsAndFirstValid_data() {
    QTest::addColumn<QList<int>>("records");
    QTest::addColumn<QList<int>>("freqs");
    QTest::addColumn<int>("firstA");
    QTest::addColumn<int>("firstB");
    QTest::addColumn<QByteArray>("presenceA");
    QTest::addColumn<QByteArray>("presenceB");
    const QByteArray none(16, 0);
    QTest::newRow("no channels") << QList<int>{} << QList<int>{} << 0xFF << 0xFF << none << none;
    QTest::newRow("A009 and B128")
        << QList<int>{9, 256} << QList<int>{14500000, 43500000} << 9 << 128
        << Hex("00010000000000000000000000000000") << Hex("00000000000000000000000000000080");
    QTest::newRow("just below band is absent")
        << QList<int>{1, 2} << QList<int>{13599999, 13600000} << 2 << 0xFF
        << Hex("02000000000000000000000000000000") << none;
    QTest::newRow("band B frequency in band A record counts")
        << QList<int>{3} << QList<int>{43500000} << 3 << 0xFF
        << Hex("04000000000000000000000000000000") << none;
    QTest::newRow("VFOs are not channels")
        << QList<int>{257, 258} << QList<int>{14500000, 43500000} << 0xFF << 0xFF << none << none;
}

void TestFinalise::bitmapsAndFirstValid() {
    QFETCH(QList<int>, records);
    QFETCH(QList<int>, freqs);
    QFETCH(int, firstA);
    QFETCH(int, firstB);
    QFETCH(QByteArray, presenceA);
    QFETCH(QByteArray, presenceB);
    MemoryImage image = ImageWithChannels({});
    for (int i = 0; i < records.size(); ++i) {
        ChannelRecord r = ChannelRecord::Load(image, records[i]);
        r.SetRxFreq(freqs[i]);
        r.Store(image, records[i]);
    }
    FinaliseImage(image, BandLimits{});
    QCOMPARE(int(image.Byte(kFirstValidA)), firstA);
    QCOMPARE(int(image.Byte(kFirstValidB)), firstB);
    QCOMPARE(ImageBytes(image, kPresenceA, 16).toHex(), presenceA.toHex());
    QCOMPARE(ImageBytes(image, kPresenceB, 16).toHex(), presenceB.toHex());
    // Cleared records have scanAdd set, so the scan bitmaps equal the presence bitmaps.
    QCOMPARE(ImageBytes(image, kScanA, 16).toHex(), presenceA.toHex());
    QCOMPARE(ImageBytes(image, kScanB, 16).toHex(), presenceB.toHex());
}

void TestFinalise::scanBitmapFollowsScanAdd() {
    MemoryImage image = ImageWithChannels({{9, 14500000}, {10, 14600000}});
    ChannelRecord r = ChannelRecord::Load(image, 9);
    r.Set(ChannelFieldId::ScanAdd, 0);
    r.Store(image, 9);
    FinaliseImage(image, BandLimits{});
    QCOMPARE(int(image.Byte(kPresenceA + 1)), 0x03);
    QCOMPARE(int(image.Byte(kScanA + 1)), 0x02);
}

void TestFinalise::selectedChannelRepair_data() {
    QTest::addColumn<int>("selectedA");
    QTest::addColumn<int>("selectedB");
    QTest::addColumn<bool>("bandBChannel");
    QTest::addColumn<int>("expectedA");
    QTest::addColumn<int>("expectedB");
    // Valid channels: A005, A007 and, when bandBChannel, B001.
    QTest::newRow("valid selections kept") << 6 << 0 << true << 6 << 0;
    QTest::newRow("invalid repaired to first valid") << 0 << 3 << true << 4 << 0;
    QTest::newRow("erased index repaired") << 0xFF << 0xFF << true << 4 << 0;
    QTest::newRow("index 128 does not read B001") << 128 << 200 << true << 4 << 0;
    QTest::newRow("no valid channel in band B") << 4 << 0 << false << 4 << 0xFE;
}

void TestFinalise::selectedChannelRepair() {
    QFETCH(int, selectedA);
    QFETCH(int, selectedB);
    QFETCH(bool, bandBChannel);
    QFETCH(int, expectedA);
    QFETCH(int, expectedB);
    MemoryImage image = ImageWithChannels({{5, 14500000}, {7, 14600000}});
    if (bandBChannel) {
        ChannelRecord r = ChannelRecord::Load(image, 129);
        r.SetRxFreq(43500000);
        r.Store(image, 129);
    }
    image.SetByte(kSelectedChannelA, static_cast<uint8_t>(selectedA));
    image.SetByte(kSelectedChannelB, static_cast<uint8_t>(selectedB));
    FinaliseImage(image, BandLimits{});
    QCOMPARE(int(image.Byte(kSelectedChannelA)), expectedA);
    QCOMPARE(int(image.Byte(kSelectedChannelB)), expectedB);
}

void TestFinalise::featureBitsCleared() {
    MemoryImage image = ImageWithChannels({});
    image.SetByte(0x204C, 0xFF);
    image.SetByte(0x204D, 0xFF);
    image.SetByte(0x204E, 0xFF);
    FinaliseImage(image, BandLimits{});
    QCOMPARE(int(image.Byte(0x204C)), 0x9F);
    QCOMPARE(int(image.Byte(0x204D)), 0x3F);
    QCOMPARE(int(image.Byte(0x204E)), 0xCF);
}

void TestFinalise::channelRecordAt0x1F70Survives() {
    MemoryImage image = ImageWithChannels({{252, 43500000}});
    ChannelRecord r = ChannelRecord::Load(image, 252);
    r.SetTxFreq(44000000);
    DeriveShift(r, 43500000, 44000000, false);
    r.Store(image, 252);
    const QByteArray before = ImageBytes(image, 0x1F60, 32);
    WriteReceiverChipBlock(image, kChip5802E);
    FinaliseImage(image, BandLimits{});
    QCOMPARE(ImageBytes(image, 0x1F60, 32).toHex(), before.toHex());
    QCOMPARE(ImageBytes(image, 0x2F70, 8), Hex("b001040a080288aa"));
}

void TestFinalise::receiverChipBlock_data() {
    QTest::addColumn<int>("variant");
    QTest::addColumn<int>("length");
    QTest::addColumn<QByteArray>("head");
    QTest::addColumn<QByteArray>("tail");
    QTest::newRow("5802HE") << 0 << 110 << Hex("c00100000400") << Hex("25c70000");
    QTest::newRow("5802N") << 1 << 54 << Hex("c40500000400") << Hex("f7cf2adc");
    QTest::newRow("5802E") << 2 << 104 << Hex("b0011b900202") << Hex("2f683877");
    QTest::newRow("no selection") << -1 << 110 << Hex("c00100000400") << Hex("25c70000");
    QTest::newRow("past the list") << 3 << 110 << Hex("c00100000400") << Hex("25c70000");
}

void TestFinalise::receiverChipBlock() {
    QFETCH(int, variant);
    QFETCH(int, length);
    QFETCH(QByteArray, head);
    QFETCH(QByteArray, tail);
    MemoryImage image;
    WriteReceiverChipBlock(image, variant);
    QCOMPARE(int(image.Byte(0x2F00)), length);
    QCOMPARE(ImageBytes(image, 0x2F01, head.size()), head);
    QCOMPARE(ImageBytes(image, 0x2F01 + length - tail.size(), tail.size()), tail);
    QCOMPARE(ImageBytes(image, 0x2F01 + length, 0x6F - length),
             QByteArray(0x6F - length, char(0xFF)));
    QCOMPARE(ImageBytes(image, 0x2F70, 8), Hex("b001040a080288aa"));
}

KESTRA_REGISTER_TEST(TestFinalise);
#include "test_finalise.moc"

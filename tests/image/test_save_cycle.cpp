#include "test_helpers.h"
#include "test_registry.h"

#include "image/band_limits.h"
#include "image/channel_grid_rules.h"
#include "image/channel_record.h"
#include "image/finalise.h"
#include "image/memory_image.h"
#include "image/region_layout.h"

#include <QTest>

#include <random>

namespace {

// What opening an image and saving it does: the grid's rows from the image (refreshing the
// working limits from its band block), committed back and finalised.
MemoryImage SavedAfterOpen(MemoryImage image, BandLimits& limits) {
    const std::vector<GridRow> rows = LoadGrid(image, limits);
    CommitGrid(image, limits, rows, kChip5802E);
    return image;
}

} // namespace

class TestSaveCycle : public QObject {
    Q_OBJECT
  private slots:
    void savingTwiceChangesNothing_data();
    void savingTwiceChangesNothing();
    void randomImages();
};

void TestSaveCycle::savingTwiceChangesNothing_data() {
    QTest::addColumn<QByteArray>("bandBlock");
    QTest::addColumn<int>("record");
    QTest::addColumn<QByteArray>("recordBytes");
    QTest::addColumn<int>("oldOffset");      // the record's stored shift offset
    QTest::addColumn<QByteArray>("rxAfter"); // the record's receive field after two saves
    const QByteArray bands = Hex("00006013000040170000004000000048");
    // Band B's high limit 00 00 00 a0 is no decimal number: the working limit stays.
    QTest::newRow("band limit with a digit above 9")
        << Hex("000060130000401700000040000000a0") << 130 << Hex("00504843005048430000000000000000")
        << 0 << Hex("00504843");
    // The transmit field decodes to 1000 MHz, which the field cannot hold.
    QTest::newRow("transmit frequency that cannot be stored")
        << bands << 3 << Hex("00005014000000a00000000000000000") << 600000 << Hex("00005014");
}

void TestSaveCycle::savingTwiceChangesNothing() {
    QFETCH(QByteArray, bandBlock);
    QFETCH(int, record);
    QFETCH(QByteArray, recordBytes);
    QFETCH(int, oldOffset);
    QFETCH(QByteArray, rxAfter);
    MemoryImage image;
    image.FillAll(0xFF);
    PutBytes(image, kBandBlock, bandBlock);
    PutBytes(image, RecordOffset(record), recordBytes);
    ChannelRecord channel = ChannelRecord::Load(image, record);
    channel.Set(ChannelFieldId::ShiftOffset, static_cast<uint32_t>(oldOffset));
    channel.Store(image, record);
    BandLimits limits;
    const MemoryImage first = SavedAfterOpen(image, limits);
    const MemoryImage second = SavedAfterOpen(first, limits);
    QCOMPARE(ImageBytes(second, 0, kImageSize), ImageBytes(first, 0, kImageSize));
    QCOMPARE(ImageBytes(second, RecordOffset(record), 4), rxAfter);
}

// Any image, opened and saved, then opened and saved again, gives the same file.
void TestSaveCycle::randomImages() {
    std::mt19937 random(20261207);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int n = 0; n < 300; ++n) {
        MemoryImage image;
        for (uint8_t& b : image.Bytes())
            b = static_cast<uint8_t>(byte(random));
        // Half the images get plausible band limits, so their channels are kept.
        if (n % 2 == 0)
            PutBytes(image, kBandBlock, Hex("00006013000040170000004000000048"));
        BandLimits limits;
        const MemoryImage first = SavedAfterOpen(image, limits);
        const MemoryImage second = SavedAfterOpen(first, limits);
        if (!(first == second))
            QFAIL(qPrintable(QString("image %1 changed on the second save").arg(n)));
    }
}

KESTRA_REGISTER_TEST(TestSaveCycle);
#include "test_save_cycle.moc"

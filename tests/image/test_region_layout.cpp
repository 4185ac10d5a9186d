#include "test_registry.h"

#include "image/memory_image.h"
#include "image/region_layout.h"

#include <QTest>

#include <array>

class TestRegionLayout : public QObject {
    Q_OBJECT
  private slots:
    void channelFieldsCoverRecordOnce();
    void optionListsFitTheirFields();
    void fieldIdsMatchTable();
    void imageRegionsDisjoint();
};

void TestRegionLayout::channelFieldsCoverRecordOnce() {
    // Every bit of the 32-byte record belongs to exactly one field.
    std::array<uint8_t, kRecordSize> owned{};
    for (const FieldSpec& f : ChannelRecordFields()) {
        QVERIFY2(f.offset >= 0 && f.offset + f.size <= kRecordSize, f.name.data());
        QVERIFY2(f.shift >= 0 && f.width >= 1 && f.shift + f.width <= 8, f.name.data());
        const uint8_t mask = static_cast<uint8_t>(((1u << f.width) - 1) << f.shift);
        for (int k = 0; k < f.size; ++k) {
            QVERIFY2((owned[f.offset + k] & mask) == 0, f.name.data());
            owned[f.offset + k] |= mask;
        }
    }
    for (int k = 0; k < kRecordSize; ++k)
        QVERIFY2(owned[k] == 0xFF, qPrintable(QString("record byte +%1").arg(k)));
}

void TestRegionLayout::optionListsFitTheirFields() {
    for (const FieldSpec& f : ChannelRecordFields()) {
        const bool option = f.encoding == FieldEncoding::Option;
        QVERIFY2(option == !f.options.empty(), f.name.data());
        if (option) {
            QVERIFY2(f.size == 1 && f.width < 8, f.name.data());
            QVERIFY2(f.options.size() <= (1u << f.width), f.name.data());
        }
    }
}

void TestRegionLayout::fieldIdsMatchTable() {
    const auto& fields = ChannelRecordFields();
    QCOMPARE(fields.size(), static_cast<size_t>(ChannelFieldId::Count));
    QCOMPARE(ChannelField(ChannelFieldId::RxFreq).name, std::string_view("rxFreq"));
    QCOMPARE(ChannelField(ChannelFieldId::BusyLock).name, std::string_view("busyLock"));
    QCOMPARE(ChannelField(ChannelFieldId::ShiftOffset).offset, 16);
    QCOMPARE(ChannelField(ChannelFieldId::Name).offset, 24);
    QCOMPARE(ChannelField(ChannelFieldId::Reserved31).offset, 31);
}

void TestRegionLayout::imageRegionsDisjoint() {
    int previousEnd = 0;
    for (const RegionSpec& r : ImageRegions()) {
        QVERIFY2(r.begin >= previousEnd, r.name.data());
        QVERIFY2(r.begin < r.end && r.end <= kImageSize, r.name.data());
        previousEnd = r.end;
    }
}

KESTRA_REGISTER_TEST(TestRegionLayout);
#include "test_region_layout.moc"

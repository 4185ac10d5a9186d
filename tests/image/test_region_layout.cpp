#include "test_helpers.h"
#include "test_registry.h"

#include "image/region_layout.h"

#include <QTest>

#include <array>

class TestRegionLayout : public QObject {
    Q_OBJECT
  private slots:
    void channelTableIsSound();
    void channelFieldsCoverRecordOnce();
};

void TestRegionLayout::channelTableIsSound() {
    const auto problems = FieldTableProblems(ChannelRecordFields(), 0, kRecordSize);
    QVERIFY2(problems.empty(), qPrintable(Lines(problems)));
    QCOMPARE(ChannelRecordFields().size(), static_cast<size_t>(ChannelFieldId::Count));
}

void TestRegionLayout::channelFieldsCoverRecordOnce() {
    const auto overlaps = FieldOverlaps({&ChannelRecordFields()});
    QVERIFY2(overlaps.empty(), qPrintable(Lines(overlaps)));
    std::array<uint8_t, kRecordSize> owned{};
    for (const FieldSpec& f : ChannelRecordFields())
        for (int k = 0; k < f.size; ++k)
            owned[f.offset + k] |= FieldMask(f, k);
    for (int k = 0; k < kRecordSize; ++k)
        QVERIFY2(owned[k] == 0xFF, qPrintable(QString("record byte +%1").arg(k)));
}

KESTRA_REGISTER_TEST(TestRegionLayout);
#include "test_region_layout.moc"

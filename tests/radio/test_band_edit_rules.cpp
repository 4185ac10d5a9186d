#include "../image/test_registry.h"

#include "image/band_edit_rules.h"

#include <QTest>

namespace {

constexpr int32_t Mhz(int mhz) {
    return mhz * kUnitsPerMhz;
}

} // namespace

class TestBandEditRules : public QObject {
    Q_OBJECT
  private slots:
    void rules_data();
    void rules();
    void everyInputEndsInOneRange_data();
    void everyInputEndsInOneRange();
    void mhzText_data();
    void mhzText();
};

void TestBandEditRules::rules_data() {
    QTest::addColumn<bool>("upperEdit"); // which edit lost the focus
    QTest::addColumn<int>("low");
    QTest::addColumn<int>("high");
    QTest::addColumn<int>("newLow");
    QTest::addColumn<int>("newHigh");
    QTest::newRow("144-148 kept") << false << 144 << 148 << 144 << 148;
    QTest::newRow("144-148 kept by the upper rule") << true << 144 << 148 << 144 << 148;
    QTest::newRow("equal limits: lower to range start") << false << 174 << 174 << 136 << 174;
    QTest::newRow("lower in no range, upper in R0") << false << 180 << 170 << 136 << 174;
    QTest::newRow("lower in no range, upper in R1") << false << 180 << 250 << 200 << 250;
    QTest::newRow("upper beyond R2 cut to its end") << false << 450 << 600 << 450 << 520;
    QTest::newRow("upper in R2 pulls lower in") << true << 100 << 460 << 400 << 460;
    QTest::newRow("both empty, lower rule") << false << 0 << 0 << 136 << 174;
    QTest::newRow("both empty, upper rule") << true << 0 << 0 << 136 << 174;
    // Range ends: the lower rule keeps an upper limit in (start, end], the upper rule a
    // lower limit in [start, end).
    QTest::newRow("low: upper at R0 start") << false << 136 << 136 << 136 << 174;
    QTest::newRow("low: one MHz wide") << false << 136 << 137 << 136 << 137;
    QTest::newRow("low: lower at R0 end") << false << 174 << 180 << 136 << 174;
    QTest::newRow("low: upper in other range") << false << 150 << 450 << 150 << 174;
    QTest::newRow("low: just below R0") << false << 135 << 150 << 136 << 174;
    QTest::newRow("low: upper at R1 start") << false << 199 << 200 << 200 << 260;
    QTest::newRow("low: just above R1") << false << 261 << 260 << 200 << 260;
    QTest::newRow("low: lower at R2 end") << false << 520 << 400 << 400 << 520;
    QTest::newRow("low: just above R2") << false << 521 << 480 << 400 << 480;
    QTest::newRow("high: lower below R0") << true << 100 << 136 << 136 << 174;
    QTest::newRow("high: one MHz wide at R0 end") << true << 173 << 174 << 173 << 174;
    QTest::newRow("high: lower at R0 end") << true << 174 << 174 << 136 << 174;
    QTest::newRow("high: upper just above R0") << true << 150 << 175 << 136 << 174;
    QTest::newRow("high: lower at R1 end") << true << 260 << 300 << 200 << 260;
    QTest::newRow("high: lower inside R1") << true << 210 << 300 << 210 << 260;
    QTest::newRow("high: upper just above R2") << true << 450 << 521 << 450 << 520;
    QTest::newRow("high: lower at R2 end") << true << 520 << 520 << 400 << 520;
    QTest::newRow("high: lower above upper") << true << 300 << 200 << 200 << 260;
}

void TestBandEditRules::rules() {
    QFETCH(bool, upperEdit);
    QFETCH(int, low);
    QFETCH(int, high);
    QFETCH(int, newLow);
    QFETCH(int, newHigh);
    const BandPair in{Mhz(low), Mhz(high)};
    const BandPair out = upperEdit ? HighEditRule(in) : LowEditRule(in);
    QCOMPARE(out.low, Mhz(newLow));
    QCOMPARE(out.high, Mhz(newHigh));
}

void TestBandEditRules::everyInputEndsInOneRange_data() {
    QTest::addColumn<bool>("upperEdit");
    QTest::newRow("lower rule") << false;
    QTest::newRow("upper rule") << true;
}

// Whatever the edits hold, the result lies in one permitted range with lower < upper, and
// a second run of either rule leaves it alone.
void TestBandEditRules::everyInputEndsInOneRange() {
    QFETCH(bool, upperEdit);
    for (int low = 0; low <= 999; ++low)
        for (int high = 0; high <= 999; ++high) {
            const BandPair in{Mhz(low), Mhz(high)};
            const BandPair out = upperEdit ? HighEditRule(in) : LowEditRule(in);
            const int range = PermittedRangeOf(out.low);
            if (range < 0 || range != PermittedRangeOf(out.high) || out.low >= out.high ||
                LowEditRule(out) != out || HighEditRule(out) != out)
                QFAIL(qPrintable(
                    QString("%1-%2 gave %3-%4").arg(low).arg(high).arg(out.low).arg(out.high)));
        }
}

void TestBandEditRules::mhzText_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("value");
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("digits") << "136" << Mhz(136);
    QTest::newRow("letters") << "abc" << 0;
    QTest::newRow("digits then letters") << "12x" << Mhz(12);
    QTest::newRow("largest that fits") << "21474" << 2147400000;
    QTest::newRow("too large for a frequency") << "21475" << 0;
    QTest::newRow("too large for an int") << "99999999999" << 0;
}

void TestBandEditRules::mhzText() {
    QFETCH(QString, text);
    QFETCH(int, value);
    QCOMPARE(LimitFromMhzText(text.toStdString()), value);
}

KESTRA_REGISTER_TEST(TestBandEditRules);
#include "test_band_edit_rules.moc"

#include "../image/test_registry.h"
#include "settings_test_support.h"

#include "image/number_field.h"

#include <QTest>

class TestNumberField : public QObject {
    Q_OBJECT
  private slots:
    void normaliseAndStep_data();
    void normaliseAndStep();
};

void TestNumberField::normaliseAndStep_data() {
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("step"); // 0: normalise (losing the focus)
    QTest::addColumn<QString>("result");
    auto row = [](const char* name, const char* table, const char* field, const char* text,
                  int step, const char* result) {
        QTest::newRow(name) << table << field << text << step << result;
    };
    row("decode time typed 3 becomes 2.5", "decode", "decodeTime", "3", 0, "2.5");
    row("decode time typed 0 becomes 2.5", "decode", "decodeTime", "0", 0, "2.5");
    row("decode time typed 1 shows 1.0", "decode", "decodeTime", "1", 0, "1.0");
    row("decode time 2.3 stays", "decode", "decodeTime", "2.3", 0, "2.3");
    row("decode time up from 2.5 wraps to 0.1", "decode", "decodeTime", "2.5", 1, "0.1");
    row("decode time down from 0.1 wraps to 2.5", "decode", "decodeTime", "0.1", -1, "2.5");
    row("decode time up from 2.2", "decode", "decodeTime", "2.2", 1, "2.3");
    row("dual-watch time empty becomes 1.50", "features", "dualWatchTime", "", 0, "1.50");
    row("dual-watch time 1.15 exact", "features", "dualWatchTime", "1.15", 0, "1.15");
    row("dual-watch time text reads 0", "features", "dualWatchTime", "abc", 0, "1.50");
    row("dual-watch time 2.56 out of range", "features", "dualWatchTime", "2.56", 0, "1.50");
    row("dual-watch time huge", "features", "dualWatchTime", "1e300", 0, "1.50");
    row("dual-watch time negative", "features", "dualWatchTime", "-1", 0, "1.50");
    row("dual-watch time up from 2.55 wraps", "features", "dualWatchTime", "2.55", 1, "0.01");
    row("dual-watch time down from 0.01 wraps", "features", "dualWatchTime", "0.01", -1, "2.55");
    row("dual-watch time up from empty", "features", "dualWatchTime", "", 1, "0.01");
    row("first-digit delay up from 150", "encode", "firstDigitDelay", "150", 1, "200");
    row("first-digit delay down from 150", "encode", "firstDigitDelay", "150", -1, "100");
    row("first-digit delay down from 200", "encode", "firstDigitDelay", "200", -1, "100");
    row("first-digit delay up from 1000 wraps", "encode", "firstDigitDelay", "1000", 1, "100");
    row("first-digit delay down from 100 wraps", "encode", "firstDigitDelay", "100", -1, "1000");
    row("first-digit delay 150 rounds down", "encode", "firstDigitDelay", "150", 0, "100");
    row("first-digit delay beyond int", "encode", "firstDigitDelay", "99999999999999", 0, "200");
    row("wait time 61 clamps", "encode", "waitTime", "61", 0, "60");
    row("wait time 2 clamps", "encode", "waitTime", "2", 0, "3");
    row("wait time text clamps to 3", "encode", "waitTime", "x", 0, "3");
    row("wait time up from 60 wraps", "encode", "waitTime", "60", 1, "3");
    row("wait time down from 3 wraps", "encode", "waitTime", "3", -1, "60");
    row("reset time 2 clamps", "decode", "resetTime", "2", 0, "3");
    row("reset time up from 59", "decode", "resetTime", "59", 1, "60");
}

void TestNumberField::normaliseAndStep() {
    QFETCH(QString, table);
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(int, step);
    QFETCH(QString, result);
    const FieldSpec* f = FieldNamed(TableNamed(table), field);
    QVERIFY(f && f->encoding == FieldEncoding::Number);
    const std::string in = text.toStdString();
    const std::string out =
        step == 0 ? NormaliseNumberText(f->number, in) : StepNumberText(f->number, in, step);
    QCOMPARE(QString::fromStdString(out), result);
}

KESTRA_REGISTER_TEST(TestNumberField);
#include "test_number_field.moc"

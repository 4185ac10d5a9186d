#include "test_registry.h"

#include "image/input_rule.h"

#include <QTest>

Q_DECLARE_METATYPE(KeyFilter)

class TestInputRule : public QObject {
    Q_OBJECT
  private slots:
    void filters_data();
    void filters();
    void userEdits_data();
    void userEdits();
};

void TestInputRule::filters_data() {
    QTest::addColumn<KeyFilter>("filter");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");
    using K = KeyFilter;
    QTest::newRow("anything") << K::Any << "ab1?中\t"
                              << "ab1?中\t";
    QTest::newRow("anything, upper-cased") << K::AnyUpper << "ab1?é"
                                           << "AB1?é";
    QTest::newRow("printable ASCII") << K::Printable << "Az ~中é\t\x7f"
                                     << "Az ~";
    QTest::newRow("digits") << K::Digits << "1a2.3-４"
                            << "123";
    QTest::newRow("signed digits") << K::SignedDigits << "-1+a.9"
                                   << "-19";
    QTest::newRow("hex digits, upper-cased") << K::HexDigits << "09afAFgG-x "
                                             << "09AFAF";
    QTest::newRow("frequency") << K::Frequency << "145.0a-1,5"
                               << "145.015";
    QTest::newRow("channel label keeps case") << K::ChannelLabel << "Aa Bb1cC9"
                                              << "AaBb19";
    QTest::newRow("DTMF keys, letters upper-cased") << K::Dtmf << "0123456789abcdABCD*#"
                                                    << "0123456789ABCDABCD*#";
    QTest::newRow("DTMF drops E, F and the rest") << K::Dtmf << "eEfF+ -x中"
                                                  << "";
}

void TestInputRule::filters() {
    QFETCH(KeyFilter, filter);
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    QCOMPARE(QString::fromStdU32String(FilterText(filter, typed.toStdU32String())), kept);
}

void TestInputRule::userEdits_data() {
    QTest::addColumn<KeyFilter>("filter");
    QTest::addColumn<int>("maxLength");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after"); // what the change left, "|" where the cursor is
    QTest::addColumn<QString>("shown"); // "|" where the cursor goes
    using K = KeyFilter;
    QTest::newRow("allowed character typed") << K::Digits << 2 << "4"
                                             << "45|"
                                             << "45|";
    QTest::newRow("third character refused") << K::Digits << 2 << "45"
                                             << "456|"
                                             << "45|";
    QTest::newRow("typed over the selection") << K::Digits << 2 << "60"
                                              << "4|"
                                              << "4|";
    QTest::newRow("paste cut to the room left") << K::Digits << 4 << "12"
                                                << "1abc987|2"
                                                << "198|2";
    QTest::newRow("paste of nothing allowed") << K::HexDigits << 4 << "ab"
                                              << "abzq-|"
                                              << "ab|";
    QTest::newRow("input method text upper-cased") << K::Dtmf << 16 << "1"
                                                   << "1ab#|"
                                                   << "1AB#|";
    QTest::newRow("Chinese commit refused") << K::Printable << 7 << "CH"
                                            << "CH频道|"
                                            << "CH|";
    QTest::newRow("deleting is never refused") << K::Digits << 2 << "255"
                                               << "2|5"
                                               << "2|5";
    QTest::newRow("a longer program text keeps its length") << K::ChannelLabel << 4 << "A VFO"
                                                            << "A VFO1|"
                                                            << "A VFO|";
    QTest::newRow("repeated character in the middle") << K::Digits << 3 << "55"
                                                      << "5|55"
                                                      << "5|55";
    QTest::newRow("one character") << K::Digits << 1 << ""
                                   << "12|"
                                   << "1|";
    QTest::newRow("cursor left before the inserted text") << K::Digits << 9 << "123"
                                                          << "1|x23"
                                                          << "1|23";
    QTest::newRow("no limit") << K::Frequency << 0 << "145"
                              << "145.012 5|"
                              << "145.0125|";
    QTest::newRow("anything up to the length") << K::Any << 7 << ""
                                               << "88.5000000|"
                                               << "88.5000|";
}

void TestInputRule::userEdits() {
    QFETCH(KeyFilter, filter);
    QFETCH(int, maxLength);
    QFETCH(QString, before);
    QFETCH(QString, after);
    QFETCH(QString, shown);
    const std::u32string changed = QString(after).remove('|').toStdU32String();
    const size_t cursor = static_cast<size_t>(after.indexOf('|'));
    const UserEdit kept =
        FilterUserEdit({filter, maxLength}, before.toStdU32String(), changed, cursor);
    QString text = QString::fromStdU32String(kept.text);
    text.insert(static_cast<int>(kept.cursor), '|');
    QCOMPARE(text, shown);
}

KESTRA_REGISTER_TEST(TestInputRule);
#include "test_input_rule.moc"

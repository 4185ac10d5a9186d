#include "../image/test_helpers.h"
#include "../image/test_registry.h"
#include "settings_test_support.h"

#include "image/dtmf_table.h"
#include "image/field_codec.h"
#include "image/optional_features_table.h"

#include <QTest>

namespace {

std::vector<const std::vector<FieldSpec>*> AllTables() {
    return {&OptionalFeatureFields(), &DtmfEncodeFields(), &DtmfDecodeFields(), &AutoDialFields(),
            &AutoDialCodeFields()};
}

} // namespace

class TestFieldTables : public QObject {
    Q_OBJECT
  private slots:
    void tablesAreSound_data();
    void tablesAreSound();
    void noBitClaimedTwice();
    void sideToneBitsBelongToTheDtmfEditor();
    void checkFindsBrokenTables_data();
    void checkFindsBrokenTables();
    void optionalFeaturesToTheirBytes();
};

void TestFieldTables::tablesAreSound_data() {
    QTest::addColumn<QString>("table");
    for (const char* name : {"features", "encode", "decode", "autodial", "codes"})
        QTest::newRow(name) << name;
}

void TestFieldTables::tablesAreSound() {
    QFETCH(QString, table);
    const auto problems = FieldTableProblems(TableNamed(table), kSettingsBegin, kSettingsEnd);
    QVERIFY2(problems.empty(), qPrintable(Lines(problems)));
}

void TestFieldTables::noBitClaimedTwice() {
    // 0x2049 and 0x20d9 are shared between editors, bit by bit.
    const auto overlaps = FieldOverlaps(AllTables());
    QVERIFY2(overlaps.empty(), qPrintable(Lines(overlaps)));
}

void TestFieldTables::sideToneBitsBelongToTheDtmfEditor() {
    const auto features = OwnedMasks({&OptionalFeatureFields()});
    const auto dtmf = OwnedMasks({&DtmfEncodeFields(), &DtmfDecodeFields()});
    QCOMPARE(features[0x2049] & 0x18, 0);
    QCOMPARE(dtmf[0x2049], 0x18);
    // Neither editor touches bits 3-6 of 0x20d9 or 0x20a9..0x20af.
    QCOMPARE(dtmf[0x20D9], 0x87);
    for (int offset = 0x20A9; offset <= 0x20AF; ++offset)
        QCOMPARE(dtmf[offset] | OwnedMasks({&AutoDialFields()})[offset], 0);
}

void TestFieldTables::checkFindsBrokenTables_data() {
    QTest::addColumn<int>("broken");
    QTest::addColumn<QString>("problem");
    QTest::newRow("field before the region") << 0 << "outside";
    QTest::newRow("too many items for two bits") << 1 << "does not fit";
    QTest::newRow("fallback names no item") << 2 << "names no item";
    QTest::newRow("three items in two bits, no fallback") << 3 << "no fallback";
    QTest::newRow("number range beyond a byte") << 4 << "does not fit a byte";
    QTest::newRow("edit too short for the number") << 5 << "too short";
    QTest::newRow("kill code without room for its terminator") << 6 << "does not fit its bytes";
    QTest::newRow("values and items differ in number") << 7 << "one stored value per item";
}

void TestFieldTables::checkFindsBrokenTables() {
    QFETCH(int, broken);
    QFETCH(QString, problem);
    using E = FieldEncoding;
    FieldSpec f = {.name = "f", .offset = 0x2050, .encoding = E::Option, .options = {"a", "b"}};
    f.width = 1;
    switch (broken) {
    case 0:
        f.offset = 0x203F;
        break;
    case 1:
        f.width = 2;
        f.options = {"a", "b", "c", "d", "e"};
        f.fallback = "a";
        break;
    case 2:
        f.fallback = "z";
        break;
    case 3:
        f.width = 2;
        f.options = {"a", "b", "c"};
        break;
    case 4:
        f = {.name = "f", .offset = 0x2050, .encoding = E::Number, .number = {.max = 300}};
        break;
    case 5:
        f = {.name = "f",
             .offset = 0x2050,
             .encoding = E::Number,
             .number = {.textScale = 100, .decimals = 2, .max = 255},
             .maxLength = 3};
        break;
    case 6:
        f = {.name = "f", .offset = 0x2050, .size = 4, .encoding = E::KillCode, .maxLength = 4};
        break;
    case 7:
        f.encoding = E::OptionValue;
        f.values = {1};
        break;
    }
    const QString found = Lines(FieldTableProblems({f}, kSettingsBegin, kSettingsEnd));
    QVERIFY2(found.contains(problem), qPrintable(found));
}

// Every field of the optional features chosen through the table: the region holds the bytes
// of the hand-written golden file.
void TestFieldTables::optionalFeaturesToTheirBytes() {
    const std::vector<FieldSpec>& table = OptionalFeatureFields();
    const std::pair<int, const char*> chosen[] = {
        {1171, "90"},   {1178, "7"},   {1173, "6"},        {1177, "50"}, {1166, "9"},
        {1174, "2"},    {1168, "开"},  {1195, "当前编辑"}, {1157, "开"}, {1170, "搜索"},
        {1175, "开"},   {1185, "关"},  {1187, "开"},       {1169, "开"}, {1158, "按键"},
        {1167, "3"},    {1180, "VFO"}, {1181, "关"},       {1179, "B"},  {1156, "名字"},
        {1164, "频率"}, {1189, "开"},  {1161, "开"},       {1188, "关"}, {1165, "All"},
        {1190, "信息"}, {1160, "开"},  {1172, "180"},      {1182, "B"},  {1176, "A"},
        {1191, "Hi!"},  {1194, "7"},   {1192, "1.50"},
    };
    QCOMPARE(table.size(), std::size(chosen));
    MemoryImage image;
    std::vector<FieldState> states = LoadFields(image, table);
    for (auto [id, text] : chosen) {
        const auto field = std::find_if(table.begin(), table.end(),
                                        [id](const FieldSpec& f) { return f.id == id; });
        QVERIFY2(field != table.end(), qPrintable(QString::number(id)));
        FieldState& state = states[size_t(field - table.begin())];
        if (!IsListEncoding(field->encoding)) {
            state.text = text;
            continue;
        }
        const auto item = std::find(field->options.begin(), field->options.end(), text);
        QVERIFY2(item != field->options.end(), qPrintable(QString::number(id)));
        state.index = int(item - field->options.begin());
    }
    StoreFields(image, table, states);
    QCOMPARE(GoldenDifferences(image, "optional_features.hex"), QString());
}

KESTRA_REGISTER_TEST(TestFieldTables);
#include "test_field_tables.moc"

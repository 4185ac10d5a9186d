#include "../image/test_helpers.h"
#include "../image/test_registry.h"
#include "channel_test_support.h"

#include "image/band_limits.h"
#include "image/channel_find.h"
#include "image/channel_record.h"
#include "image/channel_rows.h"
#include "image/grid_clipboard.h"
#include "image/memory_image.h"

#include <QTest>

namespace {

// 145.00000 / 145.60000, tones 88.5 / D023N, power low, busy "载波", name "HOME".
const char kChannel[] = "000050140000561485082380006800ff";

MemoryImage ChannelImage() {
    MemoryImage image;
    ClearedChannels(image);
    PutBytes(image, RecordOffset(1), Hex(kChannel));
    PutBytes(image, RecordOffset(1) + 24, "HOME");
    return image;
}

// The row's cells joined by '|', "-" for a row that shows no channel.
QString Cells(const MemoryImage& image, int row) {
    QStringList cells;
    for (const std::string& cell : LoadGridRow(image, BandLimits{}, row))
        cells << Q(cell);
    const QString joined = cells.mid(1).join('|');
    return joined == "|||||||" ? "-" : joined;
}

// Channels named after their row at the rows given, on 145 MHz (the names say which moved).
MemoryImage NamedChannels(const QList<int>& rows) {
    MemoryImage image;
    ClearedChannels(image);
    for (int row : rows) {
        PutBytes(image, RecordOffset(row), Hex("00005014"));
        PutBytes(image, RecordOffset(row) + 24, QByteArray::number(row));
    }
    return image;
}

// The name of each row of `rows`, "-" where the grid shows no channel.
QString Names(const MemoryImage& image, const QList<int>& rows) {
    QStringList names;
    for (int row : rows)
        names << (LoadGridRow(image, BandLimits{}, row)[kColRxFreq].empty()
                      ? QString("-")
                      : Q(ChannelRecord::Load(image, row).Name()));
    return names.join(' ');
}

} // namespace

// The grid's pasted text and records, its row operations and find, on the image alone.
class TestGridRules : public QObject {
    Q_OBJECT
  private slots:
    void parseSpreadsheetText_data();
    void parseSpreadsheetText();
    void pasteText_data();
    void pasteText();
    void pasteRecords();
    void rowOperations_data();
    void rowOperations();
    void find_data();
    void find();
};

void TestGridRules::parseSpreadsheetText_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("rows"); // cells joined by '|', rows by " / "
    const auto row = [](const char* name, const char* text, const char* rows) {
        QTest::newRow(name) << QString(text) << QString(rows);
    };
    row("LF, last line ended", "a\tb\nc\n", "a|b / c");
    row("CRLF, last line open", "a\tb\r\nc", "a|b / c");
    row("CR only, empty line kept", "a\r\rb\r", "a /  / b");
    row("quoted tab, line break and quote", "\"x\ty\"\t\"1\n2\"\t\"say \"\"hi\"\"\"\n",
        "x\ty|1\n2|say \"hi\"");
    row("empty cells at both ends", "\t145\t\n", "|145|");
}

void TestGridRules::parseSpreadsheetText() {
    QFETCH(QString, text);
    QFETCH(QString, rows);
    QStringList shown;
    for (const auto& row : ParseGridText(text.toStdString())) {
        QStringList cells;
        for (const std::string& cell : row)
            cells << Q(cell);
        shown << cells.join('|');
    }
    QCOMPARE(shown.join(" / "), rows);
}

void TestGridRules::pasteText_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QPoint>("written"); // rows written, rows dropped
    QTest::addColumn<QString>("cells");  // of row, row + 1, row + 2, joined by " / "
    const auto row = [](const char* name, int row, int column, const char* text, QPoint written,
                        const char* cells) {
        QTest::newRow(name) << row << column << QString(text) << written << QString(cells);
    };
    row("spreadsheet numbers, Excel line ends", 3, 1,
        "145\t145.6\t88.5\t23\t低\t否\t窄\tQT/DQT\r\n", {1, 0},
        "145.00000|145.60000|88.5|D023N|低|否|窄|QT/DQT / - / -");
    // Letters are dropped from frequencies, an out-of-band one falls to the band's low limit,
    // an emptied transmit frequency stays, a bad tone becomes none, an option list takes the
    // item a text begins and keeps its item for any other text.
    row("bad cells corrected as typed", 3, 1, "300 MHz\tabc\tx\tCTCSS\tmedium\tY\t\t载\n", {1, 0},
        "136.00000|136.00000|无|无|高|是|宽|载波 / - / -");
    row("extra cells beyond the last column left out", 1, 7, "窄\t关\t9\t9\n146\n", {2, 0},
        "145.00000|145.60000|88.5|D023N|低|是|窄|关 / - / -");
    row("stops at the band's last channel", 127, 1, "150\n151\n152\n", {2, 1},
        "150.00000|150.00000|无|无|高|是|宽|关 / 151.00000|151.00000|无|无|高|是|宽|关 / -");
    row("a VFO row stands alone", 257, 1, "150\n151\n", {1, 1},
        "150.00000|150.00000|无|无|高|是|宽|关 / - / -");
}

void TestGridRules::pasteText() {
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(QString, text);
    QFETCH(QPoint, written);
    QFETCH(QString, cells);
    MemoryImage image = ChannelImage();
    const PasteResult result = PasteGridText(image, BandLimits{}, row, column, text.toStdString());
    QCOMPARE(QPoint(result.rows, result.dropped), written);
    QCOMPARE(result.lastRow, row + written.x() - 1);
    QCOMPARE(Cells(image, row) + " / " + Cells(image, row + 1) + " / " + Cells(image, row + 2),
             cells);
}

// Whole records keep every field; the band's end stops them too.
void TestGridRules::pasteRecords() {
    MemoryImage image = ChannelImage();
    PutBytes(image, RecordOffset(2), Hex("0000501400005014"));
    const std::vector<uint8_t> records = CopyRecords(image, {1, 2});
    QCOMPARE(records.size(), size_t(64));
    const PasteResult result = PasteRecords(image, 128, records);
    QCOMPARE(QPoint(result.rows, result.dropped), QPoint(1, 1));
    QCOMPARE(ImageBytes(image, RecordOffset(128), 32), ImageBytes(image, RecordOffset(1), 32));
    QCOMPARE(Cells(image, 129), QString("-"));
    // Bytes that are not whole records are no records.
    std::vector<uint8_t> torn = records;
    torn.pop_back();
    QCOMPARE(PasteRecords(image, 10, torn).rows, 0);
    QCOMPARE(Cells(image, 10), QString("-"));
}

void TestGridRules::rowOperations_data() {
    QTest::addColumn<int>("operation");
    QTest::addColumn<QList<int>>("selected");
    QTest::addColumn<QList<int>>("channels");
    QTest::addColumn<QString>("names"); // of rows 1 2 3 4 5 6 126 127 128 129 130 256 257
    QTest::addColumn<int>("refusal");
    QTest::addColumn<QList<int>>("rows"); // the selection afterwards
    using Op = RowOperation;
    const QList<int> some = {1, 2, 4, 126, 129, 257};
    const QString unchanged = "1 2 - 4 - - 126 - - 129 - - 257";
    const auto row = [](const char* name, Op op, QList<int> selected, QList<int> channels,
                        const char* names, RowRefusal refusal, QList<int> rows) {
        QTest::newRow(name) << int(op) << selected << channels << QString(names) << int(refusal)
                            << rows;
    };
    row("clear, VFO left out", Op::Clear, {2, 257, 4}, some, "1 - - - - - 126 - - 129 - - 257",
        RowRefusal::None, {2, 4});
    row("insert before a run of two", Op::InsertEmpty, {1, 2}, some,
        "- - 1 2 - 4 - - 126 129 - - 257", RowRefusal::None, {1, 2});
    row("insert before each run", Op::InsertEmpty, {2, 4}, some, "1 - 2 - - 4 - - 126 129 - - 257",
        RowRefusal::None, {2, 5});
    row("insert pushing a channel off the band", Op::InsertEmpty, {2}, {2, 128},
        "- 2 - - - - - - 128 - - - -", RowRefusal::LastNotEmpty, {});
    row("delete in both bands", Op::DeleteShiftUp, {1, 129}, some, "2 - 4 - - - - - - - - - 257",
        RowRefusal::None, {1, 129});
    row("move up", Op::MoveUp, {2}, some, "2 1 - 4 - - 126 - - 129 - - 257", RowRefusal::None, {1});
    row("move a run down", Op::MoveDown, {1, 2}, some, "- 1 2 4 - - 126 - - 129 - - 257",
        RowRefusal::None, {2, 3});
    row("up from the band's first channel", Op::MoveUp, {4, 129}, some, qPrintable(unchanged),
        RowRefusal::BandEdge, {});
    row("down from band A's last channel", Op::MoveDown, {128}, some, qPrintable(unchanged),
        RowRefusal::BandEdge, {});
    row("VFO rows only", Op::DeleteShiftUp, {257, 258}, some, qPrintable(unchanged),
        RowRefusal::NoChannel, {});
}

void TestGridRules::rowOperations() {
    QFETCH(int, operation);
    QFETCH(QList<int>, selected);
    QFETCH(QList<int>, channels);
    QFETCH(QString, names);
    QFETCH(int, refusal);
    QFETCH(QList<int>, rows);
    MemoryImage image = NamedChannels(channels);
    const RowOperationResult result =
        ApplyRowOperation(image, BandLimits{}, RowOperation(operation),
                          std::vector<int>(selected.begin(), selected.end()));
    QCOMPARE(int(result.refusal), refusal);
    QCOMPARE(QList<int>(result.rows.begin(), result.rows.end()), rows);
    QCOMPARE(Names(image, {1, 2, 3, 4, 5, 6, 126, 127, 128, 129, 130, 256, 257}), names);
}

void TestGridRules::find_data() {
    QTest::addColumn<QString>("query");
    QTest::addColumn<int>("after");
    QTest::addColumn<QPoint>("found"); // (row, column); (0, 0) none
    QTest::newRow("transmit frequency") << "145.6" << 0 << QPoint(1, 2);
    QTest::newRow("wraps back to the row itself") << "145" << 1 << QPoint(1, 1);
    QTest::newRow("name, any case, any part") << "OM" << 1 << QPoint(129, 1);
    QTest::newRow("tone") << "d023" << 1 << QPoint(3, 4);
    QTest::newRow("receive tone") << "88.5" << 0 << QPoint(1, 3);
    QTest::newRow("a name on an empty row") << "gone" << 0 << QPoint(0, 0);
    QTest::newRow("empty query") << "" << 0 << QPoint(0, 0);
}

void TestGridRules::find() {
    QFETCH(QString, query);
    QFETCH(int, after);
    QFETCH(QPoint, found);
    MemoryImage image = ChannelImage();
    PutBytes(image, RecordOffset(3), Hex("00206514ffffffffffff2380"));
    PutBytes(image, RecordOffset(129), Hex("00005043"));
    PutBytes(image, RecordOffset(129) + 24, "home2");
    PutBytes(image, RecordOffset(5) + 24, "gone");
    const ChannelMatch match = FindChannel(image, BandLimits{}, query.toStdString(), after);
    QCOMPARE(QPoint(match.row, match.column), found);
}

KESTRA_REGISTER_TEST(TestGridRules);
#include "test_grid_clipboard.moc"

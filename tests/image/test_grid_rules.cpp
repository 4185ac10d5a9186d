#include "test_helpers.h"
#include "test_registry.h"

#include "image/band_limits.h"
#include "image/channel_grid_rules.h"
#include "image/channel_record.h"
#include "image/memory_image.h"

#include <QTest>

namespace {

GridRow RowFrom(const QString& cells) {
    GridRow row;
    const QStringList parts = cells.split('|');
    for (int c = 1; c < kGridColumns && c - 1 < parts.size(); ++c)
        row[c] = parts[c - 1].toStdString();
    return row;
}

QString CellsOf(const GridRow& row) {
    QStringList parts;
    for (int c = 1; c < kGridColumns; ++c)
        parts << Q(row[c]);
    return parts.join('|');
}

const QString kEmpty = "|||||||";
const QString kMemory = "145.00000|145.00000|88.5|无|高|是|宽|关";

} // namespace

class TestGridRules : public QObject {
    Q_OBJECT
  private slots:
    void frequencyEditor_data();
    void frequencyEditor();
    void toneAndOptionEditors_data();
    void toneAndOptionEditors();
};

void TestGridRules::frequencyEditor_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("after");
    QTest::addColumn<bool>("recordCleared");
    QTest::newRow("new channel takes defaults") << 1 << 1 << kEmpty << "150"
                                                << "150.00000|150.00000|无|无|高|是|宽|关" << true;
    QTest::newRow("out of band: band 0 low") << 2 << 1 << kEmpty << "300"
                                             << "136.00000|136.00000|无|无|高|是|宽|关" << true;
    QTest::newRow("snapped receive, transmit kept")
        << 1 << 1 << kMemory << "145.0130"
        << "145.01250|145.00000|88.5|无|高|是|宽|关" << false;
    QTest::newRow("zero empties the row") << 1 << 1 << kMemory << "0" << kEmpty << false;
    QTest::newRow("cleared editor empties the row") << 1 << 1 << kMemory << "" << kEmpty << false;
    QTest::newRow("memory row: other band leaves transmit")
        << 1 << 1 << kMemory << "435"
        << "435.00000|145.00000|88.5|无|高|是|宽|关" << false;
    QTest::newRow("VFO: other band moves transmit too")
        << 257 << 1 << kMemory << "435"
        << "435.00000|435.00000|88.5|无|高|是|宽|关" << false;
    QTest::newRow("VFO: same band leaves transmit")
        << 258 << 1 << kMemory << "146"
        << "146.00000|145.00000|88.5|无|高|是|宽|关" << false;
    QTest::newRow("transmit on an empty row stays empty")
        << 1 << 2 << kEmpty << "145" << kEmpty << false;
    QTest::newRow("emptied transmit keeps the old text")
        << 1 << 2 << kMemory << "" << kMemory << false;
    QTest::newRow("transmit snapped") << 1 << 2 << kMemory << "145.6012"
                                      << "145.00000|145.60000|88.5|无|高|是|宽|关" << false;
    QTest::newRow("VFO: emptied transmit empties receive")
        << 257 << 2 << kMemory << ""
        << "|145.00000|88.5|无|高|是|宽|关" << false;
    QTest::newRow("VFO: transmit in other band moves receive")
        << 257 << 2 << kMemory << "435"
        << "435.00000|435.00000|88.5|无|高|是|宽|关" << false;
}

void TestGridRules::frequencyEditor() {
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(QString, before);
    QFETCH(QString, typed);
    QFETCH(QString, after);
    QFETCH(bool, recordCleared);
    MemoryImage image;
    image.FillAll(0x11);
    GridRow cells = RowFrom(before);
    CommitFrequencyEditor(cells, row, column, typed.toStdString(), BandLimits{}, image);
    QCOMPARE(CellsOf(cells), after);
    const ChannelRecord cleared = ChannelRecord::Cleared();
    const bool wasCleared = ImageBytes(image, RecordOffset(row), 32) ==
                            QByteArray(reinterpret_cast<const char*>(cleared.Bytes().data()), 32);
    QCOMPARE(wasCleared, recordCleared);
}

void TestGridRules::toneAndOptionEditors_data() {
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("after");
    QTest::newRow("tone normalised") << 3 << kMemory << "d23"
                                     << "145.00000|145.00000|D023N|无|高|是|宽|关";
    QTest::newRow("tone out of range") << 4 << kMemory << "300.0" << kMemory;
    QTest::newRow("tone on empty row") << 3 << kEmpty << "88.5" << kEmpty;
    QTest::newRow("option taken") << 8 << kMemory << "载波"
                                  << "145.00000|145.00000|88.5|无|高|是|宽|载波";
    QTest::newRow("option on empty row") << 5 << kEmpty << "低" << kEmpty;
}

void TestGridRules::toneAndOptionEditors() {
    QFETCH(int, column);
    QFETCH(QString, before);
    QFETCH(QString, typed);
    QFETCH(QString, after);
    GridRow cells = RowFrom(before);
    if (column <= kColTxTone)
        CommitToneEditor(cells, column, typed.toStdString());
    else
        CommitOptionEditor(cells, column, typed.toStdString());
    QCOMPARE(CellsOf(cells), after);
}

KESTRA_REGISTER_TEST(TestGridRules);
#include "test_grid_rules.moc"

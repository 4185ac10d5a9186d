#include "test_helpers.h"
#include "test_registry.h"

#include "image/band_limits.h"
#include "image/calibration.h"
#include "image/channel_grid_rules.h"
#include "image/channel_record.h"
#include "image/codecs.h"
#include "image/finalise.h"
#include "image/image_file.h"
#include "image/new_document.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

namespace {

BandLimits Limits(const std::array<int32_t, 4>& v) { // low, high of band 0, then band 1
    return BandLimits{{v[0], v[2]}, {v[1], v[3]}};
}

void SetChannel(MemoryImage& image, int record, int32_t rx, bool scan = true) {
    ChannelRecord channel = ChannelRecord::Load(image, record);
    channel.SetRxFreq(rx);
    channel.Set(ChannelFieldId::ScanAdd, scan ? 1 : 0);
    channel.Store(image, record);
}

// Grid cells 1..8 written as "rx|tx|rxTone|txTone|power|scan|bandwidth|busy".
GridRow RowFrom(const QString& cells) {
    GridRow row;
    for (int c = 1; c < kGridColumns; ++c)
        row[c] = cells.split('|').value(c - 1).toStdString();
    return row;
}

QString CellsOf(const GridRow& row) {
    QStringList parts;
    for (int c = 1; c < kGridColumns; ++c)
        parts << Q(row[c]);
    return parts.join('|');
}

const char* const kCleared = "ffffffffffffffffffffffff0038ff00000000010000ffffffffffffffffffff";
const char* const kEmptyRow = "|||||||";
const char* const kMemory = "145.00000|145.00000|88.5|无|高|是|宽|关";

QByteArray Pattern(int size) {
    QByteArray bytes(size, 0);
    for (int i = 0; i < size; ++i)
        bytes[i] = static_cast<char>((i * 7 + i / 256) & 0xFF);
    return bytes;
}

// Makes the file (a folder for a negative size) and returns its path.
std::string Make(const QTemporaryDir& dir, const QString& name, int size) {
    QFile file(dir.filePath(name));
    if (size < 0 ? !QDir(dir.path()).mkdir(name)
                 : !file.open(QIODevice::WriteOnly) || file.write(Pattern(size)) != size)
        qFatal("cannot make %s", qPrintable(name));
    return dir.filePath(name).toStdString();
}

} // namespace

// Channel records and the grid's rules, band limits, finalisation, image files.
class TestMemoryImage : public QObject {
    Q_OBJECT
  private slots:
    void channelRecord() {
        const std::tuple<int, int, int, const char*, const char*> numbers[] = {
            {0, -1, -1, "", ""},
            {1, 0x0000, 0, "A 001", "A001"},
            {128, 0x0FE0, 0, "A 128", "A128"},
            {129, 0x1000, 1, "B 001", "B001"},
            {256, 0x1FE0, 1, "B 128", "B128"},
            {257, 0x2000, 0, "A VFO", "A VFO"},
            {258, 0x2020, 1, "B VFO", "B VFO"},
            {259, -1, -1, "", ""}};
        for (const auto& [record, offset, band, rowLabel, label] : numbers) {
            QCOMPARE(RecordOffset(record), offset);
            QCOMPARE(BandOfRecord(record), band);
            QCOMPARE(Q(GridRowLabel(record)), QString(rowLabel));
            QCOMPARE(Q(FormatChannelLabel(record)), QString(label));
        }
        // A name keeps printable ASCII only, padded with 0xFF, in bytes +24..+30.
        const std::tuple<const char*, const char*, const char*> names[] = {
            {" \x1f~\x7f", "20ff7effffffff", " "}, {"TOOLONG!", "544f4f4c4f4e47", "TOOLONG"}};
        for (const auto& [typed, bytes, shown] : names) {
            ChannelRecord record;
            record.Bytes()[31] = 'X'; // the byte after the name is no part of it
            record.SetName(typed);
            const auto* name = reinterpret_cast<const char*>(record.Bytes().data() + 24);
            QCOMPARE(QByteArray(name, 8).toHex(), QByteArray(bytes) + "58");
            QCOMPARE(Q(record.Name()), QString(shown));
        }
        // Every field set over a record of 0xFF bytes reads back its value after all are set,
        // and the record holds the bytes of the hand-written golden file.
        using F = ChannelFieldId;
        const std::pair<F, uint32_t> values[] = {
            {F::RxFreq, 14512500},    {F::TxFreq, 14572500}, {F::RxTone, 0x0885},
            {F::TxTone, 0x8023},      {F::SignalType, 1},    {F::RepeaterMode, 2},
            {F::VoiceMode, 5},        {F::PttId, 3},         {F::Vox, 0},
            {F::ScanAdd, 1},          {F::Power, 0},         {F::Bandwidth, 1},
            {F::BusyLock, 2},         {F::Reserved14, 0x14}, {F::ShiftDir, 2},
            {F::ShiftOffset, 600000}, {F::Reserved20, 0x20}, {F::Reserved21, 0x21},
            {F::Reserved22, 0x2322},  {F::Reserved31, 0x31}};
        ChannelRecord record;
        for (auto [id, value] : values)
            record.Set(id, value);
        for (auto [id, value] : values)
            QCOMPARE(record.Get(id), value);
        record.SetName("KESTRA");
        MemoryImage image;
        record.Store(image, 3);
        QCOMPARE(GoldenDifferences(image, "channel_record.hex"), QString());
    }

    void shift() {
        // Only the grid's rule looks at the bands: across them no shift; to a transmit frequency
        // outside both the old offset, unless it is unusable (the channel becomes simplex).
        const std::tuple<bool, int32_t, int32_t, int32_t, int, int32_t, int32_t> rows[] = {
            {false, 14500000, 14500000, 0, 0, 1000000, 14500000},
            {false, 14500000, -1, 0, 0, 1000000, -1},
            {false, 14500000, 14560000, 0, 2, 60000, 14560000},
            {false, 14500000, 43500000, 0, 2, 29000000, 43500000},
            {true, 14500000, 14560000, 0, 2, 60000, 14560000},
            {true, 14500000, 43500000, 600000, 0, 1000000, 43500000},
            {true, 14500000, 10000000, 9999500, 1, 9999500, 10000000},
            {true, 14500000, 10000000, 9999501, 0, 1000000, 14500000}};
        for (const auto& [grid, rx, tx, oldOffset, dir, offset, txAfter] : rows) {
            ChannelRecord record = ChannelRecord::Cleared();
            record.Set(ChannelFieldId::ShiftOffset, static_cast<uint32_t>(oldOffset));
            record.SetRxFreq(rx);
            record.SetTxFreq(tx);
            if (grid)
                DeriveShift(record, rx, tx, tx < 0, BandLimits{});
            else
                DeriveShift(record, rx, tx, tx < 0);
            QCOMPARE(int(record.Get(ChannelFieldId::ShiftDir)), dir);
            QCOMPARE(int32_t(record.Get(ChannelFieldId::ShiftOffset)), offset);
            if (tx >= 0)
                QCOMPARE(record.TxFreq(), txAfter);
        }
    }

    void grid() {
        // No cells for an erased or zero receive frequency or one outside both bands; an empty
        // cell for a zero transmit frequency and for busy lock 3.
        const std::pair<const char*, const char*> shown[] = {
            {"ffffffffffffffffffffffff0038", kEmptyRow},
            {"00000000ffffffffffffffff0038", kEmptyRow},
            {"99999935ffffffffffffffff0038", kEmptyRow},
            {"00005014000050148508548000b8", "145.00000|145.00000|88.5|D054N|高|是|宽|QT/DQT"},
            {"00505343000000008508ffff00c0", "435.35000||88.5|无|低|否|窄|"}};
        for (const auto& [head, cells] : shown) {
            MemoryImage image;
            PutBytes(image, RecordOffset(5), Hex(kCleared));
            PutBytes(image, RecordOffset(5), Hex(head));
            const GridRow row = LoadGridRow(image, BandLimits{}, 5);
            QCOMPARE(CellsOf(row), QString(cells));
        }
        // Over bytes 0x08 (scan on, power low, bandwidth narrow): unknown option texts leave scan
        // and bandwidth; a transmit frequency the field cannot hold is none.
        const std::pair<const char*, const char*> committed[] = {
            {"145.00000|145.60000|88.5|D023I|低|否|窄|载波",
             "0000501400005614850823c00840080200000600"},
            {"145.00000||无|无|高|是|宽|QT/DQT", "00005014ffffffffffffffff08b8080000000001"},
            {"145.00000|145.00000|无|无|?|?|?|?", "0000501400005014ffffffff0808080000000001"},
            {"|145.00000|88.5|88.5|低|否|窄|载波", "ffffffffffffffffffffffff0038ff0000000001"},
            {"145.00000|0|无|无|高|是|宽|关", "0000501400000000ffffffff0838080108080808"},
            {"145.00000|999.99999|无|无|高|是|宽|关", "0000501499999999ffffffff0838080208080808"},
            {"145.00000|1000|无|无|高|是|宽|关", "00005014ffffffffffffffff0838080000000001"}};
        for (const auto& [cells, bytes] : committed) {
            MemoryImage image;
            image.FillAll(0x08);
            CommitGridRow(image, BandLimits{}, 3, RowFrom(cells));
            QCOMPARE(ImageBytes(image, RecordOffset(3), 20).toHex(), bytes);
        }
        // The cell editors; a receive frequency typed into an empty row clears its record.
        const std::tuple<int, int, const char*, const char*, const char*, bool> rows[] = {
            {1, kColRxFreq, kEmptyRow, "150", "150.00000|150.00000|无|无|高|是|宽|关", true},
            {1, kColRxFreq, kMemory, "0", kEmptyRow, false},
            {1, kColRxFreq, kMemory, "435", "435.00000|145.00000|88.5|无|高|是|宽|关", false},
            {257, kColRxFreq, kMemory, "146", "146.00000|145.00000|88.5|无|高|是|宽|关", false},
            {258, kColRxFreq, kMemory, "435", "435.00000|435.00000|88.5|无|高|是|宽|关", false},
            {1, kColTxFreq, kEmptyRow, "145", kEmptyRow, false},
            {1, kColTxFreq, kMemory, "", kMemory, false},
            {1, kColTxFreq, kMemory, "145.6", "145.00000|145.60000|88.5|无|高|是|宽|关", false},
            {257, kColTxFreq, kMemory, "435", "435.00000|435.00000|88.5|无|高|是|宽|关", false},
            {1, kColRxTone, kMemory, "d23", "145.00000|145.00000|D023N|无|高|是|宽|关", false},
            {1, kColTxTone, kMemory, "D754I", "145.00000|145.00000|88.5|D754I|高|是|宽|关", false},
            {1, kColRxTone, kEmptyRow, "88.5", kEmptyRow, false},
            {1, kColPower, kMemory, "低", "145.00000|145.00000|88.5|无|低|是|宽|关", false},
            {1, kColBusy, kMemory, "载波", "145.00000|145.00000|88.5|无|高|是|宽|载波", false},
            {1, kColScan, kEmptyRow, "否", kEmptyRow, false}};
        for (const auto& [row, column, before, typed, after, cleared] : rows) {
            MemoryImage image;
            image.FillAll(0x11);
            GridRow cells = RowFrom(before);
            if (column <= kColTxFreq)
                CommitFrequencyEditor(cells, row, column, typed, BandLimits{}, image);
            else if (column <= kColTxTone)
                CommitToneEditor(cells, column, typed);
            else
                CommitOptionEditor(cells, column, typed);
            QCOMPARE(CellsOf(cells), QString(after));
            QCOMPARE(ImageBytes(image, RecordOffset(row), 32).toHex() == kCleared, cleared);
        }
    }

    void bandsAndCalibration() {
        const BandLimits limits;
        const std::pair<int32_t, int> bands[] = {
            {13599999, -1}, {13600000, 0}, {17400000, 0}, {17400001, -1}, {45000000, 1}};
        for (const auto& [f, band] : bands)
            QCOMPARE(limits.BandOf(f), band);
        QCOMPARE(Limits({13600000, 48000000, 40000000, 48000000}).BandOf(45000000), 0);
        QVERIFY(!limits.SameBand(15000000, 45000000));
        QVERIFY(limits.SameBand(10000000, 60000000)); // both outside
        // A band is configured when neither limit is 0 or -1.
        const std::pair<std::array<int32_t, 4>, int> configured[] = {
            {{13600000, 17400000, 40000000, 48000000}, 0},
            {{0, 0, 40000000, 48000000}, 1},
            {{13600000, -1, 40000000, 48000000}, 1},
            {{0, -1, -1, 0}, -1}};
        for (const auto& [values, band] : configured)
            QCOMPARE(Limits(values).FirstConfiguredBand(), band);
        // From the band block: a band whose limits are erased or not decimal keeps its own.
        const std::pair<const char*, std::array<int32_t, 4>> blocks[] = {
            {"ffffffffffffffffffffffffffffffff", {13600000, 17400000, 40000000, 48000000}},
            {"00094014000070140000004300009043", {14400900, 14700000, 43000000, 43900000}},
            {"a0094014000070140000004300009043", {13600000, 17400000, 43000000, 43900000}},
            {"00094014000070140a00004300009043", {14400900, 14700000, 40000000, 48000000}}};
        for (const auto& [block, expected] : blocks) {
            MemoryImage image;
            PutBytes(image, kBandBlock, Hex(block));
            BandLimits refreshed;
            RefreshBandLimitsFromImage(image, refreshed);
            QCOMPARE((std::array{refreshed.low[0], refreshed.high[0], refreshed.low[1],
                                 refreshed.high[1]}),
                     expected);
        }
        MemoryImage stored;
        stored.FillAll(0x5A);
        StoreBandLimitsToImage(Limits({13612500, 17498750, 40001250, 47999375}), stored);
        QCOMPARE(GoldenDifferences(stored, "band_block.hex"), QString());
        // A calibration band's points: the ends of the working bands inside (else of its
        // fallback), middle and thirds rounded to whole MHz, halves up; slopes: 24 bits, bit 23
        // for falling.
        const std::pair<int32_t, int> calibrationBands[] = {
            {13600000, 0}, {17400001, -1}, {20000000, 1}, {26000001, -1},
            {40000000, 2}, {52000000, 2},  {52000001, -1}};
        for (const auto& [f, band] : calibrationBands)
            QCOMPARE(CalibrationBandOf(f), band);
        const std::array<int32_t, 4> startUp{13600000, 17400000, 40000000, 48000000};
        const std::array<int32_t, 4> twoInVhf{14000000, 15000000, 16000000, 17000000};
        const std::array<int32_t, 4> uhfEdges{13600000, 17400000, 40000000, 52000000};
        const std::array<int32_t, 4> halves{13600000, 17400000, 43049997, 43050003};
        const std::tuple<std::array<int32_t, 4>, int, std::array<int32_t, 5>> points[] = {
            {startUp, 1, {20000000, 26000000, 23000000, 22000000, 24000000}},
            {twoInVhf, 0, {14000000, 17000000, 15500000, 15000000, 16000000}},
            {twoInVhf, 2, {40000000, 48000000, 44000000, 42700000, 45300000}},
            {uhfEdges, 2, {40000000, 52000000, 46000000, 44000000, 48000000}},
            {halves, 2, {43049997, 43050003, 43100000, 43000000, 43100000}}};
        for (const auto& [limits, band, expected] : points) {
            MemoryImage image;
            DeriveBandPoints(image, Limits(limits));
            std::array<int32_t, 5> got{};
            for (int p = 0; p < 5; ++p)
                got[p] = static_cast<int32_t>(image.Le32(kBandPoints + 20 * band + 4 * p));
            QCOMPARE(got, expected);
        }
        const std::tuple<int, const char*, const char*> slopes[] = {{0, "0a1414", "30e602000000"},
                                                                    {1, "00ff00", "1a1d001a1d80"},
                                                                    {4, "0a1400", "801a06400d83"}};
        for (const auto& [row, power, expected] : slopes) {
            MemoryImage image;
            PutBytes(image, kPowerTable + 3 * row, Hex(power));
            DeriveBandPoints(image, BandLimits{});
            QCOMPARE(ImageBytes(image, kPowerSlopes + 6 * row, 6).toHex(), expected);
        }
    }

    void finalise() {
        // Over bytes of 0x5A, with the feature bytes all set and valid channels A001, A009 (not
        // scanned), A010, A128, B001 and B128, all with a band A frequency; the VFOs are none.
        MemoryImage image;
        image.FillAll(0x5A);
        PutBytes(image, 0x204C, Hex("ffffff"));
        for (int record : {1, 9, 10, 128, 129, 256, 257, 258})
            SetChannel(image, record, 14500000, record != 9);
        WriteReceiverChipBlock(image, -1); // no selection: the first variant
        FinaliseImage(image, BandLimits{});
        QCOMPARE(ImageBytes(image, 0x2E00, 0x80).toHex(),
                 QByteArray("4e51522d4b323000ffffffffffffffff" // model name, filler
                            "00006013000040170000004000000048" // working band limits
                            "01015a5a5a5a5a5affffffffffffffff" // first valid channels
                            "ffffffffffffffff5a5a5a5a5a5a5a5a"
                            "01030000000000000000000000000080"    // presence A
                            "01020000000000000000000000000080"    // scan A
                            "01000000000000000000000000000080"    // presence B
                            "01000000000000000000000000000080")); // scan B
        // Feature bits cleared; the selected channels (index 0x5A, invalid) repaired.
        QCOMPARE(ImageBytes(image, 0x204C, 5).toHex(), "9f3fcf0000");
        // 0x1F70 belongs to channel B124: the fixed block goes to 0x2F70 only.
        QCOMPARE(ImageBytes(image, 0x1F70, 8), QByteArray(8, 0x5A));
        QCOMPARE(ImageBytes(image, 0x2F00, 7).toHex(), "6ec00100000400");
        QCOMPARE(ImageBytes(image, 0x2F6B, 13).toHex(), "25c70000ffb001040a080288aa");
        QCOMPARE(ImageBytes(image, kRampTable - 1, 12).toHex(), "5a423b352f28221c150f085a");
        // Valid A005, A007, A128 and maybe B001; an index past its band reads no other band.
        const std::tuple<int, int, bool, int, int> rows[] = {{6, 0, true, 6, 0},
                                                             {127, 0, true, 127, 0},
                                                             {128, 200, true, 4, 0},
                                                             {4, 0, false, 4, 0xFE}};
        for (const auto& [selectedA, selectedB, bandB, expectedA, expectedB] : rows) {
            MemoryImage repaired;
            repaired.FillAll(0xFF);
            for (int record : {5, 7, 128})
                SetChannel(repaired, record, 14500000);
            if (bandB)
                SetChannel(repaired, 129, 43500000);
            repaired.SetByte(kSelectedChannelA, static_cast<uint8_t>(selectedA));
            repaired.SetByte(kSelectedChannelB, static_cast<uint8_t>(selectedB));
            FinaliseImage(repaired, BandLimits{});
            QCOMPARE(int(repaired.Byte(kSelectedChannelA)), expectedA);
            QCOMPARE(int(repaired.Byte(kSelectedChannelB)), expectedB);
            QCOMPARE(int(repaired.Byte(kFirstValidB)), bandB ? 1 : 0xFF);
        }
    }

    void files() {
        // Without a default file, or with a folder in its place, the built-in defaults: 258
        // cleared records (channel B124 holds the default 0x0A at 0x1F77) and start values.
        QTemporaryDir dir;
        QByteArray records = Hex(kCleared).repeated(258);
        records[0x1F77] = 0x0A;
        for (const std::string& path : {std::string("/none/Default.dat"), Make(dir, "f", -1)}) {
            MemoryImage image;
            QVERIFY(!BuildNewDocumentImage(image, path));
            QCOMPARE(ImageBytes(image, 0, 0x2040).toHex(), records.toHex());
            QCOMPARE(ImageBytes(image, 0x2040, 16).toHex(), "1eff040404ff0501030e90288a0dffff");
            QCOMPARE(ImageBytes(image, 0x2080, 4).toHex(), "32040202");
            QCOMPARE(int(image.Byte(0x20A8)), 0x0E);
            QCOMPARE(ImageBytes(image, 0x20B0, 4).toHex(), "010000ff");
            QCOMPARE(ImageBytes(image, 0x20D8, 6).toHex(), "0a45fa0aff0e");
            QCOMPARE(ImageBytes(image, 0x20E0, 8).toHex(), "0100000e010000ff");
            QCOMPARE(ImageBytes(image, 0x2E00, 0x1200), QByteArray(0x1200, char(0xFF)));
        }
        // A shorter default file leaves the rest erased; a longer one gives its first 16384.
        for (int size : {100, 20000}) {
            MemoryImage image;
            QVERIFY(BuildNewDocumentImage(image, Make(dir, QString::number(size), size)));
            const int used = std::min(size, kImageSize);
            QCOMPARE(ImageBytes(image, 0, kImageSize),
                     Pattern(used) + QByteArray(kImageSize - used, char(0xFF)));
        }
        // File size (-1: a folder, 0: no file) and the result; a failed load keeps the image.
        const std::pair<int, FileError> loads[] = {{kImageSize, FileError::None},
                                                   {20000, FileError::None},
                                                   {kImageSize - 1, FileError::TooShort},
                                                   {0, FileError::CannotOpen},
                                                   {-1, FileError::CannotRead}};
        for (const auto& [size, error] : loads) {
            QTemporaryDir temp;
            MemoryImage image;
            image.FillAll(0x3C);
            const auto path = size ? Make(temp, "f", size) : temp.filePath("f").toStdString();
            const FileResult result = LoadImageFile(path, image);
            QCOMPARE(int(result.error), int(error));
            QCOMPARE(ImageBytes(image, 0, kImageSize),
                     result.ok() ? Pattern(kImageSize) : QByteArray(kImageSize, 0x3C));
        }
        // Saving replaces the file, also through a link, which stays a link.
        const std::string path = Make(dir, "saved.dat", 30000);
        const QString link = dir.filePath("link.dat");
        QVERIFY(QFile::link(QString::fromStdString(path), link));
        MemoryImage image;
        image.FillAll(0x43);
        QVERIFY(SaveImageFile(link.toStdString(), image).ok());
        QVERIFY(QFileInfo(link).isSymLink());
        QCOMPARE(FileBytes(Q(path)), QByteArray(kImageSize, 0x43));
        // When the temporary file cannot be made (a folder has its name) the old file stays.
        Make(dir, ".saved.dat.saving", -1);
        QCOMPARE(int(SaveImageFile(path, MemoryImage()).error), int(FileError::CannotWrite));
        QCOMPARE(FileBytes(Q(path)), QByteArray(kImageSize, 0x43));
        // A target that is a folder is refused and leaves no temporary file behind.
        QVERIFY(!SaveImageFile(Make(dir, "folder.dat", -1), image).ok());
        QVERIFY(!QFile::exists(dir.filePath(".folder.dat.saving")));
    }
};

KESTRA_REGISTER_TEST(TestMemoryImage);
#include "test_memory_image.moc"

#include "test_helpers.h"
#include "test_registry.h"

#include "image/band_limits.h"
#include "image/channel_csv.h"
#include "image/channel_record.h"
#include "image/codecs.h"
#include "image/csv_text.h"
#include "image/csv_tone_columns.h"
#include "image/new_document.h"

#include <random>

namespace {

// Rows joined as "a|b;c|d" for compact comparisons.
QString Joined(const CsvTable& table) {
    QStringList rows;
    for (const auto& row : table.rows) {
        QStringList fields;
        for (const std::string& field : row)
            fields << Q(field);
        rows << fields.join('|');
    }
    return rows.join(';');
}

// The CSV as rows of fields, the header dropped.
std::vector<std::vector<std::string>> DataRows(const std::string& csv) {
    CsvParseError error;
    auto table = ParseCsv(csv, error);
    if (!table || table->rows.empty())
        return {};
    table->rows.erase(table->rows.begin());
    return table->rows;
}

QString Columns(const ToneColumns& c) {
    return Q(c.tone + "|" + c.rToneFreq + "|" + c.cToneFreq + "|" + c.dtcsCode + "|" +
             c.dtcsPolarity + "|" + c.rxDtcsCode + "|" + c.crossMode);
}

MemoryImage NewImage() {
    MemoryImage image;
    BuildNewDocumentImage(image, "/nonexistent/Default.dat");
    return image;
}

const char* const kHeader = "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,"
                            "DtcsCode,DtcsPolarity,RxDtcsCode,CrossMode,Mode,TStep,Skip,Power\n";

} // namespace

// Channel lists as CSV: the text layer, the tone and duplex mapping, import rules, round trip.
class TestChannelCsv : public QObject {
    Q_OBJECT
  private slots:
    void csvText() {
        const std::tuple<const char*, const char*, int> rows[] = {
            {"a,b\r\nc,d\n", "a|b;c|d", 0},
            {"\xEF\xBB\xBF"
             "a,,\"b,\"\"c\"\"\"\n",
             "a||b,\"c\"", 0},
            {"\"two\nlines\",x\n,,\n\nlast", "two\nlines|x;last", 0},
            {"a,\"open\nb,c\n", "", 1},
            {"a\n\"x\"y,b\n", "", 2},
        };
        for (const auto& [text, expected, errorLine] : rows) {
            CsvParseError error;
            const auto table = ParseCsv(text, error);
            QCOMPARE(table.has_value(), errorLine == 0);
            QCOMPARE(table ? Joined(*table) : QString(), QString(expected));
            QCOMPARE(error.line, errorLine);
        }
        QCOMPARE(Q(CsvField("a,b")), QString("\"a,b\""));
        QCOMPARE(Q(CsvField("say \"hi\"")), QString("\"say \"\"hi\"\"\""));
        QCOMPARE(Q(CsvField("plain")), QString("plain"));
    }

    void toneColumns() {
        // Tone|rToneFreq|cToneFreq|DtcsCode|DtcsPolarity|RxDtcsCode|CrossMode for (tx, rx).
        const std::tuple<const char*, const char*, const char*> rows[] = {
            {"无", "无", "|88.5|88.5|023|NN|023|Tone->Tone"},
            {"67.0", "无", "Tone|67.0|88.5|023|NN|023|Tone->Tone"},
            {"100.0", "100.0", "TSQL|100.0|100.0|023|NN|023|Tone->Tone"},
            {"67.0", "254.1", "Cross|67.0|254.1|023|NN|023|Tone->Tone"},
            {"D023N", "D023I", "DTCS|88.5|88.5|023|NR|023|Tone->Tone"},
            {"D754I", "D025N", "Cross|88.5|88.5|754|RN|025|DTCS->DTCS"},
            {"无", "88.5", "Cross|88.5|88.5|023|NN|023|->Tone"},
            {"无", "D017I", "Cross|88.5|88.5|023|NR|017|->DTCS"},
            {"71.9", "D023N", "Cross|71.9|88.5|023|NN|023|Tone->DTCS"},
            {"D023I", "71.9", "Cross|88.5|71.9|023|RN|023|DTCS->Tone"},
            {"D023N", "无", "Cross|88.5|88.5|023|NN|023|DTCS->"},
        };
        for (const auto& [tx, rx, columns] : rows) {
            const ToneColumns c = ToneColumnsFor(tx, rx);
            QCOMPARE(Columns(c), QString(columns));
            std::string problem, adapted;
            const TonePair back = TonesFromColumns(c, problem, adapted);
            QCOMPARE(Q(back.tx + "/" + back.rx + problem + adapted), Q(std::string(tx) + "/" + rx));
        }
    }

    void toneColumnsFromOtherTools() {
        // Tone|rTone|cTone|dtcs|polarity|rxDtcs|cross -> "tx/rx", the adaptation or the problem.
        const char* const notListed = "亚音不在对讲机的亚音列表中";
        const std::pair<const char*, const char*> rows[] = {
            {"Tone|88.50|x|x|x|x|x", "88.5/无"},
            {"DTCS|x|x|23|RR|999|x", "D023I/D023I"},
            {"TSQL-R|x|100.0|x|x|x|x", "无/无 不支持反向静噪 TSQL-R，改为无亚音"},
            {"TSQL|x|69.4|x|x|x|x", notListed},
            {"DTCS|x|x|024|NN|x|x", notListed},
            {"DTCS|x|x||NN|x|x", notListed},
            {"DTCS|x|x|23x|NN|x|x", notListed},
            {"DTCS|x|x|023|N|x|x", notListed},
            {"Cross|x|x|x|NN|x|Tone->Tone", notListed},
            {"Cross|x|x|x|x|x|->", "不支持 CrossMode \"->\""},
            {"Cross|x|x|x|x|x|DTCS-DTCS", "不支持 CrossMode \"DTCS-DTCS\""},
            {"Cross|x|x|x|x|x|Tone->AM", "不支持 CrossMode \"Tone->AM\""},
            {"Ring|x|x|x|x|x|x", "不支持 Tone \"Ring\""},
        };
        for (const auto& [columns, expected] : rows) {
            const QStringList f = QString(columns).split('|');
            const ToneColumns c{f[0].toStdString(), f[1].toStdString(), f[2].toStdString(),
                                f[3].toStdString(), f[4].toStdString(), f[5].toStdString(),
                                f[6].toStdString()};
            std::string problem, adapted;
            const TonePair pair = TonesFromColumns(c, problem, adapted);
            const std::string got =
                !problem.empty() ? problem
                                 : pair.tx + "/" + pair.rx + (adapted.empty() ? "" : " ") + adapted;
            QCOMPARE(Q(got), QString(expected));
        }
    }

    void exportRows() {
        // Record 5: rx, tx, and scan/power/bandwidth all 0 or 1. The expected fields are
        // Frequency|Duplex|Offset|Mode|TStep|Skip|Power; Location, Name, Comment and two extras.
        using F = ChannelFieldId;
        const std::tuple<int32_t, int32_t, int, const char*> rows[] = {
            {14550000, 14500000, 0, "145.500000|-|0.500000|NFM|5.00|S|Low"},
            {14550625, 14560625, 1, "145.506250|+|0.100000|FM|6.25||High"},
            {14550250, 14550250, 1, "145.502500||0.000000|FM|2.50||High"},
            {14550125, -1, 1, "145.501250|off|0.000000|FM|2.50||High"},
            {14550000, 43500000, 1, "145.500000|split|435.000000|FM|5.00||High"},
            {14550000, 60000000, 1, "145.500000|split|600.000000|FM|5.00||High"},
        };
        for (const auto& [rx, tx, flags, expected] : rows) {
            MemoryImage image = NewImage();
            ChannelRecord r = ChannelRecord::Load(image, 5);
            r.SetRxFreq(rx);
            tx < 0 ? r.SetNoTxFreq() : r.SetTxFreq(tx);
            for (F id : {F::ScanAdd, F::Power, F::Bandwidth})
                r.Set(id, static_cast<uint32_t>(flags));
            r.SetName("a,b");
            r.Set(F::VoiceMode, 9);
            r.Set(F::ShiftOffset, 12345);
            r.Store(image, 5);
            const auto data = DataRows(ExportChannelsCsv(image, BandLimits{}));
            QCOMPARE(int(data.size()), 1);
            const auto& f = data[0];
            QCOMPARE(Q(f[2] + "|" + f[3] + "|" + f[4] + "|" + f[12] + "|" + f[13] + "|" + f[14] +
                       "|" + f[15]),
                     QString(expected));
            // voiceMode and shiftOffset among the extra columns
            QCOMPARE(Q(f[0] + "|" + f[1] + "|" + f[16] + "|" + f[23] + "|" + f[28]),
                     QString("5|a,b|A 005|9|12345"));
        }
    }

    void importFile() {
        // A byte-order mark, CRLF, reordered and unknown columns, and rows the radio cannot hold.
        const char* csv = "\xEF\xBB\xBF"
                          "Frequency,Extra,Name,Location,Duplex,Offset,Tone,rToneFreq,Mode\r\n"
                          "145.600000,zz,RPT1,3,-,0.600000,Tone,88.5,FM\r\n"
                          "50.000000,,LOW,4,,,,,FM\r\n"
                          "145.000000,,AM,5,,,,,AM\r\n"
                          "145.012300,,名字ab,6,,,,,\r\n"
                          "145.000000,,DUP,7,minus,,,,\r\n"
                          "438.000000,,SPLIT,8,split,1000.000000,,,\r\n";
        MemoryImage image = NewImage();
        const CsvImportResult result = ImportChannelsCsv(csv, image, BandLimits{});
        QCOMPARE(Q(result.error), QString());
        QCOMPARE(result.Count(CsvRowOutcome::Imported), 1);
        QCOMPARE(result.Count(CsvRowOutcome::Adapted), 1);
        QCOMPARE(result.Count(CsvRowOutcome::Skipped), 4);
        // rx 145.6, tx 145.0, no receive tone, transmit 88.5 Hz, options off, scan/power/wide,
        // reserved bytes of the cleared record, shift down 0.6 MHz, name RPT1.
        QCOMPARE(ImageBytes(image, 0x40, 32).toHex(' '),
                 QByteArray("00 00 56 14 00 00 50 14 ff ff 85 08 00 38 ff 01 00 00 06 00 00 00 "
                            "ff ff 52 50 54 31 ff ff ff ff"));
        QCOMPARE(Q(ChannelRecord::Load(image, 6).Name()), QString("ab"));
        QCOMPARE(ChannelRecord::Load(image, 6).RxFreq(), 14501000);
        for (int record : {4, 5, 7, 8})
            QVERIFY(ChannelRecord::Load(image, record).IsEmptyForDisplay());
        QCOMPARE(image.Byte(0x2E40), uint8_t(0x24)); // presence bits of A003 and A006
        const QString summary = Q(DescribeImport(result));
        for (const char* part :
             {"导入 1 行，调整 1 行，跳过 4 行", "第 3 行跳过：频率 \"50.000000\"",
              "第 4 行跳过：不支持模式 \"AM\"", "第 5 行（A 006）调整：接收 145.010000 MHz",
              "名字 \"名字ab\" 改为 \"ab\"", "第 6 行跳过：不支持 Duplex \"minus\"",
              "第 7 行跳过：发射频率无效"})
            QVERIFY2(summary.contains(part), qPrintable(summary));
    }

    void placement() {
        // Rows with a location go there first; the others fill the first empty record of the
        // band of their frequency; a location used twice and a full band skip the row.
        MemoryImage image = NewImage();
        ChannelRecord taken = ChannelRecord::Load(image, 1);
        taken.SetRxFreq(14400000);
        taken.Store(image, 1);
        taken.SetRxFreq(5000000); // outside both bands: shown empty, so free to fill
        taken.Store(image, 3);
        const std::string csv = std::string(kHeader) + ",,145.000000\n"
                                                       "2,,146.000000\n"
                                                       "0,,435.000000\n"
                                                       "2,,147.000000\n"
                                                       "x,,436.000000\n";
        const CsvImportResult result = ImportChannelsCsv(csv, image, BandLimits{});
        QCOMPARE(int(result.rows.size()), 5);
        const int expected[] = {3, 2, 129, 0, 130};
        for (int i = 0; i < 5; ++i)
            QCOMPARE(result.rows[i].record, expected[i]);
        QCOMPARE(ChannelRecord::Load(image, 2).RxFreq(), 14600000);

        for (int record = 129; record <= 256; ++record) {
            ChannelRecord r = ChannelRecord::Load(image, record);
            r.SetRxFreq(44000000);
            r.Store(image, record);
        }
        const auto full = ImportChannelsCsv(std::string(kHeader) + ",,440.000000\n", image, {});
        QCOMPARE(Q(full.rows.at(0).reasons.at(0)), QString("频段 B 已没有空信道"));
    }

    void malformedFileChangesNothing() {
        const char* files[] = {"Name,Frequency\nA,145.0\nB,\"146.0\n", "Name,Freq\nA,145.0\n", ""};
        for (const char* text : files) {
            MemoryImage image = NewImage();
            const MemoryImage before = image;
            const CsvImportResult result = ImportChannelsCsv(text, image, BandLimits{});
            QVERIFY(!result.error.empty());
            QVERIFY(result.rows.empty());
            QCOMPARE(ImageBytes(image, 0, kImageSize), ImageBytes(before, 0, kImageSize));
        }
    }

    void roundTrip() {
        // Crafted channels with every field varied; export, import into a new document: every
        // record byte but the reserved ones comes back.
        std::mt19937 random(20261208);
        auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
        const auto& tones = ToneList();
        MemoryImage image = NewImage();
        std::vector<int> valid;
        for (int record = 1; record <= 256; ++record) {
            if (pick(3) == 0)
                continue;
            valid.push_back(record);
            ChannelRecord r;
            for (auto& b : r.Bytes())
                b = static_cast<uint8_t>(random());
            const int32_t rx = pick(2) ? 13600000 + 625 * pick(6000) : 40000000 + 250 * pick(30000);
            const int32_t txChoices[] = {rx, rx + 5000 * pick(200), 43000000, 99999000, -1};
            const int32_t tx = txChoices[pick(5)];
            r.SetRxFreq(rx);
            tx < 0 ? r.SetNoTxFreq() : r.SetTxFreq(tx);
            const auto [rl, rh] =
                EncodeToneCode(tones[static_cast<size_t>(pick(int(tones.size())))]);
            const auto [tl, th] =
                EncodeToneCode(tones[static_cast<size_t>(pick(int(tones.size())))]);
            r.SetRxTone(rl, rh);
            r.SetTxTone(tl, th);
            r.Set(ChannelFieldId::ShiftOffset, static_cast<uint32_t>(pick(99999999)));
            r.SetName(std::string("N,\" ~") + char('A' + pick(26)) + char('0' + pick(10)));
            r.Store(image, record);
        }
        MemoryImage copy = NewImage();
        const CsvImportResult result =
            ImportChannelsCsv(ExportChannelsCsv(image, BandLimits{}), copy, BandLimits{});
        QVERIFY2(result.Count(CsvRowOutcome::Imported) == int(valid.size()),
                 DescribeImport(result).c_str());
        const QSet<int> reserved = {14, 20, 21, 22, 23, 31};
        for (int record : valid) {
            const auto a = ChannelRecord::Load(image, record).Bytes();
            const auto b = ChannelRecord::Load(copy, record).Bytes();
            for (int k = 0; k < kRecordSize; ++k)
                if (!reserved.contains(k))
                    QVERIFY2(a[k] == b[k],
                             qPrintable(QString("record %1 byte %2").arg(record).arg(k)));
        }
    }
};
KESTRA_REGISTER_TEST(TestChannelCsv);

#include "test_channel_csv.moc"

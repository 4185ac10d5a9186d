#include "../image/test_helpers.h"
#include "../image/test_registry.h"
#include "channel_test_support.h"

#include "image/band_limits.h"
#include "image/channel_edit_rules.h"
#include "image/channel_record.h"
#include "image/codecs.h"
#include "image/memory_image.h"

#include <QTest>

namespace {

// "rx|tx|rxTone|txTone|options" with the options as digits in ChannelOptions() order.
QString Show(const ChannelEditValues& v) {
    QString options;
    for (int o : v.options)
        options += o < 0 ? QString("-") : QString::number(o);
    return QStringList{Q(v.rx), Q(v.tx), Q(v.rxTone), Q(v.txTone), options}.join('|');
}

// Commits the receive ("rx") or transmit edit of the channel edit dialog: f holds the record,
// the rx and tx texts and the committed receive text or the transmit text at focus. Returns
// the first fields + 1 fields of Show().
QString Commit(const QString& edit, const QStringList& f, int fields) {
    ChannelEditValues v; // a new channel, or one with tone 88.5 and scan on
    if (!f[3].isEmpty() || edit == "tx")
        v = {false, "", "", "88.5", "无", "", {0, 0, 1, 0, 0, 0, 0, 1, 0}};
    v.rx = f[1].toStdString();
    v.tx = f[2].toStdString();
    std::string text = f[3].toStdString();
    if (edit == "tx")
        CommitChannelTransmit(v, text, f[0].toInt(), BandLimits{});
    else
        CommitChannelReceive(v, text, f[0].toInt(), BandLimits{});
    // A receive commit makes its text the committed one; an empty one empties the channel.
    const bool consistent = edit == "tx" || (text == v.rx && v.empty == v.rx.empty());
    return Show(v).section('|', 0, fields) + (consistent ? "" : " (inconsistent)");
}

// Loads record 1 holding the bytes `stored` (+0..+13) and stores the values unchanged into
// the cleared record 2: Show() of the values, then bytes +0..+19 of record 2.
QString LoadAndStore(const QString& stored) {
    MemoryImage image;
    ClearRecord(image, 1);
    ClearRecord(image, 2);
    PutBytes(image, RecordOffset(1), QByteArray::fromHex(stored.toLatin1()));
    const ChannelEditValues v = LoadChannelEdit(image, 1);
    StoreChannelEdit(image, 2, v.rx, v);
    const QString written = ImageBytes(image, RecordOffset(2), 20).toHex();
    return Show(v) + (v.empty == v.rx.empty() ? "|" : " (inconsistent)|") + written;
}

} // namespace

// The batch generator and the rules of the batch and channel edit dialogs' fields.
class TestChannelRules : public QObject {
    Q_OBJECT
  private slots:
    void batchGenerate_data();
    void batchGenerate();
    void fieldRules_data();
    void fieldRules();
};

void TestChannelRules::batchGenerate_data() {
    QTest::addColumn<QString>("settings");
    // A view ('f' MHz rx/tx, 't' tones, 'n' name, 'o' option bytes), then record=text pairs.
    QTest::addColumn<QString>("expected");
    const auto row = [](const char* name, const char* a, const char* b) {
        QTest::newRow(name) << QString(a) << QString(b);
    };
    row("step 612.5 up; offset 0", "1-3 rxStart=145 rxStep=612.5 mode=offset", "f 3=146.225");
    row("up to the top, then wrapped", "1-3 rxStart=173.975 rxStep=25", "f 2=174 3=136");
    row("down, then wrapped", "1-3 rxStart=136.025 rxStep=25 rxDown=1", "f 2=136 3=174");
    row("off-step start kept, next value snapped", "1-2 rxStart=145.001", "f 1=145.001 2=145");
    row("receive step above 1000 kHz counts as 1000",
        "1-2 rxStart=145 rxStep=2000 mode=own txStart=150 txStep=612.5", "f 2=146/150.6125");
    row("offset minus: to band B's bottom, below it to its top",
        "129-130 rxStart=404.975 rxStep=25 mode=offset offset=5 minus=1",
        "f 129=404.975/480 130=405/400");
    row("own transmit step above 1000 kHz, down",
        "1-3 rxStart=145 mode=own txStart=150 txStep=2000 txDown=1", "f 3=145/148");
    row("start outside the bands: band 0's low; offset plus; range ends at 256",
        "255-300 rxStart=300 rxStep=25 mode=offset offset=0.6",
        "f 255=136/136.6 256=136.025/136.625 257=-");
    row("tones 无 without an interval", "1-2", "t 2=无/无");
    row("down from 无 to the last tone", "1-2 rxInterval=1 rxToneDown=1", "t 2=D754I/D754I");
    row("start beyond the list is its last; up passes 无", "1-3 rxTone=999 rxInterval=1",
        "t 1=D754I/D754I 2=无/无 3=67.0/67.0");
    row("interval above 20 counts as 20", "1-2 rxTone=1 rxInterval=40", "t 2=131.8/131.8");
    row("own transmit tone steps on its own",
        "1-2 rxTone=1 txOwn=1 txTone=5 txInterval=2 txToneDown=1", "t 1=67.0/77.0 2=67.0/71.9");
    // The transmit random box takes no number without the own transmit tone.
    row("random receive tones", "1-3 rxRandom=1 rxInterval=3 txRandom=1",
        "t 1=D754I/D754I 2=无/无 3=D025N/D025N");
    row("random transmit tones", "1-2 txOwn=1 txRandom=1 txTone=7", "t 1=无/D754I 2=无/无");
    row("four letters and the record number", "99-129 name=ABCDEFG byChannel=1",
        "n 99=ABCD099 129=ABCD129");
    row("an empty name erases the old one", "1-1", "n 1=");
    // Power, bandwidth, busy, signal, vox, voice, PTT ID, scan, repeater: bytes +12, +13.
    row("last option items", "1-1 options=112119312", "o 1=99bf");
    row("no option selected counts as the first item", "1-1 options=---------", "o 1=0000");
}

// Bytes +14..+23 and +31 of the records are left alone.
void TestChannelRules::batchGenerate() {
    QFETCH(QString, settings);
    QFETCH(QString, expected);
    MemoryImage image;
    ClearedChannels(image);
    const QByteArray kept = Hex("030405060708090a0b0c") + "OLDNAME\x5a";
    PutBytes(image, RecordOffset(1) + 14, kept);
    // Entries 264, 0 (265) and 53 (9 * 265 + 53) for the random tones.
    const uint32_t sequence[] = {264, 265, 2438};
    size_t next = 0;
    GenerateChannels(image, BandLimits{}, ParseBatchSettings(settings),
                     [&] { return sequence[next++ % 3]; });
    QCOMPARE(ImageBytes(image, RecordOffset(1) + 14, 10), kept.left(10));
    QCOMPARE(ImageBytes(image, RecordOffset(1) + 31, 1), kept.right(1));
    const auto mhz = [](int32_t f) { return QString::number(f / 1e5, 'g', 10); };
    const QStringList pairs = expected.split(' ');
    for (const QString& pair : pairs.mid(1)) {
        const int record = pair.section('=', 0, 0).toInt();
        const ChannelRecord r = ChannelRecord::Load(image, record);
        QString shown = mhz(r.RxFreq()) + (r.TxFreq() == r.RxFreq() ? "" : "/" + mhz(r.TxFreq()));
        if (pairs[0] == "t")
            shown = Q(DecodeToneCode(r.RxToneLow(), r.RxToneHigh()) + "/" +
                      DecodeToneCode(r.TxToneLow(), r.TxToneHigh()));
        else if (pairs[0] == "n")
            shown = Q(r.Name());
        else if (pairs[0] == "o")
            shown = ImageBytes(image, RecordOffset(record) + 12, 2).toHex();
        QCOMPARE(QString("%1=%2").arg(record).arg(r.IsEmptyForDialog() ? "-" : shown), pair);
    }
}

void TestChannelRules::fieldRules_data() {
    // rule|input|output. Batch form: snap, step, typed (text, maximum), start, from, to (from
    // and to); channel edit dialog: label, spin (label, delta), rx, tx (Commit), load.
    QTest::addColumn<QString>("row");
    const auto row = [](const char* name, const char* data) {
        QTest::newRow(name) << QString(data);
    };
    row("snap: up to 250", "snap|14500740|14500750");
    row("snap: tie, 250 down first", "snap|14500125|14500000");
    row("step 612.5 stays", "step|612.5|612.5");
    row("step 6 becomes 6.25", "step|6|6.25");
    row("step above 1000 kHz", "step|1002|1000");
    row("typing 1000", "typed|1000 1000|");
    row("typing above 1000", "typed|1001 1000|1000");
    row("typing into an emptied field", "typed| 1000|0");
    row("typing a number too long for an int", "typed|99999999999 1000|1000");
    row("negative interval", "typed|-1 20|20");
    row("interval 0 stays", "typed|0 20|");
    row("start too long for the field", "start|999999999|136.00000");
    row("from 0", "from|0 256|1");
    row("from above 256 with to unnormalised", "from|300 999|256");
    row("from equal to to", "from|5 5|5");
    row("to 0", "to|0 0|256");
    row("to below from", "to|5 3|256");
    row("to 1 equal to from", "to|1 1|1");
    row("to above 256", "to|1 257|256");
    row("label 300 clamped", "label|300|258");
    row("unparsable label gives A001", "label|a128|1");
    row("up from B VFO wraps to A001", "spin|B VFO 1|1");
    row("down from A001 wraps to B VFO", "spin|A001 -1|258");
    row("down from A002 to A001", "spin|A002 -1|1");
    row("up from A VFO to B VFO", "spin|A VFO 1|258");
    row("new channel: the defaults, scan no", "rx|1,438.5,,|438.50000|438.50000|无|无|110000000");
    row("out of band: band 0's low limit; a memory channel keeps transmit in band B",
        "rx|200,300,435,1|136.00000|435|88.5|无|001000010");
    row("VFO moved to the other band moves transmit", "rx|257,435,145,1|435.00000|435.00000");
    row("VFO within its band keeps transmit", "rx|257,146,145.6,1|146.00000|145.6");
    row("emptied receive empties the channel", "rx|1,,145,1|||||---------");
    row("emptied transmit gets its text back", "tx|1,145,,145.6|145|145.6");
    row("no transmit commit without a receive frequency", "tx|1,,150,||150");
    row("transmit out of band: band 0's low limit", "tx|1,145,500,1|145|136.00000");
    row("VFO transmit in the other band moves receive", "tx|258,435,145,1|145.00000|145.00000");
    row("load: plain channel",
        "load|00005014000056148508ffff2028|145.00000|145.60000|88.5|无|010002010|"
        "00005014000056148508ffff2028ff0200000600");
    row("load: options out of range show and store the fallbacks",
        "load|0000501400005014fffffffffff3|145.00000|145.00000|无|无|110000300|"
        "0000501400005014ffffffff0033ff0000000001");
    row("load: transmit erased by 00 shows empty and stores FF",
        "load|0000501400000000ffffffff0038|145.00000||无|无|110000010|"
        "00005014ffffffffffffffff0038ff0000000001");
    // Its empty receive text clears the record when stored.
    row("load: empty record shows nothing", "load|ffffffffffffffffffffffffffff|||||---------|"
                                            "ffffffffffffffffffffffff0038ff0000000001");
}

void TestChannelRules::fieldRules() {
    QFETCH(QString, row);
    const QString rule = row.section('|', 0, 0), input = row.section('|', 1, 1);
    const QString expected = row.section('|', 2), first = input.section(' ', 0, -2);
    const int a = input.section(' ', 0, 0).toInt(), b = input.section(' ', -1).toInt();
    QString result;
    if (rule == "snap")
        result = QString::number(SnapToNearestStep(a));
    else if (rule == "step")
        result = Q(NormaliseBatchStepText(input.toStdString()));
    else if (rule == "typed")
        result = Q(LimitWhileTyping(first.toStdString(), b));
    else if (rule == "start")
        result = Q(FormatFrequencyText(NormaliseBatchStart(input.toStdString(), BandLimits{})));
    else if (rule == "from")
        result = QString::number(NormaliseRangeFrom(a, b));
    else if (rule == "to")
        result = QString::number(NormaliseRangeTo(a, b));
    else if (rule == "label")
        result = QString::number(ChannelFromLabel(input.toStdString()));
    else if (rule == "spin")
        result = QString::number(ChannelAfterSpin(first.toStdString(), b));
    else if (rule == "load")
        result = LoadAndStore(input);
    else
        result = Commit(rule, input.split(','), expected.count('|'));
    QCOMPARE(result, expected);
}

KESTRA_REGISTER_TEST(TestChannelRules);
#include "test_channel_rules.moc"

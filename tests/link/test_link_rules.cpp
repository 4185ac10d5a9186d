#include "link_test_support.h"

#include "link/busy_claim.h"
#include "link/clone_transfer.h"
#include "link/ident_block.h"
#include "link/port_name.h"
#include "link/profile_text.h"
#include "link/radio_simulator.h"
#include "link/transfer_range.h"

#include <QTemporaryDir>
#include <QtTest>

#include <fstream>
#include <thread>

Q_DECLARE_METATYPE(TransferRange)

namespace {

IdentBlock IdentFrom(const QByteArray& hex) {
    IdentBlock ident;
    const QByteArray bytes = QByteArray::fromHex(hex);
    for (int i = 0; i < 32 && i < bytes.size(); ++i)
        ident.bytes[i] = static_cast<uint8_t>(bytes[i]);
    return ident;
}

QByteArray Limits(const char* aLow, const char* aHigh, const char* bLow, const char* bHigh) {
    return QByteArray(aLow) + aHigh + bLow + bHigh;
}

} // namespace

class TestLinkRules : public QObject {
    Q_OBJECT

  private slots:
    void blockSplit_data();
    void blockSplit();
    void identDecoding_data();
    void identDecoding();
    void bandFillIn_data();
    void bandFillIn();
    void portNames_data();
    void portNames();
    void iniValues_data();
    void iniValues();
    void profileLines_data();
    void profileLines();
    void busyClaimIsExclusive();
    void faultTexts_data();
    void faultTexts();
};

void TestLinkRules::blockSplit_data() {
    QTest::addColumn<TransferRange>("range");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("last");
    QTest::addColumn<int>("steps"); // of the progress bar: 32-byte units, rounded up
    const auto row = [](const char* name, TransferRange r, int n, const char* f, const char* l,
                        int steps) {
        QTest::newRow(name) << r << n << QString(f) << QString(l) << steps;
    };
    row("channels and settings", kCloneFirstRange, 384, "0000/32", "2fe0/32", 384);
    row("from the band points on", kCloneSecondRange, 5, "3f70/16", "3fe0/32", 5);
    row("whole image", kInitialiseFirstRange, 512, "0000/32", "3fe0/32", 512);
    row("calibration region", kCalibrationRegion, 6, "3ed0/16", "3f60/16", 5);
    row("decoder region", kDtmfDecoderRegion, 2, "3e00/32", "3e20/16", 2);
    row("empty", kInitialiseSecondRange, 0, "", "", 0);
    row("inside one unit", TransferRange{0x0105, 0x0109}, 1, "0105/4", "0105/4", 1);
    row("backwards", TransferRange{0x0200, 0x0100}, 0, "", "", 0);
    row("past the image end", TransferRange{0x3FF0, 0xFFFF}, 1, "3ff0/16", "3ff0/16", 1);
}

void TestLinkRules::blockSplit() {
    QFETCH(TransferRange, range);
    QFETCH(int, count);
    QFETCH(QString, first);
    QFETCH(QString, last);
    QFETCH(int, steps);
    const auto blocks = SplitBlocks(range);
    QCOMPARE(int(blocks.size()), count);
    QCOMPARE(ProgressSteps(range, {}), steps);
    const auto text = [](TransferBlock b) {
        return QString("%1/%2").arg(b.address, 4, 16, QChar('0')).arg(b.length);
    };
    QCOMPARE(blocks.empty() ? QString() : text(blocks.front()), first);
    QCOMPARE(blocks.empty() ? QString() : text(blocks.back()), last);
    for (size_t i = 0; i < blocks.size(); ++i) {
        QVERIFY(blocks[i].address / 32 == (blocks[i].address + blocks[i].length - 1) / 32);
        if (i > 0)
            QCOMPARE(blocks[i].address, blocks[i - 1].address + blocks[i - 1].length);
    }
}

void TestLinkRules::identDecoding_data() {
    QTest::addColumn<QByteArray>("hex");
    QTest::addColumn<QString>("model");
    QTest::addColumn<QString>("mcu"); // "-" when the field is not written
    QTest::addColumn<QString>("pc");
    QTest::addColumn<QString>("bands");
    const QByteArray programmed = Limits("00006013", "00004017", "00000040", "00000048");
    QTest::newRow("three version numbers") << QByteArray("4142430000000000"
                                                         "010203ffffffff"
                                                         "00") +
                                                  programmed
                                           << "ABC"
                                           << "v1.2.3"
                                           << "v2.5.1"
                                           << "136 174 400 480";
    QTest::newRow("family v1 has no PC version") << QByteArray("5456000000000000"
                                                               "0102ffffffffff"
                                                               "00") +
                                                        programmed
                                                 << "TV"
                                                 << "v1.2"
                                                 << "-"
                                                 << "136 174 400 480";
    QTest::newRow("no version at all") << QByteArray("5456000000000000"
                                                     "ffffffffffffff"
                                                     "00") +
                                              programmed
                                       << "TV"
                                       << "-"
                                       << "-"
                                       << "136 174 400 480";
    QTest::newRow("variant flag adds the suffix") << QByteArray("4142430000000000"
                                                                "010203ffffffff"
                                                                "01") +
                                                         programmed
                                                  << "ABC-Q472"
                                                  << "v1.2.3"
                                                  << "v2.5.1"
                                                  << "136 174 400 480";
    QTest::newRow("flag 2 adds nothing") << QByteArray("4142430000000000"
                                                       "010203ffffffff"
                                                       "02") +
                                                programmed
                                         << "ABC"
                                         << "v1.2.3"
                                         << "v2.5.1"
                                         << "136 174 400 480";
    QTest::newRow("eight printable model bytes") << QByteArray("3132333435363738"
                                                               "0a0b0c0d0e0f10"
                                                               "00") +
                                                        programmed
                                                 << "12345678"
                                                 << "v10.11.12.13.14.15.16"
                                                 << "-"
                                                 << "136 174 400 480";
    QTest::newRow("unprogrammed limits show 0")
        << QByteArray("4100000000000000"
                      "010203ffffffff"
                      "00") +
               Limits("ffffffff", "ffffffff", "00000040", "ffffffff")
        << "A"
        << "v1.2.3"
        << "v2.5.1"
        << "0 0 400 0";
    QTest::newRow("only the leading decimal digits count")
        << QByteArray("4100000000000000"
                      "010203ffffffff"
                      "00") +
               Limits("00006a13", "0000001a", "00000040", "00000048")
        << "A"
        << "v1.2.3"
        << "v2.5.1"
        << "0 0 400 480";
}

void TestLinkRules::identDecoding() {
    QFETCH(QByteArray, hex);
    QFETCH(QString, model);
    QFETCH(QString, mcu);
    QFETCH(QString, pc);
    QFETCH(QString, bands);
    const RadioInfo info = DecodeRadioInfo(IdentFrom(hex));
    QCOMPARE(QString::fromStdString(info.model), model);
    QCOMPARE(QString::fromStdString(info.mcuVersion.value_or("-")), mcu);
    QCOMPARE(QString::fromStdString(info.pcVersion.value_or("-")), pc);
    QCOMPARE(QString("%1 %2 %3 %4")
                 .arg(info.bandMhz[0])
                 .arg(info.bandMhz[1])
                 .arg(info.bandMhz[2])
                 .arg(info.bandMhz[3]),
             bands);
}

void TestLinkRules::bandFillIn_data() {
    QTest::addColumn<QByteArray>("imageBlock"); // 0x2E10..0x2E1F after the read
    QTest::addColumn<QByteArray>("identLimits");
    QTest::addColumn<QByteArray>("expected");
    const QByteArray ident = Limits("00006013", "00004017", "00000040", "00000048");
    const QByteArray erased(32, 'f');
    QTest::newRow("both bands programmed: unchanged")
        << Limits("00005014", "00005014", "00005043", "00005044") << ident
        << Limits("00005014", "00005014", "00005043", "00005044");
    QTest::newRow("both erased: both from the identification") << erased << ident << ident;
    QTest::newRow("only band A erased")
        << Limits("ffffffff", "ffffffff", "00005043", "00005044") << ident
        << Limits("00006013", "00004017", "00005043", "00005044");
    QTest::newRow("only band B erased")
        << Limits("00005014", "00005014", "ffffffff", "ffffffff") << ident
        << Limits("00005014", "00005014", "00000040", "00000048");
    QTest::newRow("guard byte only: the whole band is filled")
        << Limits("123456ff", "00005014", "00005043", "00005044") << ident
        << Limits("00006013", "00004017", "00005043", "00005044");
    QTest::newRow("unprogrammed identification limits keep the image bytes")
        << erased << Limits("ffffffff", "00004017", "00000040", "ffffffff")
        << Limits("ffffffff", "00004017", "00000040", "ffffffff");
    QTest::newRow("non-decimal digit in one limit")
        << erased << Limits("00006a13", "00004017", "00000040", "00000048")
        << Limits("ffffffff", "00004017", "00000040", "00000048");
}

void TestLinkRules::bandFillIn() {
    QFETCH(QByteArray, imageBlock);
    QFETCH(QByteArray, identLimits);
    QFETCH(QByteArray, expected);
    MemoryImage image = PatternImage(1);
    const QByteArray block = QByteArray::fromHex(imageBlock);
    for (int i = 0; i < 16; ++i)
        image.SetByte(0x2E10 + i, static_cast<uint8_t>(block[i]));
    const MemoryImage before = image;
    FillBandLimitsFromIdent(IdentFrom(QByteArray(32, '0') + identLimits), image);
    QByteArray after;
    for (int i = 0; i < 16; ++i)
        after += char(image.Byte(0x2E10 + i));
    QCOMPARE(after.toHex(), expected);
    image.Write(0x2E10, before.Bytes().subspan(0x2E10, 16));
    QCOMPARE(FirstDifference(image, before), QString()); // nothing outside the band block
}

void TestLinkRules::portNames_data() {
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("device"); // without a [Ports] entry
    QTest::newRow("COM1") << 1 << "COM1"
                          << "/dev/ttyUSB0";
    QTest::newRow("COM8") << 8 << "COM8"
                          << "/dev/ttyUSB7";
    QTest::newRow("COM9") << 9 << "COM9"
                          << "/dev/ttyACM0";
    QTest::newRow("COM10 takes the prefix") << 10 << "\\\\.\\COM10"
                                            << "/dev/ttyACM1";
    QTest::newRow("COM12") << 12 << "\\\\.\\COM12"
                           << "/dev/ttyACM3";
    QTest::newRow("COM13") << 13 << "\\\\.\\COM13"
                           << "/dev/ttyS0";
    QTest::newRow("COM16") << 16 << "\\\\.\\COM16"
                           << "/dev/ttyS3";
    QTest::newRow("COM0 from a missing setting") << 0 << "COM0"
                                                 << "";
    QTest::newRow("COM17") << 17 << "\\\\.\\COM17"
                           << "";
}

void TestLinkRules::portNames() {
    QFETCH(int, number);
    QFETCH(QString, name);
    QFETCH(QString, device);
    QCOMPARE(QString::fromStdString(PortNameForNumber(number)), name);
    QCOMPARE(PortNumberOf(name.toStdString()), number);
    QCOMPARE(QString::fromStdString(ResolvePortDevice(name.toStdString(), "/nonexistent.ini")),
             device);
}

void TestLinkRules::iniValues_data() {
    QTest::addColumn<QString>("portName");
    QTest::addColumn<QString>("device");
    QTest::newRow("mapped port") << "COM3"
                                 << "/dev/serial/by-id/usb-cable";
    QTest::newRow("key in another case, quoted value") << "\\\\.\\COM11"
                                                       << "/dev/ttyX11";
    QTest::newRow("not mapped: default table") << "COM2"
                                               << "/dev/ttyUSB1";
    QTest::newRow("empty value: default table") << "COM4"
                                                << "/dev/ttyUSB3";
    QTest::newRow("key of another section is ignored") << "COM5"
                                                       << "/dev/ttyUSB4";
    QTest::newRow("device path as it is") << "/dev/pts/7"
                                          << "/dev/pts/7";
    QTest::newRow("lower-case name") << "com3"
                                     << "/dev/serial/by-id/usb-cable";
}

void TestLinkRules::iniValues() {
    QFETCH(QString, portName);
    QFETCH(QString, device);
    QTemporaryDir dir;
    const std::string ini = dir.filePath("Program.ini").toStdString();
    std::ofstream(ini) << "[Setup]\r\nCOM=3\r\nCOM5=/dev/wrong\r\n"
                          "[ ports ]\r\n; a comment\r\n  COM3 = /dev/serial/by-id/usb-cable  \r\n"
                          "com11=\"/dev/ttyX11\"\r\nCOM4=\r\n"
                          "[About]\r\nCOM5=/dev/wrong\r\n";
    QCOMPARE(QString::fromStdString(ResolvePortDevice(portName.toStdString(), ini)), device);
    QCOMPARE(ReadIniValue(ini, "SETUP", "com").value_or("-"), std::string("3"));
    QCOMPARE(ReadIniValue(ini, "about", "com5").value_or("-"), std::string("/dev/wrong"));
}

void TestLinkRules::profileLines_data() {
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QString>("read");     // COM of [Setup] before the write; "-" for none
    QTest::addColumn<QByteArray>("after"); // once COM=7 is written
    QTest::newRow("replaces the key's line")
        << QByteArray("; note\r\n[Setup]\r\nType=X\r\ncom = 3\r\n\r\n[About]\r\nVersion=1\r\n")
        << "3"
        << QByteArray("; note\r\n[Setup]\r\nType=X\r\nCOM=7\r\n\r\n[About]\r\nVersion=1\r\n");
    QTest::newRow("adds after the section's last line")
        << QByteArray("[setup]\nType=X\n\n[About]\nCOM=5\n") << "-"
        << QByteArray("[setup]\nType=X\nCOM=7\n\n[About]\nCOM=5\n");
    QTest::newRow("adds the section") << QByteArray("[About]\r\nVersion=1") << "-"
                                      << QByteArray("[About]\r\nVersion=1\r\n[Setup]\r\nCOM=7\r\n");
    QTest::newRow("empty text") << QByteArray() << "-" << QByteArray("[Setup]\r\nCOM=7\r\n");
    QTest::newRow("a bracket without its end opens a section")
        << QByteArray("[Setup]\n[x\nCOM=5\n") << "-" << QByteArray("[Setup]\nCOM=7\n[x\nCOM=5\n");
    QTest::newRow("blanks before a section, vertical tab included")
        << QByteArray("[About]\n\v\f [Setup]\nCOM=3\n") << "3"
        << QByteArray("[About]\n\v\f [Setup]\nCOM=7\n");
    QTest::newRow("only the first section of a name")
        << QByteArray("[Setup]\nType=X\n[Setup]\nCOM=2\n") << "-"
        << QByteArray("[Setup]\nType=X\nCOM=7\n[Setup]\nCOM=2\n");
    QTest::newRow("a comment is no key")
        << QByteArray("[Setup]\n;COM=4\n") << "-" << QByteArray("[Setup]\n;COM=4\nCOM=7\n");
    QTest::newRow("quotes dropped")
        << QByteArray("[Setup]\nCOM=\"12\"\n") << "12" << QByteArray("[Setup]\nCOM=7\n");
    QTest::newRow("bytes that are not UTF-8 stay as they are")
        << QByteArray("[Ports]\r\nCOM1=/dev/\xff\xfe\x80\r\n[Setup]\r\nCOM=3\r\n") << "3"
        << QByteArray("[Ports]\r\nCOM1=/dev/\xff\xfe\x80\r\n[Setup]\r\nCOM=7\r\n");
    QTest::newRow("every line keeps its own end")
        << QByteArray("a=1\n[Setup]\r\nCOM=3\nX=1\r\nT=x\r") << "3"
        << QByteArray("a=1\n[Setup]\r\nCOM=7\nX=1\r\nT=x\r");
    QTest::newRow("an added line ends like the first")
        << QByteArray("[About]\nV=1\r\nT=x\r") << "-"
        << QByteArray("[About]\nV=1\r\nT=x\r\n[Setup]\nCOM=7\n");
    QTest::newRow("an unterminated last line gets the first line's end")
        << QByteArray("[About]\nV=1") << "-" << QByteArray("[About]\nV=1\n[Setup]\nCOM=7\n");
    QTest::newRow("empty quotes") << QByteArray("[Setup]\nCOM=''\n") << ""
                                  << QByteArray("[Setup]\nCOM=7\n");
}

void TestLinkRules::profileLines() {
    QFETCH(QByteArray, before);
    QFETCH(QString, read);
    QFETCH(QByteArray, after);
    const std::string text = before.toStdString();
    QCOMPARE(QString::fromStdString(ProfileValue(text, "Setup", "COM").value_or("-")), read);
    const std::string written = WithProfileValue(text, "Setup", "COM", "7");
    QCOMPARE(QByteArray::fromStdString(written), after);
    // What was written is what is read.
    QCOMPARE(ProfileValue(written, "setup", "Com").value_or("-"), std::string("7"));
}

void TestLinkRules::busyClaimIsExclusive() {
    std::atomic<bool> busy = false;
    {
        auto first = BusyClaim::TryClaim(busy);
        QVERIFY(first);
        QVERIFY(!BusyClaim::TryClaim(busy));
        std::optional<BusyClaim> handedOn(std::move(*first));
        first.reset(); // the moved-from claim releases nothing
        QVERIFY(busy);
    }
    QVERIFY(!busy);

    // Many quick presses at once: exactly one starts.
    std::atomic<int> winners = 0;
    std::atomic<bool> go = false;
    std::vector<std::optional<BusyClaim>> claims(8);
    std::vector<std::thread> presses;
    for (int i = 0; i < 8; ++i)
        presses.emplace_back([&, i] {
            while (!go) {
            }
            if (auto claim = BusyClaim::TryClaim(busy)) {
                claims[i].emplace(std::move(*claim));
                ++winners;
            }
        });
    go = true;
    for (std::thread& press : presses)
        press.join();
    QCOMPARE(winners.load(), 1);
}

void TestLinkRules::faultTexts_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("kind"); // -1 rejected
    QTest::addColumn<int>("block");
    QTest::newRow("silent") << "silent" << int(FaultKind::Silent) << 0;
    QTest::newRow("stray") << "stray" << int(FaultKind::StrayByte) << 0;
    QTest::newRow("bad-ack:0") << "bad-ack:0" << int(FaultKind::BadAck) << 0;
    QTest::newRow("short:12") << "short:12" << int(FaultKind::ShortReply) << 12;
    QTest::newRow("hangup:3") << "hangup:3" << int(FaultKind::HangUp) << 3;
    QTest::newRow("short:0") << "short:0" << int(FaultKind::ShortReply) << 0;
    QTest::newRow("hangup:0") << "hangup:0" << -1 << 0;
    QTest::newRow("negative") << "hangup:-1" << -1 << 0;
    QTest::newRow("trailing text") << "short:3x" << -1 << 0;
    QTest::newRow("too large") << "short:99999999999" << -1 << 0;
    QTest::newRow("unknown") << "noise:3" << -1 << 0;
}

void TestLinkRules::faultTexts() {
    QFETCH(QString, text);
    QFETCH(int, kind);
    QFETCH(int, block);
    const auto fault = ParseSimulatorFault(text.toStdString());
    QCOMPARE(fault ? int(fault->kind) : -1, kind);
    if (fault)
        QCOMPARE(fault->block, block);
}

QTEST_GUILESS_MAIN(TestLinkRules)
#include "test_link_rules.moc"

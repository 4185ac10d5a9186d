#include "link/busy_claim.h"
#include "link/clone_transfer.h"
#include "link/port_name.h"
#include "link/profile_text.h"
#include "link/radio_simulator.h"

#include <QTemporaryDir>
#include <QtTest>

#include <cstring>
#include <fstream>

namespace {

// The hexadecimal digits (blanks allowed) as the start of an identification.
IdentBlock IdentFrom(const QByteArray& hex) {
    IdentBlock ident;
    std::memcpy(ident.bytes.data(), QByteArray::fromHex(hex).leftJustified(32, '\0', true), 32);
    return ident;
}

// Band A 136-174.99 MHz, band B 400-480 MHz, lowest digit pair first.
const QByteArray kLimits = "00006013 00904917 00000040 00000048";

} // namespace

class TestLinkRules : public QObject {
    Q_OBJECT

  private slots:
    void blockSplit();
    void identDecoding();
    void bandFillIn();
    void portNames();
    void profileLines();
    void busyClaim();
    void faultTexts();
    void verifyDifferences();
};

void TestLinkRules::blockSplit() {
    // The blocks, the first and the last, and the progress bar's 32-byte units of each range.
    const std::pair<TransferRange, const char*> table[] = {
        {kCloneFirstRange, "384 0000/32 2fe0/32 384"}, {kCloneSecondRange, "5 3f70/16 3fe0/32 5"},
        {kCalibrationRegion, "6 3ed0/16 3f60/16 5"},   {kInitialiseSecondRange, "0 0"},
        {{0x0105, 0x0106}, "1 0105/1 0105/1 1"},       {{0x0200, 0x0100}, "0 0"},
        {{0x3FF0, 0xFFFF}, "1 3ff0/16 3ff0/16 1"}};
    for (const auto& [range, split] : table) {
        const auto blocks = SplitBlocks(range);
        QString text = QString::number(blocks.size());
        if (!blocks.empty())
            text += QString::asprintf(" %04x/%d %04x/%d", blocks[0].address, blocks[0].length,
                                      blocks.back().address, blocks.back().length);
        QCOMPARE(text + ' ' + QString::number(ProgressSteps(range, {})), QString(split));
    }
}

void TestLinkRules::identDecoding() {
    // Model, versions and variant flag, band limits (empty: kLimits); what the radio information
    // shows: model|MCU version|PC version|bands, "-" for what is not given.
    const std::tuple<const char*, QByteArray, const char*> table[] = {
        {"4142430000000000 010203ffffffff 00", "", "ABC|v1.2.3|v2.5.1|136 174 400 480"},
        {"5456000000000000 0102ffffffffff 00", "", "TV|v1.2|-|136 174 400 480"},
        {"5456000000000000 ffffffffffffff 00", "", "TV|-|-|136 174 400 480"},
        {"207e7f4100000000 010203ffffffff 01", "", " ~-Q472|v1.2.3|v2.5.1|136 174 400 480"},
        {"3132333435363738 20212223242526 02", "",
         "12345678|v32.33.34.35.36.37.38|-|136 174 400 480"},
        // Printed in hexadecimal, ffffffff and a0000000 start with no decimal digit: they keep
        // their raw number, -1 and -0x60000000.
        {"4100000000000000 ffffffffffffff 00", "ffffffff 000000a0 00006a13 0000001a",
         "A|-|-|0 -16106 0 0"}};
    for (const auto& [identity, limits, shown] : table) {
        const RadioInfo info =
            DecodeRadioInfo(IdentFrom(identity + (limits.isEmpty() ? kLimits : limits)));
        QString text = QString::fromStdString(info.model + '|' + info.mcuVersion.value_or("-") +
                                              '|' + info.pcVersion.value_or("-") + '|');
        for (const int mhz : info.bandMhz)
            text += QString::number(mhz) + ' ';
        QCOMPARE(text.chopped(1), QString(shown));
    }
}

void TestLinkRules::bandFillIn() {
    // The band block 0x2E10-0x2E1F before and after taking the identification's limits.
    const std::tuple<const char*, QByteArray, const char*> table[] = {
        {"ffffffff ffffffff 00005043 00005044", kLimits, "00006013009049170000504300005044"},
        {"00005014 00005014 ffffffff ffffffff", kLimits, "00005014000050140000004000000048"},
        {"123456ff 00005014 00005043 00005044", kLimits, "00006013009049170000504300005044"},
        // Non-decimal digits: the top one of A low, one of A high, the lowest one of B high.
        {"ffffffff ffffffff ffffffff ffffffff", "000060a3 00a04917 00000040 0a000048",
         "ffffffffffffffff00000040ffffffff"}};
    for (const auto& [block, limits, filled] : table) {
        MemoryImage image;
        image.FillAll(0xFF); // erased around the band block too
        image.Write(0x2E10, std::span<const uint8_t>(IdentFrom(block).bytes).first(16));
        MemoryImage expected = image; // nothing outside the band block changes
        expected.Write(0x2E10, std::span<const uint8_t>(IdentFrom(filled).bytes).first(16));
        FillBandLimitsFromIdent(IdentFrom(QByteArray(32, '0') + limits), image);
        QVERIFY2(image == expected, filled);
    }
}

void TestLinkRules::portNames() {
    QTemporaryDir dir;
    const std::string ini = dir.filePath("Program.ini").toStdString();
    std::ofstream(ini) << "[ ports ]\n"
                          "  COM3 = /dev/serial/by-id/usb-cable  \ncom10=\"/dev/ttyX10\"\nCOM4=\n";
    // A port name, its number (0: none) and device, also under [Ports] of Program.ini.
    for (const QString row : {"COM1|1|/dev/ttyUSB0", "COM8|8|/dev/ttyUSB7", "COM9|9|/dev/ttyACM0",
                              "\\\\.\\COM12|12|/dev/ttyACM3", "\\\\.\\COM13|13|/dev/ttyS0",
                              "\\\\.\\COM16|16|/dev/ttyS3", "\\\\.\\COM17|17|",
                              "\\\\.\\COM123|123|", "COM1234|0|", "CON1|0|", "XOM1|0|", "COMx|0|",
                              "/dev/pts/7|0|/dev/pts/7", "com3|3|/dev/serial/by-id/usb-cable",
                              "\\\\.\\COM10|10|/dev/ttyX10", "COM4|4|/dev/ttyUSB3"}) {
        const std::string name = row.section('|', 0, 0).toStdString();
        const int number = PortNumberOf(name);
        QCOMPARE(QString::asprintf("%s|%d|%s", name.c_str(), number,
                                   ResolvePortDevice(name, ini).c_str()),
                 row);
        if (number > 0 && name == row.section('|', 0, 0).toUpper().toStdString()) // as given
            QCOMPARE(PortNameForNumber(number), name);
    }
}

void TestLinkRules::profileLines() {
    // A text, what COM of [Setup] reads in it ("-": nothing), and the text once COM=7 is written.
    const std::tuple<const char*, const char*, const char*> table[] = {
        {"; n\r\n[Setup]\r\nT=X\r\ncom = 3\r\n\r\n[About]\r\nV=1\r\n", "3",
         "; n\r\n[Setup]\r\nT=X\r\nCOM=7\r\n\r\n[About]\r\nV=1\r\n"},
        {"[setup]\nT=X\n\n[About]\nCOM=5\n", "-", "[setup]\nT=X\nCOM=7\n\n[About]\nCOM=5\n"},
        {"[About]\r\nV=1", "-", "[About]\r\nV=1\r\n[Setup]\r\nCOM=7\r\n"},
        {"", "-", "[Setup]\r\nCOM=7\r\n"},
        {"[Setup]\n[x\nCOM=5\n", "-", "[Setup]\nCOM=7\n[x\nCOM=5\n"}, // a bracket opens a section
        {"[A]\n\v\f [Setup]\nCOM=3\n", "3", "[A]\n\v\f [Setup]\nCOM=7\n"},
        {"[Setup]\nCOM=\"12\"\n", "12", "[Setup]\nCOM=7\n"},
        {"[Setup]\nCOM=''\n", "", "[Setup]\nCOM=7\n"},
        // Every line keeps its end; an added one ends like the first.
        {"a=1\n[Setup]\r\nCOM=3\nX=1\r\nT=x\r", "3", "a=1\n[Setup]\r\nCOM=7\nX=1\r\nT=x\r"},
        {"[About]\nV=1\r\nT=x\r", "-", "[About]\nV=1\r\nT=x\r\n[Setup]\nCOM=7\n"}};
    for (const auto& [before, value, after] : table) {
        QCOMPARE(QString::fromStdString(ProfileValue(before, "Setup", "COM").value_or("-")),
                 QString(value));
        const std::string written = WithProfileValue(before, "Setup", "COM", "7");
        QCOMPARE(QByteArray::fromStdString(written), QByteArray(after));
        QCOMPARE(ProfileValue(written, "setup", "Com").value_or("-"), std::string("7"));
    }
}

void TestLinkRules::busyClaim() {
    std::atomic<bool> busy = false;
    std::optional<BusyClaim> first = BusyClaim::TryClaim(busy);
    QVERIFY(first && busy && !BusyClaim::TryClaim(busy));
    std::optional<BusyClaim> handedOn(std::move(*first));
    first.reset(); // the moved-from claim releases nothing
    QVERIFY(busy);
    handedOn.reset();
    QVERIFY(!busy);
}

void TestLinkRules::faultTexts() {
    // Texts of `simulate --fault` and the fault they name as kind:block:address (FaultKind's
    // number, the address in hexadecimal; "-": none).
    for (const QString row :
         {"silent 1:0:0", "stray 2:0:0", "bad-ack:0 3:0:0", "short:12 4:12:0", "hangup:1 5:1:0",
          "hangup:0 -", "hangup:-1 -", "short:3x -", "noise:3 -", "noise -",
          "corrupt:2E10 6:0:2E10", "corrupt:0x3fff 6:0:3FFF", "corrupt:0 6:0:0", "corrupt:4000 -",
          "corrupt: -", "corrupt:-1 -", "corrupt:12g -", "corrupt:FFFFFFFFF -", "corrupt -"}) {
        const QString text = row.section(' ', 0, 0);
        const auto fault = ParseSimulatorFault(text.toStdString());
        const QString got =
            fault ? QString::asprintf("%d:%d:%X", int(fault->kind), fault->block, fault->address)
                  : "-";
        QCOMPARE(text + ' ' + got, row);
    }
}

void TestLinkRules::verifyDifferences() {
    // Addresses read back as FF where 00 was written, and what the failure's details list.
    const QString f = "0x%1: 写入 00，读回 FF";
    const std::tuple<bool, std::vector<int>, QStringList> table[] = {
        {false, {}, {}},
        {false, {0x3000, 0x3F6F}, {}}, // not written by a write
        {false, {0x3F70, 0x2FFF}, {f.arg("2FFF"), f.arg("3F70")}},
        {true, {0x3000}, {f.arg("3000")}},
        {false,
         {0, 1, 2, 3, 4, 5, 6, 0x3FFF, 8},
         {f.arg("0000"), f.arg("0001"), f.arg("0002"), f.arg("0003"), f.arg("0004"), f.arg("0005"),
          f.arg("0006"), f.arg("0008"), "共 9 个字节不同"}}};
    for (const auto& [init, changed, listed] : table) {
        const MemoryImage written;
        MemoryImage readBack;
        for (const int at : changed)
            readBack.SetByte(at, 0xFF);
        const std::string details = DescribeVerifyDifferences(
            init ? InitialiseRequest() : WriteRequest(), written, readBack);
        QCOMPARE(QString::fromStdString(details), listed.join('\n'));
    }
}

QTEST_GUILESS_MAIN(TestLinkRules)
#include "test_link_rules.moc"

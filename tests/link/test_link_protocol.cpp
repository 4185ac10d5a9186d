#include "link_test_support.h"

#include "link/clone_transfer.h"
#include "link/link_messages.h"
#include "link/qt_serial_link.h"
#include "link/radio_info_read.h"
#include "link/radio_simulator.h"
#include "link/service_transfer.h"

#include <QtTest>

#include <memory>

Q_DECLARE_METATYPE(TransferMode)
Q_DECLARE_METATYPE(TransferRange)
Q_DECLARE_METATYPE(SimulatorFault)

namespace {

std::unique_ptr<RadioSimulator> StartRadio(const MemoryImage& memory, SimulatorFault fault = {}) {
    auto radio = std::make_unique<RadioSimulator>(memory, SimulatorOptions{false, fault});
    std::string error;
    if (!radio->Start(error))
        qFatal("cannot start the simulator: %s", error.c_str());
    return radio;
}

// The PC has finished when it returns; give the radio's thread time to read the last bytes.
QByteArray ReceivedByRadio(const RadioSimulator& radio, qsizetype expected) {
    radio.WaitForReceived(static_cast<size_t>(expected), 2000);
    return ToBytes(radio.Received());
}

bool EndsWithEnd(const QByteArray& bytes) {
    return bytes.endsWith("ENDR") || bytes.endsWith("ENDW");
}

// The real serial line, except that one write is reported as failed and sends nothing: the
// write number `failAt` (counting from 1), or with 0 the end command.
class FailingWriteLink : public QtSerialLink {
  public:
    explicit FailingWriteLink(int failAt) : m_failAt(failAt) {}
    size_t Write(std::span<const uint8_t> data) override {
        ++m_writes;
        const bool end = data.size() == 4 && data[0] == 'E' && data[1] == 'N' && data[2] == 'D';
        if (m_failAt == 0 ? end : m_writes == m_failAt)
            return 0;
        return QtSerialLink::Write(data);
    }

  private:
    int m_failAt;
    int m_writes = 0;
};

} // namespace

class TestLinkProtocol : public QObject {
    Q_OBJECT

  private slots:
    void cloneExchange_data();
    void cloneExchange();
    void serviceExchange_data();
    void serviceExchange();
    void faults_data();
    void faults();
    void strayByteBeforeReply();
    void readFillsErasedBandFromIdent();
    void cannotOpenPort_data();
    void cannotOpenPort();
    void radioInfoExchange();
    void radioInfoFailures_data();
    void radioInfoFailures();
    void failedWrites_data();
    void failedWrites();
};

void TestLinkProtocol::cloneExchange_data() {
    QTest::addColumn<int>("kind"); // 0 read, 1 write, 2 initialise
    QTest::addColumn<int>("blocks");
    QTest::newRow("read: 384 + 5 blocks") << 0 << 389;
    QTest::newRow("write: 384 + 5 blocks") << 1 << 389;
    QTest::newRow("initialise: 512 blocks, empty second range") << 2 << 512;
}

void TestLinkProtocol::cloneExchange() {
    QFETCH(int, kind);
    QFETCH(int, blocks);
    const TransferRequest request = kind == 0   ? ReadRequest()
                                    : kind == 1 ? WriteRequest()
                                                : InitialiseRequest();
    const MemoryImage radioMemory = PatternImage(1);
    const MemoryImage pcImage = PatternImage(2);
    auto radio = StartRadio(radioMemory);

    ExpectedLine line = ExpectedOpening(radio->Ident());
    for (const TransferRange range : {request.first, request.second})
        kind == 0 ? AppendReadBlocks(line, range, radioMemory)
                  : AppendWriteBlocks(line, range, pcImage);
    line.fromPc += kind == 0 ? "ENDR" : "ENDW";

    MemoryImage image = pcImage;
    QtSerialLink link;
    RecordingObserver observer;
    QVERIFY(CloneTransfer(request, image, link, radio->DevicePath(), observer));

    QCOMPARE(ReceivedByRadio(*radio, line.fromPc.size()), line.fromPc);
    QCOMPARE(ToBytes(radio->Sent()), line.fromRadio);
    QCOMPARE(ProgressSteps(request.first, request.second), blocks);

    const MemoryImage expectedPc = kind == 0 ? WithRanges(pcImage, radioMemory, request) : pcImage;
    const MemoryImage expectedRadio =
        kind == 0 ? radioMemory : WithRanges(radioMemory, pcImage, request);
    QCOMPARE(FirstDifference(image, expectedPc), QString());
    QCOMPARE(FirstDifference(radio->Memory(), expectedRadio), QString());

    if (kind == 2) {
        QCOMPARE(observer.events,
                 QStringList({"disable", "message 初始化数据成功", "progress 0%", "enable"}));
        QCOMPARE(observer.lastPosition, 0);
    } else {
        QCOMPARE(observer.events, QStringList({"disable", "close"}));
        QCOMPARE(observer.lastPosition, blocks);
        QCOMPARE(observer.lastPercent, QString("100%"));
    }
}

void TestLinkProtocol::serviceExchange_data() {
    QTest::addColumn<TransferMode>("mode");
    QTest::addColumn<TransferRange>("range");
    QTest::addColumn<QByteArray>("commands");
    QTest::addColumn<QString>("message");
    QTest::newRow("calibration read") << TransferMode::Read << kCalibrationRegion
                                      << QByteArray::fromHex("523ed010 523ee020 523f0020 "
                                                             "523f2020 523f4020 523f6010")
                                      << "读数据成功";
    QTest::newRow("calibration write") << TransferMode::Write << kCalibrationRegion
                                       << QByteArray::fromHex("573ed010 573ee020 573f0020 "
                                                              "573f2020 573f4020 573f6010")
                                       << "写数据成功";
    QTest::newRow("decoder read") << TransferMode::Read << kDtmfDecoderRegion
                                  << QByteArray::fromHex("523e0020 523e2010") << "读数据成功";
    QTest::newRow("decoder write") << TransferMode::Write << kDtmfDecoderRegion
                                   << QByteArray::fromHex("573e0020 573e2010") << "写数据成功";
}

void TestLinkProtocol::serviceExchange() {
    QFETCH(TransferMode, mode);
    QFETCH(TransferRange, range);
    QFETCH(QByteArray, commands);
    QFETCH(QString, message);
    const MemoryImage radioMemory = PatternImage(3);
    const MemoryImage pcImage = PatternImage(4);
    auto radio = StartRadio(radioMemory);

    ExpectedLine line = ExpectedOpening(radio->Ident());
    const bool reading = mode == TransferMode::Read;
    reading ? AppendReadBlocks(line, range, radioMemory) : AppendWriteBlocks(line, range, pcImage);
    line.fromPc += reading ? "ENDR" : "ENDW";

    MemoryImage image = pcImage;
    QtSerialLink link;
    RecordingObserver observer;
    QVERIFY(ServiceTransfer(mode, range, image, link, radio->DevicePath(), observer));
    const QByteArray received = ReceivedByRadio(*radio, line.fromPc.size());
    QCOMPARE(received, line.fromPc);
    QCOMPARE(observer.messages, QStringList{message});

    // After the opening (program request, identify, "A") and before the end command.
    QByteArray sentCommands;
    for (qsizetype at = 10; at + 4 <= received.size() - 4;) {
        sentCommands += received.mid(at, 4);
        at += reading ? 5 : 4 + quint8(received[at + 3]);
    }
    QCOMPARE(sentCommands, commands);

    MemoryImage changed = reading ? pcImage : radioMemory;
    const MemoryImage& from = reading ? radioMemory : pcImage;
    changed.Write(range.start, from.Bytes().subspan(range.start, range.end - range.start));
    QCOMPARE(FirstDifference(reading ? image : radio->Memory(), changed), QString());
}

void TestLinkProtocol::faults_data() {
    QTest::addColumn<TransferMode>("mode");
    QTest::addColumn<SimulatorFault>("fault");
    QTest::addColumn<int>("programRequests");
    QTest::addColumn<int>("blockCommands");

    const auto row = [](const char* name, TransferMode mode, FaultKind kind, int block,
                        int requests, int commands) {
        QTest::newRow(name) << mode << SimulatorFault{kind, block} << requests << commands;
    };
    row("no PG: four program requests", TransferMode::Read, FaultKind::Silent, 0, 4, 0);
    row("wrong acknowledge of the identification", TransferMode::Read, FaultKind::BadAck, 0, 1, 0);
    row("half an identification", TransferMode::Read, FaultKind::ShortReply, 0, 1, 0);
    row("read: wrong acknowledge at block 5", TransferMode::Read, FaultKind::BadAck, 5, 1, 5);
    row("read: short reply at block 3", TransferMode::Read, FaultKind::ShortReply, 3, 1, 3);
    row("read: short reply at the last block", TransferMode::Read, FaultKind::ShortReply, 389, 1,
        389);
    row("read: hang-up at block 7", TransferMode::Read, FaultKind::HangUp, 7, 1, 7);
    row("write: wrong acknowledge at block 5", TransferMode::Write, FaultKind::BadAck, 5, 1, 5);
    row("write: no acknowledge at block 3", TransferMode::Write, FaultKind::ShortReply, 3, 1, 3);
    row("write: hang-up at block 7", TransferMode::Write, FaultKind::HangUp, 7, 1, 7);
}

void TestLinkProtocol::faults() {
    QFETCH(TransferMode, mode);
    QFETCH(SimulatorFault, fault);
    QFETCH(int, programRequests);
    QFETCH(int, blockCommands);
    const MemoryImage pcImage = PatternImage(5);
    auto radio = StartRadio(PatternImage(6), fault);

    MemoryImage image = pcImage;
    QtSerialLink link;
    RecordingObserver observer;
    const TransferRequest request = mode == TransferMode::Read ? ReadRequest() : WriteRequest();
    QVERIFY(!CloneTransfer(request, image, link, radio->DevicePath(), observer));

    QCOMPARE(observer.messages, QStringList{kMsgCommError});
    QCOMPARE(observer.events.last(), QString("close"));
    QCOMPARE(FirstDifference(image, pcImage), QString()); // a failed read changes nothing
    const QByteArray received = ReceivedByRadio(*radio, 8 * programRequests);
    QCOMPARE(received.count(ProgramRequest()), programRequests);
    QCOMPARE(received.count(mode == TransferMode::Read ? "R" : "W") >= blockCommands, true);
    QVERIFY(!EndsWithEnd(received));

    // Whatever the fault, the same port opens again for the next transfer.
    QtSerialLink again;
    QCOMPARE(again.Open(radio->DevicePath()), fault.kind != FaultKind::HangUp);
}

void TestLinkProtocol::strayByteBeforeReply() {
    auto radio = StartRadio(PatternImage(7), {FaultKind::StrayByte, 0});
    MemoryImage image = PatternImage(8);
    QtSerialLink link;
    RecordingObserver observer;
    QVERIFY(CloneTransfer(ReadRequest(), image, link, radio->DevicePath(), observer));
    const QByteArray received = ReceivedByRadio(*radio, 0);
    // The stray byte pairs with "P", "G" is read as a first byte: the first attempt fails.
    QVERIFY(received.startsWith(ProgramRequest() + ProgramRequest() + QByteArray("\x02", 1)));
    QCOMPARE(received.count(ProgramRequest()), 2);
    QCOMPARE(FirstDifference(image, WithRanges(PatternImage(8), PatternImage(7), ReadRequest())),
             QString());
}

void TestLinkProtocol::readFillsErasedBandFromIdent() {
    MemoryImage radioMemory = PatternImage(9);
    radioMemory.Fill(0x2E10, 8, 0xFF); // band A never programmed in the radio
    auto radio = StartRadio(radioMemory);
    MemoryImage image = PatternImage(10);
    QtSerialLink link;
    RecordingObserver observer;
    QVERIFY(CloneTransfer(ReadRequest(), image, link, radio->DevicePath(), observer));
    QCOMPARE(image.Frequency(0x2E10), 13600000);
    QCOMPARE(image.Frequency(0x2E14), 17400000);
    QCOMPARE(image.Frequency(0x2E18), 40000000);
    QCOMPARE(image.Frequency(0x2E1C), 48000000);
}

void TestLinkProtocol::cannotOpenPort_data() {
    QTest::addColumn<QString>("device");
    QTest::newRow("absent device") << "/dev/kestra-no-such-port";
    QTest::newRow("no device behind the port name") << "";
}

void TestLinkProtocol::cannotOpenPort() {
    QFETCH(QString, device);
    MemoryImage image = PatternImage(11);
    QtSerialLink link;
    RecordingObserver observer;
    QVERIFY(!CloneTransfer(ReadRequest(), image, link, device.toStdString(), observer));
    // The buttons were never disabled.
    QCOMPARE(observer.events, QStringList({"message 无法打开串口", "close"}));
    QVERIFY(!observer.lastReason.empty());
    QVERIFY(!ServiceTransfer(TransferMode::Read, kCalibrationRegion, image, link,
                             device.toStdString(), observer));
    QVERIFY(!ReadRadioIdent(link, device.toStdString(), observer));
    QCOMPARE(observer.messages.count(kMsgCannotOpenPort), 3);
    QCOMPARE(FirstDifference(image, PatternImage(11)), QString());
}

void TestLinkProtocol::radioInfoExchange() {
    SimulatorOptions options;
    options.identity = {'A', 'B', 'C', 0, 'X', 'X', 'X', 'X', 1, 2, 3, 0xFF, 0xFF, 0xFF, 0xFF, 1};
    RadioSimulator radio(PatternImage(12), options);
    std::string error;
    QVERIFY2(radio.Start(error), error.c_str());
    QtSerialLink link;
    RecordingObserver observer;
    const auto ident = ReadRadioIdent(link, radio.DevicePath(), observer);
    QVERIFY(ident);
    QVERIFY(observer.messages.isEmpty());
    const QByteArray expected = ProgramRequest() + QByteArray("\x02", 1) + "ENDR";
    QCOMPARE(ReceivedByRadio(radio, expected.size()), expected);
    const RadioInfo info = DecodeRadioInfo(*ident);
    QCOMPARE(info.model, std::string("ABC-Q472"));
    QCOMPARE(info.mcuVersion.value_or(""), std::string("v1.2.3"));
    QCOMPARE(info.pcVersion.value_or(""), std::string("v2.5.1"));
    QCOMPARE(std::vector<int>(info.bandMhz, info.bandMhz + 4),
             std::vector<int>({136, 174, 400, 480}));
}

void TestLinkProtocol::radioInfoFailures_data() {
    QTest::addColumn<SimulatorFault>("fault");
    QTest::newRow("no PG") << SimulatorFault{FaultKind::Silent, 0};
    QTest::newRow("half an identification") << SimulatorFault{FaultKind::ShortReply, 0};
}

void TestLinkProtocol::radioInfoFailures() {
    QFETCH(SimulatorFault, fault);
    auto radio = StartRadio(PatternImage(13), fault);
    QtSerialLink link;
    RecordingObserver observer;
    QVERIFY(!ReadRadioIdent(link, radio->DevicePath(), observer));
    QCOMPARE(observer.messages, QStringList{kMsgCommError});
    QVERIFY(!EndsWithEnd(ReceivedByRadio(*radio, 8)));
}

void TestLinkProtocol::failedWrites_data() {
    QTest::addColumn<QString>("exchange");
    QTest::addColumn<int>("failAt"); // 0: the end command
    // Writes 1-8 are the program request, 9 the identification request, 10 its acknowledge,
    // 11 the first block's command.
    QTest::newRow("read: a program request byte") << "read" << 3;
    QTest::newRow("read: the identification request") << "read" << 9;
    QTest::newRow("read: the acknowledge") << "read" << 10;
    QTest::newRow("read: a block command") << "read" << 11;
    QTest::newRow("read: a block's acknowledge") << "read" << 12;
    QTest::newRow("read: the end command") << "read" << 0;
    QTest::newRow("write: block data") << "write" << 13;
    QTest::newRow("write: the end command") << "write" << 0;
    QTest::newRow("service read: the end command") << "service read" << 0;
    QTest::newRow("service write: block data") << "service write" << 11;
    QTest::newRow("radio information: the end command") << "info" << 0;
}

void TestLinkProtocol::failedWrites() {
    QFETCH(QString, exchange);
    QFETCH(int, failAt);
    const MemoryImage pcImage = PatternImage(21);
    auto radio = StartRadio(PatternImage(22));
    MemoryImage image = pcImage;
    FailingWriteLink link(failAt);
    RecordingObserver observer;
    bool ok = true;
    if (exchange == "info")
        ok = ReadRadioIdent(link, radio->DevicePath(), observer).has_value();
    else if (exchange.startsWith("service"))
        ok = ServiceTransfer(exchange.endsWith("read") ? TransferMode::Read : TransferMode::Write,
                             kCalibrationRegion, image, link, radio->DevicePath(), observer);
    else
        ok = CloneTransfer(exchange == "read" ? ReadRequest() : WriteRequest(), image, link,
                           radio->DevicePath(), observer);
    QVERIFY(!ok);
    QCOMPARE(observer.messages, QStringList{kMsgCommError});
    QCOMPARE(FirstDifference(image, pcImage), QString());
    // A program request the line did not take ends the exchange there: no more bytes go out.
    if (failAt == 3)
        QCOMPARE(ReceivedByRadio(*radio, 3).size(), 2);
}

QTEST_GUILESS_MAIN(TestLinkProtocol)
#include "test_link_protocol.moc"

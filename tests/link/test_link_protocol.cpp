#include "../image/test_helpers.h"

#include "image/memory_image.h"
#include "link/clone_transfer.h"
#include "link/qt_serial_link.h"
#include "link/radio_info_read.h"
#include "link/radio_simulator.h"
#include "link/serial_link.h"
#include "link/service_transfer.h"
#include "link/transfer_observer.h"

#include <QtTest>

#include <deque>

namespace {

QByteArray ToBytes(std::span<const uint8_t> bytes) {
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size()));
}

// Bytes that differ from address to address, so misplaced blocks show; band A erased.
MemoryImage PatternImage(uint8_t seed) {
    MemoryImage image;
    for (int i = 0; i < kImageSize; ++i)
        image.SetByte(i, static_cast<uint8_t>((i * 7 + (i >> 8) + seed) & 0xFF));
    image.Fill(0x2E10, 8, 0xFF);
    return image;
}

// Every call an exchange makes on its observer, as short texts; progress only back at 0.
class RecordingObserver : public TransferObserver {
  public:
    void ShowMessage(const std::string& message, const std::string& reason) override {
        events << QString::fromStdString("message " + message + (reason.empty() ? "" : " +reason"));
        lastReason = QString::fromStdString(reason);
    }
    void SetButtonsEnabled(bool enabled) override { events << (enabled ? "enable" : "disable"); }
    void SetProgress(int position, const std::string& percentText) override {
        lastProgress = QString::number(position) + ' ' + QString::fromStdString(percentText);
        if (position == 0)
            events << "progress " + lastProgress;
    }
    void Close() override { events << "close"; }
    QStringList events;
    QString lastProgress; // bar position and percentage
    QString lastReason;
};

// The PC's write (from 1) that fails (0: the port does not open), the one (0: all) whose answer
// is replaced and delayed; how the exchange ends, at which write of the PC, and when.
struct Fault {
    const char* kind; // see Exchange
    int failWrite, alterWrite, delayMs;
    QByteArray answer;
    bool ok;
    int writes, elapsedMs;
    const char* failure = nullptr; // the message when not the usual one
};

// A radio on an in-memory line with its own clock: it answers at once from `memory` and an
// identification of 136-174 and 400-480 MHz. A read that lacks bytes waits out its timeouts.
class FakeRadio : public SerialLink {
  public:
    explicit FakeRadio(const Fault& fault) : m_fault(fault) {}
    bool Open(const std::string&) override { return open = m_fault.failWrite != 0; }
    std::string ErrorReason() const override { return "busy"; }
    void Close() override { open = false; }
    void ApplyCloneLineSettings() override {}
    void SetTimeouts(const CommTimeouts& timeouts) override { m_timeouts = timeouts; }
    void Purge() override { m_toPc.clear(); }
    bool Broken() const override { return false; }
    void Pause(int ms) override { m_now += ms; }
    int64_t NowMs() const override { return m_now; }

    size_t Write(std::span<const uint8_t> data) override {
        if (++writes == m_fault.failWrite)
            return 0;
        const QByteArray message = ToBytes(data);
        fromPc += message;
        m_identRequest = message == "\x02" ? writes : 0;
        if (fromPc.endsWith("\x02PROGRAM"))
            Answer(writes, "PG");
        else if (message == "A" && !fromPc.endsWith("\x02PROGRA"))
            Answer(writes, "A");
        else if (message.startsWith('W') && memory.Write(Address(message), data.subspan(4)))
            Answer(writes, "A");
        else if (message.startsWith('R') && message.size() == 4)
            Answer(writes,
                   message + ToBytes(memory.Bytes().subspan(Address(message), quint8(message[3]))));
        return data.size();
    }

    size_t Read(std::span<uint8_t> out) override {
        if (const int request = std::exchange(m_identRequest, 0))
            Answer(request,
                   QByteArray(16, 0) + QByteArray::fromHex("00006013000040170000004000000048"));
        int64_t limit =
            m_now + m_timeouts.readPerByteMs * int64_t(out.size()) + m_timeouts.readConstantMs;
        size_t got = 0;
        for (; got < out.size() && !m_toPc.empty() && m_toPc.front().first <= limit; ++got) {
            m_now = std::max(m_now, m_toPc.front().first);
            out[got] = m_toPc.front().second;
            m_toPc.pop_front();
            limit = std::min(limit, m_now + m_timeouts.readIntervalMs);
        }
        if (got < out.size())
            m_now = limit;
        return got;
    }

    MemoryImage memory = PatternImage(9);
    bool open = false;
    int writes = 0;
    QByteArray fromPc;

  private:
    static int Address(const QByteArray& command) {
        return quint8(command[1]) << 8 | quint8(command[2]);
    }
    void Answer(int write, const QByteArray& answer) {
        const bool altered = m_fault.alterWrite == 0 || m_fault.alterWrite == write;
        for (const char byte : altered ? m_fault.answer : answer)
            m_toPc.emplace_back(m_now + (altered ? m_fault.delayMs : 0), uint8_t(byte));
    }
    const Fault m_fault;
    CommTimeouts m_timeouts;
    int64_t m_now = 0;
    int m_identRequest = 0; // a lone 0x02 asks for the identification when a read follows
    std::deque<std::pair<int64_t, uint8_t>> m_toPc; // arrival time, byte
};

// "read", "write", "init", "verify" (a verified write); "service read"/"write" of calibration/
// decoder region; "info".
bool Exchange(const QString& kind, MemoryImage& image, SerialLink& link, RecordingObserver& seen) {
    if (kind == "info")
        return ReadRadioIdent(link, "line", seen).has_value();
    const bool reads = kind.endsWith("read");
    if (kind.startsWith("service"))
        return ServiceTransfer(reads ? TransferMode::Read : TransferMode::Write,
                               reads ? kCalibrationRegion : kDtmfDecoderRegion, image, link, "line",
                               seen);
    TransferRequest request = kind == "read"   ? ReadRequest()
                              : kind == "init" ? InitialiseRequest()
                                               : WriteRequest();
    request.verify = kind == "verify";
    return CloneTransfer(request, image, link, "line", seen);
}

} // namespace

Q_DECLARE_METATYPE(Fault)

class TestLinkProtocol : public QObject {
    Q_OBJECT

  private slots:
    void faults_data();
    void faults();
    void verifyAgainstSimulator_data();
    void verifyAgainstSimulator();
};

// Writes 1-8 are the program request (each byte after a pause of 1 ms, 2 ms for "info"), 9 the
// identify request, 10 its acknowledge, then one write per block command and one per block
// acknowledge. A read that lacks bytes ends 50 ms per byte + 100 ms after it began, or 100 ms
// after the last byte it received.
void TestLinkProtocol::faults_data() {
    QTest::addColumn<Fault>("fault");
    const QByteArray half(16, 'x');
    QTest::newRow("no port") << Fault{"read", 0, -1, 0, "", false, 0, 0};
    QTest::newRow("silent: 4 requests") << Fault{"read", -1, 0, 0, "", false, 32, 4 * 308};
    QTest::newRow("PG after 100 ms") << Fault{"read", -1, 8, 100, "xxPG", true, 789, 108};
    QTest::newRow("PG after 101 ms") << Fault{"read", -1, 8, 101, "xxPG", true, 797, 117};
    QTest::newRow("stray byte: second request") << Fault{"read", -1, 8, 0, "ZPG", true, 797, 166};
    QTest::newRow("request not taken") << Fault{"read", 3, -1, 0, "", false, 3, 3};
    QTest::newRow("identify not taken") << Fault{"read", 9, -1, 0, "", false, 9, 8};
    QTest::newRow("half identification") << Fault{"read", -1, 9, 0, half, false, 9, 108};
    QTest::newRow("identification refused") << Fault{"read", -1, 10, 0, "N", false, 10, 8};
    QTest::newRow("acknowledge not taken") << Fault{"read", 10, -1, 0, "", false, 10, 8};
    QTest::newRow("read command not taken") << Fault{"read", 11, -1, 0, "", false, 11, 8};
    QTest::newRow("short block 3") << Fault{"read", -1, 15, 0, "R" + half, false, 15, 108};
    QTest::newRow("block 5 refused") << Fault{"read", -1, 20, 0, "N", false, 20, 8};
    QTest::newRow("ENDR not taken") << Fault{"read", 789, -1, 0, "", false, 789, 8};
    QTest::newRow("write not taken") << Fault{"write", 13, -1, 0, "", false, 13, 8};
    QTest::newRow("write 5 refused") << Fault{"write", -1, 15, 0, "N", false, 15, 8};
    QTest::newRow("write 3 unanswered") << Fault{"write", -1, 13, 0, "", false, 13, 158};
    QTest::newRow("ENDW not taken") << Fault{"write", 400, -1, 0, "", false, 400, 8};
    QTest::newRow("init stays open") << Fault{"init", -1, -1, 0, "", true, 523, 8};
    // A verified write: ENDW is write 400, the read-back session 100 ms later.
    QTest::newRow("verify: read back") << Fault{"verify", -1, -1, 0, "", true, 1189, 116};
    QTest::newRow("verify: request not taken")
        << Fault{"verify", 401, -1, 0, "", false, 401, 109, "message 通信出错 +reason"};
    QTest::newRow("verify: block 1 refused")
        << Fault{"verify", -1, 412, 0, "N", false, 412, 116, "message 通信出错 +reason"};
    QTest::newRow("service: no port") << Fault{"service read", 0, -1, 0, "", false, 0, 0};
    QTest::newRow("service: half ident") << Fault{"service read", -1, 9, 0, half, false, 9, 108};
    QTest::newRow("service: short") << Fault{"service read", -1, 13, 0, "R" + half, false, 13, 108};
    QTest::newRow("service: ENDR") << Fault{"service read", 23, -1, 0, "", false, 23, 8};
    QTest::newRow("service: refused") << Fault{"service write", -1, 10, 0, "N", false, 10, 8};
    QTest::newRow("service: write") << Fault{"service write", 11, -1, 0, "", false, 11, 8};
    QTest::newRow("info: no port") << Fault{"info", 0, -1, 0, "", false, 0, 0};
    QTest::newRow("info: silent") << Fault{"info", -1, 0, 0, "", false, 32, 4 * 316};
    QTest::newRow("info: half ident") << Fault{"info", -1, 9, 0, half, false, 9, 116};
    QTest::newRow("info: ENDR not taken") << Fault{"info", 10, -1, 0, "", false, 10, 16};
}

void TestLinkProtocol::faults() {
    QFETCH(Fault, fault);
    const QString kind = fault.kind;
    FakeRadio link(fault);
    MemoryImage image = PatternImage(5);
    RecordingObserver observer;
    QCOMPARE(Exchange(kind, image, link, observer), fault.ok);
    QCOMPARE(link.writes, fault.writes);
    QCOMPARE(int(link.NowMs()), fault.elapsedMs);
    QVERIFY(!link.open);

    // The dialog's buttons go off once the port is open; it closes, but stays for the next radio.
    const bool opens = fault.failWrite != 0;
    const QString failure = fault.failure ? fault.failure
                            : opens       ? "message 通信出错"
                                          : "message 无法打开串口 +reason";
    QStringList events = {fault.ok ? "" : failure};
    if (fault.ok && kind == "init")
        events = {"message 初始化数据成功", "progress 0 0%", "enable"};
    if (kind == "verify") // the bar starts again for the read-back
        events.prepend("progress 0 0%");
    if (kind == "read" || kind == "write" || kind == "init" || kind == "verify")
        events = QStringList{opens ? "disable" : ""} + events +
                 QStringList{fault.ok && kind == "init" ? "" : "close"};
    events.removeAll("");
    QCOMPARE(observer.events, events);
    if (fault.ok && kind == "read")
        QCOMPARE(observer.lastProgress, QString("389 100%")); // 384 + 5 blocks

    // A failed read changes nothing; a read takes the radio's ranges, band A from the ident.
    MemoryImage expected = PatternImage(5);
    if (fault.ok && kind == "read") {
        expected.Write(0, PatternImage(9).Bytes().first(0x3000));
        expected.Write(0x3F70, PatternImage(9).Bytes().subspan(0x3F70));
        expected.Write(0x2E10, std::array<uint8_t, 8>{0, 0, 0x60, 0x13, 0, 0, 0x40, 0x17});
    }
    QCOMPARE(image, expected);
    if (fault.ok && kind == "init") // the radio keeps the whole image
        QCOMPARE(link.memory, PatternImage(5));
}

void TestLinkProtocol::verifyAgainstSimulator_data() {
    QTest::addColumn<bool>("init");
    QTest::addColumn<bool>("verify");
    QTest::addColumn<QString>("fault"); // of `simulate --fault`
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("details");
    // The PC's image is PatternImage(5): 0x0123 holds FB, 0x3000 holds 35.
    QTest::newRow("write verified") << false << true << ""
                                    << ""
                                    << "";
    QTest::newRow("write, byte changed") << false << true << "corrupt:0123"
                                         << "校验失败"
                                         << "0x0123: 写入 FB，读回 04";
    QTest::newRow("write, change outside its ranges") << false << true << "corrupt:0x3000"
                                                      << ""
                                                      << "";
    QTest::newRow("write unverified, byte changed") << false << false << "corrupt:123"
                                                    << ""
                                                    << "";
    QTest::newRow("init verified") << true << true << ""
                                   << "初始化数据成功"
                                   << "";
    QTest::newRow("init, byte changed") << true << true << "corrupt:3000"
                                        << "校验失败"
                                        << "0x3000: 写入 35，读回 CA";
}

// The real serial layer against the simulated radio that changes a byte once a write ended.
void TestLinkProtocol::verifyAgainstSimulator() {
    QFETCH(bool, init);
    QFETCH(bool, verify);
    QFETCH(QString, fault);
    QFETCH(QString, message);
    QFETCH(QString, details);
    SimulatorOptions options;
    if (!fault.isEmpty())
        options.fault = ParseSimulatorFault(fault.toStdString()).value();
    RadioSimulator radio(PatternImage(9), options);
    std::string error;
    QVERIFY2(radio.Start(error), error.c_str());
    TransferRequest request = init ? InitialiseRequest() : WriteRequest();
    request.verify = verify;
    MemoryImage image = PatternImage(5);
    QtSerialLink link;
    RecordingObserver observer;
    const bool ok = message != "校验失败";
    QCOMPARE(CloneTransfer(request, image, link, radio.DevicePath(), observer), ok);
    QCOMPARE(observer.events.filter("message "),
             message.isEmpty()
                 ? QStringList()
                 : QStringList{"message " + message + (details.isEmpty() ? "" : " +reason")});
    QCOMPARE(observer.lastReason, details);

    // A verified write reads its ranges back in a session of its own; an unverified one ends
    // with ENDW as before.
    const QByteArray line = ToBytes(radio.Received());
    const qsizetype endw = line.indexOf("ENDW");
    QCOMPARE(line.count("\x02PROGRAM"), verify ? 2 : 1);
    if (!verify) {
        QCOMPARE(endw, line.size() - 4);
    } else {
        const QByteArray readBack = line.mid(endw);
        QVERIFY(readBack.startsWith(QByteArray("ENDW\x02PROGRAM\x02") + Hex("41 52000020 41")));
        QVERIFY(readBack.endsWith(Hex("52 3fe0 20 41") + "ENDR"));
        QCOMPARE(readBack.size(), 4 + 10 + (init ? 512 : 389) * 5 + 4);
    }
    // The radio keeps the changed byte whether or not the write was verified.
    if (!fault.isEmpty()) {
        const int at = options.fault.address;
        QCOMPARE(radio.Memory().Byte(at),
                 uint8_t(~(init || at < 0x3000 ? PatternImage(5) : PatternImage(9)).Byte(at)));
    }
}

QTEST_GUILESS_MAIN(TestLinkProtocol)
#include "test_link_protocol.moc"

#include "../image/test_helpers.h"

#include "link/port_access.h"
#include "link/port_slots.h"
#include "link/pty_line.h"
#include "link/qt_port_detector.h"
#include "link/qt_serial_link.h"
#include "link/radio_simulator.h"
#include "link/serial_device_info.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

#include <unistd.h>

namespace {

QByteArray ToBytes(const std::vector<uint8_t>& bytes) {
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size()));
}

// A radio whose identification starts with `model`.
SimulatorOptions Named(const char* model) {
    SimulatorOptions options;
    std::copy(model, model + 8, options.identity.begin());
    return options;
}

} // namespace

class TestDetect : public QObject {
    Q_OBJECT
  private slots:
    void findsFirstRadio();
    void existingSlots();
    void permissionAdvice_data();
    void permissionAdvice();
    void unreadableDevice();
    void deviceDescription_data();
    void deviceDescription();
};

// A silent line, a missing device and two radios, probed at once: the first radio is found;
// the silent line gets the four program requests and nothing else.
void TestDetect::findsFirstRadio() {
    std::string error;
    PtyLine silent;
    QVERIFY2(silent.Open(error), error.c_str());
    MemoryImage memory;
    RadioSimulator first(memory, Named("FIRST---")), second(memory, Named("SECOND--"));
    QVERIFY(first.Start(error) && second.Start(error));
    const Detection detection = DetectRadioOnSerialPorts({{1, silent.DevicePath()},
                                                          {2, "/nonexistent/ttyUSB1"},
                                                          {5, first.DevicePath()},
                                                          {9, second.DevicePath()}});
    QCOMPARE(detection.probes.size(), size_t(4));
    const ProbeOutcome outcomes[] = {ProbeOutcome::NoAnswer, ProbeOutcome::CannotOpen,
                                     ProbeOutcome::Answered, ProbeOutcome::Answered};
    for (size_t i = 0; i < 4; ++i)
        QCOMPARE(detection.probes[i].outcome, outcomes[i]);
    QVERIFY(!detection.probes[1].reason.empty());
    const PortProbe* found = detection.Found();
    QVERIFY(found);
    QCOMPARE(found->slot.number, 5);
    QVERIFY(found->ident);
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(found->ident->bytes.data()), 8), "FIRST---");
    // The radio leaves programming mode as after an identification read.
    for (const RadioSimulator* radio : {&first, &second})
        QTRY_COMPARE(ToBytes(radio->Received()), QByteArray("\x02PROGRAM\x02"
                                                            "ENDR"));
    while (silent.Next(50)) {
    }
    QCOMPARE(ToBytes(silent.Received()), QByteArray("\x02PROGRAM").repeated(4));
    // In parallel: every probe began before the silent line was given up.
    for (const PortProbe& probe : detection.probes)
        QVERIFY(probe.startMs < detection.probes[0].endMs);
}

void TestDetect::existingSlots() {
    QTemporaryDir dir;
    QByteArray ini = "[Ports]\n";
    // COM7 is a symbolic link to dev2, as /dev/serial/by-id names are.
    for (int n = 1; n <= 16; ++n)
        ini += "COM" + QByteArray::number(n) + "=" +
               dir.filePath(n == 7 ? "by-id" : "dev" + QString::number(n)).toUtf8() + "\n";
    QFile file(dir.filePath("Program.ini"));
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(ini) == ini.size());
    file.close();
    for (const char* name : {"dev2", "dev15"}) {
        QFile device(dir.filePath(name));
        QVERIFY(device.open(QIODevice::WriteOnly));
    }
    QVERIFY(QFile::link(dir.filePath("dev2"), dir.filePath("by-id")));
    const auto existing = ExistingPortSlots(dir.filePath("Program.ini").toStdString());
    QCOMPARE(existing.size(), size_t(2));
    QCOMPARE(existing[0].number, 2);
    QCOMPARE(Q(existing[0].device), dir.filePath("dev2"));
    QCOMPARE(existing[1].number, 15);
    QCOMPARE(PortSlots(dir.filePath("Program.ini").toStdString()).size(), size_t(16));
    // The system lists the device under its real path; the link finds it.
    SerialDeviceTable table;
    table[QFileInfo(dir.filePath("dev2")).canonicalFilePath().toStdString()].vendorId = 0x1a86;
    QCOMPARE(LookUpSerialDevice(table, dir.filePath("by-id").toStdString())->vendorId, 0x1a86);
    QVERIFY(!LookUpSerialDevice(table, dir.filePath("dev15").toStdString()));
}

void TestDetect::permissionAdvice_data() {
    QTest::addColumn<QString>("permissions");
    QTest::addColumn<bool>("inSession");
    QTest::addColumn<bool>("listed");
    QTest::addColumn<QString>("advice");
    const QString refused = "没有读写 /dev/ttyUSB0 的权限：";
    QTest::newRow("not in the group")
        << "rw-rw----" << false << false
        << refused + "设备属于用户组 dialout，当前用户不在该组中。请执行 sudo usermod -aG "
                     "dialout $USER，然后注销并重新登录。";
    QTest::newRow("added, not logged in again")
        << "rw-rw----" << false << true
        << refused + "当前用户已加入用户组 dialout，但本次登录尚未生效。请注销并重新登录。";
    const QString modeRefuses = refused + "设备属于用户组 dialout，权限为 rw-------，不允许当前"
                                          "用户读写。请检查设备的权限设置（例如 udev 规则）。";
    QTest::newRow("in the group, mode refuses") << "rw-------" << true << true << modeRefuses;
    // Joining a group that may not use the device would not help.
    QTest::newRow("group may not use it") << "rw-------" << false << false << modeRefuses;
}

void TestDetect::permissionAdvice() {
    QFETCH(QString, permissions);
    QFETCH(bool, inSession);
    QFETCH(bool, listed);
    QFETCH(QString, advice);
    const PortAccess access{
        "/dev/ttyUSB0", "dialout", permissions.toStdString(), permissions.startsWith("rw-rw"),
        inSession,      listed};
    QCOMPARE(Q(PermissionAdvice(access)), advice);
}

// Opening a device the user may not read gives its group and permissions as the reason.
void TestDetect::unreadableDevice() {
    if (geteuid() == 0)
        QSKIP("running as root: a device file cannot be made unreadable for this user");
    QTemporaryDir dir;
    const QString path = dir.filePath("ttyUSB0");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    QVERIFY(file.setPermissions({}));
    QtSerialLink link;
    QVERIFY(!link.Open(path.toStdString()));
    const QString group = QFileInfo(path).group();
    QCOMPARE(Q(link.ErrorReason()), "没有读写 " + path + " 的权限：设备属于用户组 " + group +
                                        "，权限为 ---------，不允许当前用户读写。"
                                        "请检查设备的权限设置（例如 udev 规则）。");
    // A missing device keeps the system's own reason.
    QVERIFY(!link.Open(dir.filePath("none").toStdString()));
    QVERIFY(!Q(link.ErrorReason()).contains("权限"));
}

void TestDetect::deviceDescription_data() {
    QTest::addColumn<int>("vendor"); // -1: unknown
    QTest::addColumn<QString>("manufacturer");
    QTest::addColumn<QString>("description");
    QTest::addColumn<QString>("serial");
    QTest::addColumn<QString>("text");
    const auto row = [](const char* name, int vendor, const char* manufacturer,
                        const char* description, const char* serial, const char* text) {
        QTest::newRow(name) << vendor << QString(manufacturer) << QString(description)
                            << QString(serial) << QString(text);
    };
    row("USB adapter", 0x1a86, "QinHeng", "USB Serial", "A1B2",
        "USB 1a86:7523 QinHeng USB Serial，序列号 A1B2");
    row("same name twice, no serial", 0x0403, "FTDI", "FTDI", "", "USB 0403:7523 FTDI");
    row("serial only", -1, "", "", "X9", "序列号 X9");
}

void TestDetect::deviceDescription() {
    QFETCH(int, vendor);
    QFETCH(QString, manufacturer);
    QFETCH(QString, description);
    QFETCH(QString, serial);
    QFETCH(QString, text);
    SerialDeviceInfo info{std::nullopt, std::nullopt, manufacturer.toStdString(),
                          description.toStdString(), serial.toStdString()};
    if (vendor >= 0) {
        info.vendorId = uint16_t(vendor);
        info.productId = 0x7523;
    }
    QCOMPARE(Q(DescribeSerialDevice(info)), text);
}

QTEST_GUILESS_MAIN(TestDetect)
#include "test_detect.moc"

#include "test_helpers.h"
#include "test_registry.h"

#include "image/image_diff.h"

namespace {

QStringList Diff(const MemoryImage& a, const MemoryImage& b) {
    QStringList lines;
    for (const std::string& line : DiffImages(a, b))
        lines << Q(line);
    return lines;
}

MemoryImage Erased() {
    MemoryImage image;
    image.FillAll(0xFF);
    return image;
}

} // namespace

class TestImageDiff : public QObject {
    Q_OBJECT
  private slots:
    void oneChange_data();
    void oneChange();
    void linesFollowAddresses();
    void everyBitShowsOnce();
};

// Over an erased image: `before` and `after` written at the address, the lines expected.
void TestImageDiff::oneChange_data() {
    QTest::addColumn<int>("address");
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("after");
    QTest::addColumn<QStringList>("lines");
    const auto row = [](const char* name, int address, const char* before, const char* after,
                        const QStringList& lines) {
        QTest::newRow(name) << address << Hex(before) << Hex(after) << lines;
    };
    row("equal", 0x0044, "00754714", "00754714", {});
    row("frequency", 0x0044, "00754714", "00755314", {"A 003 txFreq 144.77500 -> 145.37500"});
    row("no transmit frequency", 0x0044, "00754714", "ffffffff",
        {"A 003 txFreq 144.77500 -> \"\""});
    row("tone", 0x1FE8, "ffff", "8508", {"B 128 rxTone 无 -> 88.5"});
    row("option", 0x200D, "38", "28", {"A VFO power 高 -> 低"});
    row("option without an item", 0x200D, "38", "f8", {"A VFO busyLock 关 -> (3)"});
    row("name", 0x2038, "ff", "43414c4c", {"B VFO name \"\" -> CALL"});
    row("reserved byte", 0x000E, "ff", "00", {"A 001 reserved14 FF -> 00"});
    row("optional feature", 0x2042, "04", "05", {"可选功能 静噪电平 4 -> 5"});
    row("number shown alike", 0x20D8, "ff", "fe", {"DTMF 自动复位时间 (s) 10 (FF) -> 10 (FE)"});
    row("auto-dial code", 0x2110, "0102030f", "0405060f", {"DTMF 自动拨号 3 123# -> 456#"});
    row("band limit", 0x2E10, "00006013", "00004014", {"机型 A段下限 136 -> 144"});
    row("FM frequency", 0x2F80, "007508", "008008", {"收音机 当前频率 87.500 -> 88.000"});
    row("FM channel out of band", 0x2FD4, "000010", "000011", {"收音机 信道 20 100.000 -> \"\""});
    row("decoder value", 0x3E2A, "01c3", "01c4", {"DTMF 初始化 Twist 1c3 -> 1c4"});
    row("calibration byte", 0x3F21, "0c", "0d", {"calibration 0x3F21 12 -> 13"});
    row("calibration nibble", 0x3F20, "35", "45", {"calibration 0x3F20 U段发射功率驱动 3 -> 4"});
    row("deviation bits below the value", 0x3F23, "8002", "8102",
        {"calibration 0x3F23 10 (80 02) -> 10 (81 02)"});
    row("calibration switch", 0x3F2F, "ff", "7f", {"calibration 0x3F2F 测试模式 关 -> 开"});
    row("calibration grid cell", 0x3EF3, "0a", "0b", {"calibration 0x3EF3 10 -> 11"});
    row("undescribed bit of a shared byte", 0x204C, "ff", "fd", {"0x204C FF -> FD"});
    row("short undescribed range", 0x3F15, "ffff", "0102", {"0x3F15-0x3F16 FF FF -> 01 02"});
    row("long undescribed range", 0x2E40, "ffffffffffffffffff", "000000000000000000",
        {"0x2E40-0x2E48"});
    row("every field of a shared byte", 0x2049, "ff", "00",
        {"可选功能 结束提示音 开 -> 关", "可选功能 双待发射信道 当前活动 -> 当前编辑",
         "可选功能 提示音 开 -> 关", "可选功能 扫描模式 (3) -> 时间",
         "可选功能 身份识别开关 开 -> 关", "DTMF 侧音 按键+ID -> 关"});
}

void TestImageDiff::oneChange() {
    QFETCH(int, address);
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, after);
    QFETCH(QStringList, lines);
    MemoryImage a = Erased();
    MemoryImage b = Erased();
    PutBytes(a, address, before);
    PutBytes(b, address, after);
    QCOMPARE(Diff(a, b), lines);
}

// Named fields and undescribed bytes interleave by address, whatever order they changed in.
void TestImageDiff::linesFollowAddresses() {
    MemoryImage a = Erased();
    MemoryImage b = Erased();
    for (int address : {0x3F21, 0x2E20, 0x2042, 0x000E})
        b.SetByte(address, 0x05);
    QCOMPARE(Diff(a, b), QStringList({"A 001 reserved14 FF -> 05", "可选功能 静噪电平 (FF) -> 5",
                                      "0x2E20 FF -> 05", "calibration 0x3F21 63 -> 5"}));
}

// Every bit belongs to exactly one named field or is reported as an undescribed byte. Bits
// flipped 17 bytes apart (longer than any field) fall into different fields and ranges, so
// each gives one line of its own.
void TestImageDiff::everyBitShowsOnce() {
    constexpr int kStride = 17;
    const MemoryImage a = Erased();
    for (int first = 0; first < kStride * 8; ++first) {
        MemoryImage b = a;
        int flipped = 0;
        for (int address = first % kStride; address < kImageSize; address += kStride, ++flipped)
            b.SetByte(address, a.Byte(address) ^ (1u << (address / kStride + first / kStride) % 8));
        QCOMPARE(Diff(a, b).size(), flipped);
    }
}

KESTRA_REGISTER_TEST(TestImageDiff);
#include "test_image_diff.moc"

#include "link_test_support.h"

void RecordingObserver::ShowMessage(const std::string& message, const std::string& reason) {
    messages << QString::fromStdString(message);
    lastReason = reason;
    events << "message " + QString::fromStdString(message);
}

void RecordingObserver::SetButtonsEnabled(bool enabled) {
    events << (enabled ? "enable" : "disable");
}

void RecordingObserver::SetProgress(int position, const std::string& percentText) {
    lastPosition = position;
    lastPercent = QString::fromStdString(percentText);
    if (position == 0)
        events << "progress " + lastPercent;
}

void RecordingObserver::Close() {
    events << "close";
}

QByteArray ToBytes(const std::vector<uint8_t>& bytes) {
    return QByteArray(reinterpret_cast<const char*>(bytes.data()),
                      static_cast<qsizetype>(bytes.size()));
}

QByteArray ProgramRequest() {
    return QByteArray("\x02PROGRAM", 8);
}

ExpectedLine ExpectedOpening(const IdentBlock& ident) {
    ExpectedLine line;
    line.fromPc = ProgramRequest() + QByteArray("\x02", 1) + "A";
    line.fromRadio = "PG" + QByteArray(reinterpret_cast<const char*>(ident.bytes.data()), 32) + "A";
    return line;
}

static QByteArray Command(char letter, TransferBlock block) {
    QByteArray command(1, letter);
    command += char(block.address >> 8);
    command += char(block.address & 0xFF);
    command += char(block.length);
    return command;
}

static QByteArray ImageBytes(const MemoryImage& image, TransferBlock block) {
    return QByteArray(reinterpret_cast<const char*>(image.Bytes().data() + block.address),
                      block.length);
}

void AppendReadBlocks(ExpectedLine& line, TransferRange range, const MemoryImage& radio) {
    for (const TransferBlock block : SplitBlocks(range)) {
        line.fromPc += Command('R', block) + "A";
        line.fromRadio += Command('R', block) + ImageBytes(radio, block) + "A";
    }
}

void AppendWriteBlocks(ExpectedLine& line, TransferRange range, const MemoryImage& pc) {
    for (const TransferBlock block : SplitBlocks(range)) {
        line.fromPc += Command('W', block) + ImageBytes(pc, block);
        line.fromRadio += "A";
    }
}

MemoryImage PatternImage(uint8_t seed) {
    MemoryImage image;
    for (int i = 0; i < kImageSize; ++i)
        image.SetByte(i, static_cast<uint8_t>((i * 7 + (i >> 8) + seed) & 0xFF));
    // A programmed band block, so a read takes nothing from the identification.
    image.SetFrequency(0x2E10, 13600000);
    image.SetFrequency(0x2E14, 17400000);
    image.SetFrequency(0x2E18, 40000000);
    image.SetFrequency(0x2E1C, 48000000);
    return image;
}

QString FirstDifference(const MemoryImage& a, const MemoryImage& b) {
    for (int i = 0; i < kImageSize; ++i)
        if (a.Byte(i) != b.Byte(i))
            return QString("0x%1: %2 vs %3").arg(i, 4, 16).arg(a.Byte(i)).arg(b.Byte(i));
    return {};
}

MemoryImage WithRanges(const MemoryImage& base, const MemoryImage& from,
                       const TransferRequest& request) {
    MemoryImage result = base;
    for (const TransferRange range : {request.first, request.second})
        if (range.end > range.start)
            result.Write(range.start, from.Bytes().subspan(range.start, range.end - range.start));
    return result;
}

#pragma once

#include "image/memory_image.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringList>
#include <QTest>

#include <array>
#include <string>
#include <tuple>
#include <vector>

inline QByteArray Hex(const char* hex) {
    return QByteArray::fromHex(hex);
}

inline QByteArray ImageBytes(const MemoryImage& image, int offset, int length) {
    QByteArray out;
    for (int k = 0; k < length; ++k)
        out.append(static_cast<char>(image.Byte(offset + k)));
    return out;
}

inline void PutBytes(MemoryImage& image, int offset, const QByteArray& bytes) {
    for (int k = 0; k < bytes.size(); ++k)
        image.SetByte(offset + k, static_cast<uint8_t>(bytes[k]));
}

// The file's bytes; empty when it cannot be read.
inline QByteArray FileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

// Problem lines of a table check, joined for a failure message.
inline QString Lines(const std::vector<std::string>& lines) {
    QStringList out;
    for (const std::string& line : lines)
        out << QString::fromStdString(line);
    return out.join("; ");
}

// Compares the image with a golden file of tests/golden/: lines "ADDRESS | BYTES | meaning"
// in hexadecimal, '#' starting a comment line. Empty when every listed byte matches, else
// the lines that differ with what the image holds.
inline QString GoldenDifferences(const MemoryImage& image, const QString& name) {
    QFile file(QStringLiteral(KESTRA_GOLDEN_DIR "/") + name);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return "cannot read " + file.fileName();
    QStringList differences;
    int listed = 0;
    for (const QString& line : QString::fromUtf8(file.readAll()).split('\n')) {
        const QStringList parts = line.split('|');
        if (line.trimmed().isEmpty() || line.startsWith('#') || parts.size() < 3)
            continue;
        bool ok = false;
        const int address = parts[0].trimmed().toInt(&ok, 16);
        const QByteArray expected = QByteArray::fromHex(parts[1].toLatin1());
        if (!ok || expected.isEmpty())
            return "bad golden line: " + line;
        const QByteArray actual = ImageBytes(image, address, int(expected.size()));
        listed += int(expected.size());
        if (actual != expected)
            differences << QString("%1: %2, expected %3 (%4)")
                               .arg(address, 4, 16, QChar('0'))
                               .arg(QString(actual.toHex(' ')), QString(expected.toHex(' ')),
                                    parts[2].trimmed());
    }
    return listed == 0 ? "no bytes listed in " + name : differences.join("\n");
}

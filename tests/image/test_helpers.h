#pragma once

#include "image/memory_image.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <string>
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

#include "app/ini_file.h"

#include "image/decimal_scale.h"
#include "link/profile_text.h"

#include <QFile>
#include <QSaveFile>

#include <algorithm>

CIniFile::CIniFile(QString path) : m_path(std::move(path)) {
    QFile file(m_path);
    if (!file.exists())
        file.open(QIODevice::WriteOnly);
}

QString CIniFile::GetString(const QString& section, const QString& key) const {
    const auto value = ReadIniValue(m_path.toStdString(), section.toStdString(), key.toStdString());
    if (!value)
        return {};
    // The radio type and About texts are read through a 260-byte buffer; the cut never splits
    // a UTF-8 character.
    size_t length = std::min<size_t>(value->size(), 259);
    while (length < value->size() && length > 0 && ((*value)[length] & 0xC0) == 0x80)
        --length;
    return QString::fromUtf8(value->substr(0, length));
}

int CIniFile::GetInt(const QString& section, const QString& key, int defaultValue) const {
    const auto value = ReadIniValue(m_path.toStdString(), section.toStdString(), key.toStdString());
    if (!value)
        return defaultValue;
    const auto scanned = ScanInt(*value);
    return scanned && scanned->fits ? scanned->value : 0;
}

bool CIniFile::SetInt(const QString& section, const QString& key, int value) {
    return SetString(section, key, QString::number(value));
}

bool CIniFile::SetString(const QString& section, const QString& key, const QString& value) {
    QFile in(m_path);
    QByteArray content;
    if (in.open(QIODevice::ReadOnly))
        content = in.readAll();
    const std::string text = WithProfileValue(content.toStdString(), section.toStdString(),
                                              key.toStdString(), value.toStdString());
    QSaveFile out(m_path);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    out.write(text.data(), static_cast<qint64>(text.size()));
    return out.commit();
}

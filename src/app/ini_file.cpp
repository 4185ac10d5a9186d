#include "app/ini_file.h"

#include "image/decimal_scale.h"
#include "link/ini_reader.h"

#include <QFile>
#include <QSaveFile>
#include <QStringList>

CIniFile::CIniFile(QString path) : m_path(std::move(path)) {
    QFile file(m_path);
    if (!file.exists())
        file.open(QIODevice::WriteOnly);
}

QString CIniFile::GetString(const QString& section, const QString& key) const {
    const auto value = ReadIniValue(m_path.toStdString(), section.toStdString(), key.toStdString());
    // The radio type and About texts are read through a 260-byte buffer.
    return value ? QString::fromUtf8(value->substr(0, 259)) : QString();
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

namespace {

QString SectionName(const QString& line) {
    const QString t = line.trimmed();
    if (!t.startsWith('[') || t.indexOf(']') < 0)
        return {};
    return t.mid(1, t.indexOf(']') - 1).trimmed();
}

bool IsKeyLine(const QString& line, const QString& key) {
    const int eq = line.indexOf('=');
    return eq > 0 && line.left(eq).trimmed().compare(key, Qt::CaseInsensitive) == 0;
}

} // namespace

bool CIniFile::SetString(const QString& section, const QString& key, const QString& value) {
    QFile in(m_path);
    QByteArray content;
    if (in.open(QIODevice::ReadOnly))
        content = in.readAll();
    const bool crlf = content.contains("\r\n") || content.isEmpty();
    QStringList lines = QString::fromUtf8(content).split('\n');
    for (QString& l : lines)
        if (l.endsWith('\r'))
            l.chop(1);
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    const QString entry = key + '=' + value;
    int sectionLine = -1, lastInSection = -1;
    for (int i = 0; i < lines.size(); ++i) {
        const QString name = SectionName(lines[i]);
        if (!name.isNull()) {
            if (sectionLine >= 0)
                break;
            if (name.compare(section, Qt::CaseInsensitive) == 0)
                sectionLine = lastInSection = i;
            continue;
        }
        if (sectionLine < 0)
            continue;
        if (IsKeyLine(lines[i], key)) {
            lines[i] = entry;
            lastInSection = -2;
            break;
        }
        if (!lines[i].trimmed().isEmpty())
            lastInSection = i;
    }
    if (sectionLine < 0)
        lines << '[' + section + ']' << entry;
    else if (lastInSection >= 0)
        lines.insert(lastInSection + 1, entry);
    const QString eol = crlf ? "\r\n" : "\n";
    QSaveFile out(m_path);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    out.write((lines.join(eol) + eol).toUtf8());
    return out.commit();
}

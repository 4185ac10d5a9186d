#pragma once

#include <QString>

// Program.ini with private-profile rules: sections and keys match without regard to case, a
// write changes or adds only its own line and keeps everything else in the file.
class CIniFile {
  public:
    // Creates an empty file when there is none.
    explicit CIniFile(QString path);

    QString GetString(const QString& section, const QString& key) const;
    int GetInt(const QString& section, const QString& key, int defaultValue) const;
    bool SetInt(const QString& section, const QString& key, int value);
    bool SetString(const QString& section, const QString& key, const QString& value);

    const QString& Path() const { return m_path; }

  private:
    QString m_path;
};

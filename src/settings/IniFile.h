#pragma once

// A plain INI file read at every get and written at every set. Section and key names match without regard
// to case, values are taken as written, and every line the file holds besides the one being set is kept
// byte for byte, so a hand-edited or damaged file loses nothing it had.

#include <QString>

#include <optional>

class TIniFile
{
public:
    explicit TIniFile(QString path);

    const QString& FileName() const { return m_path; }

    // The value as written (surrounding blanks removed); nothing when the file, section or key is missing.
    std::optional<QString> ReadString(const QString& section, const QString& key) const;
    // Raises Exception naming the file when it cannot be written; the write is atomic.
    void WriteString(const QString& section, const QString& key, const QString& value);

private:
    QString m_path;
};

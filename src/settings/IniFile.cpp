#include "settings/IniFile.h"

#include "common/Exception.h"

#include <QFile>
#include <QList>
#include <QSaveFile>

#include <utility>

namespace {

QList<QByteArray> ReadLines(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<QByteArray> lines = file.readAll().split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

QByteArray WithoutCarriageReturn(const QByteArray& line)
{
    return line.endsWith('\r') ? line.chopped(1) : line;
}

// The name of the section a line opens, or nothing when it opens none.
std::optional<QString> SectionName(const QByteArray& line)
{
    const QByteArray trimmed = WithoutCarriageReturn(line).trimmed();
    if (trimmed.size() < 2 || trimmed.front() != '[' || !trimmed.contains(']'))
        return std::nullopt;
    return QString::fromUtf8(trimmed.mid(1, trimmed.indexOf(']') - 1)).trimmed();
}

struct Assignment
{
    QString key;
    QString value;
};

std::optional<Assignment> ParseAssignment(const QByteArray& line)
{
    const QByteArray text = WithoutCarriageReturn(line);
    const qsizetype eq = text.indexOf('=');
    if (eq <= 0 || text.trimmed().startsWith(';') || text.trimmed().startsWith('#'))
        return std::nullopt;
    return Assignment{QString::fromUtf8(text.left(eq)).trimmed(),
                      QString::fromUtf8(text.mid(eq + 1)).trimmed()};
}

bool SameName(const QString& a, const QString& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

} // namespace

TIniFile::TIniFile(QString path) : m_path(std::move(path)) {}

std::optional<QString> TIniFile::ReadString(const QString& section, const QString& key) const
{
    bool inSection = false;
    for (const QByteArray& line : ReadLines(m_path)) {
        if (const auto name = SectionName(line)) {
            inSection = SameName(*name, section);
            continue;
        }
        if (!inSection)
            continue;
        if (const auto assignment = ParseAssignment(line); assignment && SameName(assignment->key, key))
            return assignment->value;
    }
    return std::nullopt;
}

void TIniFile::WriteString(const QString& section, const QString& key, const QString& value)
{
    if (value.contains(QLatin1Char('\n')) || value.contains(QLatin1Char('\r')))
        throw Exception(QStringLiteral("Cannot write %1: a value cannot hold a line break").arg(m_path));
    QList<QByteArray> lines = ReadLines(m_path);
    const QByteArray newLine = key.toUtf8() + '=' + value.toUtf8();
    const bool crlf = !lines.isEmpty() && lines.first().endsWith('\r');

    qsizetype sectionEnd = -1; // where a missing key goes: after the last line of the first such section
    bool inSection = false;
    bool written = false;
    for (qsizetype i = 0; i < lines.size() && !written; ++i) {
        if (const auto name = SectionName(lines.at(i))) {
            if (inSection)
                break;
            inSection = SameName(*name, section);
            if (inSection)
                sectionEnd = i + 1;
            continue;
        }
        if (!inSection)
            continue;
        if (const auto assignment = ParseAssignment(lines.at(i));
            assignment && SameName(assignment->key, key)) {
            lines[i] = crlf ? newLine + '\r' : newLine;
            written = true;
        } else if (!WithoutCarriageReturn(lines.at(i)).trimmed().isEmpty()) {
            sectionEnd = i + 1;
        }
    }
    if (!written) {
        if (sectionEnd < 0) {
            lines.append(crlf ? '[' + section.toUtf8() + "]\r" : '[' + section.toUtf8() + ']');
            sectionEnd = lines.size();
        }
        lines.insert(sectionEnd, crlf ? newLine + '\r' : newLine);
    }

    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly))
        throw Exception(QStringLiteral("Cannot write %1: %2").arg(m_path, file.errorString()));
    for (const QByteArray& line : std::as_const(lines)) {
        file.write(line);
        file.write("\n");
    }
    if (!file.commit())
        throw Exception(QStringLiteral("Cannot write %1: %2").arg(m_path, file.errorString()));
}

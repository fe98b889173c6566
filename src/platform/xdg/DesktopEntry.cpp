#include "platform/xdg/DesktopEntry.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QStandardPaths>

namespace Platform::Xdg {

static QString UnescapeString(const QString& value)
{
    QString out;
    out.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value.at(i);
        if (c != QLatin1Char('\\') || i + 1 >= value.size()) {
            out += c;
            continue;
        }
        const QChar next = value.at(++i);
        switch (next.unicode()) {
        case 's':
            out += QLatin1Char(' ');
            break;
        case 'n':
            out += QLatin1Char('\n');
            break;
        case 't':
            out += QLatin1Char('\t');
            break;
        case 'r':
            out += QLatin1Char('\r');
            break;
        case '\\':
            out += QLatin1Char('\\');
            break;
        default: // not a string escape: keep it for the quoting rule
            out += QLatin1Char('\\');
            out += next;
            break;
        }
    }
    return out;
}

DesktopEntry ReadDesktopEntry(const QString& filePath)
{
    DesktopEntry entry;
    entry.FilePath = filePath;
    QFile file(filePath);
    if (!file.open(QIODevice::ReadOnly))
        return entry;
    bool inMainGroup = false;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        if (line.startsWith(QLatin1Char('['))) {
            inMainGroup = line == QLatin1String("[Desktop Entry]");
            continue;
        }
        if (!inMainGroup)
            continue;
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq <= 0)
            continue;
        const QString key = line.left(eq).trimmed();
        const QString value = line.mid(eq + 1).trimmed();
        if (key == QLatin1String("Exec"))
            entry.Exec = UnescapeString(value);
        else if (key == QLatin1String("Icon"))
            entry.Icon = UnescapeString(value);
        else if (key == QLatin1String("Path"))
            entry.Path = UnescapeString(value);
        else if (key == QLatin1String("Name"))
            entry.Name = UnescapeString(value);
    }
    entry.Valid = !entry.Exec.isEmpty() || !entry.Icon.isEmpty();
    return entry;
}

QStringList SplitExec(const DesktopEntry& entry)
{
    QStringList args;
    QString current;
    bool inArgument = false;
    bool quoted = false;
    const QString& exec = entry.Exec;
    auto finish = [&] {
        if (inArgument)
            args += current;
        current.clear();
        inArgument = false;
    };
    for (qsizetype i = 0; i < exec.size(); ++i) {
        const QChar c = exec.at(i);
        if (quoted) {
            if (c == QLatin1Char('"')) {
                quoted = false;
            } else if (c == QLatin1Char('\\') && i + 1 < exec.size()) {
                current += exec.at(++i);
            } else if (c == QLatin1Char('%') && i + 1 < exec.size() && exec.at(i + 1) == QLatin1Char('%')) {
                current += exec.at(++i);
            } else {
                current += c;
            }
            continue;
        }
        if (c == QLatin1Char(' ') || c == QLatin1Char('\t')) {
            finish();
        } else if (c == QLatin1Char('"')) {
            quoted = true;
            inArgument = true;
        } else if (c == QLatin1Char('%') && i + 1 < exec.size()) {
            const QChar code = exec.at(++i);
            inArgument = true;
            switch (code.unicode()) {
            case '%':
                current += QLatin1Char('%');
                break;
            case 'c':
                current += entry.Name;
                break;
            case 'k':
                current += entry.FilePath;
                break;
            case 'i':
                if (!entry.Icon.isEmpty() && current.isEmpty()) {
                    args << QStringLiteral("--icon") << entry.Icon;
                    inArgument = false;
                }
                break;
            default: // %f %F %u %U and the deprecated codes: no files are handed over
                if (current.isEmpty())
                    inArgument = false;
                break;
            }
        } else {
            current += c;
            inArgument = true;
        }
    }
    finish();
    return args;
}

QString QuoteExecArgument(const QString& argument)
{
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    bool needsQuotes = argument.isEmpty();
    for (const QChar c : argument)
        needsQuotes = needsQuotes || reserved.contains(c);
    QString quoted;
    if (needsQuotes) {
        quoted += QLatin1Char('"');
        for (const QChar c : argument) {
            if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') ||
                c == QLatin1Char('\\'))
                quoted += QLatin1Char('\\');
            quoted += c;
        }
        quoted += QLatin1Char('"');
    } else {
        quoted = argument;
    }
    // The string escapes apply before the quoting rule is read, so each backslash is written twice.
    quoted.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    quoted.replace(QLatin1Char('%'), QStringLiteral("%%"));
    return quoted;
}

static QString ResolveProgram(const QString& program)
{
    if (program.contains(QLatin1Char('/')))
        return QFileInfo(program).canonicalFilePath();
    const QString found = QStandardPaths::findExecutable(program);
    return found.isEmpty() ? QString() : QFileInfo(found).canonicalFilePath();
}

// Built once: the installed applications by the program file their Exec starts.
static const QHash<QString, QString>& InstalledProgramIcons()
{
    static const QHash<QString, QString> icons = [] {
        QHash<QString, QString> map;
        const QStringList dirs =
            QStandardPaths::locateAll(QStandardPaths::GenericDataLocation, QStringLiteral("applications"),
                                      QStandardPaths::LocateDirectory);
        for (const QString& dir : dirs) {
            QDirIterator it(dir, {QStringLiteral("*.desktop")}, QDir::Files, QDirIterator::Subdirectories);
            while (it.hasNext()) {
                const DesktopEntry entry = ReadDesktopEntry(it.next());
                if (entry.Icon.isEmpty() || entry.Exec.isEmpty())
                    continue;
                const QStringList args = SplitExec(entry);
                if (args.isEmpty())
                    continue;
                const QString program = ResolveProgram(args.first());
                if (!program.isEmpty() && !map.contains(program))
                    map.insert(program, entry.Icon);
            }
        }
        return map;
    }();
    return icons;
}

QString IconOfInstalledProgram(const QString& programPath)
{
    const QString canonical = QFileInfo(programPath).canonicalFilePath();
    if (canonical.isEmpty())
        return {};
    return InstalledProgramIcons().value(canonical);
}

} // namespace Platform::Xdg

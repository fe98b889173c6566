#include "platform/Platform.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>

// The persistent value lives in an environment.d file, which systemd-based sessions read at login.

namespace Platform {

static QString EnvironmentFilePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/environment.d/kestrune.conf");
}

static QByteArray Quote(const QString& value)
{
    QByteArray out = "\"";
    for (const char c : value.toUtf8()) {
        if (c == '\\' || c == '"' || c == '`' || c == '$')
            out += '\\';
        out += c;
    }
    out += '"';
    return out;
}

static QString Unquote(QByteArray value)
{
    value = value.trimmed();
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front()) {
        const char quote = value.front();
        QByteArray out;
        for (qsizetype i = 1; i + 1 < value.size(); ++i) {
            if (quote == '"' && value.at(i) == '\\' && i + 2 < value.size())
                ++i;
            out += value.at(i);
        }
        value = out;
    }
    return QString::fromUtf8(value);
}

static QList<QByteArray> ReadLines()
{
    QFile file(EnvironmentFilePath());
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<QByteArray> lines = file.readAll().split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

static bool IsAssignmentOf(const QByteArray& line, const QByteArray& name)
{
    const QByteArray trimmed = line.trimmed();
    return trimmed.startsWith(name + '=');
}

std::optional<QString> ReadPersistentVariable(const QString& name)
{
    const QByteArray key = name.toUtf8();
    std::optional<QString> value;
    for (const QByteArray& line : ReadLines()) {
        if (IsAssignmentOf(line, key)) // the last assignment wins, as when the session reads the file
            value = Unquote(line.trimmed().mid(key.size() + 1));
    }
    return value;
}

bool WritePersistentVariable(const QString& name, const QString& value)
{
    const QString path = EnvironmentFilePath();
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    const QByteArray key = name.toUtf8();
    QList<QByteArray> lines = ReadLines();
    const QByteArray assignment = key + '=' + Quote(value);
    bool replaced = false;
    for (QByteArray& line : lines) {
        if (IsAssignmentOf(line, key)) {
            line = replaced ? QByteArray() : assignment;
            replaced = true;
        }
    }
    if (!replaced)
        lines.append(assignment);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    for (const QByteArray& line : lines) {
        file.write(line);
        file.write("\n");
    }
    return file.commit();
}

void AnnounceVariable(const QString& name, const QString& value)
{
    // Only a running session has a manager to tell; the call is started and never waited for.
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR") &&
        qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS"))
        return;
    const QString systemctl = QStandardPaths::findExecutable(QStringLiteral("systemctl"));
    if (systemctl.isEmpty())
        return;
    QProcess::startDetached(systemctl, {QStringLiteral("--user"), QStringLiteral("set-environment"),
                                        name + QLatin1Char('=') + value});
}

} // namespace Platform

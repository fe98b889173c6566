#include "common/Exception.h"
#include "platform/Platform.h"
#include "platform/xdg/DesktopEntry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace Platform {

QString AutostartEntryPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/autostart/kestrune.desktop");
}

bool AutostartEntryExists()
{
    return QFileInfo::exists(AutostartEntryPath());
}

void WriteAutostartEntry(const QString& programPath)
{
    const QString path = AutostartEntryPath();
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder))
        throw Exception(QStringLiteral("无法写入自动启动项 %1").arg(path));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw Exception(QStringLiteral("无法写入自动启动项 %1：%2").arg(path, file.errorString()));
    const QString text = QStringLiteral("[Desktop Entry]\nType=Application\nName=Kestrune\nExec=") +
                         Xdg::QuoteExecArgument(programPath) + QLatin1Char('\n');
    file.write(text.toUtf8());
    if (!file.commit())
        throw Exception(QStringLiteral("无法写入自动启动项 %1：%2").arg(path, file.errorString()));
}

void RemoveAutostartEntry()
{
    QFile file(AutostartEntryPath());
    if (file.exists() && !file.remove())
        throw Exception(QStringLiteral("无法删除自动启动项 %1：%2").arg(file.fileName(), file.errorString()));
}

} // namespace Platform

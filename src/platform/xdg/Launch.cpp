#include "platform/Platform.h"
#include "platform/xdg/DesktopEntry.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

// The show-window code has no general meaning for another program's windows here, so it is accepted and
// not applied.

namespace Platform {

static bool Fail(QString* error, const QString& text)
{
    if (error)
        *error = text;
    return false;
}

static bool StartDesktopEntry(const QString& filePath, QString* error)
{
    const Xdg::DesktopEntry entry = Xdg::ReadDesktopEntry(filePath);
    QStringList args = Xdg::SplitExec(entry);
    if (args.isEmpty())
        return Fail(error, QStringLiteral("无法启动 %1：没有可执行的命令").arg(filePath));
    const QString program = args.takeFirst();
    if (!QProcess::startDetached(program, args, entry.Path))
        return Fail(error, QStringLiteral("无法启动 %1").arg(filePath));
    return true;
}

static bool OpenWithDesktop(const QString& path, QString* error)
{
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(path)))
        return Fail(error, QStringLiteral("无法打开 %1").arg(path));
    return true;
}

bool OpenTarget(const QString& target, const QString& parameters, const QString& workingFolder, int showCmd,
                QString* error)
{
    Q_UNUSED(showCmd);
    const QFileInfo info(target);
    if (!info.exists())
        return Fail(error, QStringLiteral("无法打开 %1：目标不存在").arg(target));
    if (info.isDir())
        return OpenWithDesktop(target, error);
    if (target.endsWith(QLatin1String(".desktop"), Qt::CaseInsensitive))
        return StartDesktopEntry(target, error);
    if (info.isFile() && info.isExecutable()) {
        // No shell is involved: the parameters are split as a command line, never interpreted.
        const QStringList args = QProcess::splitCommand(parameters);
        if (!QProcess::startDetached(info.absoluteFilePath(), args, workingFolder))
            return Fail(error, QStringLiteral("无法启动 %1").arg(target));
        return true;
    }
    return OpenWithDesktop(target, error);
}

bool OpenFolder(const QString& folder, int showCmd, QString* error)
{
    Q_UNUSED(showCmd);
    if (!QFileInfo(folder).isDir())
        return Fail(error, QStringLiteral("无法打开 %1：文件夹不存在").arg(folder));
    return OpenWithDesktop(folder, error);
}

bool OpenWebAddress(const QString& address)
{
    const QUrl url(address);
    return url.isValid() && QDesktopServices::openUrl(url);
}

} // namespace Platform

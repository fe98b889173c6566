#include "common/uCommon.h"
#include "platform/Platform.h"

#include <QDir>
#include <QFileInfo>

bool DeleteToRecycleBin(const QString& path, QString* error)
{
    auto refuse = [&](const QString& why) {
        if (error)
            *error = why;
        return false;
    };
    const QFileInfo info(path);
    if (path.isEmpty() || !info.isAbsolute())
        return refuse(QStringLiteral("%1 不是绝对路径，未删除").arg(path));
    if (!info.exists() && !info.isSymLink())
        return refuse(QStringLiteral("%1 不存在").arg(path));
    // The root and the home folder are never thrown away, whatever way the path names them.
    const QString canonical = info.canonicalFilePath();
    const QString cleaned = QDir::cleanPath(path);
    const QString home = QFileInfo(Platform::HomeFolder()).canonicalFilePath();
    if (cleaned == QLatin1String("/") || canonical == QLatin1String("/") ||
        (!home.isEmpty() && (canonical == home || cleaned == QDir::cleanPath(Platform::HomeFolder()))))
        return refuse(QStringLiteral("%1 是系统根目录或用户主目录，不能删除").arg(path));
    return Platform::MoveToTrash(path, error);
}

bool OpenInBrowser(const QString& address)
{
    return Platform::OpenWebAddress(address);
}

#include "platform/Platform.h"

#include <QFile>

namespace Platform {

bool MoveToTrash(const QString& path, QString* error)
{
    if (QFile::moveToTrash(path))
        return true;
    if (error)
        *error = QStringLiteral("无法将 %1 移到回收站").arg(path);
    return false;
}

} // namespace Platform

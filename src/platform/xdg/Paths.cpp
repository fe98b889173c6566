#include "platform/Platform.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

namespace Platform {

QChar PathDelimiter()
{
    return QLatin1Char('/');
}

bool IsPathDelimiter(QChar c)
{
    return c == QLatin1Char('/');
}

QString ProgramFilePath()
{
    const QString path = QCoreApplication::applicationFilePath();
    if (!path.isEmpty())
        return path;
    // Before the application object exists Qt cannot tell; the kernel can.
    return QFile::symLinkTarget(QStringLiteral("/proc/self/exe"));
}

QString HomeFolder()
{
    return QDir::homePath();
}

QString UserDataFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

bool IsFolderWritable(const QString& folder)
{
    return ::access(QFile::encodeName(folder).constData(), W_OK | X_OK) == 0;
}

bool IsExistingFile(const QString& path)
{
    struct stat st;
    return !path.isEmpty() && ::stat(QFile::encodeName(path).constData(), &st) == 0 && S_ISREG(st.st_mode);
}

bool IsExistingFolder(const QString& path)
{
    struct stat st;
    return !path.isEmpty() && ::stat(QFile::encodeName(path).constData(), &st) == 0 && S_ISDIR(st.st_mode);
}

static EntryKind KindOfPath(const char* path, bool followLink)
{
    struct stat st;
    const int rc = followLink ? ::stat(path, &st) : ::lstat(path, &st);
    if (rc != 0)
        return EntryKind::Other;
    if (S_ISREG(st.st_mode))
        return EntryKind::File;
    if (S_ISDIR(st.st_mode))
        return EntryKind::Folder;
    return EntryKind::Other;
}

bool ListDirectory(const QByteArray& nativeFolder, const EntryVisitor& visit)
{
    DIR* dir = ::opendir(nativeFolder.isEmpty() ? "." : nativeFolder.constData());
    if (!dir)
        return false;
    QByteArray entryPath; // only built for the few entries whose kind readdir does not tell
    while (const dirent* entry = ::readdir(dir)) {
        const char* name = entry->d_name;
        if (name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0')))
            continue;
        const std::size_t length = std::strlen(name);
        EntryKind kind = EntryKind::Other;
        switch (entry->d_type) {
        case DT_REG:
            kind = EntryKind::File;
            break;
        case DT_DIR:
            kind = EntryKind::Folder;
            break;
        case DT_LNK:
        case DT_UNKNOWN: {
            entryPath = nativeFolder;
            if (!entryPath.endsWith('/'))
                entryPath += '/';
            entryPath.append(name, qsizetype(length));
            if (entry->d_type == DT_UNKNOWN)
                kind = KindOfPath(entryPath.constData(), false);
            // A link counts as the file it points to; a link to a folder is never entered.
            if (entry->d_type == DT_LNK || kind == EntryKind::Other)
                kind = KindOfPath(entryPath.constData(), true) == EntryKind::File ? EntryKind::File
                                                                                  : EntryKind::Other;
            break;
        }
        default:
            break;
        }
        visit(name, length, kind);
    }
    ::closedir(dir);
    return true;
}

} // namespace Platform

#include "platform/Platform.h"
#include "platform/xdg/DesktopEntry.h"

#include <QFileInfo>
#include <QHash>
#include <QIcon>
#include <QMimeDatabase>
#include <QStorageInfo>

namespace Platform {

// Theme icons are looked up once per name and size; a batch of a thousand programs shares a handful.
static QImage ThemeIcon(const QString& name, int size)
{
    static QHash<QString, QImage> cache;
    const QString key = name + QLatin1Char('@') + QString::number(size);
    const auto found = cache.constFind(key);
    if (found != cache.constEnd())
        return *found;
    QImage image;
    if (QFileInfo(name).isAbsolute()) {
        const QImage file(name);
        if (!file.isNull())
            image = file.scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    } else {
        const QIcon icon = QIcon::fromTheme(name);
        if (!icon.isNull())
            image = icon.pixmap(size, size).toImage();
    }
    if (!image.isNull() && (image.width() != size || image.height() != size)) {
        QImage square(size, size, QImage::Format_ARGB32_Premultiplied);
        square.fill(Qt::transparent);
        for (int y = 0; y < qMin(size, image.height()); ++y)
            for (int x = 0; x < qMin(size, image.width()); ++x)
                square.setPixelColor(x, y, image.pixelColor(x, y));
        image = square;
    }
    cache.insert(key, image);
    return image;
}

static QImage FirstThemeIcon(const QStringList& names, int size)
{
    for (const QString& name : names) {
        if (name.isEmpty())
            continue;
        const QImage image = ThemeIcon(name, size);
        if (!image.isNull())
            return image;
    }
    return {};
}

static QImage FolderIcon(const QString& path, int size)
{
    const QFileInfo info(path);
    if (!info.isDir())
        return {};
    const QString canonical = info.canonicalFilePath();
    if (canonical == QLatin1String("/"))
        return FirstThemeIcon({QStringLiteral("drive-harddisk"), QStringLiteral("folder")}, size);
    if (canonical == QFileInfo(HomeFolder()).canonicalFilePath())
        return FirstThemeIcon({QStringLiteral("user-home"), QStringLiteral("folder")}, size);
    if (QStorageInfo(canonical).rootPath() == canonical)
        return FirstThemeIcon({QStringLiteral("drive-removable-media"), QStringLiteral("drive-harddisk"),
                               QStringLiteral("folder")},
                              size);
    return FirstThemeIcon({QStringLiteral("folder"), QStringLiteral("inode-directory")}, size);
}

QImage TargetIcon(const QString& path, bool isDir, int size)
{
    if (isDir)
        return FolderIcon(path, size);

    const QFileInfo info(path);
    if (path.endsWith(QLatin1String(".desktop"), Qt::CaseInsensitive) && info.isFile()) {
        const Xdg::DesktopEntry entry = Xdg::ReadDesktopEntry(path);
        return FirstThemeIcon({entry.Icon}, size);
    }
    if (info.isFile() && info.isExecutable()) {
        const QImage own = FirstThemeIcon({Xdg::IconOfInstalledProgram(path)}, size);
        if (!own.isNull())
            return own;
        return FirstThemeIcon({QStringLiteral("application-x-executable")}, size);
    }
    // Other files get the icon of their type, judged by name alone: the file need not exist.
    static const QMimeDatabase mimes;
    const QMimeType type = mimes.mimeTypeForFile(path, QMimeDatabase::MatchExtension);
    return FirstThemeIcon({type.iconName(), type.genericIconName(), QStringLiteral("text-x-generic")}, size);
}

} // namespace Platform

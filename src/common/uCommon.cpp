#include "common/uCommon.h"

#include "common/Exception.h"
#include "platform/Platform.h"

#include <QDir>
#include <QFileInfo>

static qsizetype LastDelimiter(const QString& path)
{
    for (qsizetype i = path.size() - 1; i >= 0; --i) {
        if (Platform::IsPathDelimiter(path.at(i)))
            return i;
    }
    return -1;
}

QString GetFileNameNoExt(const QString& path)
{
    const QString name = path.mid(LastDelimiter(path) + 1);
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot >= 0 ? name.left(dot) : name;
}

QString GetLastDirName(const QString& path)
{
    QString text = path;
    if (text.isEmpty() || !Platform::IsPathDelimiter(text.back()))
        text += Platform::PathDelimiter();
    const qsizetype final = text.size() - 1;
    for (qsizetype i = final - 1; i >= 0; --i) {
        if (Platform::IsPathDelimiter(text.at(i)))
            return text.mid(i + 1, final - i - 1);
    }
    return text.left(final);
}

QString ExtractFilePath(const QString& path)
{
    return path.left(LastDelimiter(path) + 1);
}

QString ExtractFileDir(const QString& path)
{
    const qsizetype last = LastDelimiter(path);
    if (last < 0)
        return {};
    // The separator of the root itself stays, so that the root remains a folder name.
    return last == 0 ? path.left(1) : path.left(last);
}

QString ReplaceAll(const QString& text, const QString& search, const QString& replacement)
{
    if (search.isEmpty())
        return text;
    // Left to right, and the inserted text is never searched again, so a replacement that contains the
    // search text cannot make this run forever.
    QString result = text;
    result.replace(search, replacement, Qt::CaseSensitive);
    return result;
}

bool DirExists(const QString& path)
{
    return Platform::IsExistingFolder(path);
}

bool FileExists(const QString& path)
{
    return Platform::IsExistingFile(path);
}

void EnsureDir(const QString& path)
{
    if (DirExists(path))
        return;
    if (path.isEmpty() || !QDir().mkdir(path))
        throw Exception(QStringLiteral("Cannot create ") + path);
}

bool IsDotDir(const QString& name)
{
    return name == QLatin1String(".") || name == QLatin1String("..");
}

void SplitString(const QString& text, QChar separator, QStringList& list)
{
    QString rest = text;
    qsizetype p;
    while ((p = rest.indexOf(separator)) >= 0) {
        list.append(rest.left(p));
        rest.remove(0, p + 1);
    }
    list.append(rest);
}

QString GetPathTail(const QString& path)
{
    QString t = path;
    if (!t.isEmpty() && Platform::IsPathDelimiter(t.back()))
        t.chop(1);
    QStringList parts;
    SplitString(t, Platform::PathDelimiter(), parts);
    if (parts.size() >= 3)
        return parts.at(parts.size() - 2) + Platform::PathDelimiter() + parts.last();
    return t;
}

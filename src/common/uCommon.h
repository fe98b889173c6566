#pragma once

// The shared toolbox: names and paths, shell helpers, folder scanning and the name-likeness measure.
// Paths use the platform's own separator ('/' here).

#include <QString>
#include <QStringList>

// Names and paths
QString GetFileNameNoExt(const QString& path);
QString GetLastDirName(const QString& path);
// The folder part of a path: everything up to and including its last separator (empty when it has none).
QString ExtractFilePath(const QString& path);
// The folder that holds a path, without a trailing separator except where it is the root itself.
QString ExtractFileDir(const QString& path);
QString ReplaceAll(const QString& text, const QString& search, const QString& replacement);
bool DirExists(const QString& path);
bool FileExists(const QString& path);
void EnsureDir(const QString& path);

// Shell helpers
bool DeleteToRecycleBin(const QString& path, QString* error = nullptr);
bool OpenInBrowser(const QString& address);

// Folder scanning
bool IsDotDir(const QString& name);
void FindFiles(const QString& folder, const QString& mask, bool recursive, QStringList& list);
void FindFilesToDepth(const QString& folder, const QString& mask, int depth, QStringList& list);

// Name likeness
int Similarity(const QString& first, const QString& second);
void SplitString(const QString& text, QChar separator, QStringList& list);
QString GetPathTail(const QString& path);

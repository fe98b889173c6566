#pragma once

// The one door to the operating system. Everything above this layer asks here for launching, the trash,
// icons, autostart, the user's environment, drives and directory listings, so that another system's
// implementation can stand beside this one without touching the callers.

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace Platform {

// Paths
QChar PathDelimiter();
bool IsPathDelimiter(QChar c);
QString ProgramFilePath();
QString HomeFolder();
QString UserDataFolder();
bool IsFolderWritable(const QString& folder);
// Whether a path names an existing regular file / folder now (links followed). Every fill asks this of
// every shown target, so it is a single system call.
bool IsExistingFile(const QString& path);
bool IsExistingFolder(const QString& path);

// Directory listing. Links to folders are reported as EntryKind::Other, so that a scan never follows one.
enum class EntryKind
{
    File,
    Folder,
    Other
};
using EntryVisitor = std::function<void(const char* name, std::size_t length, EntryKind kind)>;
// Calls visit for every entry of the folder except "." and ".."; false when the folder cannot be read.
bool ListDirectory(const QByteArray& nativeFolder, const EntryVisitor& visit);

// Shell services. Each returns false and fills error (when given) with a sentence naming the target.
bool OpenTarget(const QString& target, const QString& parameters, const QString& workingFolder, int showCmd,
                QString* error = nullptr);
bool OpenFolder(const QString& folder, int showCmd, QString* error = nullptr);
bool MoveToTrash(const QString& path, QString* error = nullptr);
bool OpenWebAddress(const QString& address);

// The icon the desktop shows for a file, a program or a folder, as a size x size picture with its
// transparency kept; a null image when there is none.
QImage TargetIcon(const QString& path, bool isDir, int size);

// The autostart entry that starts the program at login. Writing and removing raise Exception on failure.
bool AutostartEntryExists();
void WriteAutostartEntry(const QString& programPath);
void RemoveAutostartEntry();
QString AutostartEntryPath();

// The user's persistent environment, read by the session at login.
bool WritePersistentVariable(const QString& name, const QString& value);
std::optional<QString> ReadPersistentVariable(const QString& name);
// Tells a running session manager about a new value; never waits for it.
void AnnounceVariable(const QString& name, const QString& value);

// Drives: mounted, ready volumes of real file systems other than the root, named by their mount point
// without a trailing '/', sorted by name.
QStringList DriveList();
using DriveLister = std::function<QStringList()>;
// Tests cannot mount volumes, so they hand in their own list; an empty function restores the system's.
void SetDriveLister(DriveLister lister);

} // namespace Platform

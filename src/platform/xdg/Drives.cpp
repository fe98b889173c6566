#include "platform/Platform.h"

#include <QSet>
#include <QStorageInfo>

#include <algorithm>

namespace Platform {

static DriveLister& CurrentLister()
{
    static DriveLister lister;
    return lister;
}

void SetDriveLister(DriveLister lister)
{
    CurrentLister() = std::move(lister);
}

static bool IsPseudoFileSystem(const QByteArray& type)
{
    static const QSet<QByteArray> pseudo = {
        "tmpfs",   "devtmpfs", "squashfs",   "overlay",   "proc",      "sysfs",           "cgroup",
        "cgroup2", "devpts",   "mqueue",     "debugfs",   "tracefs",   "securityfs",      "pstore",
        "bpf",     "configfs", "fusectl",    "hugetlbfs", "autofs",    "binfmt_misc",     "efivarfs",
        "nsfs",    "ramfs",    "rpc_pipefs", "nfsd",      "selinuxfs", "fuse.gvfsd-fuse", "fuse.portal"};
    return pseudo.contains(type);
}

QStringList DriveList()
{
    if (CurrentLister())
        return CurrentLister()();
    QStringList names;
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        if (!volume.isValid() || !volume.isReady() || volume.isRoot())
            continue;
        if (IsPseudoFileSystem(volume.fileSystemType()))
            continue;
        QString name = volume.rootPath();
        while (name.size() > 1 && name.endsWith(QLatin1Char('/')))
            name.chop(1);
        if (name != QLatin1String("/") && !names.contains(name))
            names.append(name);
    }
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace Platform

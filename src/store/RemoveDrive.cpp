#include "store/RemoveDrive.h"

#include "common/uCommon.h"
#include "platform/Platform.h"
#include "settings/uEnvironment.h"
#include "store/uDataModule.h"

bool ProbeRemoveDrive(Tdm& store, TEnvironment& environment)
{
    if (store.RemoveDriveValueValid())
        return false;
    const QString sample = store.GetRemoveDriveSamplePath();
    if (sample.isEmpty())
        return false;
    const QStringList drives = Platform::DriveList();
    for (auto drive = drives.crbegin(); drive != drives.crend(); ++drive) {
        // Only a file counts: a folder of the same name on another medium proves nothing.
        if (FileExists(ReplaceAll(sample, QStringLiteral("%removedrive%"), *drive))) {
            environment.SetEnvironmentValue(QStringLiteral("removedrive"), *drive);
            return true;
        }
    }
    return false;
}

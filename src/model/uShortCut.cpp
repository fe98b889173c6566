#include "model/uShortCut.h"

#include "common/Exception.h"
#include "common/uCommon.h"
#include "platform/Platform.h"
#include "settings/uEnvironment.h"
#include "store/uDataModule.h"

#include <QPainter>

QImage WhiteSquare()
{
    QImage image(TQShortCut::IconSize, TQShortCut::IconSize, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

QString TQShortCut::Target() const
{
    return AppEnvironment ? AppEnvironment->ExpandPath(Path) : Path;
}

void TQShortCut::CaptureIcon()
{
    QImage picture = WhiteSquare();
    const QImage icon = Platform::TargetIcon(Target(), IsDir, IconSize);
    if (!icon.isNull()) {
        QPainter painter(&picture);
        painter.drawImage(0, 0, icon);
    }
    Icon = picture;
}

bool TQShortCut::TargetExists() const
{
    const QString target = Target();
    return IsDir ? DirExists(target) : FileExists(target);
}

void TQShortCut::Run()
{
    const QString target = Target();
    QString error;
    bool started;
    if (IsDir) {
        started = Platform::OpenTarget(target, QString(), QString(), ShowCmd, &error);
    } else {
        const QString parameters = AppEnvironment ? AppEnvironment->ExpandPath(Parameters) : Parameters;
        started = Platform::OpenTarget(target, parameters, ExtractFilePath(target), ShowCmd, &error);
    }
    if (dm)
        dm->IncRunCount(ShortCutIndex);
    if (!started)
        throw Exception(error);
}

void TQShortCut::OpenFolder()
{
    const QString target = Target();
    const QString folder = IsDir ? target : ExtractFilePath(target);
    if (!DirExists(folder))
        return;
    QString error;
    if (!Platform::OpenFolder(folder, ShowCmd, &error))
        throw Exception(error);
}

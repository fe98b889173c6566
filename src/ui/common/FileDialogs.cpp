#include "ui/common/FileDialogs.h"

#include <QFileDialog>
#include <QFileInfo>

namespace {

struct Scripted
{
    bool active = false;
    QStringList results;
    QStringList presets;
};

Scripted& Script()
{
    static Scripted script;
    return script;
}

} // namespace

void TFileDialogs::SetNextResults(const QStringList& results)
{
    Script() = {!results.isEmpty(), results, {}};
}

QStringList TFileDialogs::Presets()
{
    return Script().presets;
}

bool TFileDialogs::TakeNext(const QString& preset, QString& result)
{
    if (!Script().active)
        return false;
    Script().presets << preset;
    result = Script().results.isEmpty() ? QString() : Script().results.takeFirst();
    return true;
}

QString TFileDialogs::ChooseFile(QWidget* parent, const QString& preset)
{
    QString result;
    if (TakeNext(preset, result))
        return result;
    QFileDialog dialog(parent);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setFilter(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    dialog.setOption(QFileDialog::ReadOnly, false);
    if (!preset.isEmpty()) {
        const QFileInfo info(preset);
        dialog.setDirectory(info.absolutePath());
        dialog.selectFile(info.fileName());
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first();
}

QString TFileDialogs::ChooseFolder(QWidget* parent, const QString& preset)
{
    QString result;
    if (TakeNext(preset, result))
        return result;
    return QFileDialog::getExistingDirectory(parent, QString(), preset);
}
